// The loss curve window: opened by its button or F3, it follows Simulate, its axes are the view's,
// its table holds the curve's points, and the chart exports as PNG and SVG.

#include "ui/curve_window.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QTableWidget>
#include <QTest>

#include "app/simulator_dialog.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

void SimulateWorkedExample(WindowFixture& f, const QString& missiles) {
    f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
    f.Type(ControlId::LightLaserInput, QStringLiteral("10"));
    f.Type(ControlId::AbmInput, QStringLiteral("2"));
    f.Type(ControlId::MissileInput, missiles);
    f.Click(ControlId::SimulateButton);
}

QByteArray Head(const QString& file, int size) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.read(size) : QByteArray();
}

}  // namespace

class CurveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opens_on_first_use_follows_simulate_and_exports() {
        WindowFixture f;
        f.Start();
        QVERIFY(f.Window().Curve() == nullptr);
        SimulateWorkedExample(f, QStringLiteral("10"));
        f.Click(ControlId::CurveButton);
        CurveWindow* curve = f.Window().Curve();
        QVERIFY(curve != nullptr && curve->isVisible());
        QCOMPARE(curve->Table()->rowCount(), 11);  // 0 to 10 missiles, one row each
        QCOMPARE(curve->Table()->item(10, 1)->text(), QStringLiteral("231.000"));
        // The x axis ends at the last point, its ticks as the view gives them.
        auto* x = qobject_cast<QCategoryAxis*>(curve->ChartView()->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(x != nullptr);
        QCOMPARE(x->max(), 10.0);
        QCOMPARE(x->categoriesLabels().constLast(), QStringLiteral("10"));

        SimulateWorkedExample(f, QStringLiteral("20"));
        QCOMPARE(curve->Table()->rowCount(), 21);
        f.Dlg().Run(Action::CopyCurveTable, ActionInput(1));
        const QString csv = QApplication::clipboard()->text();
        QVERIFY(csv.startsWith(QStringLiteral("\"")));
        QVERIFY(csv.contains(QStringLiteral("\n20,231000,5000,4000,50000,10000,40000\n")));

        const QString png = f.HomePath(QStringLiteral("curve.png"));
        const QString svg = f.HomePath(QStringLiteral("curve.svg"));
        curve->ExportImage(png, false);
        curve->ExportImage(svg, true);
        QCOMPARE(Head(png, 8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        QVERIFY(Head(svg, 4096).contains("<svg"));

        // F3 brings the same window back after it was closed.
        curve->close();
        QTest::keyClick(&f.Window(), Qt::Key_F3);
        QCOMPARE(f.Window().Curve(), curve);
        QVERIFY(curve->isVisible());
    }
};

QTEST_MAIN(CurveWindowTest)
#include "curve_window_test.moc"
