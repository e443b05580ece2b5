#pragma once

#include <string_view>

namespace quorvel {

// Files and folders of the program, relative to its home folder (the folder of the executable,
// or the one given with --home).
inline constexpr std::string_view kLanguageFolder = "languages";
inline constexpr std::string_view kDataFolder = "data";
inline constexpr std::string_view kBookFile = "data/QuorvelData.dat";
inline constexpr std::string_view kLanguageSaveFile = "data/LanguageSave.dat";
inline constexpr std::string_view kPlanFile = "data/IRakAttackPlan.tmp";

inline constexpr std::string_view kWindowTitle = "Quorvel  v. 1.0.9a";
inline constexpr std::string_view kIntegerPrompt = "Please enter an integer.";

}  // namespace quorvel
