// The whole loss curve and the launch plan for ordinary and extreme inputs. The curve must stay
// under 2 ms for any input: at most about 2000 points, each one strike, plus the searches for the
// marks.

#include <benchmark/benchmark.h>

#include <limits>

#include "strike/loss_curve.h"

namespace {

using quorvel::StrikeInput;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

StrikeInput WorkedExample() { return StrikeInput{{100, 10, 0, 0, 0, 0, 0, 0}, 2, 10, 0, 0, 0}; }

StrikeInput Extreme(std::int32_t level, std::int32_t target) {
    return StrikeInput{{kMax, kMax, kMax, kMax, kMax, kMax, kMax, kMax}, kMax, kMax, level, level, target};
}

void Curve(benchmark::State& state, const StrikeInput& input) {
    for (auto _ : state) benchmark::DoNotOptimize(quorvel::ComputeLossCurve(input));
}

void BM_CurveWorkedExample(benchmark::State& s) { Curve(s, WorkedExample()); }
void BM_CurveExtremeHighLevels(benchmark::State& s) { Curve(s, Extreme(kMax, 8)); }
void BM_CurveExtremeLowLevels(benchmark::State& s) { Curve(s, Extreme(kMin, 0)); }
// High armour, ordinary weapons: the longest curve, cut at the missile field's limit.
void BM_CurveExtremeArmour(benchmark::State& s) {
    Curve(s, StrikeInput{{kMax, 0, 0, 0, 0, kMax, 0, 0}, 0, 1, kMax, 0, 5});
}
// Ten thousand counts: sampled, with every breakpoint.
void BM_CurveManyCounts(benchmark::State& s) {
    Curve(s, StrikeInput{{300000, 2000, 0, 0, 0, 40, 0, 1}, 100, 50, 12, 3, 8});
}
void BM_LaunchesWorkedExampleSilo1(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(quorvel::PlanLaunches(WorkedExample(), 0, 1));
}
// The launch limit: a silo of level 1 against 2^31-1 of everything.
void BM_LaunchesExtremeSilo1(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(quorvel::PlanLaunches(Extreme(0, 0), 0, 1));
}

}  // namespace

BENCHMARK(BM_CurveWorkedExample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CurveExtremeHighLevels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CurveExtremeLowLevels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CurveExtremeArmour)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CurveManyCounts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LaunchesWorkedExampleSilo1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LaunchesExtremeSilo1)->Unit(benchmark::kMicrosecond);
