#include <cstdio>
#include <string>
#include <vector>

#include "ui/simulator_app.h"
#include "ui/start_options.h"

int main(int argc, char** argv) {
    // The command line is checked, and --help and --version answer, without a display: before the
    // application object exists.
    std::string problem;
    const std::optional<quorvel::StartOptions> options =
        quorvel::ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc), &problem);
    if (!options) {
        std::fprintf(stderr, "quorvel: %s\n%s\n", problem.c_str(), quorvel::kStartUsage);
        return 2;
    }
    if (quorvel::PrintStartInformation(*options)) return 0;
    quorvel::CSimulatorApp app(argc, argv);
    return app.StartApplication();
}
