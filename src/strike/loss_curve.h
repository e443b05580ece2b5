#pragma once

// How many missiles pay. Data flow:
//   StrikeInput (the missile count is the typed one)
//   -> LossCurve: SimulateStrike at every missile count n from 0 to the end E (the larger of the
//      typed count and the count that destroys everything), or at most about kCurvePointLimit
//      counts spread evenly with every breakpoint among them; the marks (interceptors used up,
//      typed, break-even, each type wiped out, everything destroyed)
//   -> PlanLaunches: the required-missiles job split into launches a missile silo can hold, each
//      simulated against what the previous launches left.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "strike/strike.h"

namespace quorvel {

struct CurvePoint {
    std::int64_t missiles = 0;
    Resources defenderLoss{};
    Resources attackerLoss{};
    PerType<std::int64_t> destroyed{};
};

enum class CurveMarkKind {
    InterceptorsUsedUp,  // every further missile gets through
    Typed,               // the missile count of the input
    BreakEven,           // the first count where the defender loses something and at least what
                         // the attacker spends
    TypeWiped,           // from here on the type (and every type damaged before it) is destroyed
    AllDestroyed,        // the required missiles (choice: everything): nothing is left
};

struct CurveMark {
    CurveMarkKind kind = CurveMarkKind::Typed;
    int type = -1;  // the defence type of a TypeWiped mark
    std::int64_t missiles = 0;
};

struct LossCurve {
    std::vector<CurvePoint> points;  // increasing missile counts, the first 0, the last `end`
    std::vector<CurveMark> marks;    // in increasing missile counts
    std::int64_t end = 0;
    // The typed count or destroying everything needs more missiles than the missile field takes:
    // the curve stops at kCurveMissileLimit (and then has no AllDestroyed mark).
    bool endLimited = false;
};

inline constexpr std::size_t kCurvePointLimit = 2000;
// The largest missile count the curve looks at: the largest count the missile field holds.
inline constexpr std::int64_t kCurveMissileLimit = 2147483647;

// One point of the curve, exactly as SimulateStrike gives it for n missiles.
CurvePoint CurvePointAt(const StrikeInput& input, std::int64_t missiles);

LossCurve ComputeLossCurve(const StrikeInput& input, std::size_t pointLimit = kCurvePointLimit);

// A missile silo level holds five interplanetary missiles.
inline constexpr std::int64_t kMissilesPerSiloLevel = 5;
// More launches than this are not planned: the job is said to be unfinished.
inline constexpr std::size_t kLaunchLimit = 1000;

struct Launch {
    StrikeInput in;  // what this launch meets, its missile count included
    StrikeResult out;
};

enum class LaunchOutcome {
    Done,              // the launches destroy the required-missiles choice
    NothingToDestroy,  // the choice has nothing on it (or no answer): no launch
    Stuck,             // a full launch can no longer destroy anything: splitting never finishes
    TooMany,           // kLaunchLimit launches do not finish the job
};

struct LaunchPlan {
    LaunchOutcome outcome = LaunchOutcome::NothingToDestroy;
    std::int64_t perLaunch = 0;  // 0: no limit
    std::vector<Launch> launches;
    std::int64_t totalMissiles = 0;
    Resources defenderLoss{};
    Resources attackerLoss{};
};

// The required-missiles job for neededTarget (as RequiredMissiles takes it) in launches of at most
// kMissilesPerSiloLevel * siloLevel missiles each (siloLevel 0 or below: one launch). Interceptors
// take the missiles of each launch until they are used up.
LaunchPlan PlanLaunches(const StrikeInput& input, int neededTarget, std::int32_t siloLevel);

}  // namespace quorvel
