// ApplyLanguageFile through the in-memory form: captions, lists, stored texts, tooltip, reset.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/control_table.h"
#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "i18n/language_table.h"
#include "support/dialog_probe.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::NumberedLine;
using testing::NumberedLines;

constexpr int kGerman = 1;

struct Window {
    testing::TestHome home;
    MemoryForm form;
    CSimulatorDlg dlg{form, home.Path()};

    std::string Get(ControlId id) const { return form.GetText(id); }
    const MemoryForm::List& List(ControlId id) const { return form.GetList(id); }
};

std::vector<std::string> Lines(std::string_view tag, int first, int last) {
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n) lines.push_back(NumberedLine(tag, n));
    return lines;
}

TEST(ApplyLanguageFile, PutsEveryCaptionListAndKeptTextInPlace) {
    Window w;
    w.home.WriteLanguage(kGerman, "de");
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));

    const std::pair<ControlId, int> captions[] = {
        {ControlId::RocketLauncherLabel, 1},
        {ControlId::LargeShieldDomeLabel, 8},
        {ControlId::AbmLabel, 9},
        {ControlId::ArmourLabel, 10},
        {ControlId::PrimaryTargetLabel, 14},
        {ControlId::DefenderBox, 15},
        {ControlId::ReadReportButton, 17},
        {ControlId::DestroyedHeading, 19},
        {ControlId::DefenderLossBox, 29},
        {ControlId::DeuteriumHeading, 32},
        {ControlId::RequiredMissilesLead, 34},
        {ControlId::FlightTimeBox, 37},
        {ControlId::RangeLabel, 44},
        {ControlId::ExitButton, 47},
        {ControlId::FlightTimeLabel, 48},
        {ControlId::LanguageButton, 60},
        {ControlId::RequiredMissilesTail, 66},
        {ControlId::RememberAttackButton, 69},
        {ControlId::SavePlanButton, 70},
    };
    for (const auto& [id, line] : captions) EXPECT_EQ(w.Get(id), NumberedLine("de", line)) << ToInt(id);

    EXPECT_EQ(w.List(ControlId::PrimaryTargetList).entries, Lines("de", 20, 28));
    std::vector<std::string> required = Lines("de", 20, 27);
    required.insert(required.begin(), NumberedLine("de", 67));
    EXPECT_EQ(w.List(ControlId::RequiredTargetList).entries, required);

    const LanguageTexts& texts = w.dlg.Texts();
    EXPECT_EQ(texts.defenceLabel[7], NumberedLine("de", 8));
    EXPECT_EQ(texts.abmLabel, NumberedLine("de", 9));
    EXPECT_EQ(texts.primaryTargetLabel, NumberedLine("de", 14));
    EXPECT_EQ(texts.targetChoice[8], NumberedLine("de", 28));
    EXPECT_EQ(texts.msgAllInterceptedMany, NumberedLine("de", 49));
    EXPECT_EQ(texts.msgNothingToDestroy, NumberedLine("de", 54));
    EXPECT_EQ(texts.flightUnitSecond, NumberedLine("de", 56));
    EXPECT_EQ(texts.rangeUnit[2], NumberedLine("de", kLineFirstWordsLine + 26));
    EXPECT_EQ(texts.msgOtherGalaxy, NumberedLine("de", 59));
    EXPECT_EQ(texts.allTypesChoice, NumberedLine("de", 67));
    EXPECT_EQ(texts.applyResultTip, NumberedLine("de", 68));
    EXPECT_EQ(texts.planHeading, NumberedLine("de", 71));
    EXPECT_EQ(texts.planMissilesCaption, NumberedLine("de", 72));
}

TEST(ApplyLanguageFile, StoredOnlyLinesAndDialogLinesNeverReachAControl) {
    Window w;
    w.home.WriteLanguage(kGerman, "de");
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));

    std::set<std::string> shown;
    for (const ControlRow& control : ControlTable()) shown.insert(w.Get(control.id));
    for (int line : {20, 28, 49, 53, 59, 61, 62, 63, 64, 65, 67, 68, 71, 72}) {
        EXPECT_EQ(shown.count(NumberedLine("de", line)), 0u) << "line " << line;
    }
    // The title and the fixed symbols stay.
    EXPECT_EQ(w.Get(ControlId::ApplyResultButton), "<-x");
}

TEST(ApplyLanguageFile, KeepsTheWorkAndSaysTheResultsInTheNewWords) {
    Window w;
    w.home.WriteLanguage(kEnglish, "en");
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kEnglish).string()));
    w.form.SetText(ControlId::RocketLauncherInput, "12");
    w.form.SetText(ControlId::MissileInput, "3");
    w.form.SetText(ControlId::ReportText, "Spionagebericht");
    w.form.SelectListItem(ControlId::PrimaryTargetList, 4);
    w.form.SelectListItem(ControlId::RequiredTargetList, 6);
    w.dlg.Run(Action::PrimaryTargetChanged);
    w.dlg.Run(Action::NeededTargetChanged);
    w.dlg.Run(Action::Simulate);
    const std::string destroyed = w.Get(ControlId::RocketLauncherDestroyed);

    w.home.WriteLanguage(kGerman, "de");
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));

    EXPECT_EQ(w.Get(ControlId::RocketLauncherInput), "12");
    EXPECT_EQ(w.Get(ControlId::ReportText), "Spionagebericht");
    EXPECT_EQ(w.Get(ControlId::RocketLauncherDestroyed), destroyed);
    EXPECT_EQ(w.Get(ControlId::StatusLine), NumberedLine("de", kLineMsgMissilesHit));
    EXPECT_EQ(w.Get(ControlId::VerdictMissiles), NumberedLine("de", kLineFirstWordsLine + 5)) << "2 spare";
    EXPECT_EQ(w.List(ControlId::PrimaryTargetList).selected, 4);
    EXPECT_EQ(w.List(ControlId::RequiredTargetList).selected, 6);
    EXPECT_EQ(w.dlg.Inputs().primaryTarget, 4);
    EXPECT_EQ(w.List(ControlId::PrimaryTargetList).entries.size(), 9u) << "refilled, not appended";
    EXPECT_EQ(w.List(ControlId::RequiredTargetList).entries.size(), 9u);
}

TEST(ApplyLanguageFile, TheTooltipFollowsEveryApplicationOnceItExists) {
    Window w;
    w.home.WriteLanguage(kEnglish, "en");
    w.home.WriteLanguage(kGerman, "de");

    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));
    EXPECT_EQ(w.form.GetToolTip(ControlId::ApplyResultButton), "") << "no tooltip before start-up made it";

    w.dlg.OnMainWindowInit();  // applies English, then creates the tooltip
    EXPECT_EQ(w.form.GetToolTip(ControlId::ApplyResultButton), NumberedLine("en", 68));

    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));
    EXPECT_EQ(w.form.GetToolTip(ControlId::ApplyResultButton), NumberedLine("de", 68));
}

TEST(ApplyLanguageFile, AShortFileEmptiesWhatItLacksButFillsBothLists) {
    Window w;
    w.home.WriteLanguage(kEnglish, "en");
    w.dlg.OnMainWindowInit();
    w.home.Write(LanguagePath(kGerman).string(), NumberedLines("de", 65));
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));

    EXPECT_EQ(w.Get(ControlId::LanguageButton), NumberedLine("de", 60));
    for (ControlId id :
         {ControlId::RequiredMissilesTail, ControlId::RememberAttackButton, ControlId::SavePlanButton}) {
        EXPECT_EQ(w.Get(id), "") << ToInt(id);
    }
    EXPECT_EQ(w.List(ControlId::PrimaryTargetList).entries.size(), 9u);
    ASSERT_EQ(w.List(ControlId::RequiredTargetList).entries.size(), 9u);
    EXPECT_EQ(w.List(ControlId::RequiredTargetList).entries[0], "");
    EXPECT_EQ(w.form.GetToolTip(ControlId::ApplyResultButton), "");
    EXPECT_EQ(w.dlg.Texts().planHeading, "");
    EXPECT_EQ(w.dlg.Texts().planMissilesCaption, "");
}

TEST(ApplyLanguageFile, AnOverLongLineTenLeavesEverythingAfterItEmpty) {
    Window w;
    std::string file;
    for (int n = 1; n <= 72; ++n) file += (n == 10 ? std::string(300, 'r') : NumberedLine("de", n)) + "\n";
    w.home.Write(LanguagePath(kGerman).string(), file);
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));

    EXPECT_EQ(w.Get(ControlId::AbmLabel), NumberedLine("de", 9));
    EXPECT_EQ(w.Get(ControlId::ArmourLabel), std::string(255, 'r'));
    EXPECT_EQ(w.Get(ControlId::TotalLabel), "");
    EXPECT_EQ(w.Get(ControlId::SavePlanButton), "");
    EXPECT_EQ(w.List(ControlId::PrimaryTargetList).entries, std::vector<std::string>(9));
    EXPECT_EQ(w.List(ControlId::RequiredTargetList).entries, std::vector<std::string>(9));
}

TEST(ApplyLanguageFile, AMissingFileChangesNothing) {
    Window w;
    w.form.SetText(ControlId::RocketLauncherInput, "12");
    DialogProbe::Inputs(w.dlg).primaryTarget = 3;
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));

    EXPECT_EQ(w.Get(ControlId::RocketLauncherInput), "12");
    EXPECT_EQ(w.Get(ControlId::RocketLauncherLabel), "Raketenwerfer") << "template caption";
    EXPECT_TRUE(w.List(ControlId::PrimaryTargetList).entries.empty());
    EXPECT_EQ(w.dlg.Inputs().primaryTarget, 3);
    EXPECT_EQ(w.dlg.Texts().msgMissilesHit, "");

    // A readable file later fills everything.
    w.home.WriteLanguage(kGerman, "de");
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));
    EXPECT_EQ(w.Get(ControlId::RocketLauncherLabel), NumberedLine("de", 1));
    EXPECT_EQ(w.List(ControlId::PrimaryTargetList).entries.size(), 9u);
}

TEST(ApplyLanguageFile, ASecondFileReplacesEveryKeptText) {
    Window w;
    w.home.WriteLanguage(kEnglish, "en");
    w.home.Write(LanguagePath(kGerman).string(), "nur eine Zeile\n");
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kEnglish).string()));
    w.dlg.Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(kGerman).string()));
    EXPECT_EQ(w.dlg.Texts().defenceLabel[0], "nur eine Zeile");
    EXPECT_EQ(w.dlg.Texts().msgMissilesHit, "");
    EXPECT_EQ(w.dlg.Texts().flightUnitSecond, "");
    // The counted forms come after line 72: a file without them takes the English file's.
    EXPECT_EQ(w.dlg.Texts().missileCount[0], NumberedLine("en", kLineFirstWordsLine + 9));
}

}  // namespace
}  // namespace quorvel
