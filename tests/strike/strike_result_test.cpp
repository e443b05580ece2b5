// The strike as a pure result: StrikeInput -> StrikeResult and the required missiles, no form.

#include <gtest/gtest.h>

#include <random>

#include "strike/strike.h"

namespace quorvel {
namespace {

using O = StrikeOutcome;

struct StrikeCase {
    const char* name;
    StrikeInput input;
    O outcome;
    PerType<std::int64_t> destroyed;
    PerType<std::int32_t> surviving;
    Resources defenderLoss;
    Resources attackerLoss;
    std::int64_t missilesFired;
    std::int64_t missilesLeft;
};

void PrintTo(const StrikeCase& c, std::ostream* os) { *os << c.name; }

class StrikeResultTable : public ::testing::TestWithParam<StrikeCase> {};

TEST_P(StrikeResultTable, GivesLossesAndMissiles) {
    const StrikeCase& c = GetParam();
    const StrikeResult r = SimulateStrike(c.input);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.destroyed, c.destroyed);
    EXPECT_EQ(r.surviving, c.surviving);
    EXPECT_EQ(r.defenderLoss, c.defenderLoss);
    EXPECT_EQ(r.attackerLoss, c.attackerLoss);
    EXPECT_EQ(r.missilesFired, c.missilesFired);
    EXPECT_EQ(r.missilesLeft, c.missilesLeft);
}

// A row with its fields as arguments, which keeps each row to a line or two.
StrikeCase Row(const char* name, StrikeInput input, O outcome, PerType<std::int64_t> destroyed,
               PerType<std::int32_t> surviving, Resources defenderLoss, Resources attackerLoss,
               std::int64_t fired, std::int64_t left) {
    return {name, input, outcome, destroyed, surviving, defenderLoss, attackerLoss, fired, left};
}

const StrikeCase kStrikeCases[] = {
    // 100 rocket launchers and 10 light lasers, 2 interceptors, 10 missiles.
    Row("WorkedExample", {{100, 10}, 2, 10, 0, 0, 0}, O::Struck, {100, 10}, {0, 0}, {231000, 5000, 4000},
        {50000, 10000, 40000}, 4, 6),
    // 12000 damage: 3 gauss cannons (10500), the remaining 1500 buys 7 rocket launchers.
    Row("PartialDestructionPassesRemainderOn", {{10, 0, 0, 5}, 0, 1, 0, 0, 3}, O::Struck, {7, 0, 0, 3},
        {3, 0, 0, 2}, {74000, 45000, 6000}, {12500, 2500, 10000}, 1, 0),
    Row("MissilesEqualInterceptors", {{10}, 5, 5, 0, 0, 0}, O::AllIntercepted, {}, {10}, {40000, 0, 10000},
        {62500, 12500, 50000}, 5, 0),
    Row("NoMissiles", {{3}, 4, 0, 0, 0, 0}, O::NoMissiles, {}, {3}, {}, {}, 0, 0),
    Row("NothingToHit", {{}, 0, 10, 0, 0, 0}, O::NothingToHit, {}, {}, {}, {}, 0, 10),
    Row("OnlyInterceptorsChargeTheIntercepted", {{}, 3, 10, 0, 0, 0}, O::Struck, {}, {}, {24000, 0, 6000},
        {37500, 7500, 30000}, 3, 7),
    Row("StructureBeyondAllMissilesChargesAll", {{0, 0, 0, 0, 0, 20}, 2, 10, 0, 0, 0}, O::Struck,
        {0, 0, 0, 0, 0, 9}, {0, 0, 0, 0, 0, 11}, {466000, 450000, 274000}, {125000, 25000, 100000}, 10, 0),
    Row("NoTargetChosenHitsNothing", {{5}, 2, 10, 0, 0, -1}, O::Struck, {}, {5}, {16000, 0, 4000},
        {37500, 7500, 30000}, 3, 7),
    Row("NegativeCountIsDestroyedWhole", {{-5}, 0, 1, 0, 0, 0}, O::Struck, {-5}, {0}, {-10000, 0, 0},
        {12500, 2500, 10000}, 1, 0),
};

INSTANTIATE_TEST_SUITE_P(Strike, StrikeResultTable, ::testing::ValuesIn(kStrikeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RequiredMissiles, AnswersPerTargetChoice) {
    const StrikeInput gauss{{0, 0, 0, 100}, 5, 0, 0, 0, 0};
    EXPECT_EQ(RequiredMissiles(gauss, 0).missiles, 35);
    EXPECT_EQ(RequiredMissiles(gauss, 4).missiles, 35);
    EXPECT_EQ(RequiredMissiles(gauss, 1).outcome, RequiredOutcome::NothingToDestroy);
    EXPECT_EQ(RequiredMissiles(gauss, 9).outcome, RequiredOutcome::NoTarget);
    EXPECT_EQ(RequiredMissiles(StrikeInput{}, 9).outcome, RequiredOutcome::NothingToDestroy);
    EXPECT_EQ(RequiredMissiles(StrikeInput{{}, 7, 0, 0, 0, 0}, 0).missiles, 7);
}

// A fixed random sample (counts up to 100,000 or 20 million, levels up to 40) led by a case once a
// missile short: Simulate destroys the target (a type aimed at) with the answer, not with one fewer.
TEST(RequiredMissiles, IsTheLeastCountWithWhichSimulateDestroysTheTarget) {
    std::mt19937_64 random(20240601);
    const auto below = [&random](std::int32_t n) { return static_cast<std::int32_t>(random() % n); };
    StrikeInput in{{43309, 0, 0, 21798, 29448, 0, 0, 1}, 0, 0, 35, 8, 0};
    for (int i = 0, needed = 0; i < 3000; ++i) {
        const Wide n = RequiredMissiles(in, needed).missiles;  // 0 without an answer
        const auto destroys = [&](Wide missiles) {
            in.missiles = static_cast<std::int64_t>(missiles);
            const StrikeResult r = SimulateStrike(in);
            return r.outcome == O::Struck && (needed > 0 ? r.surviving[needed - 1] : r.remainingTotal) == 0;
        };
        EXPECT_TRUE(n <= in.interceptors || (destroys(n) && !destroys(n - 1))) << i;
        for (std::int32_t& count : in.counts) count = below(2) ? below(i % 2 ? 100001 : 20000001) : 0;
        in.interceptors = below(2) ? below(1000) : 0;
        in.armourLevel = below(41);
        in.weaponsLevel = below(41);
        needed = below(9);
        in.primaryTarget = needed > 0 ? needed - 1 : below(9);
    }
}

}  // namespace
}  // namespace quorvel
