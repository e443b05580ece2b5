// quorvel-batch [--home DIR] [SCRIPT]: the program without a window, driven by a script of commands
// (from SCRIPT or standard input) that prints what the window would show.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

#include "app/program_folders.h"
#include "batch/batch_runner.h"

namespace {

constexpr std::string_view kUsage = "Usage: quorvel-batch [--home DIR] [--help] [--version] [SCRIPT]";

constexpr std::string_view kHelp =
    "Runs Quorvel without a window: one command a line from SCRIPT, or from standard input.\n"
    "\n"
    "Options:\n"
    "  --home DIR   read languages from DIR/languages, keep the player's files in DIR/data\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n";

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> home;
    std::optional<std::filesystem::path> scriptPath;
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--home" && i + 1 < argc && !home) {
            home = argv[++i];
        } else if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (!argument.starts_with("--") && !scriptPath) {
            scriptPath = argument;
        } else {
            std::cerr << kUsage << '\n';
            return quorvel::kBatchScriptError;
        }
    }
    if (help) {
        std::cout << kUsage << '\n'
                  << kHelp
                  << quorvel::FoldersHelpText(quorvel::DecideProgramFolders(
                         home.value_or(""), quorvel::CurrentFolderEnvironment()));
        return 0;
    }
    if (version) {
        std::cout << quorvel::VersionText("quorvel-batch");
        return 0;
    }

    // The script path is taken relative to the folder the batch was started in: the start-up moves
    // the working folder.
    std::ifstream scriptFile;
    if (scriptPath) {
        scriptFile.open(*scriptPath);
        if (!scriptFile) {
            std::cerr << "quorvel-batch: cannot read " << *scriptPath << '\n';
            return quorvel::kBatchScriptError;
        }
    }
    return quorvel::RunBatchScript(scriptPath ? scriptFile : std::cin,
                                   quorvel::StartProgramFolders(home.value_or("")), std::cout, std::cerr);
}
