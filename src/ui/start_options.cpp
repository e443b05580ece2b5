#include "ui/start_options.h"

#include <cstdio>

#include "app/program_folders.h"

namespace quorvel {

std::optional<StartOptions> ParseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    const std::string homePrefix = "--home=";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--startup-check") {
            options.startupCheck = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--home" && i + 1 < arguments.size() && !arguments[i + 1].empty()) {
            options.home = arguments[++i];
        } else if (argument.starts_with(homePrefix) && argument.size() > homePrefix.size()) {
            options.home = argument.substr(homePrefix.size());
        } else {
            return std::nullopt;
        }
    }
    return options;
}

bool PrintStartInformation(const StartOptions& options) {
    std::string text;
    if (options.help) {
        text = std::string(kStartUsage) +
               "\nQuorvel: what interplanetary missiles destroy of a planet's defences, and what it costs.\n"
               "\nOptions:\n"
               "  --home DIR       read languages from DIR/languages, keep the player's files in DIR/data\n"
               "  --startup-check  show the window and quit once it is ready\n"
               "  --help           show this help and exit\n"
               "  --version        show the version and exit\n\n";
        text += FoldersHelpText(DecideProgramFolders(options.home, CurrentFolderEnvironment()));
    } else if (options.version) {
        text = VersionText("quorvel");
    } else {
        return false;
    }
    std::fputs(text.c_str(), stdout);
    return true;
}

}  // namespace quorvel
