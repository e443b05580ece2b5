// The language button, its dialog and what accepting or cancelling changes in the window.

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "i18n/language_lines.h"
#include "ui/language_dialog.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

QTreeWidget* ListOf(QWidget& dialog) { return dialog.findChild<QTreeWidget*>(QStringLiteral("languageList")); }

// Selects the rows (none: leaves the selection empty) and presses the accept or cancel button.
std::function<void(QWidget&)> Choose(QList<int> rows, bool accept) {
    return [rows, accept](QWidget& dialog) {
        QTreeWidget* list = ListOf(dialog);
        QVERIFY(list != nullptr);
        for (int row : rows) list->topLevelItem(row)->setSelected(true);
        const QString button = accept ? QStringLiteral("languageAccept") : QStringLiteral("languageCancel");
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    };
}

}  // namespace

class LanguageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void dialog_shows_the_saved_languages_texts_and_nine_rows() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "3");
        f.Start();
        bool checked = false;
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, [&](QWidget& dialog) {
            QVERIFY(qobject_cast<LanguageDialog*>(&dialog) != nullptr);
            QCOMPARE(dialog.windowTitle(), ShippedLanguageLine("it_lang.dat", kLineDialogTitle));
            QTreeWidget* list = ListOf(dialog);
            QCOMPARE(list->topLevelItemCount(), 9);
            QCOMPARE(list->headerItem()->text(0), ShippedLanguageLine("it_lang.dat", kLineDialogFirstHeading));
            QCOMPARE(list->columnWidth(0), 85);
            QCOMPARE(list->columnWidth(1), 109);
            QCOMPARE(list->topLevelItem(2)->text(0), QStringLiteral("Nederlands"));
            QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("nl_lang.dat"));
            QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
            QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
            for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
                QVERIFY(!button->isDefault());
                QVERIFY(!button->autoDefault());
            }
            checked = true;
            static_cast<QDialog&>(dialog).reject();
        }));
        QVERIFY(checked);
    }

    void accepting_a_row_applies_and_saves_that_language() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "0");
        f.Start();
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, Choose({2}, true)));
        QCOMPARE(f.Text(ControlId::SimulateButton), ShippedLanguageLine("nl_lang.dat", kLineSimulateButton));
        QCOMPARE(f.ReadHomeFile(QStringLiteral("data/LanguageSave.dat")), QByteArray("2"));
    }

    void several_rows_accepted_take_the_lowest() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "0");
        f.Start();
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, Choose({5, 3}, true)));
        QCOMPARE(f.Text(ControlId::SimulateButton), ShippedLanguageLine("it_lang.dat", kLineSimulateButton));
        QCOMPARE(f.ReadHomeFile(QStringLiteral("data/LanguageSave.dat")), QByteArray("3"));
    }

    void cancel_or_accept_without_a_row_changes_nothing_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancel with a row selected") << QList<int>{2} << false;
        QTest::newRow("accept with no row") << QList<int>{} << true;
    }
    void cancel_or_accept_without_a_row_changes_nothing() {
        QFETCH(QList<int>, rows);
        QFETCH(bool, accept);
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "1");
        f.Start();
        const QString before = f.Text(ControlId::SimulateButton);
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, Choose(rows, accept)));
        QCOMPARE(f.Text(ControlId::SimulateButton), before);
        QCOMPARE(f.ReadHomeFile(QStringLiteral("data/LanguageSave.dat")), QByteArray("1"));
    }

    void double_click_on_a_row_does_not_end_the_dialog() {
        WindowFixture f;
        f.Start();
        bool stillOpen = false;
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, [&](QWidget& dialog) {
            QTreeWidget* list = ListOf(dialog);
            const QRect row = list->visualItemRect(list->topLevelItem(4));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
            QTest::keyClick(list, Qt::Key_Return);
            stillOpen = dialog.isVisible();
            static_cast<QDialog&>(dialog).reject();
        }));
        QVERIFY(stillOpen);
        QCOMPARE(f.Text(ControlId::SimulateButton), ShippedLanguageLine("eng_lang.dat", kLineSimulateButton));
    }

    void tooltip_follows_the_second_language_change() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "0");
        f.Start();
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, Choose({1}, true)));
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, Choose({5}, true)));
        QCOMPARE(f.Control<QWidget>(ControlId::ApplyResultButton)->toolTip(),
                 ShippedLanguageLine("fr_lang.dat", kLineApplyResultTip));
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "language_dialog_test.moc"
