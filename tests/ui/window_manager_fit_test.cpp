// The window under a real window manager (window_manager_fit.sh starts Xvfb and openbox): the
// frame, title bar included, stays on the screen; on a screen of 1366 x 768 Exit can be seen whole;
// a scroll bar, when one shows, is whole on the screen and shows only where the screen is full.

#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "app/control_table.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

// What is wrong with the window's place on its screen, or nothing.
QString PlacementFault(QuorvelWindow& window, bool exitInView) {
    const QRect room = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (frame == window.geometry()) return QStringLiteral("no frame around the window");
    if (!room.contains(frame)) {
        return QStringLiteral("frame %1,%2 %3x%4 runs off the screen %5x%6")
            .arg(frame.x())
            .arg(frame.y())
            .arg(frame.width())
            .arg(frame.height())
            .arg(room.width())
            .arg(room.height());
    }
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("contentScrollArea"));
    const QRect view(scroll->viewport()->mapToGlobal(QPoint(0, 0)), scroll->viewport()->size());
    const std::pair<QScrollBar*, bool> bars[] = {{scroll->horizontalScrollBar(), true},
                                                 {scroll->verticalScrollBar(), false}};
    for (const auto& [bar, across] : bars) {
        if (!bar->isVisible()) continue;
        const QRect shown(bar->mapToGlobal(QPoint(0, 0)), bar->size());
        if (!room.contains(shown)) return QStringLiteral("a scroll bar runs off the screen");
        // A side scrolls only when the screen has no more room for it.
        const bool full = across ? frame.width() == room.width() : frame.height() == room.height();
        if (!full) return QStringLiteral("a side scrolls though the screen has room for it");
    }
    // On a screen as large as a small laptop's, the window shows Exit whole without scrolling.
    QWidget* exit = window.Control(ControlId::ExitButton);
    const QRect exitShown(exit->mapToGlobal(QPoint(0, 0)), exit->size());
    if (exitInView && room.width() >= 1366 && room.height() >= 768 && !view.contains(exitShown))
        return QStringLiteral("Exit is not whole in view");
    return {};
}

// The window manager places and frames the window some moments after it is shown.
void CheckPlacement(QuorvelWindow& window, const QString& when, bool exitInView) {
    const bool settled = QTest::qWaitFor([&] { return PlacementFault(window, exitInView).isEmpty(); }, 3000);
    const QString fault = settled ? QString() : PlacementFault(window, exitInView);
    QVERIFY2(fault.isEmpty(), qPrintable(when + QStringLiteral(": ") + fault));
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
        CheckPlacement(f.Window(), QStringLiteral("at the start"), true);
        f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
        f.Type(ControlId::MissileInput, QStringLiteral("10"));
        f.Click(ControlId::SimulateButton);
        CheckPlacement(f.Window(), QStringLiteral("after a strike"), true);
        // The widest results make the window grow; it grows within the screen.
        for (ControlId id : kNumericInputs) f.Type(id, QStringLiteral("2147483647"));
        f.Click(ControlId::SimulateButton);
        f.Click(ControlId::FlightTimeButton);
        CheckPlacement(f.Window(), QStringLiteral("after the widest results"), false);
    }
};

QTEST_MAIN(WindowManagerFitTest)
#include "window_manager_fit_test.moc"
