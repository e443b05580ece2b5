#include "i18n/language_file.h"

#include <string>
#include <vector>

#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LanguageLines ParseLanguageLines(std::string_view bytes, SingleByteCodepage fallback) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());

    // The raw lines reading can reach. A line too long as UTF-8 is too long in any encoding (no
    // character has fewer bytes), so it certainly ends the reading; only its kept part counts
    // when deciding the encoding.
    std::vector<std::string_view> raw;
    raw.reserve(kLanguageLineCount);
    bool utf8 = true;
    std::size_t pos = 0;
    while (raw.size() < static_cast<std::size_t>(kLanguageLineCount) && pos < bytes.size()) {
        const std::size_t feed = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, feed == std::string_view::npos ? feed : feed - pos);
        pos = feed == std::string_view::npos ? bytes.size() : feed + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::string_view kept = Utf8Prefix(line, kMaxTextCharacters);
        utf8 = utf8 && IsValidUtf8(kept);
        raw.push_back(line);
        if (kept.size() < line.size()) break;
    }

    LanguageLines lines;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        // One character more than may be kept is enough to tell whether the line is too long.
        std::string text = utf8 ? std::string(Utf8Prefix(raw[i], kMaxTextCharacters + 1))
                                : DecodeSingleByte(raw[i].substr(0, kMaxTextCharacters + 1), fallback);
        // Texts are plain text: a control character (an ESC sequence, for one) never reaches the
        // window, the batch output or a shared text.
        if (Utf8Length(text) > kMaxTextCharacters) {
            lines[i] = WithoutControlCharacters(Utf8Prefix(text, kMaxTextCharacters));
            break;
        }
        lines[i] = WithoutControlCharacters(text);
    }
    return lines;
}

std::optional<LanguageLines> ReadLanguageFile(const std::filesystem::path& path) {
    // A folder, FIFO or device in place of the file counts as unreadable, and opening never blocks.
    const std::optional<std::string> bytes = ReadRegularFile(path, kLanguageFileReadLimit);
    if (!bytes) return std::nullopt;
    return ParseLanguageLines(*bytes, FallbackCodepageFor(path));
}

SingleByteCodepage FallbackCodepageFor(const std::filesystem::path& path) {
    for (const LanguageEntry& language : kLanguages) {
        if (path.filename() == std::filesystem::path(language.fileName)) return language.legacyCodepage;
    }
    return kLanguages[kEnglish].legacyCodepage;
}

}  // namespace quorvel
