#include "i18n/language_table.h"

#include "app/program_files.h"

namespace quorvel {

std::filesystem::path LanguagePath(int index) {
    const bool known = index >= 0 && index < static_cast<int>(kLanguages.size());
    return std::filesystem::path(kLanguageFolder) / kLanguages[known ? index : kEnglish].fileName;
}

std::string_view LanguageLocale(const std::filesystem::path& languageFile) {
    const std::string name = languageFile.filename().string();
    for (const LanguageEntry& language : kLanguages) {
        if (language.fileName == name) return language.locale;
    }
    return kLanguages[kEnglish].locale;
}

}  // namespace quorvel
