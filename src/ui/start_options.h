#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The command line of the window executable.
struct StartOptions {
    // The folder holding languages/ and data/; empty: the folder of the executable.
    std::filesystem::path home;
    // Start as usual, show the window, and quit as soon as the event loop is first idle.
    bool startupCheck = false;
    // Print the help or the version and end.
    bool help = false;
    bool version = false;
};

// Arguments after the program name; nothing when one is not understood.
std::optional<StartOptions> ParseStartOptions(const std::vector<std::string>& arguments);

inline constexpr const char* kStartUsage = "Usage: quorvel [--home DIR] [--startup-check] [--help] [--version]";

// For --help or --version: prints the text to standard output and gives true. False otherwise.
bool PrintStartInformation(const StartOptions& options);

}  // namespace quorvel
