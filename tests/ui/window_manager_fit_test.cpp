// The window under a real window manager (window_manager_fit.sh starts Xvfb and openbox): the
// frame, title bar included, stays on the screen; on a screen of 1366 x 768 Exit is whole in view;
// a scroll bar shows whole, and only where the screen is full.

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/control_table.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

QRect OnScreen(const QWidget* widget) { return {widget->mapToGlobal(QPoint(0, 0)), widget->size()}; }

// What is wrong with the window's place on its screen, or nothing.
QString PlacementFault(QuorvelWindow& window, bool exitInView) {
    const QRect room = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (frame == window.geometry()) return QStringLiteral("no frame");
    if (!room.contains(frame)) return QStringLiteral("the frame runs off the screen");
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("contentScrollArea"));
    for (const QScrollBar* bar : {scroll->horizontalScrollBar(), scroll->verticalScrollBar()}) {
        if (!bar->isVisible()) continue;
        if (!room.contains(OnScreen(bar))) return QStringLiteral("a scroll bar runs off the screen");
        const bool full = bar->orientation() == Qt::Horizontal ? frame.width() == room.width()
                                                               : frame.height() == room.height();
        if (!full) return QStringLiteral("a side scrolls though the screen has room for it");
    }
    const bool laptop = room.width() >= 1366 && room.height() >= 768;
    if (exitInView && laptop &&
        !OnScreen(scroll->viewport()).contains(OnScreen(window.Control(ControlId::ExitButton))))
        return QStringLiteral("Exit is not whole in view");
    return {};
}

// The window manager places and frames the window some moments after it is shown.
void CheckPlacement(QuorvelWindow& window, const char* when, bool exitInView) {
    const bool settled = QTest::qWaitFor([&] { return PlacementFault(window, exitInView).isEmpty(); }, 3000);
    QVERIFY2(settled,
             qPrintable(QLatin1String(when) + QStringLiteral(": ") + PlacementFault(window, exitInView)));
}

}  // namespace

class WindowManagerFitTest : public QObject {
    Q_OBJECT

private slots:
    void the_framed_window_stays_on_the_screen_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::newRow("English") << QByteArray("0");
        QTest::newRow("German") << QByteArray("1");
        QTest::newRow("Polish") << QByteArray("4");
    }
    void the_framed_window_stays_on_the_screen() {
        QFETCH(QByteArray, language);
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), language);
        f.Start();
        CheckPlacement(f.Window(), "at the start", true);
        f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
        f.Type(ControlId::MissileInput, QStringLiteral("10"));
        f.Click(ControlId::SimulateButton);
        CheckPlacement(f.Window(), "after a strike", true);
        // The widest results make the window grow, within the screen.
        for (ControlId id : kNumericInputs) f.Type(id, QStringLiteral("2147483647"));
        f.Click(ControlId::SimulateButton);
        f.Click(ControlId::FlightTimeButton);
        CheckPlacement(f.Window(), "after the widest results", false);
    }
};

QTEST_MAIN(WindowManagerFitTest)
#include "window_manager_fit_test.moc"
