// Simulate on the real main window as a player presses it: the handler, the cells it fills, the
// window growing to them and the repaint of the whole window, on the offscreen platform. Prints
// the median and the worst time of ordinary and of extreme inputs; a press should never take a
// frame (16 ms).
//
//   build/default/bin/window_bench [PRESSES]

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/control_table.h"
#include "app/simulator_dialog.h"
#include "ui/quorvel_window.h"

using namespace quorvel;

namespace {

struct Inputs {
    const char* name;
    const char* counts;       // every defence count and the interceptors
    const char* levels;       // armour and weapons
    const char* missiles[2];  // alternated, so that every press changes the results
};

double PressMilliseconds(QuorvelWindow& window, QPushButton& simulate) {
    const auto start = std::chrono::steady_clock::now();
    simulate.click();
    window.repaint();  // paints synchronously, every child included
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

void Run(const Inputs& inputs, int presses, const QString& home) {
    QuorvelWindow window;
    CSimulatorDlg dlg(window, home.toStdString());
    window.Attach(dlg);
    dlg.OnMainWindowInit();
    window.show();
    QApplication::processEvents();
    auto* simulate = qobject_cast<QPushButton*>(window.Control(ControlId::SimulateButton));

    std::vector<double> times;
    for (int i = 0; i < presses; ++i) {
        for (ControlId id : kNumericInputs) window.SetText(id, inputs.counts);
        window.SetText(ControlId::ArmourInput, inputs.levels);
        window.SetText(ControlId::WeaponsInput, inputs.levels);
        window.SetText(ControlId::MissileInput, inputs.missiles[i % 2]);
        times.push_back(PressMilliseconds(window, *simulate));
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("%-10s presses %4d   median %7.3f ms   worst %7.3f ms\n", inputs.name, presses,
                times[times.size() / 2], times.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;

    // A home folder with the shipped language files and an empty data folder.
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("languages"));
    QDir(home.path()).mkpath(QStringLiteral("data"));
    const QDir shipped(QStringLiteral(QUORVEL_SOURCE_DIR "/languages"));
    for (const QString& name : shipped.entryList({QStringLiteral("*_lang.dat")}, QDir::Files)) {
        QFile::copy(shipped.filePath(name), home.filePath(QStringLiteral("languages/") + name));
    }

    const Inputs ordinary{"ordinary", "120", "10", {"25", "40"}};
    const Inputs extreme{"extreme", "2147483647", "2147483647", {"2147483647", "2147483646"}};
    Run(ordinary, presses, home.path());
    Run(extreme, presses, home.path());
    return 0;
}
