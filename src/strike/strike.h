#pragma once

// The strike as a pure calculation. Data flow:
//   StrikeInput (counts, interceptors, missiles, levels, primary target)
//   -> SimulateStrike: armour and weapons bonus (technology.h), interceptors take missiles one for
//      one, the rest pool their damage and spend it type by type in DamageOrder (SpendPool)
//   -> StrikeResult: everything the window shows; app/ maps it onto cells.
// RequiredMissiles answers how many missiles a job needs from the same input.

#include <cstdint>
#include <optional>

#include "strike/defence_table.h"
#include "text/wide_int.h"

namespace quorvel {

// The order in which the defence types take damage for a primary-target choice: the chosen type
// first, the rest in type order; choice 8 puts the large and then the small shield dome first.
// Nothing for a choice outside 0..8: then no type takes damage.
std::optional<PerType<int>> DamageOrder(int primaryTarget);

struct PoolSpend {
    std::int64_t destroyed = 0;
    float poolAfter = 0.0f;
    bool struck = false;  // false: the type was skipped and the pool passes on unchanged
};

// What the pooled damage does to `count` units of one type with `structure` each. The pool is
// single precision and its steps are kept exactly, because players compare results that depend
// on them: q = pool / structure in double precision, stored back as float; the unspent part of
// the damage passes on to the next type.
PoolSpend SpendPool(float pool, std::int64_t count, std::int64_t structure);

struct StrikeInput {
    PerType<std::int32_t> counts{};
    std::int32_t interceptors = 0;
    std::int64_t missiles = 0;
    std::int32_t armourLevel = 0;
    std::int32_t weaponsLevel = 0;
    std::int32_t primaryTarget = 0;  // a choice of DamageOrder

    bool operator==(const StrikeInput&) const = default;
};

enum class StrikeOutcome {
    NoMissiles,      // no missile was entered
    AllIntercepted,  // the interceptors took every missile (also when fewer than none were entered)
    NothingToHit,    // missiles got through to a planet without defence units or interceptors
    Struck,          // missiles got through and their damage was spent
};

struct StrikeResult {
    StrikeOutcome outcome = StrikeOutcome::NoMissiles;
    bool noDefenceUnits = false;  // every count is 0
    bool emptyPlanet = false;     // no defence units and no interceptors
    PerType<bool> struck{};       // the pool reached the type (see PoolSpend::struck)
    PerType<std::int64_t> destroyed{};
    PerType<std::int32_t> surviving{};
    PerType<Resources> typeLoss{};  // destroyed units times their cost
    Resources interceptorLoss{};
    Resources defenderLoss{};      // interceptors and every type
    Resources attackerLoss{};      // the missiles charged to the attacker
    bool attackerLossCut = false;  // attackerLoss left 64 bits: each resource holds the largest value
    std::int64_t remainingTotal = 0;
    std::int64_t destroyedTotal = 0;
    std::int64_t missilesThrough = 0;  // past the interceptors; 0 when all were intercepted
    std::int64_t missilesFired = 0;    // the intercepted ones and those the job needed
    std::int64_t missilesLeft = 0;     // got through but not needed

    bool operator==(const StrikeResult&) const = default;
};

StrikeResult SimulateStrike(const StrikeInput& input);

enum class RequiredOutcome {
    Count,             // `missiles` holds the answer
    NothingToDestroy,  // the chosen target (or the whole planet) has nothing on it
    NoTarget,          // the target choice is outside the list: no answer
};

struct RequiredMissilesResult {
    RequiredOutcome outcome = RequiredOutcome::NoTarget;
    Wide missiles = 0;
};

// Missiles needed to destroy everything (neededTarget 0) or every unit of type neededTarget - 1:
// the least count with which SimulateStrike does it, in the input's damage order or aimed at the
// type, counting one extra missile per interceptor. The exact count (the structure over one
// missile's damage, rounded up) is where its search starts; the input's missile count plays no part.
RequiredMissilesResult RequiredMissiles(const StrikeInput& input, int neededTarget);

// Smallest n in (low, high] with holds(n), given holds(high) and that holds stays true upwards.
template <typename Holds>
std::int64_t FirstHolding(std::int64_t low, std::int64_t high, Holds holds) {
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        if (holds(middle)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

}  // namespace quorvel
