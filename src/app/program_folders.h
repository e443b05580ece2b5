#pragma once

// Where the program reads its language files and keeps the player's files. Each executable decides
// this once at start-up and hands the result to the logic; nothing else knows which mode is in force.
//   portable:  the executable's folder holds languages/ and a writable data/ (build folder, copied bin/)
//   installed: languages from <prefix>/share/quorvel/languages, the player's files in
//              $XDG_DATA_HOME/quorvel (default ~/.local/share/quorvel), whose languages/ wins
//   --home DIR: DIR/languages and DIR/data, over both

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class FolderMode { Portable, Installed, Home };

struct ProgramFolders {
    FolderMode mode = FolderMode::Home;
    // Searched in order: the first folder holding a language file gives it.
    std::vector<std::filesystem::path> languageFolders;
    // The book, the saved language choice and the attack plan; empty when there is no folder for
    // them (no absolute home folder): then every such file resolves to an empty path, which no
    // file operation accepts.
    std::filesystem::path dataFolder;
    // The working folder of the running program: the one folder, or the player's folder.
    std::filesystem::path workingFolder;

    // languages/ and data/ side by side in one folder: the portable layout and --home.
    static ProgramFolders InOneFolder(const std::filesystem::path& home, FolderMode mode = FolderMode::Home);

    // A program file as the logic names it (kBookFile, a language file under kLanguageFolder) made
    // into the file to open. Absolute paths stay as they are.
    std::filesystem::path Resolve(const std::filesystem::path& relative) const;
};

// What the decision reads from the system, so that tests can set it.
struct FolderEnvironment {
    std::filesystem::path executableFolder;
    std::string xdgDataHome;       // empty when unset
    std::string userHome;          // $HOME, else the password database; only an absolute path is used
    std::string ignoredHome = {};  // a $HOME that was not taken: relative, or no folder
};

FolderEnvironment CurrentFolderEnvironment();

// The folder of the running executable (/proc/self/exe), else the working folder.
std::filesystem::path ExecutableFolder();

// The loss curve window's module: beside the executable (the build folder, a portable folder), else
// in the installed module folder. The window loads it on first open; it is the program's, so --home
// does not move it.
std::filesystem::path ChartModuleFile(const std::filesystem::path& executableFolder);

// home: the --home folder (made absolute against the working folder); empty when none was given.
ProgramFolders DecideProgramFolders(const std::filesystem::path& home, const FolderEnvironment& environment);

// What the start says about an ignored $HOME: where the player's files are kept instead, or that
// there is no folder for them. Empty when there is nothing to say.
std::string FolderNotice(const ProgramFolders& folders, const FolderEnvironment& environment);

// What an executable does once at start-up: decides for this process, prints the folder notice on
// standard error and, in the installed mode, creates the player's folder (if that fails, the first
// save says why).
ProgramFolders StartProgramFolders(const std::filesystem::path& home);

// The options both executables take: --home DIR (or --home=DIR), --help and --version.
struct CommonOptions {
    std::filesystem::path home;  // empty: no --home
    bool help = false;
    bool version = false;
};

// Takes arguments[i] into options when it is a common option, moving i past the folder that follows
// --home; false for any other argument (and for --home without a folder).
bool TakeCommonOption(const std::vector<std::string>& arguments, std::size_t& i, CommonOptions& options);

// What is wrong with arguments[i], which TakeCommonOption did not take: "--home needs a folder" or
// "unknown option: <argument>".
std::string OptionProblem(std::string_view argument);

// The --help text: the usage line, what the program does, its own options, the common options, and
// the mode and folders in force for that --home.
std::string HelpText(std::string_view usage, std::string_view purpose, std::string_view ownOptions,
                     const std::filesystem::path& home);

// The --version text of an executable.
std::string VersionText(std::string_view programName);

}  // namespace quorvel
