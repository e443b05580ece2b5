// quorvel-batch [--home DIR] [SCRIPT]: the program without a window, driven by a script of commands
// (from SCRIPT or standard input) that prints what the window would show.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>
#include <system_error>

#include "batch/batch_runner.h"

namespace {

constexpr std::string_view kUsage = "usage: quorvel-batch [--home DIR] [SCRIPT]";

// The folder of the running executable; the working folder if the system does not tell.
std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return executable.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> home;
    std::optional<std::filesystem::path> scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--home" && i + 1 < argc && !home) {
            home = argv[++i];
        } else if (!argument.starts_with("--") && !scriptPath) {
            scriptPath = argument;
        } else {
            std::cerr << kUsage << '\n';
            return quorvel::kBatchScriptError;
        }
    }

    // Both paths are taken relative to the folder the batch was started in: the start-up moves the
    // working folder to the home folder.
    std::error_code error;
    const std::filesystem::path homeFolder =
        home ? std::filesystem::absolute(*home, error) : ExecutableFolder();
    if (error) {
        std::cerr << "quorvel-batch: cannot use home folder " << *home << '\n';
        return quorvel::kBatchScriptError;
    }
    std::ifstream scriptFile;
    if (scriptPath) {
        scriptFile.open(*scriptPath);
        if (!scriptFile) {
            std::cerr << "quorvel-batch: cannot read " << *scriptPath << '\n';
            return quorvel::kBatchScriptError;
        }
    }
    return quorvel::RunBatchScript(scriptPath ? scriptFile : std::cin, homeFolder, std::cout, std::cerr);
}
