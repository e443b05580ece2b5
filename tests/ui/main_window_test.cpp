// The main window driven through its real widgets: typing, clicking, keys, the input error,
// the colours of the loss totals and the about box.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/control_table.h"
#include "app/version.h"
#include "i18n/language_lines.h"
#include "ui/about_dialog.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

QColor TextColourOf(QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

// What a reader sees: "red" or "green" where that channel leads clearly, else the window's own
// text colour ("plain") or "other". The exact shade follows the palette (checked elsewhere).
QString ColourName(QWidget* widget) {
    const QColor c = TextColourOf(widget);
    if (c == QApplication::palette().color(QPalette::WindowText)) return QStringLiteral("plain");
    if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) return QStringLiteral("red");
    if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) return QStringLiteral("green");
    return QStringLiteral("other");
}

// 10 missiles, 2 interceptors, 100 rocket launchers, 10 light lasers, no technology.
void TypeWorkedExample(WindowFixture& f) {
    f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
    f.Type(ControlId::LightLaserInput, QStringLiteral("10"));
    f.Type(ControlId::AbmInput, QStringLiteral("2"));
    f.Type(ControlId::MissileInput, QStringLiteral("10"));
}

void CheckWorkedExampleCells(WindowFixture& f) {
    const std::pair<ControlId, const char*> expected[] = {
        {ControlId::RocketLauncherDestroyed, "100"},
        {ControlId::LightLaserDestroyed, "10"},
        {ControlId::RocketLauncherRemaining, "0"},
        {ControlId::LightLaserRemaining, "0"},
        {ControlId::RocketLauncherMetal, "200.000"},
        {ControlId::LightLaserMetal, "15.000"},
        {ControlId::LightLaserCrystal, "5.000"},
        {ControlId::AbmMetal, "16.000"},
        {ControlId::AbmDeuterium, "4.000"},
        {ControlId::DefenderMetalTotal, "231.000"},
        {ControlId::DefenderCrystalTotal, "5.000"},
        {ControlId::DefenderDeuteriumTotal, "4.000"},
        {ControlId::AttackerMetalLoss, "50.000"},
        {ControlId::AttackerCrystalLoss, "10.000"},
        {ControlId::AttackerDeuteriumLoss, "40.000"},
        {ControlId::MissilesFired, "4"},
        {ControlId::MissilesLeft, "6"},
        {ControlId::DestroyedTotal, "110"},
    };
    for (const auto& [id, text] : expected) {
        QVERIFY2(f.Text(id) == QLatin1String(text),
                 qPrintable(QStringLiteral("cell %1 shows '%2'").arg(ToInt(id)).arg(f.Text(id))));
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void on_a_screen_smaller_than_its_contents_the_window_stays_on_it_and_scrolls() {
        // The offscreen platform's screen (800 x 800) is narrower than the window's boxes.
        WindowFixture f;
        f.Start();
        const QRect room = f.Window().screen()->availableGeometry();
        QVERIFY2(room.contains(f.Window().frameGeometry()), "the window runs off the screen");
        auto* scroll = f.Window().findChild<QScrollArea*>(QStringLiteral("contentScrollArea"));
        QVERIFY(scroll != nullptr);
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        // Tabbing into the range box at the right edge brings it into view.
        QCOMPARE(scroll->horizontalScrollBar()->value(), 0);
        QWidget* field = f.Window().Control(ControlId::ImpulseDriveInput);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(scroll->horizontalScrollBar()->value() > 0);
    }

    void builds_every_control_of_the_table_with_its_number() {
        WindowFixture f;
        f.Start();
        for (const ControlRow& control : ControlTable()) {
            QWidget* widget =
                f.Window().findChild<QWidget*>(QStringLiteral("control%1").arg(ToInt(control.id)));
            QVERIFY2(widget != nullptr, qPrintable(QString::number(ToInt(control.id))));
            QVERIFY(widget->isVisible());
        }
        QCOMPARE(f.Window().windowTitle(), QStringLiteral("Quorvel  v. 1.0.9a"));
        QVERIFY(!f.Window().windowIcon().isNull());
    }

    void defender_loss_and_attacker_rows_and_columns_line_up() {
        WindowFixture f;
        f.Start();
        // Where a control stands in the scrolled contents, whatever part of them is in view.
        const QWidget* content =
            f.Window().findChild<QScrollArea*>(QStringLiteral("contentScrollArea"))->widget();
        const auto at = [&f, content](ControlId id) {
            QWidget* widget = f.Window().Control(id);
            return widget->mapTo(content, QPoint(0, widget->height() / 2));
        };
        const ControlId coordinates[] = {ControlId::StartGalaxyInput,  ControlId::StartSystemInput,
                                         ControlId::StartPlanetInput,  ControlId::TargetGalaxyInput,
                                         ControlId::TargetSystemInput, ControlId::TargetPlanetInput};
        const auto lineUp = [&] {
            for (const DefenceRowControls& row : kDefenceRows) {
                for (ControlId cell : row.loss) QCOMPARE(at(cell).y(), at(row.input).y());
            }
            for (ControlId cell : kAbmLossCells) QCOMPARE(at(cell).y(), at(ControlId::AbmInput).y());
            for (ControlId cell : kAttackerLossCells) QCOMPARE(at(cell).y(), at(ControlId::MissileInput).y());
            // The attacker's columns stand below the defender's, its counts under their headings.
            QCOMPARE(at(ControlId::MissileInput).x(), at(ControlId::RocketLauncherInput).x());
            QCOMPARE(at(ControlId::MissilesLeft).x(), at(kDefenceRows[0].remaining).x());
            QCOMPARE(at(ControlId::MissilesFired).x(), at(kDefenceRows[0].destroyed).x());
            QCOMPARE(at(ControlId::MissilesLeftHeading).x(), at(ControlId::MissilesLeft).x());
            for (int r = 0; r < kResourceCount; ++r) {
                QCOMPARE(at(kAttackerLossCells[r]).x(), at(kDefenceRows[0].loss[r]).x());
            }
            // The target's coordinates stand below the start's.
            for (int i = 0; i < 3; ++i) QCOMPARE(at(coordinates[i + 3]).x(), at(coordinates[i]).x());
        };
        lineUp();
        QList<QPoint> fields;
        for (ControlId id : coordinates) fields << at(id);
        // Results in every box; the flight time's line is wider than the fields above it.
        TypeWorkedExample(f);
        const char* typed[] = {"1", "1", "1", "9", "499", "15"};
        for (int i = 0; i < 6; ++i) f.Type(coordinates[i], QLatin1String(typed[i]));
        f.Type(ControlId::ImpulseDriveInput, QStringLiteral("20"));
        for (ControlId button :
             {ControlId::SimulateButton, ControlId::FlightTimeButton, ControlId::RangeButton})
            f.Click(button);
        QVERIFY(!f.Text(ControlId::FlightSystems).trimmed().isEmpty());
        lineUp();
        for (int i = 0; i < 6; ++i) QCOMPARE(at(coordinates[i]), fields[i]);  // the fields stay put
        f.Window().resize(f.Window().width() + 300, f.Window().height());
        QTest::qWait(0);
        lineUp();
    }

    void simulate_button_shows_the_worked_example() {
        WindowFixture f;
        f.Start();
        TypeWorkedExample(f);
        f.Click(ControlId::SimulateButton);
        CheckWorkedExampleCells(f);
        // The defender lost more metal than the attacker.
        QCOMPARE(ColourName(f.Window().Control(ControlId::DefenderMetalTotal)), QStringLiteral("red"));
        QCOMPARE(ColourName(f.Window().Control(ControlId::AttackerMetalLoss)), QStringLiteral("green"));
    }

    void a_chart_module_that_does_not_load_is_named_in_an_error_box_and_the_window_goes_on_data() {
        QTest::addColumn<QByteArray>("content");  // empty: no file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("no library") << QByteArray("text") << QStringLiteral("too short");
    }
    void a_chart_module_that_does_not_load_is_named_in_an_error_box_and_the_window_goes_on() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        WindowFixture f;
        if (!content.isEmpty()) f.WriteHomeFile(QStringLiteral("chart.so"), content);
        f.Start();
        f.Window().UseChartModule(f.HomePath(QStringLiteral("chart.so")).toStdString());
        QString shown;
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::CurveButton); },
                                [&](QWidget& modal) {
                                    auto* box = qobject_cast<QMessageBox*>(&modal);
                                    QVERIFY(box != nullptr);
                                    shown = box->text();
                                    box->accept();
                                }));
        QVERIFY2(shown.contains(f.HomePath(QStringLiteral("chart.so"))) && shown.contains(reason),
                 qPrintable(shown));
        QVERIFY(f.Window().Curve() == nullptr);
        TypeWorkedExample(f);
        f.Click(ControlId::SimulateButton);
        CheckWorkedExampleCells(f);
    }

    void enter_simulates_from_any_control_and_keeps_the_window_open_data() {
        QTest::addColumn<int>("focused");
        QTest::newRow("numeric edit") << ToInt(ControlId::MissileInput);
        QTest::newRow("target list") << ToInt(ControlId::PrimaryTargetList);
        QTest::newRow("exit button") << ToInt(ControlId::ExitButton);
        QTest::newRow("reset button") << ToInt(ControlId::ResetAllButton);
    }
    void enter_simulates_from_any_control_and_keeps_the_window_open() {
        QFETCH(int, focused);
        WindowFixture f;
        f.Start();
        TypeWorkedExample(f);
        QWidget* widget = f.Window().Control(ControlId{focused});
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        CheckWorkedExampleCells(f);
        QVERIFY(f.Window().isVisible());
        QCOMPARE(f.Text(ControlId::MissileInput), QStringLiteral("10"));
    }

    void escape_resets_everything_and_keeps_the_window_open() {
        WindowFixture f;
        f.Start();
        TypeWorkedExample(f);
        f.Click(ControlId::SimulateButton);
        auto* targets = f.Control<QComboBox>(ControlId::PrimaryTargetList);
        targets->setCurrentIndex(3);
        QWidget* field = f.Window().Control(ControlId::LightLaserInput);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(f.Window().isVisible());
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QString());
        QCOMPARE(f.Text(ControlId::MissileInput), QString());
        QCOMPARE(f.Text(ControlId::RocketLauncherDestroyed), QStringLiteral(" "));
        QCOMPARE(f.Text(ControlId::DefenderMetalTotal), QStringLiteral("-"));
        QCOMPARE(targets->currentIndex(), 3);
    }

    void enter_in_the_report_field_breaks_the_line_and_ctrl_enter_simulates() {
        WindowFixture f;
        f.Start();
        TypeWorkedExample(f);
        f.Type(ControlId::ReportText, QStringLiteral("first"));
        auto* report = f.Control<QPlainTextEdit>(ControlId::ReportText);
        QTest::keyClick(report, Qt::Key_Return);
        QCOMPARE(report->toPlainText(), QStringLiteral("first\n"));
        QCOMPARE(f.Text(ControlId::RocketLauncherDestroyed), QStringLiteral(" "));
        QTest::keyClick(report, Qt::Key_Return, Qt::ControlModifier);
        CheckWorkedExampleCells(f);
        QVERIFY(f.Window().isVisible());
    }

    void text_in_a_count_field_shows_the_message_and_selects_the_field() {
        WindowFixture f;
        f.Start();
        f.Type(ControlId::HeavyLaserInput, QStringLiteral("abc"));
        QString shown;
        QString behind;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const bool opened = f.WithNextModal([&] { f.Click(ControlId::SimulateButton); },
                                            [&](QWidget& modal) {
                                                auto* box = qobject_cast<QMessageBox*>(&modal);
                                                QVERIFY(box != nullptr);
                                                shown = box->text();
                                                icon = box->icon();
                                                behind = f.Text(ControlId::RocketLauncherInput);
                                                box->accept();
                                            });
        QVERIFY(opened);
        QCOMPARE(shown, QStringLiteral("Heavy Laser: enter a whole number from 0 to 2.147.483.647"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(behind, QString());  // no "0" of the frame behind the box
        auto* field = f.Control<QLineEdit>(ControlId::HeavyLaserInput);
        // The field holds the window's focus; it has the keyboard once the window is active again.
        QCOMPARE(f.Window().focusWidget(), field);
        QCOMPARE(field->selectedText(), QStringLiteral("abc"));
        QVERIFY(f.Window().isVisible());
    }

    void the_key_that_dismisses_the_error_box_does_nothing_more_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("fromButton");
        QTest::newRow("Return, Simulate button") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("keypad Enter, Simulate button")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Space, Simulate button") << int(Qt::Key_Space) << 0 << true;
        QTest::newRow("Return, Enter in a field") << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("keypad Enter, Enter in a field")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
        QTest::newRow("Space, Enter in a field") << int(Qt::Key_Space) << 0 << false;
    }
    void the_key_that_dismisses_the_error_box_does_nothing_more() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, fromButton);
        WindowFixture f;
        f.Start();
        f.Type(ControlId::HeavyLaserInput, QStringLiteral("abc"));
        int boxes = 0;
        int moreBoxes = 0;
        bool keptOpen = false;
        QTimer guard;  // closes any further box, so that a fault cannot hang the test
        guard.setInterval(10);
        QPointer<QWidget> first;
        connect(&guard, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == &f.Window() || !modal->isVisible() || modal == first.data())
                return;
            ++moreBoxes;
            static_cast<QDialog*>(modal)->reject();
        });
        const auto open = [&] {
            if (fromButton) {
                f.Click(ControlId::SimulateButton);
            } else {
                QWidget* field = f.Control<QWidget>(ControlId::MissileInput);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_Return);
            }
        };
        QVERIFY(f.WithNextModal(open, [&](QWidget& modal) {
            ++boxes;
            first = &modal;
            guard.start();
            // The box's own focus (its button), which a loaded machine may give it a moment late.
            static_cast<void>(QTest::qWaitFor([&] { return modal.focusWidget() != nullptr; }, 5000));
            QWidget* target = modal.focusWidget() != nullptr ? modal.focusWidget() : &modal;
            QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
            if (first && first->isVisible()) {
                keptOpen = true;
                static_cast<QDialog*>(first.data())->reject();
            }
        }));
        QVERIFY(!keptOpen);
        if (!guard.isActive()) guard.start();
        QTest::qWait(100);
        QCOMPARE(boxes + moreBoxes, 1);
        QVERIFY(f.Window().isVisible());
    }

    void loss_totals_are_red_for_the_side_that_lost_more_data() {
        QTest::addColumn<int>("defenderColour");
        QTest::addColumn<int>("attackerColour");
        const int red = static_cast<int>(TextColour::Red);
        const int green = static_cast<int>(TextColour::Green);
        const int plain = static_cast<int>(TextColour::Default);
        QTest::newRow("defender lost more") << red << green;
        QTest::newRow("attacker lost more") << green << red;
        QTest::newRow("equal losses") << plain << plain;
    }
    void loss_totals_are_red_for_the_side_that_lost_more() {
        QFETCH(int, defenderColour);
        QFETCH(int, attackerColour);
        const QString name[] = {QStringLiteral("plain"), QStringLiteral("red"), QStringLiteral("green")};
        WindowFixture f;
        f.Start();
        // Start from the opposite colours, so that a colour left over from before would show.
        for (int r = 0; r < kResourceCount; ++r) {
            f.Window().SetColour(kDefenderTotalCells[r], static_cast<TextColour>(attackerColour));
            f.Window().SetColour(kAttackerLossCells[r], static_cast<TextColour>(defenderColour));
        }
        for (int r = 0; r < kResourceCount; ++r) {
            f.Window().SetColour(kDefenderTotalCells[r], static_cast<TextColour>(defenderColour));
            f.Window().SetColour(kAttackerLossCells[r], static_cast<TextColour>(attackerColour));
            QCOMPARE(ColourName(f.Window().Control(kDefenderTotalCells[r])), name[defenderColour]);
            QCOMPARE(ColourName(f.Window().Control(kAttackerLossCells[r])), name[attackerColour]);
        }
        // Cells outside the six totals keep the window's colour.
        QCOMPARE(TextColourOf(f.Window().Control(ControlId::RocketLauncherMetal)),
                 QApplication::palette().color(QPalette::WindowText));
    }

    void f1_and_the_context_menu_entry_open_the_about_box() {
        WindowFixture f;
        f.Start();
        QWidget* field = f.Window().Control(ControlId::MissileInput);
        field->setFocus();
        QString version;
        QString license;
        const auto readAndClose = [&](QWidget& modal) {
            QVERIFY(qobject_cast<CAboutDlg*>(&modal) != nullptr);
            auto* label = modal.findChild<QLabel*>(QStringLiteral("aboutVersion"));
            auto* licenseLabel = modal.findChild<QLabel*>(QStringLiteral("aboutLicense"));
            if (label != nullptr) version = label->text();
            if (licenseLabel != nullptr) license = licenseLabel->text();
            static_cast<QDialog&>(modal).accept();
        };
        // The version is the project's, as CMake knows it.
        QVERIFY(f.WithNextModal([&] { QTest::keyClick(field, Qt::Key_F1); }, readAndClose));
        QVERIFY2(version.contains(QString::fromUtf8(kVersion.data(), static_cast<int>(kVersion.size()))),
                 qPrintable(version));
        QVERIFY(license.contains(QStringLiteral("GPL-3.0-or-later")));

        QAction* entry = nullptr;
        for (QAction* action : f.Window().actions()) {
            if (action->text() == ShippedLanguageLine("eng_lang.dat", kLineAboutEntry)) entry = action;
        }
        QVERIFY(entry != nullptr);
        QCOMPARE(f.Window().contextMenuPolicy(), Qt::ActionsContextMenu);
        version.clear();
        QVERIFY(f.WithNextModal([&] { entry->trigger(); }, readAndClose));
        QVERIFY(version.contains(QString::fromUtf8(kVersion.data(), static_cast<int>(kVersion.size()))));
        QVERIFY(f.Window().isVisible());
    }

    void exit_closes_the_window_and_text_keeps_it_open() {
        WindowFixture f;
        f.Start();
        f.Type(ControlId::ArmourInput, QStringLiteral("abc"));
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::ExitButton); },
                                [](QWidget& modal) { static_cast<QDialog&>(modal).accept(); }));
        QVERIFY(f.Window().isVisible());
        f.Type(ControlId::ArmourInput, QStringLiteral("x"));
        f.Click(ControlId::ExitButton);
        QVERIFY(!f.Window().isVisible());
        QCOMPARE(f.Window().result(), int(QDialog::Accepted));
    }

    void list_changes_by_the_program_keep_the_selection_rules() {
        WindowFixture f;
        f.Start();
        QuorvelWindow& w = f.Window();
        const ControlId book = ControlId::BookList;
        w.ClearList(book);
        w.InsertListItem(book, 0, "1:2:3");
        QCOMPARE(w.GetSelection(book), -1);  // inserting never selects
        w.InsertListItem(book, 5, "beyond the end");
        QCOMPARE(f.Control<QComboBox>(book)->count(), 1);
        w.InsertListItem(book, 1, "4:5:6");
        w.SelectListItem(book, 1);
        w.RemoveListItem(book, 1);
        QCOMPARE(w.GetSelection(book), -1);  // the selected entry is gone, no neighbour takes over
        w.SelectListItem(book, 7);
        QCOMPARE(w.GetSelection(book), -1);

        // As wide as its widest entry as the entries change; its popup is built when first opened.
        auto* list = f.Control<QComboBox>(book);
        QVERIFY(list->findChild<QAbstractItemView*>() == nullptr);
        const int narrow = list->sizeHint().width();
        w.InsertListItem(book, 0, "1:499:15, far wider than any position");
        QVERIFY(list->sizeHint().width() > narrow);
        w.RemoveListItem(book, 0);
        QCOMPARE(list->sizeHint().width(), narrow);
        list->showPopup();
        QVERIFY(list->findChild<QAbstractItemView*>() != nullptr);
        list->hidePopup();
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
