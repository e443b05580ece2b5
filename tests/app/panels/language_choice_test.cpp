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

TEST(ChooseLanguage, AcceptingARowAppliesAndSavesIt) {
    Window w;
    w.home.Write(kLanguageSaveFile, "3");
    w.Answer({5});
    w.dlg.Run(Action::ChooseLanguage);

    EXPECT_EQ(w.form.LastLanguageDialog().title, NumberedLine("it", 61));
    EXPECT_EQ(w.Caption(), NumberedLine("fr", 1));
    EXPECT_EQ(w.home.Read(kLanguageSaveFile), "5");
    EXPECT_EQ(w.form.GetToolTip(ControlId::ApplyResultButton), NumberedLine("fr", 68));
}

TEST(ChooseLanguage, CancelOrNoRowChangesNothing) {
    Window w;
    w.home.Write(kLanguageSaveFile, "3");
    w.form.SetText(ControlId::MissileInput, "40");

    w.form.QueueLanguageAnswer({false, {5}});  // rows selected, then cancelled
    w.dlg.Run(Action::ChooseLanguage);
    w.Answer({});
    w.dlg.Run(Action::ChooseLanguage);
    w.dlg.Run(Action::ChooseLanguage);  // no answer queued: the dialog is cancelled

    EXPECT_EQ(w.Caption(), NumberedLine("en", 1));
    EXPECT_EQ(w.form.GetText(ControlId::MissileInput), "40") << "no reset";
    EXPECT_EQ(w.home.Read(kLanguageSaveFile), "3");
}

TEST(ChooseLanguage, TheFormerTwelveBecomesExactlyTheNewIndex) {
    Window w;
    w.home.Write(kLanguageSaveFile, "12");
    w.Answer({3});
    w.dlg.Run(Action::ChooseLanguage);
    EXPECT_EQ(w.home.Read(kLanguageSaveFile), "3");
    EXPECT_EQ(w.Caption(), NumberedLine("it", 1));
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

TEST(ChooseLanguage, AMissingLanguageFileAppliesNothingButIsRemembered) {
    Window w;
    w.Answer({2});  // no Dutch file
    w.dlg.Run(Action::ChooseLanguage);
    EXPECT_EQ(w.Caption(), NumberedLine("en", 1));
    EXPECT_EQ(w.home.Read(kLanguageSaveFile), "2");
}

}  // namespace
}  // namespace quorvel
