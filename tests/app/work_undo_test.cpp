// Undo and redo of whole-form steps, the session file, and the first start's language.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/form_contents.h"
#include "app/panels/work_panel.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"
#include "i18n/saved_choice.h"
#include "support/dialog_probe.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::Program;
using C = ControlId;

// A strike, a report and a clipboard text on the form, a French file and the dialog's answer.
void Prepare(Program& p) {
    const std::pair<C, const char*> fields[] = {
        {C::RocketLauncherInput, "100"}, {C::MissileInput, "3"},
        {C::StartGalaxyInput, "1"},      {C::StartSystemInput, "10"},
        {C::TargetGalaxyInput, "1"},     {C::TargetSystemInput, "40"},
        {C::ImpulseDriveInput, "5"},     {C::ReportText, "Raketenwerfer 7 [1:2:3]"}};
    for (const auto& [id, text] : fields) p.Set(id, text);
    p.form.PutClipboardText("Gauss Cannon 4");
    p.home.WriteLanguage(5, "fr");
    p.form.QueueLanguageAnswer({true, {5}});
}

void Simulated(Program& p) {
    Prepare(p);
    p.dlg.Run(Action::Simulate);
}

struct Step {
    const char* name;
    std::vector<Action> before;  // after Prepare
    Action action;
};

TEST(Undo, PutsBackTheWholeFormAfterEveryKindOfStepAndRedoRepeatsIt) {
    const Step steps[] = {
        {"simulate", {}, Action::Simulate},
        {"required missiles", {}, Action::RequiredMissiles},
        {"apply result", {Action::Simulate}, Action::ApplyResult},
        {"reset all", {Action::Simulate}, Action::ResetAll},
        {"flight time", {}, Action::FlightTime},
        {"range", {}, Action::Range},
        {"read report", {Action::Simulate}, Action::ReadReport},
        {"paste report", {Action::Simulate}, Action::PasteReport},
        {"clear report", {}, Action::ClearReport},
        {"remember attack", {Action::Simulate}, Action::RememberAttack},
        {"new plan", {Action::Simulate, Action::RememberAttack}, Action::NewPlan},
        {"language", {Action::Simulate}, Action::ChooseLanguage},
    };
    for (const Step& step : steps) {
        Program p;
        Prepare(p);
        for (Action action : step.before) p.dlg.Run(action);
        const FormContents before = TakeFormContents(p.form);
        const std::size_t records = DialogProbe::Plan(p.dlg).State().records.size();
        const std::optional<std::string> planBefore = ReadWholeFile(DialogProbe::Plan(p.dlg).File());

        p.dlg.Run(step.action);
        const FormContents after = TakeFormContents(p.form);
        const std::size_t recordsAfter = DialogProbe::Plan(p.dlg).State().records.size();
        ASSERT_TRUE(after != before || recordsAfter != records) << step.name;

        p.dlg.Run(Action::Undo);
        EXPECT_EQ(TakeFormContents(p.form), before) << step.name;
        EXPECT_EQ(DialogProbe::Plan(p.dlg).State().records.size(), records) << step.name;
        EXPECT_EQ(ReadWholeFile(DialogProbe::Plan(p.dlg).File()), planBefore) << step.name;
        p.dlg.Run(Action::Redo);
        EXPECT_EQ(TakeFormContents(p.form), after) << step.name;
        EXPECT_EQ(DialogProbe::Plan(p.dlg).State().records.size(), recordsAfter) << step.name;
    }
}

TEST(Undo, GoesBackAHundredStepsAndForgetsTheRedoOnANewStep) {
    Program p;
    p.Set(C::RocketLauncherInput, "100000");
    for (int missiles = 1; missiles <= 120; ++missiles) {
        p.Set(C::MissileInput, std::to_string(missiles));
        p.dlg.Run(Action::Simulate);
    }
    for (int i = 0; i < 119; ++i) p.dlg.Run(Action::Undo);
    // The form as it was before the second simulation: 2 typed, the result of 1 shown.
    EXPECT_EQ(p.Get(C::MissilesFired), "1");
    p.dlg.Run(Action::Simulate);
    p.dlg.Run(Action::Simulate);
    EXPECT_EQ(p.dlg.View().work.undoSteps, 2u) << "a simulation of the same inputs is no step";
    EXPECT_EQ(p.dlg.View().work.redoSteps, 0u) << "a new step forgets what was undone";
}

TEST(Undo, KeepsAnUnchangedPageOnceAndBoundsTheHistoryInBytes) {
    Program p;
    const std::size_t page = std::size_t{4} << 20;
    p.Set(C::RocketLauncherInput, "100000");
    p.Set(C::ReportText, std::string(page, 'a'));
    for (int missiles = 1; missiles <= 20; ++missiles) {
        p.Set(C::MissileInput, std::to_string(missiles));
        p.dlg.Run(Action::Simulate);
    }
    EXPECT_EQ(p.dlg.View().work.undoSteps, 20u) << "one page shared by every step";
    // Eighteen pages of their own are more than the history holds: the oldest steps go.
    for (char c = 'b'; c < 'b' + 18; ++c) {
        p.Set(C::ReportText, std::string(page, c));
        p.dlg.Run(Action::Simulate);
    }
    EXPECT_LE(p.dlg.View().work.undoSteps * page, WorkPanel::kUndoBytes);
    EXPECT_GE(p.dlg.View().work.undoSteps, 12u);
    p.dlg.Run(Action::Undo);
    EXPECT_EQ(p.Get(C::ReportText).front(), 'b' + 17) << "the page typed before the last simulation";
}

TEST(Session, RoundTripsTheFormAndIgnoresDamagedFiles) {
    Program p;
    Simulated(p);
    p.Set(C::ReportText, "two\\lines\nand a \\n");
    SessionStrike strike{p.dlg.Inputs(), StrikeInput{}, true, false, true, true};
    strike.in.counts[2] = 2147483647;
    strike.in.primaryTarget = -1;
    strike.read.reportText.clear();  // the field keeps it
    const Session shown{TakeFormContents(p.form), strike};
    EXPECT_EQ(ParseSessionText(SessionText(shown)), shown);
    // A session written before the last strike was kept has none.
    const std::string older = SessionText({shown.form, std::nullopt});
    EXPECT_EQ(ParseSessionText(older), (Session{shown.form, std::nullopt}));

    const std::string good = SessionText(shown);
    const std::string noStrike = good.substr(0, good.find("\ni ") + 1);
    const std::string strikeLine = good.substr(good.find("\nl ") + 1);
    for (const std::string& damaged :
         {std::string(), std::string("quorvel-session 2\n"), good.substr(0, good.size() - 1),
          good + "t 1029 a button\n", good + "c 1001 1\n", good + "c 1032 3\n", good + "t 99999 x\n",
          good + "t 1001 trailing \\\n", good + "x 1 2\n", good.substr(0, good.find("\ns ") + 1),
          noStrike + strikeLine, good + strikeLine, noStrike + "i 1 2\n" + strikeLine,
          noStrike + good.substr(good.find("\ni ") + 1, good.find("\nl ") - good.find("\ni ")) + "l 2" +
              strikeLine.substr(3),
          good.substr(0, good.size() - strikeLine.size()) + "l 1 0 1 1 -5" + strikeLine.substr(11)}) {
        EXPECT_FALSE(ParseSessionText(damaged))
            << damaged.substr(damaged.size() > 40 ? damaged.size() - 40 : 0);
    }
}

TEST(Session, TheWindowKeepsItsWorkForTheNextOne) {
    Program first;
    first.dlg.KeepSession();
    Simulated(first);
    Program next;
    next.home.Write(kSessionFile, first.home.Read(kSessionFile));
    next.dlg.Run(Action::RestoreSession);
    EXPECT_EQ(TakeFormContents(next.form), TakeFormContents(first.form));
    // '<-x' and remember-attack take the shown result, as they would have in the first window.
    for (Program* p : {&first, &next}) p->dlg.Run(Action::RememberAttack);
    EXPECT_EQ(TakeFormContents(next.form), TakeFormContents(first.form));
    EXPECT_EQ(DialogProbe::Plan(next.dlg).State().records.size(), 1u);
}

TEST(Session, APageTooLongForTheSessionIsLeftOutAndTheRestComesBack) {
    Program first;
    first.dlg.KeepSession();
    Simulated(first);
    first.Set(C::ReportText, std::string(kLargestSessionFile + 100'000, 'x'));
    first.dlg.Run(Action::SaveSession);
    EXPECT_LE(first.home.Read(kSessionFile).size(), kLargestSessionFile);
    Program next;
    next.home.Write(kSessionFile, first.home.Read(kSessionFile));
    next.dlg.Run(Action::RestoreSession);
    first.Set(C::ReportText, "");
    EXPECT_EQ(TakeFormContents(next.form), TakeFormContents(first.form));
}

TEST(Session, WorkUnchangedSinceItWasWrittenOrReadIsNotWrittenAgain) {
    Program first;
    first.dlg.KeepSession();
    Simulated(first);
    Program next;
    next.home.Write(kSessionFile, first.home.Read(kSessionFile));
    next.dlg.KeepSession();
    // Another window's session since then stays while neither window's work changes.
    for (Program* p : {&first, &next}) {
        p->home.Write(kSessionFile, "another window's");
        p->dlg.Run(Action::SaveSession);
        EXPECT_EQ(p->home.Read(kSessionFile), "another window's");
        p->Set(C::MissileInput, "4");  // typed, not yet a step
        p->dlg.Run(Action::SaveSession);
        EXPECT_NE(p->home.Read(kSessionFile), "another window's");
    }
}

TEST(StartLanguage, TheDesktopsLanguageWithoutASavedChoice) {
    testing::TestHome home;
    const std::filesystem::path choice = home.Path() / kLanguageSaveFile;
    const std::pair<const char*, int> cases[] = {
        {"de_DE.UTF-8", 1}, {"pl_PL", 4},           {"pt_BR", 8},
        {"tr", 7},          {"ja-JP,,pl-PL,de", 4}, {"ja_JP", kEnglish},
        {"C", kEnglish},    {"", kEnglish},         {"ja,zh-CN,", kEnglish},
    };
    for (const auto& [locale, index] : cases) EXPECT_EQ(StartLanguageIndex(choice, locale), index) << locale;
    home.Write(kLanguageSaveFile, "3");
    EXPECT_EQ(StartLanguageIndex(choice, "de_DE"), 3);
}

}  // namespace
}  // namespace quorvel
