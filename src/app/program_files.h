#pragma once

#include <filesystem>
#include <string_view>

#include "app/version.h"
#include "i18n/language_table.h"

namespace quorvel {

// Files and folders of the program, relative to its home folder (the folder of the executable,
// or the one given with --home).
inline constexpr std::string_view kLanguageFolder = "languages";
inline constexpr std::string_view kDataFolder = "data";
inline constexpr std::string_view kBookFile = "data/QuorvelData.dat";
inline constexpr std::string_view kLanguageSaveFile = "data/LanguageSave.dat";
// The missile range's rule the player chose: "2" or "5".
inline constexpr std::string_view kRangeRuleFile = "data/RangeRule.dat";
inline constexpr std::string_view kPlanFile = "data/IRakAttackPlan.tmp";
// The address of the published page the links of share codes open: its first line.
inline constexpr std::string_view kPageAddressFile = "data/PageAddress.txt";
// The inputs and shown results of the last session of the window.
inline constexpr std::string_view kSessionFile = "data/QuorvelSession.txt";

// "languages/<file name>" for a language index; any index outside the table gives English.
inline std::filesystem::path LanguagePath(int index) {
    return std::filesystem::path(kLanguageFolder) / LanguageFileName(index);
}

}  // namespace quorvel
