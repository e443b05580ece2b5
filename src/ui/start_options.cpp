#include "ui/start_options.h"

#include <cstdio>
#include <string_view>

#include "app/program_folders.h"

namespace quorvel {

namespace {

// Options QApplication takes out of the command line itself, with one or two dashes; the first
// group takes the next argument as its value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",           "title",         "name"};
constexpr std::string_view kQtFlags[] = {"reverse", "nograb", "dograb", "widgetcount", "testability"};

// How many arguments a Qt option at arguments[i] takes up; 0 when it is none.
std::size_t QtOptionLength(const std::vector<std::string>& arguments, std::size_t i) {
    std::string_view name = arguments[i];
    if (!name.starts_with('-')) return 0;
    name.remove_prefix(name.starts_with("--") ? 2 : 1);
    if (name.starts_with("qmljsdebugger=")) return 1;
    for (std::string_view flag : kQtFlags) {
        if (name == flag) return 1;
    }
    for (std::string_view option : kQtOptionsWithValue) {
        if (name == option) return i + 1 < arguments.size() ? 2 : 0;
        if (name.starts_with(option) && name.substr(option.size()).starts_with('=')) return 1;
    }
    return 0;
}

}  // namespace

std::optional<StartOptions> ParseStartOptions(const std::vector<std::string>& arguments,
                                              std::string* problem) {
    StartOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--startup-check") {
            options.startupCheck = true;
        } else if (arguments[i] == "--check-chart") {
            options.checkChart = true;
        } else if (const std::size_t qt = QtOptionLength(arguments, i); qt > 0) {
            i += qt - 1;
        } else if (!TakeCommonOption(arguments, i, options)) {
            if (problem) *problem = OptionProblem(arguments[i]);
            return std::nullopt;
        }
    }
    return options;
}

bool PrintStartInformation(const StartOptions& options) {
    std::string text;
    if (options.help) {
        text = HelpText(
            kStartUsage,
            "Quorvel: what interplanetary missiles destroy of a planet's defences, and what it costs.",
            "  --startup-check  show the window and quit once it is ready\n"
            "  --check-chart    as --startup-check, opening the loss curve window before quitting\n",
            options.home);
    } else if (options.version) {
        text = VersionText("quorvel");
    } else {
        return false;
    }
    std::fputs(text.c_str(), stdout);
    return true;
}

}  // namespace quorvel
