#pragma once

#include <array>
#include <filesystem>
#include <string_view>

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

// "languages/<file name>" for a language index; any index outside the table gives English.
std::filesystem::path LanguagePath(int index);

// The locale of the language whose file this is ("de"); English for a file not in the table.
std::string_view LanguageLocale(const std::filesystem::path& languageFile);

}  // namespace quorvel
