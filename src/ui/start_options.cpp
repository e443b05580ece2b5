#include "ui/start_options.h"

#include <cstdio>

#include "app/program_folders.h"

namespace quorvel {

std::optional<StartOptions> ParseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--startup-check") {
            options.startupCheck = true;
        } else if (!TakeCommonOption(arguments, i, options)) {
            return std::nullopt;
        }
    }
    return options;
}

bool PrintStartInformation(const StartOptions& options) {
    std::string text;
    if (options.help) {
        text = HelpText(kStartUsage,
                        "Quorvel: what interplanetary missiles destroy of a planet's defences, and what it costs.",
                        "  --startup-check  show the window and quit once it is ready\n", options.home);
    } else if (options.version) {
        text = VersionText("quorvel");
    } else {
        return false;
    }
    std::fputs(text.c_str(), stdout);
    return true;
}

}  // namespace quorvel
