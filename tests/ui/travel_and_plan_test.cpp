// The flight time from the coordinate book and the attack plan export, driven through real widgets
// and the real save dialog.

#include <unistd.h>

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "fileio/atomic_file.h"
#include "i18n/language_lines.h"
#include "plan/plan_file.h"
#include "support/dialog_probe.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

// The window's own plan file, relative to its home folder.
QString PlanFileOfThisWindow(WindowFixture& f) {
    const std::filesystem::path name =
        std::filesystem::path(kPlanFile).parent_path() / DialogProbe::Plan(f.Dlg()).File().filename();
    return QString::fromStdString(name.string());
}

}  // namespace

class TravelAndPlanTest : public QObject {
    Q_OBJECT

private slots:
    void flight_time_takes_the_start_from_the_selected_book_entry() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/QuorvelData.dat"), "1 1 1\n2 2 2\n4 150 1\n");
        f.Start();
        auto* book = f.Control<QComboBox>(ControlId::BookList);
        book->setFocus();
        QTest::keyClick(book, Qt::Key_Down);
        QTest::keyClick(book, Qt::Key_Down);
        QCOMPARE(book->currentIndex(), 2);
        f.Type(ControlId::TargetGalaxyInput, QStringLiteral("4"));
        f.Type(ControlId::TargetSystemInput, QStringLiteral("200"));
        f.Type(ControlId::TargetPlanetInput, QStringLiteral("8"));
        f.Click(ControlId::FlightTimeButton);
        QCOMPARE(f.Text(ControlId::FlightSystems), QStringLiteral("50"));
        QCOMPARE(f.Text(ControlId::FlightFixed), QStringLiteral("30"));
        QCOMPARE(f.Text(ControlId::FlightMessage), QString());
        QCOMPARE(f.Text(ControlId::StartGalaxyInput), QString());
        QCOMPARE(f.Text(ControlId::StartSystemInput), QString());
    }

    void saving_after_a_simulation_exports_that_attack_through_the_save_dialog() {
        WindowFixture f;
        f.Start();
        f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
        f.Type(ControlId::MissileInput, QStringLiteral("1"));
        f.Click(ControlId::SimulateButton);

        const QString target = f.HomePath(QStringLiteral("plan.txt"));
        const bool dialogShown =
            f.WithNextModal([&] { f.Click(ControlId::SavePlanButton); },
                            [&](QWidget& modal) {
                                auto* dialog = qobject_cast<QFileDialog*>(&modal);
                                QVERIFY(dialog != nullptr);
                                QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
                                QCOMPARE(dialog->nameFilters(),
                                         QStringList{ShippedLanguageLine("eng_lang.dat", kLineSaveFilter)});
                                // Typed into the name field, as a player would.
                                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                                QVERIFY(name != nullptr);
                                name->setText(target);
                                // accept() is protected in QFileDialog; it is a slot.
                                QMetaObject::invokeMethod(dialog, "accept");
                            });
        QVERIFY(dialogShown);
        const QByteArray expected =
            "1. Attack\n"
            "=========\n"
            "Primary Target: Rocket Launcher\n"
            "Interplanetary missiles: 1\n"
            "\n"
            "Rocket Launcher 40 (-60)\n"
            "Light Laser 0 (*)\n"
            "Heavy Laser 0 (*)\n"
            "Gauss Cannon 0 (*)\n"
            "Ion Cannon 0 (*)\n"
            "Plasma Turret 0 (*)\n"
            "Small Shield Dome 0 (*)\n"
            "Large Shield Dome 0 (*)\n"
            "Anti-Ballistic Missiles 0 (*)\n"
            "\n"
            "\n";
        QCOMPARE(f.ReadHomeFile(QStringLiteral("plan.txt")), expected);
        QVERIFY(!QFile::exists(f.HomePath(PlanFileOfThisWindow(f))));
    }

    void cancelling_the_save_dialog_keeps_the_plan() {
        WindowFixture f;
        f.Start();
        f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
        f.Type(ControlId::MissileInput, QStringLiteral("1"));
        f.Click(ControlId::SimulateButton);
        QVERIFY(f.WithNextModal([&] { f.Click(ControlId::SavePlanButton); },
                                [](QWidget& modal) { qobject_cast<QDialog*>(&modal)->reject(); }));
        QVERIFY(f.ReadHomeFile(PlanFileOfThisWindow(f)).startsWith("1. Attack\n"));
    }

    // Another window rewrites the book (a new file renamed over the old one): when the player is
    // back, the list follows, keeping the selected position, and again after the next rewrite.
    void the_book_list_follows_the_file_when_another_window_changes_it() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/QuorvelData.dat"), "1 1 1\n2 2 2\n");
        f.Start();
        auto* book = f.Control<QComboBox>(ControlId::BookList);
        book->setCurrentIndex(1);
        const std::filesystem::path file = f.Dlg().HomePath(kBookFile);
        const auto back = [&f] {
            QEvent change(QEvent::ActivationChange);
            QApplication::sendEvent(&f.Window(), &change);
        };
        QCOMPARE(ReplaceFileAtomically(file, "3 3 3\n1 1 1\n2 2 2\n"), WriteOutcome::Ok);
        back();
        QCOMPARE(book->count(), 3);
        QCOMPARE(book->currentText(), QStringLiteral("2:2:2"));
        QCOMPARE(ReplaceFileAtomically(file, "4 4 4\n"), WriteOutcome::Ok);
        back();
        QCOMPARE(book->count(), 1);
        QCOMPARE(book->currentText(), QStringLiteral("4:4:4"));
    }
};

QTEST_MAIN(TravelAndPlanTest)
#include "travel_and_plan_test.moc"
