#include "app/program_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "app/program_files.h"
#include "app/version.h"
#include "i18n/language_table.h"

namespace quorvel {
namespace {

constexpr std::string_view kPlayerFolderName = "quorvel";

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

// $XDG_DATA_HOME when it is an absolute path (as the XDG base directory rules ask), else
// ~/.local/share for an absolute home folder; nothing without one.
std::filesystem::path UserDataHome(const FolderEnvironment& environment) {
    const std::filesystem::path xdg = environment.xdgDataHome;
    if (xdg.is_absolute()) return xdg;
    const std::filesystem::path home = environment.userHome;
    if (home.is_absolute()) return home / ".local" / "share";
    return {};
}

std::string_view ModeName(FolderMode mode) {
    switch (mode) {
        case FolderMode::Portable:
            return "portable (files beside the executable)";
        case FolderMode::Installed:
            return "installed (player's files in the XDG data folder)";
        case FolderMode::Home:
            return "--home";
    }
    return "";
}

}  // namespace

ProgramFolders ProgramFolders::InOneFolder(const std::filesystem::path& home, FolderMode mode) {
    return ProgramFolders{mode, {home / kLanguageFolder}, home / kDataFolder, home};
}

std::filesystem::path ProgramFolders::Resolve(const std::filesystem::path& relative) const {
    if (relative.is_absolute() || relative.empty()) return relative;
    auto part = relative.begin();
    const std::filesystem::path first = *part;
    std::filesystem::path rest;
    for (++part; part != relative.end(); ++part) rest /= *part;
    if (first == kLanguageFolder && !rest.empty()) return FindLanguageFile(languageFolders, rest);
    if (dataFolder.empty()) return {};
    if (first == kDataFolder) return dataFolder / rest;
    return dataFolder / relative;
}

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::filesystem::path ChartModuleFile(const std::filesystem::path& executableFolder) {
    const std::filesystem::path file(kChartModuleFile);
    const std::filesystem::path beside = executableFolder / file;
    std::error_code ignored;
    if (std::filesystem::exists(beside, ignored)) return beside;
    return (executableFolder / std::filesystem::path(kInstalledModulesFromBin) / file).lexically_normal();
}

FolderEnvironment CurrentFolderEnvironment() {
    FolderEnvironment environment;
    environment.executableFolder = ExecutableFolder();
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) environment.xdgDataHome = xdg;
    // A relative $HOME would move with the working folder, so it is ignored like a relative
    // $XDG_DATA_HOME; so is one that is no folder. The password database names the home instead.
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        if (std::filesystem::path(home).is_absolute() && IsFolder(home)) {
            environment.userHome = home;
        } else {
            environment.ignoredHome = home;
        }
    }
    if (environment.userHome.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
            environment.userHome = entry->pw_dir;
        }
    }
    return environment;
}

ProgramFolders DecideProgramFolders(const std::filesystem::path& home, const FolderEnvironment& environment) {
    if (!home.empty()) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(home, error);
        return ProgramFolders::InOneFolder(error ? home : absolute, FolderMode::Home);
    }

    const std::filesystem::path& bin = environment.executableFolder;
    const std::filesystem::path data = bin / kDataFolder;
    if (IsFolder(bin / kLanguageFolder) && IsFolder(data) && ::access(data.c_str(), W_OK) == 0) {
        return ProgramFolders::InOneFolder(bin, FolderMode::Portable);
    }

    const std::filesystem::path dataHome = UserDataHome(environment);
    const std::filesystem::path player = dataHome.empty() ? dataHome : dataHome / kPlayerFolderName;
    const std::filesystem::path installed =
        (bin / std::filesystem::path(kInstalledLanguagesFromBin)).lexically_normal();
    if (player.empty()) return ProgramFolders{FolderMode::Installed, {installed}, {}, {}};
    return ProgramFolders{FolderMode::Installed, {player / kLanguageFolder, installed}, player, player};
}

std::string FolderNotice(const ProgramFolders& folders, const FolderEnvironment& environment) {
    const bool homeUnused =
        !environment.ignoredHome.empty() ||
        (!environment.userHome.empty() && !std::filesystem::path(environment.userHome).is_absolute());
    // An absolute $XDG_DATA_HOME names the folder: the home plays no part then.
    if (folders.mode != FolderMode::Installed ||
        std::filesystem::path(environment.xdgDataHome).is_absolute() ||
        (!homeUnused && !folders.dataFolder.empty())) {
        return "";
    }
    const std::string home = environment.ignoredHome.empty() ? environment.userHome : environment.ignoredHome;
    std::string notice = "HOME (" + home + ") is " +
                         (std::filesystem::path(home).is_absolute() ? "no folder" : "not an absolute path") +
                         " and was ignored; ";
    if (folders.dataFolder.empty()) {
        return notice + "there is no folder for the player's files: use --home DIR";
    }
    return notice + "the player's files are kept in " + folders.dataFolder.string();
}

ProgramFolders StartProgramFolders(const std::filesystem::path& home) {
    const FolderEnvironment environment = CurrentFolderEnvironment();
    ProgramFolders folders = DecideProgramFolders(home, environment);
    if (const std::string notice = FolderNotice(folders, environment); !notice.empty()) {
        std::fprintf(stderr, "quorvel: %s\n", notice.c_str());
    }
    if (folders.mode == FolderMode::Installed && !folders.dataFolder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(folders.dataFolder, ignored);
    }
    return folders;
}

bool TakeCommonOption(const std::vector<std::string>& arguments, std::size_t& i, CommonOptions& options) {
    const std::string_view argument = arguments[i];
    constexpr std::string_view kHomeWithFolder = "--home=";
    if (argument == "--help") {
        options.help = true;
    } else if (argument == "--version") {
        options.version = true;
    } else if (argument == "--home" && i + 1 < arguments.size() && !arguments[i + 1].empty()) {
        options.home = arguments[++i];
    } else if (argument.starts_with(kHomeWithFolder) && argument.size() > kHomeWithFolder.size()) {
        options.home = argument.substr(kHomeWithFolder.size());
    } else {
        return false;
    }
    return true;
}

std::string OptionProblem(std::string_view argument) {
    if (argument == "--home" || argument == "--home=") return "--home needs a folder";
    return "unknown option: " + std::string(argument);
}

std::string HelpText(std::string_view usage, std::string_view purpose, std::string_view ownOptions,
                     const std::filesystem::path& home) {
    const ProgramFolders folders = DecideProgramFolders(home, CurrentFolderEnvironment());
    std::string text(usage);
    text += "\n";
    text += purpose;
    text += "\n\nOptions:\n";
    text += ownOptions;
    text +=
        "  --home DIR       read languages from DIR/languages, keep the player's files in DIR/data\n"
        "  --help           show this help and exit\n"
        "  --version        show the version and exit\n\n";
    text += "Mode: ";
    text += ModeName(folders.mode);
    text += "\nLanguage files (first found wins):\n";
    for (const std::filesystem::path& folder : folders.languageFolders) text += "  " + folder.string() + "\n";
    text += "Player's files (book, language choice, attack plan):\n  " + folders.dataFolder.string() + "\n";
    return text;
}

std::string VersionText(std::string_view programName) {
    std::string text(programName);
    text += " ";
    text += kVersion;
    text +=
        "\nLicense GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law.\n";
    return text;
}

}  // namespace quorvel
