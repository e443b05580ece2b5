// Shows the main window after a simulation of the worked example and keeps it open for a while,
// for screenshots of the real window (docs/screenshot.png):
//   xvfb-run -s "-screen 0 1280x800x24" sh -c 'window_demo 12000 & sleep 8; import -window root shot.png'
// Without a window manager the window never becomes active, and the fixture waits 5 s for that
// before it types: a screenshot taken earlier shows the empty window.
// Arguments: how long to stay open in milliseconds (default 5000), an optional language index, and
// optionally "about", "language", "save" or "error" to open that dialog over the window, "huge"
// to show the widest results the program produces, or "curve" ("hugecurve") to open the loss curve
// window beside it ("curvetable": its table), "undo-reset" to reset and undo the reset, "targets" to read a
// page of ten reports into the target list beside it ("targets1", "targets2": sorted by the resources per
// missile once or twice; "load": its second row loaded), "switch" to choose Polish in the language dialog, or
// "flight" ("flightbefore") to show a flight time (the coordinates typed, not yet calculated).
// QUORVEL_DEMO_DARK=1 shows a dark palette.

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/control_table.h"
#include "plan/target_table.h"
#include "ui/qt_text.h"
#include "ui/target_list_window.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

void ShowHugeResults(WindowFixture& f) {
    for (ControlId id : kNumericInputs) f.Type(id, QStringLiteral("2147483647"));
    f.Click(ControlId::SimulateButton);
    for (ControlId id : kNumericInputs) f.Type(id, QStringLiteral("2147483647"));
    f.Click(ControlId::RequiredMissilesButton);
    f.Click(ControlId::FlightTimeButton);
    f.Click(ControlId::RangeButton);
}

// Ten espionage reports of one page, in English, with a line of chat between two of them.
QString TenReports() {
    QString page;
    for (int k = 0; k < 10; ++k) {
        page += QStringLiteral("Resources at Colony %1 [1:%2:%3] (Player 'P%1')\n")
                    .arg(k)
                    .arg(200 + 17 * k)
                    .arg(4 + k);
        page += QStringLiteral("Rocket Launcher\t%1\tLight Laser\t%2\nHeavy Laser\t%3\tGauss Cannon\t%4\n")
                    .arg(150 * k * k + 40)
                    .arg(90 * k + 15)
                    .arg(12 * k)
                    .arg(3 * k);
        page +=
            QStringLiteral("Anti-Ballistic Missiles\t%1\nArmour Technology\t%2\n").arg(k * 7 % 30).arg(8 + k);
        if (k == 4) page += QStringLiteral("<Kartal> that one is mine, hands off\n");
    }
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIntValue("QUORVEL_DEMO_DARK") == 1) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(DarkPalette());
    }
    const QStringList args = QCoreApplication::arguments();
    const int holdMs = args.size() > 1 ? args[1].toInt() : 5000;
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
    const QString mode = args.size() > 3 ? args[3] : QString();
    if (mode == QLatin1String("huge")) {
        ShowHugeResults(f);
    } else if (mode.endsWith(QLatin1String("curve")) || mode == QLatin1String("curvetable")) {
        // The loss curve window beside the main window.
        if (mode == QLatin1String("hugecurve")) ShowHugeResults(f);
        // The window places itself beside the main window; "curvetable" shows its table,
        // "emptycurve" the chart after Reset all.
        if (mode == QLatin1String("emptycurve")) f.Click(ControlId::ResetAllButton);
        f.Click(ControlId::CurveButton);
        if (mode == QLatin1String("curvetable")) {
            if (auto* tabs = f.Window().findChild<QTabWidget*>()) tabs->setCurrentIndex(1);
        }
    } else if (mode.startsWith(QLatin1String("targets")) || mode == QLatin1String("load")) {
        f.Type(ControlId::WeaponsInput, QStringLiteral("12"));
        f.Type(ControlId::ImpulseDriveInput, QStringLiteral("10"));
        f.Window().SetText(ControlId::ReportText, ToUtf8(TenReports()));
        f.Click(ControlId::ReadReportButton);
        if (TargetListWindow* list = f.Window().TargetList()) {
            const QRect screen = f.Window().screen()->availableGeometry();
            list->move(screen.width() * 2 / 100, screen.height() * 40 / 100);
            // "targets1", "targets2": the per-missile heading clicked once or twice; "load": the
            // second row loaded.
            for (int sorts = mode.right(1).toInt(); sorts > 0; --sorts) {
                QHeaderView* header = list->Table()->horizontalHeader();
                const int left =
                    header->sectionViewportPosition(static_cast<int>(TargetColumn::ResourcesPerMissile));
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(left + 4, header->height() / 2));
            }
            if (mode == QLatin1String("load")) {
                list->Table()->setFocus();
                list->Table()->selectRow(1);
                QTest::keyClick(list->Table(), Qt::Key_Return);
                list->hide();
            }
        }
    } else if (mode == QLatin1String("switch")) {
        // Polish chosen in the language dialog over the worked example.
        QTimer::singleShot(0, &app, [&f] {
            f.WithNextModal([&f] { f.Click(ControlId::LanguageButton); },
                            [](QWidget& modal) {
                                auto* list = modal.findChild<QTreeWidget*>(QStringLiteral("languageList"));
                                list->setCurrentItem(list->topLevelItem(4));
                                modal.findChild<QPushButton*>(QStringLiteral("languageAccept"))->click();
                            });
        });
    } else if (mode.startsWith(QLatin1String("flight"))) {
        const std::pair<ControlId, const char*> coordinates[] = {
            {ControlId::StartGalaxyInput, "1"},   {ControlId::StartSystemInput, "234"},
            {ControlId::StartPlanetInput, "5"},   {ControlId::TargetGalaxyInput, "1"},
            {ControlId::TargetSystemInput, "40"}, {ControlId::TargetPlanetInput, "12"}};
        for (const auto& [id, text] : coordinates) f.Type(id, QString::fromLatin1(text));
        if (mode == QLatin1String("flight")) f.Click(ControlId::FlightTimeButton);
    } else if (mode == QLatin1String("undo-reset")) {
        f.Click(ControlId::ResetAllButton);
        f.Dlg().Run(Action::Undo);
    } else if (mode == QLatin1String("save") || mode == QLatin1String("error")) {
        if (mode == QLatin1String("error")) f.Type(ControlId::MissileInput, QStringLiteral("abc"));
        const ControlId button =
            mode == QLatin1String("save") ? ControlId::SavePlanButton : ControlId::SimulateButton;
        QTimer::singleShot(0, &app, [&f, button] { f.Click(button); });
    } else if (!mode.isEmpty()) {
        const ControlId button = args[3] == QLatin1String("about") ? ControlId{0} : ControlId::LanguageButton;
        QTimer::singleShot(0, &app, [&f, button] {
            if (button == ControlId::LanguageButton) {
                f.Click(button);
            } else {
                f.Dlg().Run(Action::ShowAbout);
            }
        });
    }
    return app.exec();
}
