#include <gtest/gtest.h>

#include <string>

#include "app/control_table.h"
#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "i18n/language_texts.h"
#include "support/dialog_probe.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::Program;

void SimulateWorkedExample(Program& p) {
    p.Set(ControlId::RocketLauncherInput, "100");
    p.Set(ControlId::LightLaserInput, "10");
    p.Set(ControlId::AbmInput, "2");
    p.Set(ControlId::MissileInput, "10");
    p.dlg.Run(Action::Simulate);
}

std::size_t Count(const MemoryForm& form, const std::string& kind) {
    std::size_t n = 0;
    for (const auto& event : form.Events()) n += event.kind == kind ? 1 : 0;
    return n;
}

TEST(CopyStrike, NeedsAShownStrike) {
    Program p;
    p.form.PutClipboardText("kept");
    p.dlg.Run(Action::CopyStrike, ActionInput(0));
    SimulateWorkedExample(p);
    p.dlg.Run(Action::ResetAll);
    p.dlg.Run(Action::CopyStrike, ActionInput(1));
    EXPECT_EQ(p.form.GetClipboardText(), "kept");
    EXPECT_EQ(Count(p.form, "message"), 2U);
    EXPECT_EQ(p.form.Events().back().text, "L108");
}

TEST(CopyStrike, TellsTheShownStrikeNotTheEditedFields) {
    Program p;
    SimulateWorkedExample(p);
    p.Set(ControlId::RocketLauncherInput, "5");  // the next strike's input, not simulated yet
    p.dlg.Run(Action::CopyStrike, ActionInput(2));
    const std::string text = p.form.GetClipboardText();
    EXPECT_NE(text.find("L1   100  100    0\nL2    10   10    0\nL9     2    2    0\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("L103: 4 \xc2\xb7 L104: 2 \xc2\xb7 L105: 6"), std::string::npos) << text;
    EXPECT_EQ(Count(p.form, "clipboard"), 1U);
}

TEST(CopyPlan, EmptyUntilAStrikeIsRememberedAndTheTextIsTheExportFile) {
    Program p;
    p.dlg.Run(Action::CopyPlan, ActionInput(0));
    EXPECT_EQ(p.form.Events().back().text, "L109");
    SimulateWorkedExample(p);
    p.dlg.Run(Action::RememberAttack);
    p.dlg.Run(Action::CopyPlan, ActionInput(0));
    EXPECT_EQ(p.form.GetClipboardText(),
              ReadWholeFile(DialogProbe::Plan(p.dlg).File()).value_or("<missing>"));
    p.dlg.Run(Action::CopyPlan, ActionInput(1));
    EXPECT_EQ(p.form.GetClipboardText().rfind("[b]1. L71[/b]\n", 0), 0U) << p.form.GetClipboardText();

    // Saving ends the plan; the next remembered strike starts a new one.
    p.form.QueueSaveAnswer((p.home / "plan.txt").string());
    p.dlg.Run(Action::SavePlan);
    SimulateWorkedExample(p);
    p.dlg.Run(Action::RememberAttack);
    p.dlg.Run(Action::CopyPlan, ActionInput(2));
    EXPECT_EQ(p.form.GetClipboardText().find("**1."), std::string::npos);
    EXPECT_EQ(p.form.GetClipboardText().rfind("**2. L71**", 0), 0U) << p.form.GetClipboardText();
}

TEST(PasteReport, ReplacesTheReportAndReadsIt) {
    Program p;
    p.Set(ControlId::ReportText, "old text");
    p.Set(ControlId::GaussCannonInput, "9");
    p.form.PutClipboardText("Raketenwerfer 12\nAbfangrakete 3\n");
    p.dlg.Run(Action::PasteReport);
    EXPECT_EQ(p.Get(ControlId::ReportText), "Raketenwerfer 12\nAbfangrakete 3\n");
    EXPECT_EQ(p.Get(ControlId::RocketLauncherInput), "12");
    EXPECT_EQ(p.Get(ControlId::AbmInput), "3");
    EXPECT_EQ(p.Get(ControlId::GaussCannonInput), "");
}

TEST(AccessTexts, NamesAndTooltipsComeFromTheLanguage) {
    Program p;
    EXPECT_EQ(p.form.GetAccessibleName(ControlId::AbmInput), "L9");
    EXPECT_EQ(p.form.GetToolTip(ControlId::AbmInput), "L" + std::to_string(kLineAbmTip));  // no "%1" in it
    EXPECT_EQ(p.form.GetAccessibleName(ControlId::TargetSystemInput), "L114");
    EXPECT_EQ(p.form.GetToolTip(ControlId::TargetSystemInput), "L114");
    EXPECT_EQ(p.form.GetAccessibleName(ControlId::ClearReportButton), "L118");
    EXPECT_EQ(p.form.GetToolTip(ControlId::SimulateButton), "L129");
    EXPECT_EQ(p.form.GetText(ControlId::CopyButton), "L93");
}

TEST(AccessTexts, ALanguageFileWithoutTheNewLinesTakesThemFromEnglish) {
    Program p;
    std::string german;
    for (int n = 1; n < kLineCopyButton; ++n) german += "de " + std::to_string(n) + "\n";
    german += "Verteidiger %1\n";  // only the first line of the later ones is missing below
    p.home.Write(LanguagePath(1).string(), german);
    p.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(1).string()));
    EXPECT_EQ(p.form.GetText(ControlId::CopyButton), "Verteidiger %1");
    EXPECT_EQ(p.form.GetToolTip(ControlId::AbmInput), "L" + std::to_string(kLineAbmTip));
    EXPECT_EQ(p.form.GetToolTip(ControlId::RocketLauncherInput), "L122");
    EXPECT_EQ(p.form.GetAccessibleName(ControlId::RocketLauncherInput), "de 1");
    EXPECT_EQ(p.dlg.Texts().shareHeading, "L101");
}

TEST(AccessTexts, ThePatternTakesTheDefenceNameAndCaptionsLoseTheirMnemonic) {
    Program p;
    std::string file;
    for (int n = 1; n <= kLanguageLineCount; ++n) {
        file += n == 29                     ? "Verl&uste && Schaden"
                : n == kLineDefenceCountTip ? "%1: Anzahl"
                                            : "x" + std::to_string(n);
        file += '\n';
    }
    p.home.Write(LanguagePath(1).string(), file);
    p.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(1).string()));
    EXPECT_EQ(p.form.GetToolTip(ControlId::HeavyLaserInput), "x3: Anzahl");
    EXPECT_EQ(p.form.GetText(ControlId::DefenderLossBox), "Verl&uste && Schaden");
    EXPECT_EQ(p.dlg.Texts().defenderLosses, "Verluste & Schaden");
}

}  // namespace
}  // namespace quorvel
