#pragma once

#include <QApplication>
#include <thread>

namespace quorvel {

// The application object: reads the command line, runs the main window modally and ends the
// program when it closes.
class CSimulatorApp {
public:
    CSimulatorApp(int& argc, char** argv);

    ~CSimulatorApp();

    // The program's exit status: 0 once the main window has closed, 2 for a bad command line.
    int StartApplication();

private:
    // The font configuration, read on a second thread while the application object connects to
    // the display: the window's first caption needs it, and it is the largest single part of a
    // start (the system's configuration files). Started before m_app.
    std::thread m_fontConfiguration;
    QApplication m_app;
};

}  // namespace quorvel
