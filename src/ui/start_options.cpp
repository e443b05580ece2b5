#include "ui/start_options.h"

namespace quorvel {

std::optional<StartOptions> ParseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    const std::string homePrefix = "--home=";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--startup-check") {
            options.startupCheck = true;
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

}  // namespace quorvel
