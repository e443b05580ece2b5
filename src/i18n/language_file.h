#pragma once

// Languages. Data flow:
//   languages/<file> -> ReadLanguageFile (this header) -> LanguageLines, by the numbers of
//   language_lines.h -> LanguageTexts (language_texts.h) for the handlers, dialog texts for the
//   language dialog (language_dialog.h); the saved choice (saved_choice.h) picks the file.

// Reading a language file by the line rule:
// - a line ends at a line feed; a carriage return right before it (or at the end of the file) is
//   not part of the text;
// - a text keeps at most 255 characters, never half of one; a longer line is cut there and ends
//   the reading, so every later text is empty, as if the file ended after that line;
// - lines past the end of the file are empty, and lines after the last one the program knows
//   (kLanguageLineCount) are never read.
// Control characters (C0 but the tab, DEL, C1) are dropped from the texts.
// Files are UTF-8. A file whose lines are not valid UTF-8 was written for an older single-byte
// system and is decoded with its language's legacy code page (text/languages.h).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "i18n/language_lines.h"
#include "text/single_byte_codepage.h"

namespace quorvel {

// The most bytes the lines can come from: each line at most 255 four-byte characters and a
// CR LF, a byte-order mark before them, and enough of one more line to see that it is too long.
// Reading never goes further, however large the file.
inline constexpr std::size_t kLanguageFileReadLimit =
    3 + kLanguageLineCount * (4 * kMaxTextCharacters + 2) + 4 * (kMaxTextCharacters + 1);

// The texts of the file; nothing when it cannot be opened or read, or is no regular file.
std::optional<LanguageLines> ReadLanguageFile(const std::filesystem::path& path);

// The same rule over bytes already in memory. The encoding is decided on the bytes the texts come
// from: valid UTF-8 is taken as it is, anything else is decoded with `fallback`.
LanguageLines ParseLanguageLines(std::string_view bytes, SingleByteCodepage fallback);

// The code page an old single-byte file of this name was written in; English's for a file that
// is not in the language table.
SingleByteCodepage FallbackCodepageFor(const std::filesystem::path& path);

}  // namespace quorvel
