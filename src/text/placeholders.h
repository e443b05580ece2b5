#pragma once

// Language texts carry placeholders: "%1" stands for the first value, "%2" for the second.

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

// The pattern with every %1, %2, ... replaced by that value, in one pass, so that a value holding
// "%2" stays as it is. A placeholder without a value stays as written.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace quorvel
