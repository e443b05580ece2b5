#pragma once

// The range rule the player chose, kept in a small file beside the language choice: "2" or "5".

#include <filesystem>
#include <string_view>

#include "travel/missile_range.h"

namespace quorvel {

// "5" as the first number of the text is the five-times rule; anything else the default.
RangeRule ParseRangeRule(std::string_view text);

// The saved rule; the default when the file is missing, unreadable or no regular file.
RangeRule SavedRangeRule(const std::filesystem::path& file);

// Replaces the file atomically under the lock of its folder with the rule's factor (the data folder is
// created when missing); a file that already gives the rule is left as it is. False when it could not be
// written; the old file then stays and errorNumber receives the reason.
bool SaveRangeRule(const std::filesystem::path& file, RangeRule rule, int* errorNumber = nullptr);

}  // namespace quorvel
