#include "ui/simulator_app.h"

#include <fontconfig/fontconfig.h>

#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "app/simulator_dialog.h"
#include "app/version.h"
#include "ui/book_file_watcher.h"
#include "ui/qt_text.h"
#include "ui/quorvel_window.h"
#include "ui/start_options.h"

namespace quorvel {
namespace {

std::vector<std::string> ProgramArguments() {
    // QApplication has already taken its own options (-platform and the like) out.
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(ToUtf8(all[i]));
    return arguments;
}

}  // namespace

CSimulatorApp::~CSimulatorApp() {
    if (m_fontConfiguration.joinable()) m_fontConfiguration.join();
}

CSimulatorApp::CSimulatorApp(int& argc, char** argv)
    // Qt reads the same configuration on the first text it measures; fontconfig keeps one for
    // the process, so the window takes this one.
    : m_fontConfiguration([] { FcInit(); }), m_app(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QString::fromUtf8(kVersion.data(), kVersion.size()));
    QApplication::setDesktopFileName(QString::fromUtf8(kApplicationId.data(), kApplicationId.size()));
    // The main window sets the program's icon once its native window exists (see its showEvent).
}

int CSimulatorApp::StartApplication() {
    const std::optional<StartOptions> options = ParseStartOptions(ProgramArguments());
    if (!options) {
        std::fprintf(stderr, "%s\n", kStartUsage);
        return 2;
    }
    if (PrintStartInformation(*options)) return 0;

    // Two threads reading the configuration at once would each read it whole.
    m_fontConfiguration.join();
    QuorvelWindow window;
    CSimulatorDlg dlg(window, StartProgramFolders(options->home));
    window.Attach(dlg);
    // Without a saved choice the window speaks the desktop's language; the batch stays English.
    dlg.OnMainWindowInit(ToUtf8(QLocale::system().name()));
    dlg.KeepSession();
    WatchBookFile(window, dlg);

    int status = 0;
    if (options->startupCheck || options->checkChart) {
        QTimer::singleShot(0, &window, [&window, &dlg, &status, checkChart = options->checkChart] {
            // What the start found: the working folder and the caption the language gave Simulate.
            std::printf("startup-check\t%s\t%s\n", dlg.Folders().workingFolder.string().c_str(),
                        window.GetText(ControlId::SimulateButton).c_str());
            if (std::string problem; checkChart && !window.OpenCurveWindow(&problem)) {
                std::fprintf(stderr, "quorvel: %s\n", problem.c_str());
                status = 1;
            } else if (checkChart) {
                std::printf("chart\t%s\n", window.ChartModule().string().c_str());
            }
            std::fflush(stdout);
            window.done(QDialog::Accepted);
        });
    }
    window.exec();
    dlg.Run(Action::SaveSession);
    return status;
}

}  // namespace quorvel
