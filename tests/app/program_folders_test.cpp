// Where the program finds its language files and keeps the player's files: portable, installed
// and --home, decided from the layout around the executable and the environment.

#include "app/program_folders.h"

#include <gtest/gtest.h>

#include "app/program_files.h"
#include "app/version.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

using testing::TestHome;
namespace fs = std::filesystem;

// An installed prefix (bin/ and share/quorvel/languages/) and a build folder (bin/ with languages/
// and data/) side by side in one temporary folder.
struct Layouts {
    TestHome root;
    fs::path installedBin = root / "usr/bin";
    fs::path installedLanguages = root / "usr/share/quorvel/languages";
    fs::path buildBin = root / "build/bin";

    Layouts() {
        fs::create_directories(installedBin);
        fs::create_directories(installedLanguages);
        fs::create_directories(buildBin / "languages");
        fs::create_directories(buildBin / "data");
    }
};

TEST(ProgramFolders, ABuildFolderIsPortable) {
    Layouts l;
    const ProgramFolders f = DecideProgramFolders("", {l.buildBin, "/xdg", "/home/p"});
    EXPECT_EQ(f.mode, FolderMode::Portable);
    EXPECT_EQ(f.languageFolders, std::vector<fs::path>{l.buildBin / "languages"});
    EXPECT_EQ(f.dataFolder, l.buildBin / "data");
    EXPECT_EQ(f.workingFolder, l.buildBin);
}

TEST(ProgramFolders, AnInstalledPrefixKeepsThePlayersFilesInTheXdgDataFolder) {
    Layouts l;
    struct Case {
        const char* name;
        std::string xdgDataHome;
        fs::path player;
    };
    for (const Case& c :
         {Case{"set", "/xdg", "/xdg/quorvel"}, Case{"unset", "", "/home/p/.local/share/quorvel"},
          Case{"relative, so ignored", "xdg", "/home/p/.local/share/quorvel"}}) {
        SCOPED_TRACE(c.name);
        const ProgramFolders f = DecideProgramFolders("", {l.installedBin, c.xdgDataHome, "/home/p"});
        EXPECT_EQ(f.mode, FolderMode::Installed);
        EXPECT_EQ(f.languageFolders, (std::vector<fs::path>{c.player / "languages", l.installedLanguages}));
        EXPECT_EQ(f.dataFolder, c.player);
        EXPECT_EQ(f.workingFolder, c.player);
    }
}

// A relative home folder is ignored as a relative XDG folder is; the start says what it does instead.
TEST(ProgramFolders, ARelativeHomeIsIgnoredAndTheStartSaysWhere) {
    Layouts l;
    const ProgramFolders none = DecideProgramFolders("", {l.installedBin, "", "relhome", ""});
    EXPECT_EQ(none.Resolve(kLanguageSaveFile), fs::path()) << "never relative to the working folder";
    EXPECT_EQ(FolderNotice(none, {l.installedBin, "", "relhome", ""}),
              "HOME (relhome) is not an absolute path and was ignored; there is no folder for the player's "
              "files: use --home DIR");
    const FolderEnvironment account{l.installedBin, "", "/home/p", "/gone"};
    EXPECT_EQ(FolderNotice(DecideProgramFolders("", account), account),
              "HOME (/gone) is no folder and was ignored; the player's files are kept in "
              "/home/p/.local/share/quorvel");
    const FolderEnvironment xdg{l.installedBin, "/xdg", "", "relhome"};
    EXPECT_EQ(FolderNotice(DecideProgramFolders("", xdg), xdg), "") << "the home plays no part";
}

TEST(ProgramFolders, ABuildFolderWithoutDataIsNotPortable) {
    Layouts l;
    fs::remove(l.buildBin / "data");
    EXPECT_EQ(DecideProgramFolders("", {l.buildBin, "/xdg", "/home/p"}).mode, FolderMode::Installed);
}

TEST(ProgramFolders, HomeOverridesBothModesAndIsMadeAbsolute) {
    Layouts l;
    for (const fs::path& bin : {l.buildBin, l.installedBin}) {
        const ProgramFolders f = DecideProgramFolders("own", {bin, "/xdg", "/home/p"});
        const fs::path own = fs::current_path() / "own";
        EXPECT_EQ(f.mode, FolderMode::Home);
        EXPECT_EQ(f.languageFolders, std::vector<fs::path>{own / "languages"});
        EXPECT_EQ(f.dataFolder, own / "data");
    }
}

TEST(ProgramFolders, TheChartModuleIsBesideTheExecutableElseInTheInstalledLibraryFolder) {
    Layouts l;
    const fs::path file(kChartModuleFile);
    l.root.Write("build/bin/" + file.string(), "");
    EXPECT_EQ(ChartModuleFile(l.buildBin), l.buildBin / file);
    const fs::path installed = ChartModuleFile(l.installedBin);
    EXPECT_EQ(installed.parent_path().filename(), "quorvel");
    EXPECT_TRUE(installed.string().starts_with((l.root / "usr/lib/").string())) << installed;
}

TEST(ProgramFolders, ResolvesPlayersFilesAndTakesThePlayersLanguageFileFirst) {
    TestHome h;
    const ProgramFolders f{
        FolderMode::Installed, {h / "player/languages", h / "share/languages"}, h / "player", h / "player"};
    h.Write("share/languages/eng_lang.dat", "installed");
    h.Write("share/languages/ger_lang.dat", "installed");
    h.Write("player/languages/ger_lang.dat", "player's");

    EXPECT_EQ(f.Resolve("data/QuorvelData.dat"), h / "player/QuorvelData.dat");
    EXPECT_EQ(f.Resolve("languages/ger_lang.dat"), h / "player/languages/ger_lang.dat");
    EXPECT_EQ(f.Resolve("languages/eng_lang.dat"), h / "share/languages/eng_lang.dat");
    EXPECT_EQ(f.Resolve("languages/nl_lang.dat"), h / "share/languages/nl_lang.dat");
    EXPECT_EQ(f.Resolve("/elsewhere/x.dat"), "/elsewhere/x.dat");
}

}  // namespace
}  // namespace quorvel
