#include "travel/range_rule_file.h"

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

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
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    // Like the language choice, under the lock of the data folder that every rewrite there holds.
    const FolderLock lock(file);
    if (lock.Busy()) {
        if (errorNumber) *errorNumber = EWOULDBLOCK;
        return false;
    }
    return ReplaceFileAtomically(file, std::to_string(RangeFactor(rule)), errorNumber) == WriteOutcome::Ok;
}

}  // namespace quorvel
