#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/control_table.h"
#include "app/program_files.h"
#include "support/dialog_probe.h"
#include "support/program.h"
#include "text/placeholders.h"

namespace quorvel {
namespace {

using testing::Program;

// A strike of 10 missiles without technology on primary target 0.
struct Strike {
    PerType<std::int32_t> counts{};
    std::int32_t interceptors = 0;
    std::int32_t missiles = 10;
};

// 100 rocket launchers only: all destroyed by 2 of 10 missiles.
constexpr Strike kLaunchersOnly{{100, 0, 0, 0, 0, 0, 0, 0}, 0, 10};
// Every type and interceptors present: 10 missiles, 2 intercepted, 8 spent on the units.
constexpr Strike kEverything{{100, 10, 5, 5, 5, 5, 1, 1}, 2, 10};

void Simulate(Program& p, const Strike& strike) {
    for (int t = 0; t < kDefenceTypeCount; ++t)
        p.Set(kDefenceRows[t].input, std::to_string(strike.counts[t]));
    p.Set(ControlId::AbmInput, std::to_string(strike.interceptors));
    p.Set(ControlId::MissileInput, std::to_string(strike.missiles));
    p.dlg.Run(Action::Simulate);
}

// The plan records of the two strikes, numbered n (1 to 9), in the short numbered language.
std::string LaunchersOnlyRecord(int n) {
    return std::to_string(n) +
           ". L71\n"
           "======\n"
           "L14: L1\n"
           "L72 2\n"
           "\n"
           "L1 0 (-100)\n"
           "L2 0 (*)\n"
           "L3 0 (*)\n"
           "L4 0 (*)\n"
           "L5 0 (*)\n"
           "L6 0 (*)\n"
           "L7 0 (*)\n"
           "L8 0 (*)\n"
           "L9 0 (*)\n"
           "\n"
           "\n";
}

std::string EverythingRecord(int n) {
    return std::to_string(n) +
           ". L71\n"
           "======\n"
           "L14: L1\n"
           "L72 10\n"
           "\n"
           "L1 0 (-100)\n"
           "L2 0 (-10)\n"
           "L3 0 (-5)\n"
           "L4 0 (-5)\n"
           "L5 0 (-5)\n"
           "L6 1 (-4)\n"
           "L7 0 (-1)\n"
           "L8 1 (*)\n"
           "L9 0 (-2)\n"
           "\n"
           "\n";
}

std::string Export(const Program& p, const std::string& name) { return (p.home.Path() / name).string(); }

void SaveAs(Program& p, const std::string& name) {
    p.form.QueueSaveAnswer(Export(p, name));
    p.dlg.Run(Action::SavePlan);
}

void SaveCancelled(Program& p) {
    p.form.QueueSaveAnswer(std::nullopt);
    p.dlg.Run(Action::SavePlan);
}

int RecordCount(const std::string& plan) {
    int count = 0;
    for (std::size_t at = plan.find("\n\n\n"); at != std::string::npos; at = plan.find("\n\n\n", at + 3))
        ++count;
    return count;
}

class PlanHandlers : public ::testing::Test {
protected:
    void SetUp() override { p.form.ClearEvents(); }
    // This process's own plan file.
    std::string PlanName() const {
        return std::filesystem::relative(DialogProbe::Plan(p.dlg).File(), p.home.Path()).string();
    }
    bool PlanOnDisk() const { return p.home.Exists(PlanName()); }
    std::string PlanText() const { return p.home.Read(PlanName()); }
    // Only the save dialog opened: no message and no error box.
    void ExpectOnlySaveDialogs() const {
        for (const MemoryForm::Event& event : p.form.Events())
            EXPECT_EQ(event.kind, "save-dialog") << event.text;
    }

    Program p;
};

TEST_F(PlanHandlers, SimulateThenSaveExportsThatOneAttack) {
    Simulate(p, kLaunchersOnly);
    const std::string expected = LaunchersOnlyRecord(1);
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), expected);
    EXPECT_EQ(RecordCount(expected), 1);
    EXPECT_FALSE(PlanOnDisk());
    EXPECT_FALSE(DialogProbe::Plan(p.dlg).State().rememberRequested);
    EXPECT_FALSE(DialogProbe::Plan(p.dlg).State().planFileOpen);
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 2);
    ExpectOnlySaveDialogs();
}

// The numbered language file names each word by its line: 1-8 types, 9 interceptors, 14 primary
// target, 71 heading, 72 missile caption.
TEST_F(PlanHandlers, RecordUsesTheLanguageWordsOfItsLines) {
    Simulate(p, Strike{{100, 10, 0, 0, 0, 0, 0, 0}, 3, 10});
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"),
              "1. L71\n"
              "======\n"
              "L14: L1\n"
              "L72 5\n"
              "\n"
              "L1 0 (-100)\n"
              "L2 0 (-10)\n"
              "L3 0 (*)\n"
              "L4 0 (*)\n"
              "L5 0 (*)\n"
              "L6 0 (*)\n"
              "L7 0 (*)\n"
              "L8 0 (*)\n"
              "L9 0 (-3)\n"
              "\n"
              "\n");
}

TEST_F(PlanHandlers, TwoRemembersThenSaveExportsBothInOrderAndNoThird) {
    Simulate(p, kLaunchersOnly);
    const std::string first = LaunchersOnlyRecord(1);
    p.dlg.Run(Action::RememberAttack);
    Simulate(p, kEverything);
    const std::string second = EverythingRecord(2);
    p.dlg.Run(Action::RememberAttack);
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), first + second);
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 3);
}

TEST_F(PlanHandlers, RememberTakesTheSurvivorsAsNextInput) {
    Simulate(p, Strike{{100, 10, 0, 0, 0, 0, 0, 0}, 0, 1});
    p.dlg.Run(Action::RememberAttack);
    EXPECT_EQ(p.Get(ControlId::RocketLauncherInput), "40");
    EXPECT_EQ(p.Get(ControlId::LightLaserInput), "10");
    EXPECT_EQ(p.Get(ControlId::HeavyLaserInput), "");
    EXPECT_FALSE(DialogProbe::Strike(p.dlg).Last().resultValid);
}

TEST_F(PlanHandlers, RecordReachesTheDiskWhenRemembered) {
    Simulate(p, kLaunchersOnly);
    p.dlg.Run(Action::RememberAttack);
    EXPECT_EQ(PlanText(), LaunchersOnlyRecord(1));
    Simulate(p, kEverything);
    const std::string second = EverythingRecord(2);
    p.dlg.Run(Action::RememberAttack);
    EXPECT_EQ(RecordCount(PlanText()), 2);
    EXPECT_TRUE(PlanText().ends_with(second));
}

TEST_F(PlanHandlers, CancelKeepsThePlanForTheNextSave) {
    Simulate(p, kLaunchersOnly);
    const std::string expected = LaunchersOnlyRecord(1);
    SaveCancelled(p);
    EXPECT_EQ(PlanText(), expected);
    EXPECT_FALSE(DialogProbe::Plan(p.dlg).State().planFileOpen);
    EXPECT_TRUE(DialogProbe::Plan(p.dlg).State().rememberRequested);
    EXPECT_FALSE(p.home.Exists("plan.txt"));

    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), expected);
    EXPECT_FALSE(PlanOnDisk());
    ExpectOnlySaveDialogs();
}

TEST_F(PlanHandlers, RecordAfterCancelStartsANewPlan) {
    Simulate(p, kLaunchersOnly);
    SaveCancelled(p);
    Simulate(p, kEverything);
    const std::string second = EverythingRecord(2);
    p.dlg.Run(Action::RememberAttack);
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), second);
}

TEST_F(PlanHandlers, NumberingContinuesAfterAnExport) {
    Simulate(p, kLaunchersOnly);
    SaveAs(p, "first.txt");
    Simulate(p, kLaunchersOnly);
    const std::string second = LaunchersOnlyRecord(2);
    SaveAs(p, "second.txt");
    EXPECT_EQ(p.home.Read("second.txt"), second);
    EXPECT_TRUE(second.starts_with("2. "));
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 3);
}

TEST_F(PlanHandlers, NothingRecordableWritesNoExportAndSaysSo) {
    p.home.Write("plan.txt", "the player's own");
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), "the player's own");
    EXPECT_FALSE(PlanOnDisk());
    EXPECT_FALSE(DialogProbe::Plan(p.dlg).State().rememberRequested);
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 1);
    ASSERT_EQ(p.form.Events().size(), 2u);
    EXPECT_EQ(p.form.Events()[1].text, FillPlaceholders(p.dlg.Texts().msgNothingToSave, {"plan.txt"}));
}

// A second press or a second export without a new simulation records again only when every type
// and the interceptors were present at the start of the last simulation.
struct RepeatCase {
    const char* name;
    Strike strike;
    std::string (*record)(int n);
    int secondRecords;
};

class PlanRepeat : public PlanHandlers, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(PlanRepeat, RememberTwiceAfterOneSimulation) {
    Simulate(p, GetParam().strike);
    const std::string first = GetParam().record(1);
    p.dlg.Run(Action::RememberAttack);
    p.dlg.Run(Action::RememberAttack);
    EXPECT_EQ(RecordCount(PlanText()), 1 + GetParam().secondRecords);
    if (GetParam().secondRecords == 1) {
        EXPECT_EQ(PlanText(), first + GetParam().record(2));
    }
    EXPECT_TRUE(DialogProbe::Plan(p.dlg).State().rememberRequested);
}

TEST_P(PlanRepeat, TwoExportsInARow) {
    Simulate(p, GetParam().strike);
    SaveAs(p, "first.txt");
    SaveAs(p, "second.txt");
    EXPECT_EQ(RecordCount(p.home.Read("first.txt")), 1);
    EXPECT_EQ(p.home.Exists("second.txt"), GetParam().secondRecords == 1);
    if (GetParam().secondRecords == 1) {
        EXPECT_TRUE(p.home.Read("second.txt").starts_with("2. "));
        ExpectOnlySaveDialogs();
    } else {
        EXPECT_EQ(p.form.Events().back().text,
                  FillPlaceholders(p.dlg.Texts().msgNothingToSave, {"second.txt"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanRepeat,
    ::testing::Values(RepeatCase{"SomeTypeMissing", kLaunchersOnly, LaunchersOnlyRecord, 0},
                      RepeatCase{"EverythingPresent", kEverything, EverythingRecord, 1}),
    [](const ::testing::TestParamInfo<RepeatCase>& info) { return std::string(info.param.name); });

TEST_F(PlanHandlers, ExistingExportIsReplacedWhole) {
    p.home.Write("plan.txt", std::string(100000, 'x'));
    Simulate(p, kLaunchersOnly);
    const std::string expected = LaunchersOnlyRecord(1);
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), expected);
    for (const auto& entry : std::filesystem::directory_iterator(p.home.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    }
}

// Makes a folder read-only for the test's lifetime and gives the rights back afterwards.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path path) : m_path(std::move(path)) {
        std::filesystem::create_directories(m_path);
        std::filesystem::permissions(m_path,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    ~ReadOnlyFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    }
    // False when the rights are not enforced, as for root.
    bool Enforced() const {
        const std::filesystem::path probe = m_path / "probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return true;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }

private:
    std::filesystem::path m_path;
};

TEST_F(PlanHandlers, ExportIntoReadOnlyFolderKeepsThePlan) {
    // Root writes into read-only folders, so for root this runs as an unprivileged user, for whom
    // the data folder is opened up; the locked folder is that user's own.
    std::filesystem::permissions(p.home.Path() / kDataFolder, std::filesystem::perms::all);
    RunWithFilePermissions(p.home, [&] {
        const ReadOnlyFolder locked(p.home.Path() / "locked");
        ASSERT_TRUE(locked.Enforced()) << "this user can write into read-only folders";
        Simulate(p, kLaunchersOnly);
        const std::string expected = LaunchersOnlyRecord(1);
        const std::string target = Export(p, "locked/plan.txt");
        p.form.QueueSaveAnswer(target);
        p.dlg.Run(Action::SavePlan);

        ASSERT_EQ(p.form.Events().size(), 2u);
        EXPECT_EQ(p.form.Events()[1].kind, "error");
        EXPECT_EQ(p.form.Events()[1].text, target + " could not be saved: permission denied.");
        EXPECT_EQ(PlanText(), expected);
        EXPECT_TRUE(DialogProbe::Plan(p.dlg).State().rememberRequested);

        // Another place takes the same plan, without a second record.
        SaveAs(p, "plan.txt");
        EXPECT_EQ(p.home.Read("plan.txt"), expected);
        EXPECT_FALSE(PlanOnDisk());
    });
}

TEST_F(PlanHandlers, FailedReplaceSaysWhyAndKeepsThePlan) {
    // A folder of that name cannot be replaced by the export.
    std::filesystem::create_directories(p.home.Path() / "taken.txt" / "inside");
    Simulate(p, kLaunchersOnly);
    const std::string expected = LaunchersOnlyRecord(1);
    SaveAs(p, "taken.txt");
    ASSERT_EQ(p.form.Events().size(), 2u);
    EXPECT_EQ(p.form.Events()[1].kind, "error");
    EXPECT_EQ(p.form.Events()[1].text, Export(p, "taken.txt") + " could not be saved: it is a folder.");
    EXPECT_EQ(PlanText(), expected);
    EXPECT_TRUE(DialogProbe::Plan(p.dlg).State().rememberRequested);
    EXPECT_TRUE(std::filesystem::is_directory(p.home.Path() / "taken.txt" / "inside"));
}

TEST_F(PlanHandlers, MissingDataFolderReportsTheRecordThatWasNotWritten) {
    std::filesystem::remove_all(p.home.Path() / kDataFolder);
    Simulate(p, kEverything);
    p.dlg.Run(Action::RememberAttack);
    ASSERT_EQ(p.form.Events().size(), 1u);
    EXPECT_EQ(p.form.Events()[0].kind, "error");
    EXPECT_EQ(p.form.Events()[0].text, DialogProbe::Plan(p.dlg).File().string() +
                                           " could not be saved: the file or its folder does not exist.");
    // The failed record changed nothing: same number, the result is still pending.
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 1);
    EXPECT_TRUE(DialogProbe::Strike(p.dlg).Last().attackRecordable);
    EXPECT_FALSE(DialogProbe::Plan(p.dlg).State().planFileOpen);
    EXPECT_EQ(p.Get(ControlId::RocketLauncherInput), "100");

    // With the folder back, the same attack is recorded as number 1.
    std::filesystem::create_directories(p.home.Path() / kDataFolder);
    const std::string expected = EverythingRecord(1);
    p.dlg.Run(Action::RememberAttack);
    EXPECT_EQ(PlanText(), expected);
    SaveAs(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), expected);
}

TEST_F(PlanHandlers, SaveWritesEveryFieldBackWhetherConfirmedOrCancelled) {
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        p.Set(ControlId::ArmourInput, "12abc");
        p.Set(ControlId::WeaponsInput, "0");
        p.Set(ControlId::ImpulseDriveInput, "");
        p.Set(ControlId::TargetGalaxyInput, " 7");
        p.Set(ControlId::ReportText, "report");
        if (confirm) {
            SaveAs(p, "plan.txt");
        } else {
            SaveCancelled(p);
        }
        EXPECT_EQ(p.Get(ControlId::ArmourInput), "12");
        EXPECT_EQ(p.Get(ControlId::WeaponsInput), "");
        EXPECT_EQ(p.Get(ControlId::ImpulseDriveInput), "");
        EXPECT_EQ(p.Get(ControlId::TargetGalaxyInput), "7");
        EXPECT_EQ(p.Get(ControlId::ReportText), "report");
    }
}

}  // namespace
}  // namespace quorvel
