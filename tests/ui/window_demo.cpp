// Shows the main window after a simulation of the worked example and keeps it open for a while,
// for screenshots of the real window (docs/screenshot.png):
//   xvfb-run -s "-screen 0 1280x800x24" sh -c 'window_demo 4000 & sleep 3; import -window root shot.png'
// Arguments: how long to stay open in milliseconds (default 5000), an optional language index, and
// optionally "about" or "language" to open that dialog over the window, or "dark" for a dark palette.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "window_fixture.h"

using namespace quorvel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int holdMs = args.size() > 1 ? args[1].toInt() : 5000;

    if (args.size() > 3 && args[3] == QLatin1String("dark")) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
    }
    WindowFixture f;
    if (args.size() > 2) f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), args[2].toUtf8());
    f.WriteHomeFile(QStringLiteral("data/QuorvelData.dat"), "1 234 5\n");
    f.Start();
    f.Window().move(0, 0);
    f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
    f.Type(ControlId::LightLaserInput, QStringLiteral("10"));
    f.Type(ControlId::AbmInput, QStringLiteral("2"));
    f.Type(ControlId::MissileInput, QStringLiteral("10"));
    f.Click(ControlId::SimulateButton);
    QTimer::singleShot(holdMs, &app, &QApplication::quit);
    if (args.size() > 3 && (args[3] == QLatin1String("about") || args[3] == QLatin1String("language"))) {
        const ControlId button = args[3] == QLatin1String("about") ? ControlId{0} : ControlId::LanguageButton;
        QTimer::singleShot(0, &app, [&f, button] {
            if (button == ControlId::LanguageButton) {
                f.Click(button);
            } else {
                f.Dlg().OnShowAbout();
            }
        });
    }
    return app.exec();
}
