// Reading the numeric fields (through Required missiles, which only reads and answers), Exit, '<-x'
// and Reset all through the in-memory form.

#include <gtest/gtest.h>

#include "app/control_table.h"
#include "i18n/language_lines.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::Program;
using C = ControlId;

TEST(ReadInputs, ReadsTheLeadingInteger) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {" 42", 42},
        {"12abc", 12},
        {"+7", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"\t\n 9", 9},
        // Thousands separators as the game shows them; anything else ends the number.
        {"1.500", 1500},
        {"1,500", 1500},
        {"2.147.483.647", 2147483647},
        {"1.5", 1},
        {"1.5000", 1},
        {"1..500", 1},
        {"1.500.5", 1500},
        {"1 500", 1},
    };
    for (const auto& [text, value] : cases) {
        Program p;
        p.Set(C::RocketLauncherInput, text);
        p.dlg.Run(Action::RequiredMissiles);
        EXPECT_EQ(p.dlg.Inputs().defenceCount[0], value) << text;
        EXPECT_TRUE(p.form.Events().empty()) << text;
    }
}

TEST(ReadInputs, RefusesTextNegativeNumbersAndNumbersBeyond32Bits) {
    for (const char* text : {"abc", " ", "-", "2147483648", "-2147483649", "99999999999999999999999",
                             "2.147.483.648", ".500", "-5", "-1", "-2147483648", "-12.345.678"}) {
        Program p;
        p.Set(C::AbmInput, "77");
        p.dlg.Run(Action::RequiredMissiles);
        p.form.ClearEvents();
        p.Set(C::GaussCannonInput, "3");
        p.Set(C::LargeShieldDomeInput, text);  // read after 1009, before 1010
        p.Set(C::AbmInput, "5");
        p.dlg.Run(Action::RequiredMissiles);
        ASSERT_EQ(p.form.Events().size(), 2u) << text;
        EXPECT_EQ(p.form.Events()[0].kind, "message");
        EXPECT_EQ(p.form.Events()[0].text, "L" + std::to_string(kLineMsgNumberRange)) << text;
        EXPECT_EQ(p.form.Focus(), C::LargeShieldDomeInput);
        EXPECT_EQ(p.dlg.Inputs().defenceCount[3], 3) << "fields before it are read";
        EXPECT_EQ(p.dlg.Inputs().abmCount, 77) << "fields after it keep their values";
    }
}

TEST(ReadInputs, LooksAtNoMoreThan63Characters) {
    Program p;
    p.Set(C::RocketLauncherInput, std::string(62, ' ') + "12");
    p.dlg.Run(Action::RequiredMissiles);
    EXPECT_TRUE(p.form.Events().empty());
    EXPECT_EQ(p.dlg.Inputs().defenceCount[0], 1);
    p.Set(C::RocketLauncherInput, std::string(63, ' ') + "12");
    p.dlg.Run(Action::RequiredMissiles);
    EXPECT_FALSE(p.form.Events().empty());
}

TEST(HandlerFrame, EmptyFieldsReadAsZeroAndShowEmptyAgain) {
    Program p;
    p.Set(C::WeaponsInput, "9");
    p.dlg.Run(Action::RequiredMissiles);
    p.Set(C::WeaponsInput, "");
    p.Set(C::RocketLauncherInput, "0");
    p.dlg.Run(Action::RequiredMissiles);
    EXPECT_EQ(p.dlg.Inputs().weaponsLevel, 0);
    for (ControlId id : kNumericInputs) EXPECT_EQ(p.Get(id), "");
}

TEST(Exit, FillsEmptyAndSingleLetterFieldsThenCloses) {
    Program p;
    p.Set(C::RocketLauncherInput, "x");
    p.dlg.Run(Action::Exit);
    EXPECT_TRUE(p.form.Closed());
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "1");
    EXPECT_EQ(p.Get(C::ImpulseDriveInput), "1");
}

TEST(Exit, StaysOpenOnTextThatIsNoInteger) {
    Program p;
    p.Set(C::WeaponsInput, "abc");
    p.dlg.Run(Action::Exit);
    EXPECT_FALSE(p.form.Closed());
    EXPECT_EQ(p.form.Focus(), C::WeaponsInput);
}

TEST(ApplyResult, BeforeAnySimulationOnlyNormalises) {
    Program p;
    p.Set(C::RocketLauncherInput, "5");
    p.dlg.Run(Action::ApplyResult);
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "5");
    EXPECT_EQ(p.Get(C::MissileInput), "");
}

TEST(ApplyResult, TurnsSurvivorsIntoTheNextInputOnce) {
    Program p;
    p.Set(C::MissileInput, "10");
    p.Set(C::AbmInput, "2");
    p.Set(C::RocketLauncherInput, "1000");
    p.Set(C::ArmourInput, "4");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::ApplyResult);
    // 8 missiles: 96000 / 280 = 342 destroyed; all 8 needed, none left; no interceptors left.
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "658");
    EXPECT_EQ(p.Get(C::MissileInput), "");
    EXPECT_EQ(p.Get(C::AbmInput), "");
    EXPECT_EQ(p.Get(C::ArmourInput), "4");
    p.Set(C::RocketLauncherInput, "3");
    p.dlg.Run(Action::ApplyResult);
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "3") << "a second press applies nothing";
}

TEST(ApplyResult, KeepsTheInterceptorsLeft) {
    Program p;
    p.Set(C::MissileInput, "3");
    p.Set(C::AbmInput, "10");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::ApplyResult);
    EXPECT_EQ(p.Get(C::AbmInput), "7");
}

TEST(ApplyResult, AfterASimulationWithoutMissilesWritesTheInterceptorsStillThere) {
    Program p;
    p.Set(C::AbmInput, "12");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::ApplyResult);
    EXPECT_EQ(p.Get(C::AbmInput), "12");
}

TEST(ResetAll, ClearsInputsAndResultsButKeepsSelections) {
    Program p;
    p.form.SelectListItem(C::PrimaryTargetList, 3);
    p.dlg.Run(Action::PrimaryTargetChanged);
    p.Set(C::MissileInput, "10");
    p.Set(C::RocketLauncherInput, "100");
    p.Set(C::ReportText, "Raketenwerfer 5");
    p.Set(C::RangeResult, "19");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::ResetAll);
    for (ControlId id : kNumericInputs) EXPECT_EQ(p.Get(id), "");
    EXPECT_EQ(p.Get(C::ReportText), "");
    EXPECT_EQ(p.Get(C::RangeResult), "");
    EXPECT_EQ(p.Get(C::RocketLauncherDestroyed), " ");
    EXPECT_EQ(p.Get(C::RocketLauncherMetal), "-");
    EXPECT_EQ(p.Get(C::AttackerMetalLoss), "-");
    EXPECT_EQ(p.Get(C::MissilesFired), " ");
    EXPECT_EQ(p.Get(C::StatusLine), "");
    EXPECT_EQ(p.form.GetSelection(C::PrimaryTargetList), 3);
    EXPECT_EQ(p.dlg.Inputs().primaryTarget, 3);
    EXPECT_EQ(p.dlg.Inputs().missileCount, 0);
}

}  // namespace
}  // namespace quorvel
