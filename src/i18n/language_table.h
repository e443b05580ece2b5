#pragma once

#include <array>
#include <string_view>

namespace quorvel {

struct LanguageEntry {
    std::string_view displayName;
    std::string_view fileName;
};

// Row number = language index, the value kept in the saved choice.
inline constexpr std::array<LanguageEntry, 9> kLanguages = {{
    {"English", "eng_lang.dat"},
    {"Deutsch", "ger_lang.dat"},
    {"Nederlands", "nl_lang.dat"},
    {"Italiano", "it_lang.dat"},
    {"Polski", "pl_lang.dat"},
    {"Français", "fr_lang.dat"},
    {"Español", "es_lang.dat"},
    {"Türkçe", "tr_lang.dat"},
    {"Português", "pt_lang.dat"},
}};

inline constexpr int kEnglish = 0;
inline constexpr int kPolish = 4;

// The file name of a language index; any index outside the table gives English.
constexpr std::string_view LanguageFileName(int index) {
    const bool known = index >= 0 && index < static_cast<int>(kLanguages.size());
    return kLanguages[known ? index : kEnglish].fileName;
}

}  // namespace quorvel
