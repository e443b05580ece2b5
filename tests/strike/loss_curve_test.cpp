// The loss curve and the launches: every point and every launch checked against SimulateStrike.

#include "strike/loss_curve.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

constexpr std::int32_t kMax = 2147483647;

StrikeInput Input(PerType<std::int32_t> counts, std::int32_t interceptors, std::int64_t missiles,
                  std::int32_t armour = 0, std::int32_t weapons = 0, std::int32_t target = 0) {
    return StrikeInput{counts, interceptors, missiles, armour, weapons, target};
}

StrikeResult At(StrikeInput in, std::int64_t missiles) {
    in.missiles = missiles;
    return SimulateStrike(in);
}

std::int64_t Balance(const StrikeResult& r) {
    std::int64_t d = 0;
    for (int i = 0; i < kResourceCount; ++i) d += r.defenderLoss[i] - r.attackerLoss[i];
    return d;
}

struct CurveCase {
    const char* name;
    StrikeInput input;
    bool sampled;  // more counts than points
};

// The larger of the typed count and the required missiles, at most the field's limit.
std::int64_t EndOf(const StrikeInput& in) {
    const RequiredMissilesResult required = RequiredMissiles(in, 0);
    Wide end =
        std::max<Wide>(in.missiles, required.outcome == RequiredOutcome::Count ? required.missiles : 0);
    return static_cast<std::int64_t>(std::min<Wide>(end, kMax));
}

class LossCurveTable : public testing::TestWithParam<CurveCase> {};

TEST_P(LossCurveTable, EveryPointIsTheStrikeAtItsCount) {
    const CurveCase& c = GetParam();
    const LossCurve curve = ComputeLossCurve(c.input);
    const std::int64_t end = EndOf(c.input);
    EXPECT_EQ(curve.end, end);
    ASSERT_FALSE(curve.points.empty());
    EXPECT_EQ(curve.points.front().missiles, 0);
    EXPECT_EQ(curve.points.back().missiles, end);
    EXPECT_LE(curve.points.size(), kCurvePointLimit + 30);
    if (!c.sampled) {
        EXPECT_EQ(curve.points.size(), static_cast<std::size_t>(end) + 1);
    }
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        const CurvePoint& p = curve.points[i];
        if (i > 0) {
            ASSERT_LT(curve.points[i - 1].missiles, p.missiles);
        }
        const StrikeResult r = At(c.input, p.missiles);
        ASSERT_EQ(p.defenderLoss, r.defenderLoss) << p.missiles;
        ASSERT_EQ(p.attackerLoss, r.attackerLoss) << p.missiles;
        ASSERT_EQ(p.destroyed, r.destroyed) << p.missiles;
    }
    // Every mark is a point; a wiped type stays wiped from its mark and is not wiped just before;
    // break-even pays and the count before it does not.
    for (const CurveMark& m : curve.marks) {
        const auto found = std::find_if(curve.points.begin(), curve.points.end(),
                                        [&](const CurvePoint& p) { return p.missiles == m.missiles; });
        EXPECT_NE(found, curve.points.end()) << m.missiles;
        if (m.kind == CurveMarkKind::TypeWiped) {
            EXPECT_EQ(At(c.input, m.missiles).surviving[m.type], 0);
            EXPECT_EQ(At(c.input, end).surviving[m.type], 0);
        }
        if (m.kind == CurveMarkKind::BreakEven) {
            EXPECT_GE(Balance(At(c.input, m.missiles)), 0);
            if (m.missiles > 1) {
                EXPECT_LT(Balance(At(c.input, m.missiles - 1)), 0);
            }
        }
        if (m.kind == CurveMarkKind::AllDestroyed) {
            EXPECT_EQ(At(c.input, m.missiles).remainingTotal, 0);
        }
    }
}

const CurveCase kCurveCases[] = {
    // 2 interceptors + ceil(32000 / 12000) = 5 missiles destroy everything; 10 were typed.
    {"WorkedExample", Input({100, 10, 0, 0, 0, 0, 0, 0}, 2, 10), false},
    {"TypedFewerThanNeeded", Input({100, 10, 0, 0, 0, 0, 0, 0}, 2, 1), false},
    {"NoInterceptors", Input({0, 0, 0, 50, 0, 20, 1, 1}, 0, 3, 0, 0, 5), false},
    {"OnlyInterceptors", Input({}, 7, 3), false},
    {"NothingToDestroy", Input({}, 0, 4), false},
    {"NothingAtAll", Input({}, 0, 0), false},
    {"ExtremeCounts", Input({kMax, kMax, kMax, kMax, kMax, kMax, kMax, kMax}, kMax, kMax), true},
    {"ExtremeCountsWeapons", Input({kMax, 0, 0, 0, 0, 0, kMax, 0}, 1000, 5, 0, kMax, 8), true},
    {"ExtremeArmour", Input({5, 0, 0, 0, 0, 3, 0, 0}, 0, 1, kMax), true},
    {"ExtremeEverything", Input({kMax, kMax, kMax, kMax, kMax, kMax, kMax, kMax}, kMax, kMax, kMax, kMax, 8),
     true},
    {"ManyCounts", Input({300000, 2000, 0, 0, 0, 40, 0, 1}, 100, 50, 12, 3, 8), true},
};

INSTANTIATE_TEST_SUITE_P(Curve, LossCurveTable, testing::ValuesIn(kCurveCases),
                         [](const testing::TestParamInfo<CurveCase>& info) { return info.param.name; });

TEST(LossCurve, MarksOfTheWorkedExample) {
    const LossCurve curve = ComputeLossCurve(Input({100, 10, 0, 0, 0, 0, 0, 0}, 2, 10));
    std::vector<std::pair<CurveMarkKind, std::int64_t>> marks;
    for (const CurveMark& m : curve.marks) marks.emplace_back(m.kind, m.missiles);
    // 22000 structure needs 2 missiles through; 1 through (60 launchers) already pays 140000 : 75000.
    const std::vector<std::pair<CurveMarkKind, std::int64_t>> expected = {
        {CurveMarkKind::InterceptorsUsedUp, 2}, {CurveMarkKind::BreakEven, 3},
        {CurveMarkKind::TypeWiped, 4},          {CurveMarkKind::TypeWiped, 4},
        {CurveMarkKind::AllDestroyed, 4},       {CurveMarkKind::Typed, 10}};
    EXPECT_EQ(marks, expected);
    EXPECT_FALSE(curve.endLimited);
}

TEST(LossCurve, EndsAtTheMissileFieldsLimit) {
    const LossCurve curve =
        ComputeLossCurve(Input({kMax, kMax, kMax, kMax, kMax, kMax, kMax, kMax}, 0, 1, kMax));
    EXPECT_TRUE(curve.endLimited);
    EXPECT_TRUE(std::none_of(curve.marks.begin(), curve.marks.end(),
                             [](const CurveMark& m) { return m.kind == CurveMarkKind::AllDestroyed; }));
}

using Outcome = LaunchOutcome;

struct LaunchCase {
    const char* name;
    StrikeInput input;
    std::int32_t silo;
    LaunchOutcome outcome;
    std::vector<std::int64_t> missiles;  // per launch
};

class LaunchTable : public testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchTable, EachLaunchMeetsWhatThePreviousLeft) {
    const LaunchCase& c = GetParam();
    const LaunchPlan plan = PlanLaunches(c.input, 0, c.silo);
    EXPECT_EQ(plan.outcome, c.outcome);
    std::vector<std::int64_t> missiles;
    StrikeInput state = c.input;
    std::int64_t total = 0;
    for (const Launch& launch : plan.launches) {
        missiles.push_back(launch.in.missiles);
        total += launch.in.missiles;
        EXPECT_EQ(launch.in.counts, state.counts);
        EXPECT_EQ(launch.in.interceptors, state.interceptors);
        state.missiles = launch.in.missiles;
        const StrikeResult r = SimulateStrike(state);
        EXPECT_EQ(launch.out.defenderLoss, r.defenderLoss);
        state.counts = r.surviving;
        state.interceptors =
            std::max<std::int32_t>(0, state.interceptors - static_cast<std::int32_t>(state.missiles));
    }
    EXPECT_EQ(missiles, c.missiles);
    EXPECT_EQ(plan.totalMissiles, total);
    if (c.outcome == Outcome::Done) {
        EXPECT_EQ(state.counts, (PerType<std::int32_t>{}));
    }
}

const LaunchCase kLaunchCases[] = {
    {"NoLimit", Input({100, 10, 0, 0, 0, 0, 0, 0}, 2, 10), 0, Outcome::Done, {4}},
    {"SiloSmallerThanInterceptors", Input({100, 10, 0, 0, 0, 0, 0, 0}, 7, 10), 1, Outcome::Done, {5, 4}},
    {"FewerThanTheSilo", Input({100, 10, 0, 0, 0, 0, 0, 0}, 1, 10), 1, Outcome::Done, {3}},
    {"ExactMultipleOfTheSilo", Input({100, 10, 0, 0, 0, 0, 0, 0}, 8, 10), 2, Outcome::Done, {10}},
    {"TwoFullLaunches", Input({250, 0, 0, 0, 0, 0, 0, 0}, 5, 0), 1, Outcome::Done, {5, 5}},
    {"NothingToDestroy", Input({}, 0, 3), 2, Outcome::NothingToDestroy, {}},
    {"TooSmallToBreakAUnit", Input({0, 0, 0, 0, 0, 1, 0, 0}, 0, 0, 100), 1, Outcome::Stuck, {5}},
    {"TooMany", Input({0, 0, 0, 0, 0, kMax, 0, 0}, 0, 0), 1, Outcome::TooMany,
     std::vector<std::int64_t>(kLaunchLimit, 5)},
};

INSTANTIATE_TEST_SUITE_P(Launches, LaunchTable, testing::ValuesIn(kLaunchCases),
                         [](const testing::TestParamInfo<LaunchCase>& info) { return info.param.name; });

}  // namespace
}  // namespace quorvel
