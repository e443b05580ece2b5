#include "travel/flight_time.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvel {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

struct FlightCase {
    const char* name;
    Position start;
    Position target;
    FlightOutcome outcome;
    std::int32_t systems;
};

class EvaluateFlightTimeTest : public ::testing::TestWithParam<FlightCase> {};

TEST_P(EvaluateFlightTimeTest, GivesOutcomeAndDistance) {
    const FlightCase& c = GetParam();
    const FlightTime result = EvaluateFlightTime(c.start, c.target);
    EXPECT_EQ(result.outcome, c.outcome);
    if (c.outcome == FlightOutcome::Success) {
        EXPECT_EQ(result.systems, c.systems);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, EvaluateFlightTimeTest,
    ::testing::Values(
        FlightCase{"same_system", {1, 100, 3}, {1, 100, 15}, FlightOutcome::Success, 0},
        FlightCase{"whole_galaxy", {2, 1, 1}, {2, 499, 1}, FlightOutcome::Success, 498},
        FlightCase{"backwards_is_absolute", {3, 250, 5}, {3, 10, 5}, FlightOutcome::Success, 240},
        FlightCase{"highest_corner", {19, 499, 15}, {19, 1, 1}, FlightOutcome::Success, 498},
        FlightCase{"other_galaxy", {1, 1, 1}, {2, 1, 1}, FlightOutcome::OtherGalaxy, 0},
        FlightCase{"galaxy_20_start", {20, 1, 1}, {20, 2, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"galaxy_20_target", {19, 1, 1}, {20, 1, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"system_500", {1, 500, 1}, {1, 1, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"system_500_target", {1, 1, 1}, {1, 500, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"planet_16", {1, 1, 16}, {1, 1, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"planet_16_target", {1, 1, 1}, {1, 1, 16}, FlightOutcome::OutOfRange, 0},
        FlightCase{"zero_galaxy", {0, 1, 1}, {1, 1, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"zero_system", {1, 0, 1}, {1, 1, 1}, FlightOutcome::OutOfRange, 0},
        FlightCase{"zero_planet", {1, 1, 1}, {1, 1, 0}, FlightOutcome::OutOfRange, 0},
        FlightCase{"all_zero", {0, 0, 0}, {0, 0, 0}, FlightOutcome::OutOfRange, 0},
        FlightCase{"negative", {-1, 5, 5}, {1, 5, 5}, FlightOutcome::OutOfRange, 0},
        FlightCase{
            "out_of_range_wins_over_other_galaxy", {1, 1, 1}, {2, 1, 16}, FlightOutcome::OutOfRange, 0},
        FlightCase{"extreme_systems", {1, kIntMin, 1}, {1, kIntMax, 1}, FlightOutcome::OutOfRange, 0}),
    [](const ::testing::TestParamInfo<FlightCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel
