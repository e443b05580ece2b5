#pragma once

#include <cstdint>
#include <optional>

namespace quorvel {

// The missile range for an impulse drive level: 2 * level - 1 from level 1 up, 0 at level 0, and
// nothing for a negative level. Computed in 64 bits, so every 32-bit level gives its exact range.
std::optional<std::int64_t> MissileRange(std::int32_t impulseDriveLevel);

}  // namespace quorvel
