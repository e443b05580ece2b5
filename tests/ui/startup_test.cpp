// Start-up of the window as the program runs it: saved language, coordinate book, empty fields.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/control_table.h"
#include "i18n/language_lines.h"
#include "window_fixture.h"

using namespace quorvel;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void saved_language_two_starts_in_dutch() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "2");
        f.Start();
        const QString dutch = ShippedLanguageLine("nl_lang.dat", kLineSimulateButton);
        QVERIFY(!dutch.isEmpty());
        QCOMPARE(f.Text(ControlId::SimulateButton), dutch);
        QCOMPARE(f.Text(ControlId::DefenderBox), ShippedLanguageLine("nl_lang.dat", kLineDefenderBox));
        QCOMPARE(f.Control<QWidget>(ControlId::ApplyResultButton)->toolTip(),
                 ShippedLanguageLine("nl_lang.dat", kLineApplyResultTip));
        auto* targets = f.Control<QComboBox>(ControlId::PrimaryTargetList);
        QCOMPARE(targets->count(), kPrimaryTargetChoiceCount);
        QCOMPARE(targets->currentIndex(), 0);
    }

    void no_saved_choice_starts_in_english() {
        WindowFixture f;
        f.Start();
        QCOMPARE(f.Text(ControlId::SimulateButton), ShippedLanguageLine("eng_lang.dat", kLineSimulateButton));
    }

    void book_fills_the_start_list_with_entry_zero_selected() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/QuorvelData.dat"), "1 234 5\n12 99 3\n");
        f.Start();
        auto* book = f.Control<QComboBox>(ControlId::BookList);
        QCOMPARE(book->count(), 2);
        QCOMPARE(book->itemText(0), QStringLiteral("1:234:5"));
        QCOMPARE(book->itemText(1), QStringLiteral("12:99:3"));
        QCOMPARE(book->currentIndex(), 0);
    }

    void missing_book_leaves_the_start_list_empty_without_selection() {
        WindowFixture f;
        f.Start();
        auto* book = f.Control<QComboBox>(ControlId::BookList);
        QCOMPARE(book->count(), 0);
        QCOMPARE(book->currentIndex(), -1);
    }

    void every_numeric_field_starts_empty() {
        WindowFixture f;
        f.Start();
        for (ControlId id : kNumericInputs) {
            QVERIFY2(f.Control<QLineEdit>(id)->text().isEmpty(), qPrintable(QString::number(ToInt(id))));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
