#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/program_folders.h"

namespace quorvel {

// The command line of the window executable: the common options and --startup-check.
struct StartOptions : CommonOptions {
    // Start as usual, show the window, and quit as soon as the event loop is first idle.
    bool startupCheck = false;
    // As startupCheck, and the loss curve window is opened before quitting: the chart module must
    // load (status 1 and the reason on standard error when it does not).
    bool checkChart = false;
};

// Arguments after the program name; nothing when one is not understood, and then problem (when
// given) says which (OptionProblem). Qt's own options (-platform NAME, -style NAME and the like)
// are let through, so that the command line can be checked before anything needs a display.
std::optional<StartOptions> ParseStartOptions(const std::vector<std::string>& arguments,
                                              std::string* problem = nullptr);

inline constexpr const char* kStartUsage =
    "Usage: quorvel [--home DIR] [--startup-check] [--check-chart] [--help] [--version]";

// For --help or --version: prints the text to standard output and gives true. False otherwise.
bool PrintStartInformation(const StartOptions& options);

}  // namespace quorvel
