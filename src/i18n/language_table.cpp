#include "i18n/language_table.h"

#include <system_error>

namespace quorvel {

std::filesystem::path FindLanguageFile(const std::vector<std::filesystem::path>& folders,
                                       const std::filesystem::path& fileName) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(folder / fileName, ignored)) return folder / fileName;
    }
    return folders.empty() ? fileName : folders.back() / fileName;
}

const LanguageEntry& LanguageOfFile(const std::filesystem::path& languageFile) {
    const std::string name = languageFile.filename().string();
    for (const LanguageEntry& language : kLanguages) {
        if (language.fileName == name) return language;
    }
    return kLanguages[kEnglish];
}

}  // namespace quorvel
