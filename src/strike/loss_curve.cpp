#include "strike/loss_curve.h"

#include <algorithm>
#include <numeric>

namespace quorvel {
namespace {

std::int64_t Total(const Resources& r) { return std::accumulate(r.begin(), r.end(), std::int64_t{0}); }

// The defender loses something and at least what the attacker spends.
bool Pays(const CurvePoint& p) {
    const std::int64_t defender = Total(p.defenderLoss);
    return defender > 0 && defender >= Total(p.attackerLoss);
}

// Whether the type and every type the damage reaches before it are destroyed at n missiles. Once
// true it stays true for more missiles: the pool only grows, and what a destroyed type leaves of it
// grows with it.
bool WipedThrough(const StrikeInput& in, const PerType<int>& order, int type, std::int64_t missiles) {
    StrikeInput at = in;
    at.missiles = missiles;
    const StrikeResult r = SimulateStrike(at);
    for (int t : order) {
        if (in.counts[t] > 0 && r.surviving[t] != 0) return false;
        if (t == type) return true;
    }
    return false;
}

// The missiles that destroy everything, 0 when there is nothing to destroy.
Wide AllDestroyedAt(const StrikeInput& in) {
    const RequiredMissilesResult required = RequiredMissiles(in, 0);
    return required.outcome == RequiredOutcome::Count ? required.missiles : 0;
}

// The counts to simulate: all of them, or evenly spread ones plus every breakpoint and the count
// just before it (so that a step shows as a step).
std::vector<std::int64_t> SampleCounts(std::int64_t end, const std::vector<CurveMark>& marks,
                                       std::size_t limit) {
    std::vector<std::int64_t> counts;
    if (static_cast<Wide>(end) < static_cast<Wide>(limit)) {
        counts.resize(static_cast<std::size_t>(end) + 1);
        std::iota(counts.begin(), counts.end(), std::int64_t{0});
        return counts;
    }
    for (const CurveMark& mark : marks) {
        counts.push_back(mark.missiles);
        if (mark.missiles > 0) counts.push_back(mark.missiles - 1);
    }
    const std::size_t spread = limit > counts.size() + 2 ? limit - counts.size() : 2;
    for (std::size_t i = 0; i < spread; ++i) {
        counts.push_back(
            static_cast<std::int64_t>(Wide{end} * static_cast<Wide>(i) / static_cast<Wide>(spread - 1)));
    }
    std::sort(counts.begin(), counts.end());
    counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
    return counts;
}

void AddMark(std::vector<CurveMark>& marks, CurveMarkKind kind, int type, std::int64_t missiles) {
    marks.push_back(CurveMark{kind, type, missiles});
}

}  // namespace

CurvePoint CurvePointAt(const StrikeInput& input, std::int64_t missiles) {
    StrikeInput at = input;
    at.missiles = missiles;
    const StrikeResult r = SimulateStrike(at);
    return CurvePoint{missiles, r.defenderLoss, r.attackerLoss, r.destroyed};
}

LossCurve ComputeLossCurve(const StrikeInput& input, std::size_t pointLimit) {
    LossCurve curve;
    const Wide allDestroyed = AllDestroyedAt(input);
    const Wide wideEnd = std::max<Wide>(std::max<std::int64_t>(input.missiles, 0), allDestroyed);
    curve.endLimited = wideEnd > kCurveMissileLimit;
    curve.end = curve.endLimited ? kCurveMissileLimit : static_cast<std::int64_t>(wideEnd);
    const std::int64_t end = curve.end;
    std::vector<CurveMark>& marks = curve.marks;

    if (input.interceptors > 0 && input.interceptors <= end) {
        AddMark(marks, CurveMarkKind::InterceptorsUsedUp, -1, input.interceptors);
    }
    if (input.missiles > 0) AddMark(marks, CurveMarkKind::Typed, -1, input.missiles);
    if (const auto order = DamageOrder(input.primaryTarget)) {
        for (int t = 0; t < kDefenceTypeCount; ++t) {
            if (input.counts[t] <= 0 || !WipedThrough(input, *order, t, end)) continue;
            const auto wiped = [&](std::int64_t n) { return WipedThrough(input, *order, t, n); };
            AddMark(marks, CurveMarkKind::TypeWiped, t, FirstHolding(0, end, wiped));
        }
    }
    if (allDestroyed > 0 && allDestroyed <= end) {
        AddMark(marks, CurveMarkKind::AllDestroyed, -1, static_cast<std::int64_t>(allDestroyed));
    }

    for (std::int64_t n : SampleCounts(end, marks, std::max<std::size_t>(pointLimit, 2))) {
        curve.points.push_back(CurvePointAt(input, n));
    }

    // Break-even: the first point at or above it, then between it and the point before. Between two
    // neighbouring points the balance is searched as if it only grew; with every count a point
    // (short curves) the mark is exact.
    const auto& points = curve.points;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (!Pays(points[i])) continue;
        const auto pays = [&](std::int64_t n) { return Pays(CurvePointAt(input, n)); };
        const std::int64_t n = FirstHolding(points[i - 1].missiles, points[i].missiles, pays);
        AddMark(marks, CurveMarkKind::BreakEven, -1, n);
        if (n != points[i].missiles)
            curve.points.insert(curve.points.begin() + static_cast<std::ptrdiff_t>(i),
                                CurvePointAt(input, n));
        break;
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const CurveMark& a, const CurveMark& b) { return a.missiles < b.missiles; });
    return curve;
}

LaunchPlan PlanLaunches(const StrikeInput& input, int neededTarget, std::int32_t siloLevel) {
    LaunchPlan plan;
    plan.perLaunch = siloLevel > 0 ? kMissilesPerSiloLevel * siloLevel : 0;
    StrikeInput state = input;
    while (true) {
        const RequiredMissilesResult required = RequiredMissiles(state, neededTarget);
        if (required.outcome != RequiredOutcome::Count) {
            plan.outcome = plan.launches.empty() ? LaunchOutcome::NothingToDestroy : LaunchOutcome::Done;
            break;
        }
        if (plan.launches.size() == kLaunchLimit) {
            plan.outcome = LaunchOutcome::TooMany;
            break;
        }
        // No launch carries more than the missile field takes.
        Wide missiles = std::min<Wide>(required.missiles, kCurveMissileLimit);
        if (plan.perLaunch > 0) missiles = std::min<Wide>(missiles, plan.perLaunch);
        state.missiles = static_cast<std::int64_t>(missiles);
        const StrikeResult out = SimulateStrike(state);
        plan.launches.push_back(Launch{state, out});
        plan.totalMissiles += state.missiles;
        for (int r = 0; r < kResourceCount; ++r) {
            plan.defenderLoss[r] += out.defenderLoss[r];
            plan.attackerLoss[r] += out.attackerLoss[r];
        }
        if (out.destroyedTotal == 0 && state.interceptors <= 0) {
            // A launch too small to break a single unit: the next one meets the same defence.
            plan.outcome = LaunchOutcome::Stuck;
            break;
        }
        state.counts = out.surviving;
        state.interceptors =
            static_cast<std::int32_t>(std::max<std::int64_t>(state.interceptors - state.missiles, 0));
    }
    return plan;
}

}  // namespace quorvel
