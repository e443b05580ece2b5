#pragma once

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

namespace quorvel {

struct LanguageEntry {
    std::string_view displayName;
    std::string_view fileName;
    std::string_view locale;  // the language of Qt's own texts (dialog buttons) beside the file
};

// Row number = language index, the value kept in the saved choice.
inline constexpr std::array<LanguageEntry, 9> kLanguages = {{
    {"English", "eng_lang.dat", "en"},
    {"Deutsch", "ger_lang.dat", "de"},
    {"Nederlands", "nl_lang.dat", "nl"},
    {"Italiano", "it_lang.dat", "it"},
    {"Polski", "pl_lang.dat", "pl"},
    {"Français", "fr_lang.dat", "fr"},
    {"Español", "es_lang.dat", "es"},
    {"Türkçe", "tr_lang.dat", "tr"},
    {"Português", "pt_lang.dat", "pt"},
}};

inline constexpr int kEnglish = 0;
inline constexpr int kPolish = 4;

// The file name of a language index; any index outside the table gives English.
constexpr std::string_view LanguageFileName(int index) {
    const bool known = index >= 0 && index < static_cast<int>(kLanguages.size());
    return kLanguages[known ? index : kEnglish].fileName;
}

// The file of that name in the first of the folders that holds one (a player's own copy before the
// installed one); in the last folder when none does.
std::filesystem::path FindLanguageFile(const std::vector<std::filesystem::path>& folders,
                                       const std::filesystem::path& fileName);

// The locale of the language whose file this is ("de"); English for a file not in the table.
std::string_view LanguageLocale(const std::filesystem::path& languageFile);

}  // namespace quorvel
