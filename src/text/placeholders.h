#pragma once

// Language texts carry placeholders: "%1" stands for the first value, "%2" for the second.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The pattern with every %1, %2, ... replaced by that value, in one pass, so that a value holding
// "%2" stays as it is. A placeholder without a value stays as written.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);

// The values a text was filled with from the pattern, %1's first: nothing when the text is no
// filling of the pattern. A value runs to the first place where the pattern's next words follow
// (the last value to where the pattern's last words end the text), so that a shown text can be
// written anew in another language's pattern.
std::optional<std::vector<std::string>> PlaceholderValues(std::string_view pattern, std::string_view text);

}  // namespace quorvel
