#include <gtest/gtest.h>

#include <string>

#include "app/control_table.h"
#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "support/dialog_probe.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::Program;
using C = ControlId;

std::string LastCode(Program& p, int kind) {
    p.dlg.Run(Action::ShowCode, ActionInput(kind));
    return p.dlg.View().codes.code;
}

TEST(StrikeCode, FillsEveryInputAndSimulatesAsOneStep) {
    Program p;
    const std::pair<C, const char*> typed[] = {
        {C::RocketLauncherInput, "100"}, {C::LightLaserInput, "10"}, {C::AbmInput, "2"},
        {C::MissileInput, "10"},         {C::SiloLevelInput, "3"},   {C::TargetGalaxyInput, "4"},
        {C::ImpulseDriveInput, "6"}};
    for (const auto& [id, text] : typed) p.Set(id, text);
    p.form.SelectListItem(C::PrimaryTargetList, 1);
    p.dlg.Run(Action::PrimaryTargetChanged);
    p.dlg.Run(Action::SetRangeRule, ActionInput(5));
    p.dlg.Run(Action::CopyCode, ActionInput(0));
    p.dlg.Run(Action::ResetAll);
    p.dlg.Run(Action::SetRangeRule, ActionInput(2));
    p.form.SelectListItem(C::PrimaryTargetList, 0);
    p.dlg.Run(Action::PrimaryTargetChanged);

    const std::string emptied = p.Get(C::LightLaserDestroyed);
    p.dlg.Run(Action::PasteReport);
    for (const auto& [id, text] : typed) EXPECT_EQ(p.Get(id), text) << ToInt(id);
    EXPECT_EQ(p.form.GetSelection(C::PrimaryTargetList), 1);
    EXPECT_EQ(p.form.GetSelection(C::RangeRuleList), 1);
    EXPECT_EQ(p.Get(C::LightLaserDestroyed), "10");  // the light lasers take the damage first
    // One step: undo empties the form again (the range rule is the player's setting and stays).
    p.dlg.Run(Action::Undo);
    EXPECT_EQ(p.Get(C::RocketLauncherInput), "");
    EXPECT_EQ(p.Get(C::LightLaserDestroyed), emptied);
}

TEST(PlanCode, ReadsInTheWindowsLanguageAndNeverDropsAPlanUnasked) {
    Program p;
    p.Set(C::RocketLauncherInput, "100");
    p.Set(C::MissileInput, "10");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::RememberAttack);
    const std::string code = LastCode(p, 1);
    std::string polish;
    for (int n = 1; n <= kLanguageLineCount; ++n) polish += "pl " + std::to_string(n) + '\n';
    p.home.Write(LanguagePath(4).string(), polish);
    p.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(4).string()));

    p.dlg.Run(Action::NewPlan);
    p.dlg.Run(Action::OpenCode, ActionInput(0, code));  // an empty plan takes it unasked
    p.dlg.Run(Action::OpenCode, ActionInput(0, code));  // asked, no answer: cancelled
    EXPECT_EQ(p.form.Events().back().kind, "plan-dialog");
    EXPECT_EQ(p.form.LastPlanQuestion().question, "pl " + std::to_string(kLineFirstCodeLine + 12));
    EXPECT_EQ(p.Get(C::PlanCount), "1");
    p.form.QueuePlanAnswer(PlanLoadChoice::Extend);
    p.dlg.Run(Action::OpenCode, ActionInput(0, code));
    const std::string file = ReadWholeFile(DialogProbe::Plan(p.dlg).File()).value_or("");
    EXPECT_EQ(file.rfind("1. pl 71\n", 0), 0U) << file;
    EXPECT_NE(file.find("\n2. pl 71\n"), std::string::npos) << file;
    EXPECT_EQ(p.Get(C::PlanCount), "2");
}

TEST(TargetCode, ADroppedFileHoldingOneOpensTheList) {
    Program p;
    p.dlg.Run(Action::ListTargets,
              ActionInput(1, "[4:127:9] Rocket Launcher 1,250\n[4:130:2] Light Laser 12"));
    const std::string code = LastCode(p, 2);
    p.dlg.Run(Action::CloseTargetList);
    p.home.Write("drop.txt", "\xEF\xBB\xBF" + code + "\n");
    p.dlg.Run(Action::ListTargetFile, ActionInput(0, (p.home / "drop.txt").string()));
    const TargetListView& list = p.dlg.View().targets;
    ASSERT_EQ(list.rows.size(), 2U);
    EXPECT_EQ(list.rows[0].position, "4:127:9");
    EXPECT_EQ(list.rows[1].missilesNeeded, "1");
}

}  // namespace
}  // namespace quorvel
