// Results leave the window: Ctrl+C with and without a field selection, the context-menu copy
// forms and paste-and-read with Ctrl+Shift+V.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "app/control_table.h"
#include "support/dialog_probe.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

void SimulateWorkedExample(WindowFixture& f) {
    f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
    f.Type(ControlId::LightLaserInput, QStringLiteral("10"));
    f.Type(ControlId::AbmInput, QStringLiteral("2"));
    f.Type(ControlId::MissileInput, QStringLiteral("10"));
    f.Click(ControlId::SimulateButton);
}

QString Clipboard() { return QApplication::clipboard()->text(); }

QAction* MenuAction(WindowFixture& f, const char* name) {
    return f.Window().findChild<QAction*>(QLatin1String(name));
}

}  // namespace

class ShareWindowTest : public QObject {
    Q_OBJECT

private slots:
    void ctrl_c_copies_the_strike_when_no_field_has_a_selection() {
        WindowFixture f;
        f.Start();
        SimulateWorkedExample(f);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        auto* missiles = f.Control<QLineEdit>(ControlId::MissileInput);
        missiles->setFocus();
        missiles->deselect();
        QTest::keyClick(missiles, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(
            Clipboard().startsWith(QStringLiteral("1. Attack\n=========\nPrimary Target: Rocket Launcher\n")),
            qPrintable(Clipboard()));
        QVERIFY(Clipboard().contains(QStringLiteral("\nRocket Launcher 0 (-100)\n")));

        // The Copy button does the same.
        QApplication::clipboard()->setText(QStringLiteral("before"));
        f.Click(ControlId::CopyButton);
        QVERIFY(Clipboard().startsWith(QStringLiteral("1. Attack\n")));
    }

    void ctrl_c_copies_a_field_selection_as_usual() {
        WindowFixture f;
        f.Start();
        SimulateWorkedExample(f);
        auto* launchers = f.Control<QLineEdit>(ControlId::RocketLauncherInput);
        launchers->setFocus();
        launchers->setText(QStringLiteral("1234"));
        launchers->setSelection(1, 2);
        QTest::keyClick(launchers, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("23"));

        auto* report = f.Control<QPlainTextEdit>(ControlId::ReportText);
        report->setFocus();
        report->setPlainText(QStringLiteral("Raketenwerfer 5"));
        report->selectAll();
        QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("Raketenwerfer 5"));
    }

    void context_menu_offers_every_form_in_the_active_language() {
        WindowFixture f;
        f.Start();
        SimulateWorkedExample(f);
        // The menu opens modally; note its entries and close it.
        QStringList entries;
        QTimer::singleShot(0, [&entries] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions()) entries << action->text();
                menu->close();
            }
        });
        QContextMenuEvent opening(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  f.Window().mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&f.Window(), &opening);
        QVERIFY2(entries.contains(QStringLiteral("Copy strike as BBCode (forum)")),
                 qPrintable(entries.join(u'|')));
        QVERIFY(entries.contains(QStringLiteral("Copy plan as Markdown (chat)")));
        QVERIFY(entries.contains(QStringLiteral("Copy strike as text\t") +
                                 QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText)));
        QAction* bbcode = MenuAction(f, "copyStrikeAction1");
        QVERIFY(bbcode != nullptr);
        bbcode->trigger();
        QVERIFY2(Clipboard().startsWith(QStringLiteral("[b]Missile strike[/b]\n")), qPrintable(Clipboard()));
        QVERIFY(Clipboard().contains(QStringLiteral("[color=red]231.000 \u25b2 more[/color]")));

        MenuAction(f, "copyStrikeAction2")->trigger();
        QVERIFY(Clipboard().startsWith(QStringLiteral("**Missile strike**\n```\n")));

        f.Click(ControlId::RememberAttackButton);
        MenuAction(f, "copyPlanAction0")->trigger();
        QFile plan(QString::fromStdString(DialogProbe::Plan(f.Dlg()).File().string()));
        QVERIFY(plan.open(QIODevice::ReadOnly));
        QCOMPARE(Clipboard().toUtf8(), plan.readAll());
    }

    void ctrl_shift_v_replaces_the_report_and_reads_it() {
        WindowFixture f;
        f.Start();
        auto* report = f.Control<QPlainTextEdit>(ControlId::ReportText);
        report->setPlainText(QStringLiteral("old report"));
        f.Type(ControlId::GaussCannonInput, QStringLiteral("7"));
        QApplication::clipboard()->setText(
            QStringLiteral("Rocket Launcher 1.250\nAnti-Ballistic Missiles 4"));
        auto* missiles = f.Control<QLineEdit>(ControlId::MissileInput);
        missiles->setFocus();
        QTest::keyClick(missiles, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(report->toPlainText(), QStringLiteral("Rocket Launcher 1.250\nAnti-Ballistic Missiles 4"));
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QStringLiteral("1250"));
        QCOMPARE(f.Text(ControlId::AbmInput), QStringLiteral("4"));
        QCOMPARE(f.Text(ControlId::GaussCannonInput), QString());
        QCOMPARE(missiles->text(), QString());  // the key did not type a V into the field
    }

    void codes_travel_through_the_clipboard_and_a_plan_code_asks_before_extending() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/PageAddress.txt"), "https://example.org/quorvel/\n");
        f.Start();
        QVERIFY(MenuAction(f, "copyLinkAction0")->isVisible());
        SimulateWorkedExample(f);
        MenuAction(f, "copyLinkAction0")->trigger();
        QCOMPARE(Clipboard(),
                 QStringLiteral("https://example.org/quorvel/#QV1.SF2QKAAAAAAAAAgAKAAAAAAAAAAAAAAACndyhIQ"));
        f.Click(ControlId::RememberAttackButton);
        MenuAction(f, "copyCodeAction1")->trigger();
        QVERIFY2(Clipboard().startsWith(QStringLiteral("QV1.P")), qPrintable(Clipboard()));
        auto* missiles = f.Control<QLineEdit>(ControlId::MissileInput);
        missiles->setFocus();
        const bool asked = f.WithNextModal(
            [missiles] { QTest::keyClick(missiles, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier); },
            [](QWidget& box) {
                QCOMPARE(box.objectName(), QStringLiteral("planLoadBox"));
                box.findChild<QAbstractButton*>(QStringLiteral("planExtendButton"))->click();
            });
        QVERIFY(asked);
        QCOMPARE(f.Text(ControlId::PlanCount), QStringLiteral("2"));
    }
};

QTEST_MAIN(ShareWindowTest)
#include "share_window_test.moc"
