#include <string>
#include <vector>

#include "ui/simulator_app.h"
#include "ui/start_options.h"

int main(int argc, char** argv) {
    // --help and --version answer without a display: before the application object exists.
    const std::optional<quorvel::StartOptions> options =
        quorvel::ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options && quorvel::PrintStartInformation(*options)) return 0;
    quorvel::CSimulatorApp app(argc, argv);
    return app.StartApplication();
}
