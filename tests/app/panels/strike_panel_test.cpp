// Simulations through the in-memory form: what the player sees in the cells afterwards.

#include <gtest/gtest.h>

#include <map>

#include "app/panels/strike_view.h"
#include "support/dialog_probe.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::Program;
using C = ControlId;

// Controls and their texts, in pairs: Cells(C::MissileInput, "10", C::AbmInput, "2").
std::map<C, std::string> Cells() { return {}; }
template <typename... Rest>
std::map<C, std::string> Cells(C id, const char* text, Rest... rest) {
    std::map<C, std::string> cells = Cells(rest...);
    cells.emplace(id, text);
    return cells;
}

struct SimulateCase {
    const char* name;
    std::map<C, std::string> inputs;
    int primaryTarget;
    std::map<C, std::string> expected;
};

void PrintTo(const SimulateCase& c, std::ostream* os) { *os << c.name; }

class SimulateTable : public ::testing::TestWithParam<SimulateCase> {};

TEST_P(SimulateTable, ShowsExpectedCells) {
    const SimulateCase& c = GetParam();
    Program p;
    p.form.SelectListItem(C::PrimaryTargetList, c.primaryTarget);
    p.dlg.Run(Action::PrimaryTargetChanged);
    for (const auto& [id, text] : c.inputs) p.Set(id, text);
    p.dlg.Run(Action::Simulate);
    for (const auto& [id, text] : c.expected) EXPECT_EQ(p.Get(id), text) << "control " << ToInt(id);
}

const SimulateCase kSimulateCases[] = {
    {"WorkedExample",
     Cells(C::MissileInput, "10", C::AbmInput, "2", C::RocketLauncherInput, "100", C::LightLaserInput, "10"),
     0,
     Cells(C::RocketLauncherDestroyed, "100", C::LightLaserDestroyed, "10", C::RocketLauncherRemaining, "0",
           C::LightLaserRemaining, "0", C::HeavyLaserRemaining, " ", C::HeavyLaserDestroyed, " ",
           C::RocketLauncherMetal, "200.000", C::LightLaserMetal, "15.000", C::LightLaserCrystal, "5.000",
           C::HeavyLaserMetal, "-", C::AbmMetal, "16.000", C::AbmDeuterium, "4.000", C::DefenderMetalTotal,
           "231.000", C::DefenderCrystalTotal, "5.000", C::DefenderDeuteriumTotal, "4.000", C::RemainingTotal,
           "0", C::DestroyedTotal, "110",
           // 22000 structure needs 2 missiles beyond the 2 intercepted ones.
           C::AttackerMetalLoss, "50.000", C::AttackerCrystalLoss, "10.000", C::AttackerDeuteriumLoss,
           "40.000", C::MissilesFired, "4", C::MissilesLeft, "6", C::StatusLine, "L53")},
    {"PoolTooSmallForPrimaryTargetPassesOn",
     Cells(C::ArmourInput, "3", C::LargeShieldDomeInput, "5", C::RocketLauncherInput, "100", C::MissileInput,
           "1"),
     7,
     Cells(C::LargeShieldDomeDestroyed, " ", C::LargeShieldDomeRemaining, "5", C::RocketLauncherDestroyed,
           "46", C::RocketLauncherRemaining, "54")},
    {"PartialDestructionPassesRemainderOn",
     Cells(C::GaussCannonInput, "5", C::RocketLauncherInput, "10", C::MissileInput, "1"), 3,
     Cells(C::GaussCannonDestroyed, "3", C::GaussCannonRemaining, "2", C::RocketLauncherDestroyed, "7",
           C::RocketLauncherRemaining, "3", C::GaussCannonMetal, "60.000", C::GaussCannonDeuterium, "6.000")},
    {"NothingCheaperThanRocketLaunchers",
     Cells(C::MissileInput, "10", C::RocketLauncherInput, "1000", C::LightLaserInput, "100"), 0,
     Cells(C::RocketLauncherDestroyed, "600", C::LightLaserDestroyed, " ", C::LightLaserRemaining, "100",
           C::LightLaserMetal, "-")},
    {"PoolPaysExactlyForAllUnits",
     Cells(C::MissileInput, "1", C::RocketLauncherInput, "60", C::LightLaserInput, "5"), 0,
     Cells(C::RocketLauncherDestroyed, "60", C::RocketLauncherRemaining, "0", C::LightLaserDestroyed, " ")},
    {"ShieldDomesFirst",
     Cells(C::MissileInput, "3", C::SmallShieldDomeInput, "2", C::LargeShieldDomeInput, "2",
           C::RocketLauncherInput, "10"),
     8,
     // 36000: two large domes (20000), then 8000 pays four small... only two exist, 12000 left
     // for the rocket launchers, which pays for all ten.
     Cells(C::LargeShieldDomeDestroyed, "2", C::SmallShieldDomeDestroyed, "2", C::RocketLauncherDestroyed,
           "10")},
    {"ArmourAndWeaponsTenCancelOut",
     Cells(C::MissileInput, "1", C::RocketLauncherInput, "100", C::ArmourInput, "10", C::WeaponsInput, "10"),
     0, Cells(C::RocketLauncherDestroyed, "60")},
    {"MissilesEqualInterceptors", Cells(C::MissileInput, "5", C::AbmInput, "5", C::RocketLauncherInput, "10"),
     0,
     Cells(C::StatusLine, "L49", C::RocketLauncherDestroyed, " ", C::RocketLauncherRemaining, "10",
           C::AbmMetal, "40.000", C::AbmDeuterium, "10.000", C::AttackerMetalLoss, "62.500", C::MissilesFired,
           "5", C::MissilesLeft, "0")},
    {"OneMissileIntercepted", Cells(C::MissileInput, "1", C::AbmInput, "4"), 0,
     Cells(C::StatusLine, "L51", C::AbmMetal, "8.000", C::AttackerMetalLoss, "12.500")},
    {"NoMissiles", Cells(C::AbmInput, "4", C::RocketLauncherInput, "3"), 0,
     Cells(C::StatusLine, "L50", C::DefenderMetalTotal, "-", C::AttackerMetalLoss, "-", C::MissilesFired, " ",
           C::MissilesLeft, " ", C::AbmMetal, "-")},
    {"NothingAtAll", Cells(C::MissileInput, "10"), 0,
     Cells(C::StatusLine, "L52", C::DefenderMetalTotal, "0", C::AttackerDeuteriumLoss, "0", C::MissilesFired,
           "0", C::MissilesLeft, "10", C::RemainingTotal, " ", C::RocketLauncherRemaining, " ")},
    {"OnlyInterceptors", Cells(C::MissileInput, "10", C::AbmInput, "3"), 0,
     Cells(C::StatusLine, "L53", C::DefenderMetalTotal, "24.000", C::DefenderCrystalTotal, "0",
           C::DefenderDeuteriumTotal, "6.000", C::AttackerMetalLoss, "37.500", C::MissilesFired, "3",
           C::MissilesLeft, "7")},
    {"SurplusMissilesAreNotCharged", Cells(C::MissileInput, "100", C::RocketLauncherInput, "10"), 0,
     Cells(C::DefenderMetalTotal, "20.000", C::AttackerMetalLoss, "12.500", C::AttackerCrystalLoss, "2.500",
           C::AttackerDeuteriumLoss, "10.000", C::MissilesFired, "1", C::MissilesLeft, "99")},
    {"StructureBeyondAllMissilesChargesAll",
     Cells(C::MissileInput, "10", C::AbmInput, "2", C::PlasmaTurretInput, "20"), 0,
     Cells(C::AttackerMetalLoss, "125.000", C::AttackerCrystalLoss, "25.000", C::AttackerDeuteriumLoss,
           "100.000", C::AbmMetal, "16.000", C::AbmDeuterium, "4.000", C::PlasmaTurretDestroyed, "9",
           C::MissilesFired, "10", C::MissilesLeft, "0")},
    {"NoTargetChosenHitsNothing", Cells(C::MissileInput, "10", C::AbmInput, "2", C::RocketLauncherInput, "5"),
     -1,
     Cells(C::RocketLauncherDestroyed, " ", C::RocketLauncherRemaining, "5", C::AbmMetal, "16.000",
           C::AttackerMetalLoss, "37.500")},
    {"ExtremeInputsStayExact",
     Cells(C::RocketLauncherInput, "2147483647", C::PlasmaTurretInput, "2147483647", C::ArmourInput,
           "2147483647", C::MissileInput, "2147483647", C::WeaponsInput, "2147483647"),
     0, Cells(C::MissilesFired, "1.825.361.100", C::AttackerMetalLoss, "22.817.013.750.000")},
    {"NegativeCountsAreRefused", Cells(C::MissileInput, "1", C::RocketLauncherInput, "-5"), 0,
     Cells(C::RocketLauncherDestroyed, " ", C::RocketLauncherRemaining, " ", C::RocketLauncherMetal, "-")},
};

INSTANTIATE_TEST_SUITE_P(Strike, SimulateTable, ::testing::ValuesIn(kSimulateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Simulate, ClearsZeroInputsAndKeepsOthers) {
    Program p;
    p.Set(C::MissileInput, "0");
    p.Set(C::RocketLauncherInput, "7");
    p.dlg.Run(Action::Simulate);
    EXPECT_EQ(p.Get(C::MissileInput), "");
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "7");
    EXPECT_EQ(p.Get(C::AbmInput), "");
}

TEST(Simulate, StaleCellsOfAnEarlierRunAreReplaced) {
    Program p;
    p.Set(C::MissileInput, "10");
    p.Set(C::RocketLauncherInput, "100");
    p.dlg.Run(Action::Simulate);
    p.Set(C::RocketLauncherInput, "");
    p.dlg.Run(Action::Simulate);
    EXPECT_EQ(p.Get(C::RocketLauncherDestroyed), " ");
    EXPECT_EQ(p.Get(C::RocketLauncherMetal), "-");
    EXPECT_EQ(p.Get(C::MissilesFired), "0");
}

TEST(Simulate, LossTotalsColourTheSideThatLostMore) {
    Program p;
    p.Set(C::MissileInput, "100");
    p.Set(C::RocketLauncherInput, "10");  // defender loses 20000 metal, attacker 12500
    p.dlg.Run(Action::Simulate);
    EXPECT_EQ(p.form.GetColour(C::DefenderMetalTotal), TextColour::Red);
    EXPECT_EQ(p.form.GetColour(C::AttackerMetalLoss), TextColour::Green);
    EXPECT_EQ(p.form.GetColour(C::DefenderCrystalTotal), TextColour::Green);  // 0 against 2500
    EXPECT_EQ(p.form.GetColour(C::AttackerCrystalLoss), TextColour::Red);
    EXPECT_EQ(p.form.GetColour(C::RocketLauncherMetal), TextColour::Default);

    StrikeResult losses;
    losses.defenderLoss = {300, 5, 0};
    losses.attackerLoss = {900, 5, 0};
    ShowStrike(p.form, p.dlg.Texts(), StrikeInput{}, losses);
    EXPECT_EQ(p.form.GetColour(C::DefenderMetalTotal), TextColour::Green);
    EXPECT_EQ(p.form.GetColour(C::AttackerMetalLoss), TextColour::Red);
    EXPECT_EQ(p.form.GetColour(C::DefenderCrystalTotal), TextColour::Default);
    EXPECT_EQ(p.form.GetColour(C::AttackerCrystalLoss), TextColour::Default);
}

struct RequiredCase {
    const char* name;
    std::map<C, std::string> inputs;
    int neededTarget;
    std::string expected;
};

void PrintTo(const RequiredCase& c, std::ostream* os) { *os << c.name; }

class RequiredMissilesTable : public ::testing::TestWithParam<RequiredCase> {};

TEST_P(RequiredMissilesTable, AnswersInCell1083) {
    const RequiredCase& c = GetParam();
    Program p;
    p.form.SelectListItem(C::RequiredTargetList, c.neededTarget);
    p.dlg.Run(Action::NeededTargetChanged);
    for (const auto& [id, text] : c.inputs) p.Set(id, text);
    p.dlg.Run(Action::RequiredMissiles);
    EXPECT_EQ(p.Get(C::RequiredMissilesResult), c.expected);
}

const RequiredCase kRequiredCases[] = {
    {"SmallDefenceNeedsOne", Cells(C::RocketLauncherInput, "10"), 0, "1"},
    {"GaussCannons", Cells(C::GaussCannonInput, "100"), 4, "30"},
    {"GaussCannonsWithInterceptors", Cells(C::GaussCannonInput, "100", C::AbmInput, "5"), 0, "35"},
    {"ExactMultipleNeedsNoExtra", Cells(C::RocketLauncherInput, "120"), 1, "2"},
    {"ArmourAndWeaponsCancel", Cells(C::GaussCannonInput, "100", C::ArmourInput, "10", C::WeaponsInput, "10"),
     0, "30"},
    {"OnlyInterceptors", Cells(C::AbmInput, "7"), 0, "7"},
    {"ChosenTypeHasNoUnits", Cells(C::RocketLauncherInput, "10"), 2, "L54"},
    {"NothingAtAll", {}, 0, "L54"},
    {"IndependentOfMissilesEntered", Cells(C::GaussCannonInput, "100", C::MissileInput, "3"), 0, "30"},
    // Simulate's pool destroys both with 26,319,559,588 missiles fewer than the exact count.
    {"HugeDefenceIsWhatSimulateNeedsAndQuick",
     Cells(C::PlasmaTurretInput, "2147483647", C::LargeShieldDomeInput, "2147483647", C::ArmourInput,
           "2147483647"),
     0, "768.614.312.948.316.592"},
};

INSTANTIATE_TEST_SUITE_P(Strike, RequiredMissilesTable, ::testing::ValuesIn(kRequiredCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RequiredMissiles, LeavesTheSimulationResultAlone) {
    Program p;
    p.Set(C::MissileInput, "10");
    p.Set(C::RocketLauncherInput, "100");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::RequiredMissiles);
    EXPECT_EQ(p.Get(C::RocketLauncherDestroyed), "100");
    EXPECT_TRUE(DialogProbe::Strike(p.dlg).Last().resultValid);
    p.dlg.Run(Action::Simulate);
    EXPECT_EQ(p.Get(C::RequiredMissilesResult), " ");
}

}  // namespace
}  // namespace quorvel
