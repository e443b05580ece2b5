#pragma once

#include <cstdint>

namespace quorvel {

// A place in the universe, written galaxy:system:planet.
struct Position {
    std::int32_t galaxy = 0;
    std::int32_t system = 0;
    std::int32_t planet = 0;

    bool operator==(const Position&) const = default;
};

// The universe's bounds, inclusive: 19 galaxies, 499 systems, 15 planet slots.
inline constexpr std::int32_t kMaxGalaxy = 19;
inline constexpr std::int32_t kMaxSystem = 499;
inline constexpr std::int32_t kMaxPlanet = 15;

constexpr bool IsInUniverse(const Position& p) {
    return p.galaxy >= 1 && p.galaxy <= kMaxGalaxy && p.system >= 1 && p.system <= kMaxSystem &&
           p.planet >= 1 && p.planet <= kMaxPlanet;
}

}  // namespace quorvel
