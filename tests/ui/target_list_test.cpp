// The target list window: a pasted page of three reports opens it with three rows, a heading sorts
// them by its numbers without moving a column, and Enter loads and simulates the chosen row as one
// step undo takes back.

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include "plan/target_table.h"
#include "ui/target_list_window.h"
#include "window_fixture.h"

using namespace quorvel;

class TargetListTest : public QObject {
    Q_OBJECT

private slots:
    void paste_sort_and_load_with_undo() {
        WindowFixture f;
        f.Start();
        QApplication::clipboard()->setText(QStringLiteral(
            "<Kartal> last night:\nResources at Hyperion [4:127:9] (Player 'A')\nRocket Launcher\t1,250\t"
            "Light Laser\t830\nAnti-Ballistic Missiles\t20\nArmour Technology\t15\n[quote]nice[/quote]\n"
            "Rohstoffe auf Kolonie [7:312:11] (Spieler 'B')\nRaketenwerfer 2.400\nAbfangraketen 48\n"
            "Raumschiffpanzerung 17\nResources at Moon [4:130:2]\nRocket Launcher\t12"));
        QWidget* field = f.Window().Control(ControlId::ReportText);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        TargetListWindow* list = f.Window().TargetList();
        QVERIFY(list != nullptr && list->isVisible());
        QTableWidget* table = list->Table();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QString());  // several reports fill no field

        // Defence units 2,080, 2,400 and 12: sorted as numbers, not as text, and back; no column moves.
        QHeaderView* header = table->horizontalHeader();
        const auto widths = [header] {
            QList<int> sizes;
            for (int c = 0; c < header->count(); ++c) sizes << header->sectionSize(c);
            return sizes;
        };
        const auto sortBy = [header](TargetColumn column) {
            const int left = header->sectionViewportPosition(static_cast<int>(column));
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(left + 4, header->height() / 2));
        };
        const QList<int> unsorted = widths();
        sortBy(TargetColumn::DefenceUnits);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("4:130:2"));
        QCOMPARE(table->item(1, 3)->text(), QStringLiteral("2.080"));
        sortBy(TargetColumn::DefenceUnits);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("7:312:11"));
        QCOMPARE(widths(), unsorted);
        // The header's names; the moon's report names no player.
        QCOMPARE(table->item(0, 1)->text() + table->item(0, 2)->text(), QStringLiteral("BKolonie"));
        QCOMPARE(table->item(2, 1)->text() + table->item(2, 2)->text(), QStringLiteral("Moon"));
        // Per missile: the best target first.
        sortBy(TargetColumn::ResourcesPerMissile);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("4:127:9"));

        // The report field changes; Enter still loads the row's own report, and simulates it.
        f.Dlg().Run(Action::ClearReport);
        table->setFocus();
        table->selectRow(1);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QStringLiteral("2400"));
        QCOMPARE(f.Text(ControlId::AbmInput), QStringLiteral("48"));
        QCOMPARE(f.Text(ControlId::TargetSystemInput), QStringLiteral("312"));
        const QString needed = table->item(1, static_cast<int>(TargetColumn::MissilesNeeded))->text();
        QCOMPARE(f.Text(ControlId::VerdictMissiles),
                 needed + QStringLiteral(" more missiles destroy everything."));
        f.Dlg().Run(Action::Undo);
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QString());
        QCOMPARE(f.Text(ControlId::VerdictMissiles), QString());
    }
};

QTEST_MAIN(TargetListTest)
#include "target_list_test.moc"
