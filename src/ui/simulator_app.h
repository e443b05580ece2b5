#pragma once

#include <QApplication>

namespace quorvel {

// The application object: reads the command line, runs the main window modally and ends the
// program when it closes.
class CSimulatorApp {
public:
    CSimulatorApp(int& argc, char** argv);

    // The program's exit status: 0 once the main window has closed, 2 for a bad command line.
    int StartApplication();

private:
    QApplication m_app;
};

}  // namespace quorvel
