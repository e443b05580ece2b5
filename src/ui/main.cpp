#include "ui/simulator_app.h"

int main(int argc, char** argv) {
    quorvel::CSimulatorApp app(argc, argv);
    return app.StartApplication();
}
