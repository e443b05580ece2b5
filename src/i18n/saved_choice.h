#pragma once

#include <filesystem>
#include <string_view>

namespace quorvel {

// The language index kept in the saved-choice file: a row of the language table after English's
// selects that language; any other value, no number or no readable file, English (0). Only a regular file is
// read; a folder or FIFO counts as no readable file.
int SavedLanguageIndex(const std::filesystem::path& file);

// The language a start applies: the saved choice when the file exists; without one, the language
// of desktopLocale ("de_DE.UTF-8", "pt_BR") when the language table has it, or the first such of a
// list in order of preference ("ja-JP,de-CH,en", as a browser gives it); English otherwise.
int StartLanguageIndex(const std::filesystem::path& file, std::string_view desktopLocale);

// The same rule over the file's first bytes.
int ParseSavedLanguageIndex(std::string_view text);

// Replaces the file's whole content with the index (the data folder is created when missing),
// under the lock of the data folder, through a symlink, keeping the file's permission bits. A
// read-only file is left alone. False when it could not be written; the old file then stays as it
// was and errorNumber (when given) receives the reason.
bool SaveLanguageIndex(const std::filesystem::path& file, int index, int* errorNumber = nullptr);

}  // namespace quorvel
