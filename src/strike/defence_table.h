#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// The eight defence types, always in this order. Every per-type array uses it.
enum class DefenceType : int {
    RocketLauncher = 0,
    LightLaser,
    HeavyLaser,
    GaussCannon,
    IonCannon,
    PlasmaTurret,
    SmallShieldDome,
    LargeShieldDome,
};

inline constexpr int kDefenceTypeCount = 8;

template <typename T>
using PerType = std::array<T, kDefenceTypeCount>;

// Metal, crystal, deuterium.
inline constexpr int kResourceCount = 3;
using Resources = std::array<std::int64_t, kResourceCount>;

struct DefenceStats {
    std::int32_t structure;  // structural integrity of one unit at armour level 0
    Resources cost;          // what one destroyed unit costs its owner
};

inline constexpr PerType<DefenceStats> kDefenceStats = {{
    {200, {2000, 0, 0}},
    {200, {1500, 500, 0}},
    {800, {6000, 2000, 0}},
    {3500, {20000, 15000, 2000}},
    {800, {2000, 6000, 0}},
    {10000, {50000, 50000, 30000}},
    {2000, {10000, 10000, 0}},
    {10000, {50000, 50000, 0}},
}};

inline constexpr Resources kInterceptorCost = {8000, 0, 2000};
inline constexpr Resources kMissileCost = {12500, 2500, 10000};
inline constexpr std::int32_t kMissileBaseDamage = 12000;

// Index of the primary-target choice that puts both shield domes, the large one first, in front.
inline constexpr int kShieldDomesFirstChoice = 8;
inline constexpr int kPrimaryTargetChoiceCount = 9;

constexpr int Index(DefenceType type) { return static_cast<int>(type); }

}  // namespace quorvel
