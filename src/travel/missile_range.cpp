#include "travel/missile_range.h"

namespace quorvel {

std::optional<std::int64_t> MissileRange(std::int32_t impulseDriveLevel, RangeRule rule) {
    if (impulseDriveLevel < 0) return std::nullopt;
    if (impulseDriveLevel == 0) return 0;
    return RangeFactor(rule) * std::int64_t{impulseDriveLevel} - 1;
}

}  // namespace quorvel
