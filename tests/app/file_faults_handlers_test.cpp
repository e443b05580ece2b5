// The handlers under file faults: odd files in place of the program's files, writes that fail, and
// a second window on the same data folder. Nothing may crash, hang or fail without a word.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"
#include "i18n/language_table.h"
#include "support/book_text.h"
#include "support/dialog_probe.h"
#include "support/program.h"

namespace quorvel {
namespace {

using C = ControlId;
using testing::BookText;
using testing::Program;

std::vector<std::string> Entries(const Program& p) { return p.form.GetList(C::BookList).entries; }

void TypeStart(Program& p, const Position& start) {
    p.Set(C::StartGalaxyInput, std::to_string(start.galaxy));
    p.Set(C::StartSystemInput, std::to_string(start.system));
    p.Set(C::StartPlanetInput, std::to_string(start.planet));
}

void SimulateLaunchers(Program& p) {
    p.Set(C::RocketLauncherInput, "100");
    p.Set(C::MissileInput, "10");
    p.dlg.Run(Action::Simulate);
}

void ExportTo(Program& p, const std::string& name) {
    p.form.QueueSaveAnswer((p.home.Path() / name).string());
    p.dlg.Run(Action::SavePlan);
}

std::vector<MemoryForm::Event> Errors(const Program& p) {
    std::vector<MemoryForm::Event> errors;
    for (const MemoryForm::Event& event : p.form.Events()) {
        if (event.kind == "error") errors.push_back(event);
    }
    return errors;
}

// ---- Odd files where the program reads -----------------------------------------------------------

enum class Odd { Folder, Fifo };

void MakeOdd(const std::filesystem::path& path, Odd odd) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path.parent_path());
    if (odd == Odd::Folder) {
        std::filesystem::create_directories(path / "inside");
    } else {
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
}

struct OddFileCase {
    const char* name;
    const char* file;
    Odd odd;
};

class OddFileAtStartUp : public ::testing::TestWithParam<OddFileCase> {};

// Start-up goes on as for a missing file: an empty book, English, or the template's captions,
// without a word.
TEST_P(OddFileAtStartUp, IsTakenAsMissing) {
    testing::TestHome home;
    home.WriteShortNumberedLanguage();
    home.WriteBook("1 1 1\n");
    home.Write(kLanguageSaveFile, "0");
    MakeOdd(home / GetParam().file, GetParam().odd);
    MemoryForm form;
    CSimulatorDlg dlg(form, home.Path());
    dlg.OnMainWindowInit();
    const bool bookIsOdd = GetParam().file == kBookFile;
    EXPECT_EQ(form.GetList(C::BookList).entries.size(), bookIsOdd ? 0u : 1u);
    const bool languageIsOdd = GetParam().file == LanguagePath(kEnglish).string();
    // Without a readable language file the window keeps its template captions.
    EXPECT_EQ(form.GetText(C::RocketLauncherLabel) == "L1", !languageIsOdd);
    EXPECT_TRUE(form.Events().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, OddFileAtStartUp,
    ::testing::Values(OddFileCase{"BookFolder", kBookFile.data(), Odd::Folder},
                      OddFileCase{"BookFifo", kBookFile.data(), Odd::Fifo},
                      OddFileCase{"SavedChoiceFolder", kLanguageSaveFile.data(), Odd::Folder},
                      OddFileCase{"SavedChoiceFifo", kLanguageSaveFile.data(), Odd::Fifo},
                      OddFileCase{"LanguageFileFolder", "languages/eng_lang.dat", Odd::Folder},
                      OddFileCase{"LanguageFileFifo", "languages/eng_lang.dat", Odd::Fifo}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OddFiles, SavingIntoAnOddBookSaysWhyAndLeavesIt) {
    for (const auto& [odd, reason] :
         {std::pair{Odd::Folder, "it is a folder"}, std::pair{Odd::Fifo, "it is not an ordinary file"}}) {
        Program p;
        MakeOdd(p.home.BookFile(), odd);
        p.form.ClearEvents();
        TypeStart(p, {1, 2, 3});
        p.dlg.Run(Action::BookSave);
        ASSERT_EQ(Errors(p).size(), 1u);
        EXPECT_EQ(Errors(p)[0].text, p.home.BookFile().string() + " could not be saved: " + reason + ".");
        EXPECT_EQ(std::filesystem::is_directory(p.home.BookFile()), odd == Odd::Folder);
    }
}

TEST(OddFiles, AFolderInPlaceOfThePlanIsReportedAndNothingIsExported) {
    Program p;
    SimulateLaunchers(p);
    p.dlg.Run(Action::RememberAttack);
    p.home.Write("plan.txt", "the old export");
    // Something replaced the plan file behind the program's back.
    MakeOdd(DialogProbe::Plan(p.dlg).File(), Odd::Folder);
    p.form.ClearEvents();
    ExportTo(p, "plan.txt");
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(Errors(p)[0].text,
              DialogProbe::Plan(p.dlg).File().string() + " could not be read: it is a folder.");
    EXPECT_EQ(p.home.Read("plan.txt"), "the old export");

    // Remembering into it says so too, and counts nothing.
    SimulateLaunchers(p);
    p.form.ClearEvents();
    p.dlg.Run(Action::RememberAttack);
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(Errors(p)[0].text,
              DialogProbe::Plan(p.dlg).File().string() + " could not be saved: it is a folder.");
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 2);
}

// ---- Writes that fail ----------------------------------------------------------------------------

struct Writer {
    const char* name;
    std::function<void(Program&)> prepare;  // runs without a fault
    std::function<void(Program&)> act;      // runs with the fault injected
    std::function<std::filesystem::path(const Program&)> file;
    std::function<void(const Program&)> unchanged;  // the state before the action still holds
};

Writer ChartExport(const char* name, std::string file, std::string image) {
    return {name, [file](Program& p) { p.home.Write(file, "the old chart"); },
            [file, image](Program& p) {
                p.dlg.Run(Action::ExportCurveImage, ActionInput(0, (p.home / file).string(), image));
            },
            [file](const Program& p) { return p.home / file; },
            [file](const Program& p) { EXPECT_EQ(p.home.Read(file), "the old chart"); }};
}

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers = {
        {"book save",
         [](Program& p) {
             p.home.WriteBook("1 1 1\n");
             p.dlg.Run(Action::BookFileChanged);
         },
         [](Program& p) {
             TypeStart(p, {2, 2, 2});
             p.dlg.Run(Action::BookSave);
         },
         [](const Program& p) { return p.home.BookFile(); },
         [](const Program& p) {
             EXPECT_EQ(p.home.BookText(), "1 1 1\n");
             EXPECT_EQ(Entries(p), std::vector<std::string>{"1:1:1"});
         }},
        {"book delete",
         [](Program& p) {
             p.home.WriteBook("1 1 1\n2 2 2\n");
             p.dlg.Run(Action::BookFileChanged);
         },
         [](Program& p) {
             p.form.SelectListItem(C::BookList, 0);
             p.dlg.Run(Action::BookDelete);
         },
         [](const Program& p) { return p.home.BookFile(); },
         [](const Program& p) {
             EXPECT_EQ(p.home.BookText(), "1 1 1\n2 2 2\n");
             EXPECT_EQ(Entries(p), (std::vector<std::string>{"1:1:1", "2:2:2"}));
         }},
        {"language choice", [](Program& p) { p.home.Write(kLanguageSaveFile, "3"); },
         [](Program& p) {
             p.form.QueueLanguageAnswer({true, {5}});  // French
             p.dlg.Run(Action::ChooseLanguage);
         },
         [](const Program& p) { return p.home / kLanguageSaveFile; },
         [](const Program& p) { EXPECT_EQ(p.home.Read(kLanguageSaveFile), "3"); }},
        {"remember attack", [](Program& p) { SimulateLaunchers(p); },
         [](Program& p) { p.dlg.Run(Action::RememberAttack); },
         [](const Program& p) { return DialogProbe::Plan(p.dlg).File(); },
         [](const Program& p) {
             EXPECT_EQ(ReadWholeFile(DialogProbe::Plan(p.dlg).File()).value_or(""), "")
                 << "no record, not even a part";
             EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 1);
             EXPECT_TRUE(DialogProbe::Strike(p.dlg).Last().resultValid) << "the survivors are not taken yet";
         }},
        {"undo of a record",
         [](Program& p) {
             for (int i = 0; i < 2; ++i) SimulateLaunchers(p), p.dlg.Run(Action::RememberAttack);
         },
         [](Program& p) { p.dlg.Run(Action::Undo); },
         [](const Program& p) { return DialogProbe::Plan(p.dlg).File(); },
         [](const Program& p) {
             EXPECT_NE(ReadWholeFile(DialogProbe::Plan(p.dlg).File()).value_or("").find("\n2. "),
                       std::string::npos);
         }},
        {"export",
         [](Program& p) {
             SimulateLaunchers(p);
             p.dlg.Run(Action::RememberAttack);
             p.home.Write("plan.txt", "the old export");
         },
         [](Program& p) { ExportTo(p, "plan.txt"); }, [](const Program& p) { return p.home / "plan.txt"; },
         [](const Program& p) {
             EXPECT_EQ(p.home.Read("plan.txt"), "the old export");
             EXPECT_TRUE(std::filesystem::exists(DialogProbe::Plan(p.dlg).File()))
                 << "the plan waits for another try";
         }},
        // The chart as the window renders it, in its two formats.
        ChartExport("chart png", "curve.png", std::string("\x89PNG\r\n\x1a\n", 8)),
        ChartExport("chart svg", "curve.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"),
    };
    return writers;
}

TEST(FailingWrites, EveryWriterSaysWhyAndKeepsTheStateItHad) {
    for (const auto& [fault, reason] :
         {std::pair{ENOSPC, "the disk is full"}, std::pair{EACCES, "permission denied"}}) {
        for (const Writer& writer : Writers()) {
            SCOPED_TRACE(std::string(writer.name) + ", " + reason);
            Program p;
            writer.prepare(p);
            p.form.ClearEvents();
            {
                const ScopedWriteFault failing(fault);
                writer.act(p);
            }
            const std::vector<MemoryForm::Event> errors = Errors(p);
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_EQ(errors[0].text, writer.file(p).string() + " could not be saved: " + reason + ".");
            writer.unchanged(p);
        }
    }
}

// Every record failed to be stored: the save leaves the player's file as it was and says why.
TEST(FailingWrites, AnEmptyPlanNeverReplacesAnExport) {
    Program p;
    p.home.Write("plan.txt", "the old export");
    SimulateLaunchers(p);
    {
        const ScopedWriteFault full(ENOSPC);
        p.dlg.Run(Action::RememberAttack);
        p.dlg.Run(Action::RememberAttack);
    }
    ExportTo(p, "plan.txt");
    EXPECT_EQ(p.home.Read("plan.txt"), "the old export");
    ASSERT_EQ(Errors(p).size(), 3u);
    EXPECT_EQ(Errors(p)[2].text, p.dlg.Texts().msgNothingToSave);
}

// A disk that fills up while a plan is open: the half-written record is taken back out.
TEST(FailingWrites, ARecordThatDoesNotFitLeavesTheEarlierOnesWhole) {
    Program p;
    SimulateLaunchers(p);
    p.dlg.Run(Action::RememberAttack);
    const std::optional<std::string> before = ReadWholeFile(DialogProbe::Plan(p.dlg).File());
    SimulateLaunchers(p);
    p.form.ClearEvents();
    {
        const ScopedWriteFault full(ENOSPC);
        p.dlg.Run(Action::RememberAttack);
    }
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(ReadWholeFile(DialogProbe::Plan(p.dlg).File()), before);
    EXPECT_EQ(DialogProbe::Plan(p.dlg).State().attackNumber, 2);
    // Once there is room again, the same attack is recorded as number 2.
    p.dlg.Run(Action::RememberAttack);
    EXPECT_TRUE(ReadWholeFile(DialogProbe::Plan(p.dlg).File()).value_or("").find("2. ") != std::string::npos);
}

// ---- Rewrites keep what the player set up ---------------------------------------------------------

unsigned Mode(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// The book and the saved choice live elsewhere, linked into data/ with mode 0600: saving, deleting
// and choosing a language update the real files and leave links and modes as they were.
TEST(KeptSetUp, BookAndChoiceAreWrittenThroughLinksAndKeepTheirMode) {
    Program p;
    p.home.Write("elsewhere/book.dat", "1 1 1\n");
    p.home.Write("elsewhere/choice.dat", "0");
    for (const char* name : {"elsewhere/book.dat", "elsewhere/choice.dat"})
        ASSERT_EQ(::chmod((p.home / name).c_str(), 0600), 0);
    std::filesystem::create_symlink("../elsewhere/book.dat", p.home.BookFile());
    std::filesystem::create_symlink(p.home / "elsewhere/choice.dat", p.home / kLanguageSaveFile);
    p.dlg.Run(Action::BookFileChanged);
    TypeStart(p, {2, 2, 2});
    p.dlg.Run(Action::BookSave);
    p.form.SelectListItem(C::BookList, 0);
    p.dlg.Run(Action::BookDelete);
    p.form.QueueLanguageAnswer({true, {3}});
    p.dlg.Run(Action::ChooseLanguage);
    EXPECT_TRUE(Errors(p).empty());
    EXPECT_EQ(p.home.Read("elsewhere/book.dat"), "2 2 2\n");
    EXPECT_EQ(p.home.Read("elsewhere/choice.dat"), "3");
    EXPECT_TRUE(std::filesystem::is_symlink(p.home.BookFile()));
    EXPECT_TRUE(std::filesystem::is_symlink(p.home / kLanguageSaveFile));
    EXPECT_EQ(Mode(p.home / "elsewhere/book.dat"), 0600u);
    EXPECT_EQ(Mode(p.home / "elsewhere/choice.dat"), 0600u);
}

TEST(KeptSetUp, AReadOnlyChoiceIsLeftAloneLikeAReadOnlyBook) {
    Program p;
    p.home.Write(kLanguageSaveFile, "0");
    std::filesystem::permissions(p.home / kDataFolder, std::filesystem::perms::all);
    ASSERT_EQ(::chmod((p.home / kLanguageSaveFile).c_str(), 0444), 0);
    testing::RunWithFilePermissions(p.home, [&] {
        p.form.ClearEvents();
        p.form.QueueLanguageAnswer({true, {3}});
        p.dlg.Run(Action::ChooseLanguage);
        EXPECT_EQ(p.home.Read(kLanguageSaveFile), "0");
        ASSERT_EQ(Errors(p).size(), 1u);
        EXPECT_EQ(Errors(p)[0].text,
                  (p.home / kLanguageSaveFile).string() + " could not be saved: permission denied.");
    });
}

// ---- Two windows on one data folder --------------------------------------------------------------

TEST(TwoWindows, ADeleteTakesTheEntryAsShownWhereverItIsNow) {
    Program first;
    first.home.WriteBook(BookText({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}));
    first.dlg.Run(Action::BookFileChanged);
    MemoryForm secondForm;
    CSimulatorDlg second(secondForm, first.home.Path());
    second.OnMainWindowInit();

    // The second window deletes 1:1:1; the first one's list still shows it.
    secondForm.SelectListItem(C::BookList, 0);
    second.Run(Action::BookDelete);
    EXPECT_EQ(Entries(first), (std::vector<std::string>{"1:1:1", "2:2:2", "3:3:3"}));

    // Entry 1 as shown is 2:2:2, now record 0 of the file: that one goes, 3:3:3 stays.
    first.form.SelectListItem(C::BookList, 1);
    first.dlg.Run(Action::BookDelete);
    EXPECT_EQ(first.home.BookText(), BookText({{3, 3, 3}}));
    // The entry the other window deleted already deletes nothing, and the list shows the file.
    first.form.SelectListItem(C::BookList, 0);
    first.dlg.Run(Action::BookFileChanged);
    second.Run(Action::BookFileChanged);
    secondForm.SelectListItem(C::BookList, 0);
    first.home.WriteBook(BookText({{4, 4, 4}}));
    second.Run(Action::BookDelete);
    EXPECT_EQ(first.home.BookText(), BookText({{4, 4, 4}}));
    EXPECT_EQ(secondForm.GetList(C::BookList).entries, std::vector<std::string>{"4:4:4"});
    EXPECT_TRUE(Errors(first).empty());
}

TEST(TwoWindows, ASaveAppendsToTheBookAsItIsOnDisk) {
    Program first;
    MemoryForm secondForm;
    CSimulatorDlg second(secondForm, first.home.Path());
    second.OnMainWindowInit();
    TypeStart(first, {1, 1, 1});
    first.dlg.Run(Action::BookSave);
    secondForm.SetText(C::StartGalaxyInput, "2");
    secondForm.SetText(C::StartSystemInput, "2");
    secondForm.SetText(C::StartPlanetInput, "2");
    second.Run(Action::BookSave);
    EXPECT_EQ(first.home.BookText(), BookText({{1, 1, 1}, {2, 2, 2}}));
}

TEST(TwoWindows, AChangedFileRefreshesTheListAndKeepsTheSelectedPosition) {
    Program p;
    p.home.WriteBook(BookText({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}));
    p.dlg.Run(Action::BookFileChanged);
    p.form.SelectListItem(C::BookList, 2);
    p.home.WriteBook(BookText({{2, 2, 2}, {3, 3, 3}, {5, 5, 5}}));
    p.dlg.Run(Action::BookFileChanged);
    EXPECT_EQ(Entries(p), (std::vector<std::string>{"2:2:2", "3:3:3", "5:5:5"}));
    EXPECT_EQ(p.form.GetSelection(C::BookList), 1);
    p.home.WriteBook(BookText({{7, 7, 7}}));
    p.dlg.Run(Action::BookFileChanged);
    EXPECT_EQ(p.form.GetSelection(C::BookList), 0) << "a position that is gone selects the first entry";
}

TEST(PlanFiles, EachWindowHasItsOwnAndStartUpRemovesOnlyUnlockedEmptyOnes) {
    Program p;
    const std::filesystem::path shared = p.home / kPlanFile;
    const std::filesystem::path folder = shared.parent_path();
    // Held by a running window (the lock), left by a gone one, and names that are not the program's.
    const int held = OpenLockedFile(folder / "IRakAttackPlan-1-0123abcd.tmp", O_WRONLY | O_CREAT, nullptr);
    ASSERT_GE(held, 0);
    const std::string kept[] = {"IRakAttackPlan.tmp", "IRakAttackPlan-1.tmp", "IRakAttackPlan-7-0123abcX.tmp",
                                "notes-1-0123abcd.tmp"};
    const std::string removed[] = {"IRakAttackPlan-1-fedcba98.tmp", "IRakAttackPlan-31999-00000000.tmp"};
    for (const std::string& name : kept) p.home.Write("data/" + name, "x");
    for (const std::string& name : removed) p.home.Write("data/" + name, "");
    MemoryForm form;
    CSimulatorDlg again(form, p.home.Path());
    again.OnMainWindowInit();
    EXPECT_NE(DialogProbe::Plan(again).File(), DialogProbe::Plan(p.dlg).File())
        << "two windows of one process id";
    for (const std::string& name : kept) EXPECT_TRUE(p.home.Exists("data/" + name)) << name;
    for (const std::string& name : removed) EXPECT_FALSE(p.home.Exists("data/" + name)) << name;
    EXPECT_TRUE(p.home.Exists("data/IRakAttackPlan-1-0123abcd.tmp")) << "its window still runs";
    ::close(held);
}

// ---- A disk that is really full ------------------------------------------------------------------

// Needs root and a mountable tmpfs; runs in a child with its own mount namespace, so the mount
// never outlives the test.
TEST(FullDisk, BookSaveAndExportSayDiskFullAndKeepTheirFiles) {
    if (::geteuid() != 0) GTEST_SKIP() << "the full-disk test mounts a tmpfs and needs root";
    testing::TestHome home;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string data = (home / "data").string();
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", data.c_str(), "tmpfs", 0, "size=16k") != 0) {
            ::_exit(77);
        }
        // Separate scope: the program's files must close before the child ends.
        {
            home.WriteShortNumberedLanguage();
            home.WriteBook("1 1 1\n");
            MemoryForm form;
            CSimulatorDlg dlg(form, home.Path());
            dlg.OnMainWindowInit();
            // A recorded plan and an earlier export on the same disk.
            form.SetText(C::RocketLauncherInput, "100");
            form.SetText(C::MissileInput, "10");
            dlg.Run(Action::Simulate);
            dlg.Run(Action::RememberAttack);
            home.Write("data/export.txt", "the old export");
            // Fill the disk up to the last byte.
            {
                FILE* filler = std::fopen((data + "/filler").c_str(), "w");
                std::string block(1024, 'f');
                while (filler && std::fwrite(block.data(), 1, 1, filler) == 1 && std::fflush(filler) == 0) {
                }
                if (filler) std::fclose(filler);
            }
            form.SetText(C::StartGalaxyInput, "2");
            form.SetText(C::StartSystemInput, "2");
            form.SetText(C::StartPlanetInput, "2");
            dlg.Run(Action::BookSave);
            form.QueueSaveAnswer(data + "/export.txt");
            dlg.Run(Action::SavePlan);
            const bool kept = home.BookText() == "1 1 1\n" && form.GetList(C::BookList).entries.size() == 1 &&
                              home.Read("data/export.txt") == "the old export";
            int toldDiskFull = 0;
            for (const MemoryForm::Event& event : form.Events()) {
                if (event.kind == "error" && event.text.ends_with(": the disk is full.")) ++toldDiskFull;
            }
            if (!kept || toldDiskFull != 2) ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no 16 KiB tmpfs can be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "on the full disk, the book save or the export did not say 'disk full' "
           "or changed their file";
}

}  // namespace
}  // namespace quorvel
