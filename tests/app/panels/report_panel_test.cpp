// Import and clear of the espionage report through the in-memory form.

#include <gtest/gtest.h>

#include <string>

#include "app/control_table.h"
#include "app/panels/report_fields.h"
#include "i18n/language_lines.h"
#include "report/report_samples.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::kReportSamples;
using testing::Program;
using C = ControlId;

std::string Shown(std::int32_t value) {
    return value == 0 || value == testing::kNotInReport ? "" : std::to_string(value);
}

TEST(OnReadReport, FillsTheDefenderInputsAndTargetForEveryLanguage) {
    for (const testing::ReportSample& sample : kReportSamples) {
        Program p;
        p.Set(C::ReportText, testing::ReadReportSample(sample));
        p.dlg.Run(Action::ReadReport);
        for (std::size_t item = 0; item < kReportItemCount; ++item) {
            EXPECT_EQ(p.Get(kReportItemFields[item]), Shown(sample.items[item]))
                << sample.file << " " << item;
        }
        EXPECT_EQ(p.Get(C::TargetGalaxyInput), std::to_string(sample.target.galaxy)) << sample.file;
        EXPECT_EQ(p.Get(C::TargetSystemInput), std::to_string(sample.target.system)) << sample.file;
        EXPECT_EQ(p.Get(C::TargetPlanetInput), std::to_string(sample.target.planet)) << sample.file;
        EXPECT_TRUE(p.form.Events().empty()) << sample.file;
    }
}

TEST(OnReadReport, ResetsTheResultsAndEmptiesTheDefenderButNotTheAttacker) {
    Program p;
    p.Set(C::RocketLauncherInput, "1000");
    p.Set(C::PlasmaTurretInput, "4");
    p.Set(C::AbmInput, "2");
    p.Set(C::ArmourInput, "6");
    p.Set(C::MissileInput, "20");
    p.Set(C::WeaponsInput, "3");
    p.Set(C::StartGalaxyInput, "2");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::RequiredMissiles);
    ASSERT_NE(p.Get(C::RocketLauncherDestroyed), " ");
    ASSERT_NE(p.Get(C::StatusLine), "");

    p.Set(C::ReportText, "Spionagebericht\nLeichtes Lasergeschütz 7");
    p.dlg.Run(Action::ReadReport);

    for (const DefenceRowControls& row : kDefenceRows) {
        EXPECT_EQ(p.Get(row.remaining), " ");
        EXPECT_EQ(p.Get(row.destroyed), " ");
    }
    for (C id :
         {C::RocketLauncherMetal, C::LightLaserCrystal, C::GaussCannonDeuterium, C::PlasmaTurretDeuterium,
          C::AbmMetal, C::AbmDeuterium, C::DefenderMetalTotal, C::DefenderDeuteriumTotal,
          C::AttackerMetalLoss, C::AttackerCrystalLoss, C::AttackerDeuteriumLoss}) {
        EXPECT_EQ(p.Get(id), "-") << ToInt(id);
    }
    for (C id : {C::RemainingTotal, C::DestroyedTotal, C::MissilesFired, C::MissilesLeft,
                 C::RequiredMissilesResult}) {
        EXPECT_EQ(p.Get(id), " ") << ToInt(id);
    }
    EXPECT_EQ(p.Get(C::StatusLine), "");

    EXPECT_EQ(p.Get(C::RocketLauncherInput), "");
    EXPECT_EQ(p.Get(C::PlasmaTurretInput), "");
    EXPECT_EQ(p.Get(C::AbmInput), "");
    EXPECT_EQ(p.Get(C::ArmourInput), "");
    EXPECT_EQ(p.Get(C::LightLaserInput), "7");
    EXPECT_EQ(p.Get(C::MissileInput), "20");
    EXPECT_EQ(p.Get(C::WeaponsInput), "3");
    EXPECT_EQ(p.Get(C::StartGalaxyInput), "2");
    EXPECT_EQ(p.Get(C::ImpulseDriveInput), "") << "the frame empties the fields it set to 0";

    // The state learns the numbers at the next read; until then the defender reads as nothing.
    EXPECT_EQ(p.dlg.Inputs().defenceCount, PerType<std::int32_t>{});
    EXPECT_EQ(p.dlg.Inputs().abmCount, 0);
    EXPECT_EQ(p.dlg.Inputs().armourLevel, 0);
    EXPECT_EQ(p.dlg.Inputs().weaponsLevel, 3);
}

TEST(OnReadReport, ATextWithoutAReportChangesNothingButSaysSo) {
    for (const char* text : {"", "https://example.org/[1:2]", "rocket launcher 5", "[1:2]"}) {
        Program p;
        p.Set(C::GaussCannonInput, "12");
        p.Set(C::TargetGalaxyInput, "4");
        p.Set(C::ReportText, text);
        p.dlg.Run(Action::ReadReport);
        EXPECT_EQ(p.Get(C::GaussCannonInput), "12") << text;
        EXPECT_EQ(p.Get(C::TargetGalaxyInput), "4") << text;
        ASSERT_EQ(p.form.Events().size(), 1u) << text;
        EXPECT_EQ(p.form.Events()[0].text, "L" + std::to_string(kLineMsgNoReport)) << text;
    }
}

TEST(OnReadReport, KeepsTheTargetWhenTheReportHasNoWellFormedPosition) {
    for (const char* report :
         {"Raketenwerfer 5", "Raketenwerfer 5 [1 :2:3] weiter", "[7:8] Raketenwerfer 5"}) {
        Program p;
        p.Set(C::TargetGalaxyInput, "3");
        p.Set(C::TargetSystemInput, "100");
        p.Set(C::TargetPlanetInput, "7");
        p.Set(C::ReportText, report);
        p.dlg.Run(Action::ReadReport);
        EXPECT_EQ(p.Get(C::RocketLauncherInput), "5") << report;
        EXPECT_EQ(p.Get(C::TargetGalaxyInput), "3") << report;
        EXPECT_EQ(p.Get(C::TargetSystemInput), "100") << report;
        EXPECT_EQ(p.Get(C::TargetPlanetInput), "7") << report;
    }
}

TEST(OnReadReport, ATextThatSimplyEndsIsNoError) {
    const struct {
        const char* report;
        ControlId field;
        const char* shown;
    } cases[] = {
        {"Raketenwerfer 3\nRaumschiffpanzerung 10", C::ArmourInput, "10"},
        {"Raketenwerfer 3\nRaumschiffpanzerung", C::ArmourInput, ""},
        {"Raketenwerfer 3 [1:234:5]", C::TargetSystemInput, "234"},
        {"Raketenwerfer 3 [1:2:3", C::TargetPlanetInput, "3"},
    };
    for (const auto& c : cases) {
        Program p;
        p.Set(C::ReportText, c.report);
        p.dlg.Run(Action::ReadReport);
        EXPECT_EQ(p.Get(c.field), c.shown) << c.report;
        EXPECT_EQ(p.Get(C::RocketLauncherInput), "3") << c.report << ": the rest is read too";
        EXPECT_EQ(p.Get(C::MissileInput), "") << c.report << ": the frame runs to its end";
        EXPECT_TRUE(p.form.Events().empty()) << c.report;
    }
}

TEST(OnReadReport, GoesOnAfterAFieldThatIsNoInteger) {
    Program p;
    p.Set(C::WeaponsInput, "abc");
    p.Set(C::ReportText, "Gauss Cannon 9");
    p.dlg.Run(Action::ReadReport);
    ASSERT_EQ(p.form.Events().size(), 2u);
    EXPECT_EQ(p.form.Events()[0].kind, "message");
    EXPECT_EQ(p.form.Events()[1].kind, "focus");
    EXPECT_EQ(p.Get(C::GaussCannonInput), "9");
}

TEST(OnReadReport, SimulatingAfterwardsUsesTheImportedNumbers) {
    Program p;
    p.Set(C::ReportText, "Rocket Launcher 1.000\nAnti-Ballistic Missiles 2\nArmour Technology 4");
    p.dlg.Run(Action::ReadReport);
    p.Set(C::MissileInput, "10");
    p.dlg.Run(Action::Simulate);
    // 8 missiles get through: 96000 damage on launchers of 280 structure destroys 342.
    EXPECT_EQ(p.Get(C::RocketLauncherDestroyed), "342");
    EXPECT_EQ(p.Get(C::RocketLauncherRemaining), "658");
}

TEST(OnClearReport, EmptiesOnlyTheReport) {
    Program p;
    p.Set(C::ReportText, "Raketenwerfer 5");
    p.Set(C::RocketLauncherInput, "8");
    p.dlg.Run(Action::ClearReport);
    EXPECT_EQ(p.Get(C::ReportText), "");
    EXPECT_EQ(p.dlg.Inputs().reportText, "");
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "8");
    EXPECT_EQ(p.dlg.Inputs().defenceCount[0], 8);
    EXPECT_EQ(p.Get(C::MissileInput), "");
    // The export writes every input back, whether saved or cancelled: the old report stays gone.
    p.dlg.Run(Action::SavePlan);
    EXPECT_EQ(p.Get(C::ReportText), "");
}

}  // namespace
}  // namespace quorvel
