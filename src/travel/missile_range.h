#pragma once

#include <cstdint>
#include <optional>

namespace quorvel {

// How the missile range follows the impulse drive level: "2 x level - 1" (the default) or, as newer
// game versions have it, "5 x level - 1".
enum class RangeRule { TwiceLevel, FiveTimesLevel };

// The factor of the level in the rule's range: 2 or 5.
constexpr std::int64_t RangeFactor(RangeRule rule) { return rule == RangeRule::FiveTimesLevel ? 5 : 2; }

// The missile range for an impulse drive level: factor * level - 1 from level 1 up, 0 at level 0, and
// nothing for a negative level. Computed in 64 bits, so every 32-bit level gives its exact range.
std::optional<std::int64_t> MissileRange(std::int32_t impulseDriveLevel,
                                         RangeRule rule = RangeRule::TwiceLevel);

}  // namespace quorvel
