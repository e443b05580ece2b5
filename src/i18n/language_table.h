#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "text/languages.h"

namespace quorvel {

// The file name of a language index; any index outside the table gives English.
constexpr std::string_view LanguageFileName(int index) {
    const bool known = index >= 0 && index < static_cast<int>(kLanguages.size());
    return kLanguages[known ? index : kEnglish].fileName;
}

// The file of that name in the first of the folders that holds one (a player's own copy before the
// installed one); in the last folder when none does.
std::filesystem::path FindLanguageFile(const std::vector<std::filesystem::path>& folders,
                                       const std::filesystem::path& fileName);

// The row of the language whose file this is; English for a file not in the table.
const LanguageEntry& LanguageOfFile(const std::filesystem::path& languageFile);

}  // namespace quorvel
