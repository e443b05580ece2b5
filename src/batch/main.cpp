// quorvel-batch [--home DIR] [SCRIPT]: the program without a window, driven by a script of commands
// (from SCRIPT or standard input) that prints what the window would show.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_folders.h"
#include "batch/batch_runner.h"

namespace {

constexpr std::string_view kUsage = "Usage: quorvel-batch [--home DIR] [--help] [--version] [SCRIPT]";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    quorvel::CommonOptions options;
    std::optional<std::filesystem::path> scriptPath;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (quorvel::TakeCommonOption(arguments, i, options)) continue;
        if (!arguments[i].starts_with("--") && !scriptPath) {
            scriptPath = arguments[i];
        } else {
            std::cerr << "quorvel-batch: " << quorvel::OptionProblem(arguments[i]) << '\n' << kUsage << '\n';
            return quorvel::kBatchScriptError;
        }
    }
    if (options.help) {
        std::cout << quorvel::HelpText(
            kUsage,
            "Runs Quorvel without a window: one command a line from SCRIPT, or from "
            "standard input.",
            "", options.home);
        return 0;
    }
    if (options.version) {
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
                                   quorvel::StartProgramFolders(options.home), std::cout, std::cerr);
}
