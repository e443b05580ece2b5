// The language button, its dialog and what accepting or cancelling changes in the window.

#include "ui/language_dialog.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "i18n/language_lines.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

QTreeWidget* ListOf(QWidget& dialog) {
    return dialog.findChild<QTreeWidget*>(QStringLiteral("languageList"));
}

// Selects just these rows (none: empties the selection) and presses the accept or cancel button.
std::function<void(QWidget&)> Choose(QList<int> rows, bool accept) {
    return [rows, accept](QWidget& dialog) {
        QTreeWidget* list = ListOf(dialog);
        QVERIFY(list != nullptr);
        list->clearSelection();
        for (int row : rows) list->topLevelItem(row)->setSelected(true);
        const QString button = accept ? QStringLiteral("languageAccept") : QStringLiteral("languageCancel");
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    };
}

// Opens the dialog from the language button and hands it to act, which must close it.
bool WithLanguageDialog(WindowFixture& f, const std::function<void(QWidget&)>& act) {
    return f.WithNextModal([&] { f.Click(ControlId::LanguageButton); }, act);
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
        QVERIFY(WithLanguageDialog(f, [&](QWidget& dialog) {
            QVERIFY(qobject_cast<LanguageDialog*>(&dialog) != nullptr);
            QCOMPARE(dialog.windowTitle(), ShippedLanguageLine("it_lang.dat", kLineDialogTitle));
            QTreeWidget* list = ListOf(dialog);
            QCOMPARE(list->topLevelItemCount(), 9);
            QCOMPARE(list->headerItem()->text(0),
                     ShippedLanguageLine("it_lang.dat", kLineDialogFirstHeading));
            QCOMPARE(list->columnCount(), 1);  // the languages' names, not their files
            QCOMPARE(list->topLevelItem(2)->text(0), QStringLiteral("Nederlands"));
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

    void the_current_language_is_selected_when_the_dialog_opens() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "6");
        f.Start();
        QList<int> selected;
        QVERIFY(WithLanguageDialog(f, [&](QWidget& dialog) {
            QTreeWidget* list = ListOf(dialog);
            for (QTreeWidgetItem* item : list->selectedItems()) selected << list->indexOfTopLevelItem(item);
            static_cast<QDialog&>(dialog).reject();
        }));
        QCOMPARE(selected, QList<int>{6});
    }

    void enter_and_double_click_accept_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("key");
        QTest::newRow("double-click") << true << 0;
        QTest::newRow("Return") << false << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << false << int(Qt::Key_Enter);
    }
    void enter_and_double_click_accept() {
        QFETCH(bool, doubleClick);
        QFETCH(int, key);
        WindowFixture f;
        f.Start();
        QVERIFY(WithLanguageDialog(f, [&](QWidget& dialog) {
            QTreeWidget* list = ListOf(dialog);
            QTreeWidgetItem* polish = list->topLevelItem(4);
            if (doubleClick) {
                const QRect row = list->visualItemRect(polish);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
            } else {
                list->setCurrentItem(polish);
                QTest::keyClick(list, static_cast<Qt::Key>(key),
                                key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            }
            if (dialog.isVisible()) static_cast<QDialog&>(dialog).reject();
        }));
        QCOMPARE(f.Text(ControlId::SimulateButton), ShippedLanguageLine("pl_lang.dat", kLineSimulateButton));
    }

    void the_selected_row_stands_out_from_the_others() {
        // The selected row's text must contrast with its background, on the light default palette
        // and on a dark one.
        for (const bool dark : {false, true}) {
            const QPalette palette = dark ? DarkPalette() : QApplication::palette();
            WindowFixture f;
            f.Start();
            QVERIFY(WithLanguageDialog(f, [&](QWidget& dialog) {
                dialog.setPalette(palette);
                QTreeWidget* list = ListOf(dialog);
                QVERIFY(list->styleSheet().isEmpty());
                const QRect row = list->visualItemRect(list->topLevelItem(0));
                const QImage image = list->viewport()->grab().toImage();
                // Ink in the row: pixels far from the row's own background colour.
                const QColor background = image.pixelColor(row.left() + 2, row.top() + 2);
                int ink = 0;
                for (int x = row.left(); x < row.right(); ++x) {
                    for (int y = row.top(); y < row.bottom(); ++y) {
                        const QColor c = image.pixelColor(x, y);
                        if (std::abs(c.lightness() - background.lightness()) > 100) ++ink;
                    }
                }
                QVERIFY2(ink > 20, dark ? "dark palette" : "light palette");
                static_cast<QDialog&>(dialog).reject();
            }));
        }
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
