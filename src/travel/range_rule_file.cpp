#include "travel/range_rule_file.h"

#include <optional>
#include <string>

#include "fileio/atomic_file.h"
#include "text/decimal.h"

namespace quorvel {
namespace {

// The rule is one digit; a file of any size is judged by its beginning.
constexpr std::size_t kReadLimit = 64;

}  // namespace

RangeRule ParseRangeRule(std::string_view text) {
    text = text.substr(0, kReadLimit);
    auto it = text.cbegin();
    const std::optional<std::int32_t> value = ScanInt32(it, text.cend());
    return value == 5 ? RangeRule::FiveTimesLevel : RangeRule::TwiceLevel;
}

RangeRule SavedRangeRule(const std::filesystem::path& file) {
    const std::optional<std::string> text = ReadRegularFile(file, kReadLimit);
    return text ? ParseRangeRule(*text) : RangeRule::TwiceLevel;
}

bool SaveRangeRule(const std::filesystem::path& file, RangeRule rule, int* errorNumber) {
    return ReplaceSettingFile(file, std::to_string(RangeFactor(rule)), errorNumber,
                              [rule](std::string_view text) { return ParseRangeRule(text) == rule; });
}

}  // namespace quorvel
