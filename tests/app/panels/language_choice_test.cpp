// The language button: the dialog's answer applied to the window and the choice saved.

#include <gtest/gtest.h>

#include "app/memory_form.h"
#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "i18n/language_table.h"
#include "support/program.h"

namespace quorvel {
namespace {

using testing::NumberedLine;

constexpr int kItalian = 3;
constexpr int kFrench = 5;

struct Home : testing::TestHome {
    Home() {
        WriteLanguage(kEnglish, "en");
        WriteLanguage(kItalian, "it");
        WriteLanguage(kFrench, "fr");
    }
};

struct Window {
    Home home;
    MemoryForm form;
    CSimulatorDlg dlg{form, home.Path()};

    Window() { dlg.OnMainWindowInit(); }
    void Answer(std::vector<int> rows) { form.QueueLanguageAnswer({true, std::move(rows)}); }
    std::string Caption() const { return form.GetText(ControlId::RocketLauncherLabel); }
};

struct AnswerCase {
    const char* saved;  // the saved choice before; nullptr: none
    bool answered;      // false: no answer queued, the dialog is cancelled
    bool accepted;
    std::vector<int> rows;
    const char* shown;  // the window's language afterwards
    const char* savedAfter;
};

TEST(ChooseLanguage, AnAcceptedRowIsAppliedAndSavedAndAnythingElseChangesNothing) {
    const AnswerCase cases[] = {
        {"3", true, true, {kFrench}, "fr", "5"},
        {"3", true, false, {kFrench}, "en", "3"},  // rows selected, then cancelled
        {"3", true, true, {}, "en", "3"},
        {"3", false, false, {}, "en", "3"},
        {"12", true, true, {kItalian}, "it", "3"},  // the former twelve becomes exactly the new index
        {nullptr, true, true, {2}, "en", "2"},      // no Dutch file: nothing applied, but remembered
    };
    for (const AnswerCase& c : cases) {
        Window w;
        if (c.saved) w.home.Write(kLanguageSaveFile, c.saved);
        w.form.SetText(ControlId::MissileInput, "40");
        if (c.answered) w.form.QueueLanguageAnswer({c.accepted, c.rows});
        w.dlg.Run(Action::ChooseLanguage);
        const std::string row = std::string(c.saved ? c.saved : "-") + " -> " + c.savedAfter;
        EXPECT_EQ(w.Caption(), NumberedLine(c.shown, 1)) << row;
        EXPECT_EQ(w.form.GetToolTip(ControlId::ApplyResultButton), NumberedLine(c.shown, 68)) << row;
        EXPECT_EQ(w.home.Read(kLanguageSaveFile), c.savedAfter) << row;
        if (!c.accepted || c.rows.empty()) {
            EXPECT_EQ(w.form.GetText(ControlId::MissileInput), "40") << row;
        }
        if (&c == &cases[0]) {
            EXPECT_EQ(w.form.LastLanguageDialog().title, NumberedLine("it", 61))
                << "asked in the saved language";
        }
    }
}

TEST(ChooseLanguage, TheChoiceLastsWithoutASavedFileOrDataFolder) {
    Window w;
    std::filesystem::remove_all(w.home / kDataFolder);
    w.Answer({kFrench});
    w.dlg.Run(Action::ChooseLanguage);
    EXPECT_EQ(w.home.Read(kLanguageSaveFile), "5");

    MemoryForm next;
    CSimulatorDlg restarted(next, w.home.Path());
    restarted.OnMainWindowInit();
    EXPECT_EQ(next.GetText(ControlId::RocketLauncherLabel), NumberedLine("fr", 1));
}

TEST(ChooseLanguage, AChoiceThatCannotBeSavedStillAppliesAndIsReported) {
    Window w;
    std::filesystem::remove_all(w.home / kDataFolder);
    w.home.Write(kDataFolder, "in the way");
    w.form.ClearEvents();
    w.Answer({kItalian});
    w.dlg.Run(Action::ChooseLanguage);

    EXPECT_EQ(w.Caption(), NumberedLine("it", 1));
    EXPECT_EQ(w.home.Read(kDataFolder), "in the way");
    ASSERT_EQ(w.form.Events().size(), 2u);
    EXPECT_EQ(w.form.Events()[0].kind, "language-dialog");
    // The error box speaks the new language: the file's line for unsaved files, which has no %1
    // here, so the file's name follows it.
    EXPECT_EQ(w.form.Events()[1].kind, "error");
    EXPECT_EQ(w.form.Events()[1].text,
              NumberedLine("it", kLineMsgCannotSave) + " " + (w.home.Path() / kLanguageSaveFile).string());
}

}  // namespace
}  // namespace quorvel
