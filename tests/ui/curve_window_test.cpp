// The loss curve window: opened by its button or F3, it follows Simulate, its table holds the
// curve's points, and the chart exports as PNG and SVG.

#include "ui/curve_window.h"

#include <QAction>
#include <QFile>
#include <QTableWidget>
#include <QTest>

#include "strike/loss_curve.h"
#include "text/number_format.h"
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

}  // namespace

class CurveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opens_on_first_use_and_follows_simulate() {
        WindowFixture f;
        f.Start();
        QVERIFY(f.Window().Curve() == nullptr);
        SimulateWorkedExample(f, QStringLiteral("10"));
        f.Click(ControlId::CurveButton);
        CurveWindow* curve = f.Window().Curve();
        QVERIFY(curve != nullptr && curve->isVisible());
        // 0 to 10 missiles, one row each; the row of 3 missiles as the strike gives it.
        QTableWidget* table = curve->Table();
        QCOMPARE(table->rowCount(), 11);
        const StrikeResult three = SimulateStrike(StrikeInput{{100, 10, 0, 0, 0, 0, 0, 0}, 2, 3, 0, 0, 0});
        QCOMPARE(table->item(3, 1)->text(), QString::fromStdString(FormatGrouped(three.defenderLoss[0])));

        SimulateWorkedExample(f, QStringLiteral("20"));
        QCOMPARE(table->rowCount(), 21);
        QVERIFY(curve->TableText(true).startsWith(QStringLiteral("\"")));
        QVERIFY(curve->TableText(true).contains(QStringLiteral("\n20,231000,5000,4000,50000,10000,40000\n")));

        // F3 brings the same window back after it was closed.
        curve->close();
        QTest::keyClick(&f.Window(), Qt::Key_F3);
        QCOMPARE(f.Window().Curve(), curve);
        QVERIFY(curve->isVisible());
    }

    void exports_png_and_svg() {
        WindowFixture f;
        f.Start();
        SimulateWorkedExample(f, QStringLiteral("10"));
        f.Click(ControlId::CurveButton);
        CurveWindow* curve = f.Window().Curve();
        const QString png = f.HomePath(QStringLiteral("curve.png"));
        const QString svg = f.HomePath(QStringLiteral("curve.svg"));
        QVERIFY(curve->ExportPng(png));
        QVERIFY(curve->ExportSvg(svg));
        QFile pngFile(png);
        QVERIFY(pngFile.open(QIODevice::ReadOnly));
        QCOMPARE(pngFile.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QVERIFY(svgFile.readAll().contains("<svg"));
    }
};

QTEST_MAIN(CurveWindowTest)
#include "curve_window_test.moc"
