#include "i18n/saved_choice.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "text/decimal.h"

namespace quorvel {
namespace {

// The choice is one short number; a file of any size is judged by its beginning.
constexpr std::size_t kReadLimit = 4096;

}  // namespace

int SavedLanguageIndex(const std::filesystem::path& file) {
    const std::optional<std::string> text = ReadRegularFile(file, kReadLimit);
    return text ? ParseSavedLanguageIndex(*text) : kEnglish;
}

int StartLanguageIndex(const std::filesystem::path& file, std::string_view desktopLocale) {
    std::error_code ignored;  // a file that cannot even be looked at is no saved choice
    if (std::filesystem::exists(std::filesystem::symlink_status(file, ignored)))
        return SavedLanguageIndex(file);
    // The first locale of the list whose language the table has.
    for (std::string_view rest = desktopLocale; !rest.empty();) {
        const std::string_view locale = rest.substr(0, rest.find(','));
        rest.remove_prefix(std::min(rest.size(), locale.size() + 1));
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@-"));
        for (std::size_t i = 0; i < kLanguages.size(); ++i) {
            if (!language.empty() && kLanguages[i].locale == language) return static_cast<int>(i);
        }
    }
    return kEnglish;
}

int ParseSavedLanguageIndex(std::string_view text) {
    text = text.substr(0, kReadLimit);
    // Only whether the number is one of the language indexes matters: one beyond 32 bits is none.
    auto it = text.cbegin();
    const std::optional<std::int32_t> value = ScanInt32(it, text.cend());
    const bool chosen = value && *value >= 1 && *value < static_cast<int>(kLanguages.size());
    return chosen ? *value : kEnglish;
}

bool SaveLanguageIndex(const std::filesystem::path& file, int index, int* errorNumber) {
    return ReplaceSettingFile(file, std::to_string(index), errorNumber);
}

}  // namespace quorvel
