// The window for keyboard and screen-reader users: mnemonics without clashes in every language,
// a meaningful accessible name and a tooltip on every control the focus reaches.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "app/control_table.h"
#include "app/program_files.h"
#include "i18n/language_table.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

// A name a screen reader can say: letters, not a bare symbol or number.
bool IsMeaningful(const QString& name) {
    int letters = 0;
    for (const QChar c : name) letters += c.isLetter() ? 1 : 0;
    return letters >= 3;
}

// Every control the Tab key reaches, in focus order, starting from the first input.
QList<QWidget*> FocusChain(WindowFixture& f) {
    QList<QWidget*> chain;
    QWidget* first = f.Control<QWidget>(ControlId::RocketLauncherInput);
    QWidget* widget = first;
    do {
        if (widget->window() == &f.Window() && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr) {
            chain << widget;
        }
        widget = widget->nextInFocusChain();
    } while (widget != first && chain.size() < 500);
    return chain;
}

// The WCAG contrast ratio, written out here rather than taken from the window's own code.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The buttons whose caption is a symbol ("s", "x", "X", "<-x") have names and tooltips instead.
bool IsSymbolButton(const QString& caption) { return caption.size() <= 3 && !caption.contains(u'&'); }

}  // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private slots:
    void every_button_and_group_has_its_own_mnemonic_in_every_language() {
        WindowFixture f;
        f.Start();
        for (int language = 0; language < static_cast<int>(kLanguages.size()); ++language) {
            f.Dlg().Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(language).string()));
            const QString name = QString::fromUtf8(kLanguages[language].displayName);
            QMap<QString, QString> owner;  // mnemonic key -> caption
            for (const ControlRow& control : ControlTable()) {
                QString caption;
                if (auto* button = f.Control<QPushButton>(control.id)) caption = button->text();
                if (auto* box = f.Control<QGroupBox>(control.id)) caption = box->title();
                if (auto* label = f.Control<QLabel>(control.id)) {
                    QVERIFY2(!label->text().contains(u'&'), qPrintable(name + ": " + label->text()));
                }
                if (caption.isEmpty() || IsSymbolButton(caption)) continue;
                const QString key = QKeySequence::mnemonic(caption).toString();
                QVERIFY2(!key.isEmpty(), qPrintable(name + ": no mnemonic in " + caption));
                QVERIFY2(!owner.contains(key),
                         qPrintable(name + ": " + key + " in " + caption + " and " + owner.value(key)));
                owner.insert(key, caption);
            }
            QVERIFY(owner.size() >= 17);
        }
    }

    void every_control_in_the_focus_chain_has_a_name_and_a_tooltip() {
        WindowFixture f;
        f.Start();
        for (int language : {0, 1, 7}) {
            f.Dlg().Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(language).string()));
            const QList<QWidget*> chain = FocusChain(f);
            QVERIFY(chain.size() >= 19 + 3 + 14);  // numeric inputs, lists, buttons
            QMap<QString, QString> named;          // name -> control: a name shared by two says neither
            for (QWidget* widget : chain) {
                QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
                QVERIFY(access != nullptr);
                // On Linux a drop-down list reports its current entry as its name; what it is for
                // is its accessible-name property.
                const QString name = qobject_cast<QComboBox*>(widget) != nullptr
                                         ? widget->accessibleName()
                                         : access->text(QAccessible::Name);
                const QString where = widget->objectName() + ": '" + name + "'";
                QVERIFY2(IsMeaningful(name), qPrintable(where));
                QVERIFY2(!name.contains(u'&'), qPrintable(where));
                QVERIFY2(!named.contains(name), qPrintable(where + " as " + named.value(name)));
                named.insert(name, widget->objectName());
                QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(where + " has no tooltip"));
            }
        }
    }

    void inputs_are_named_by_what_they_hold() {
        WindowFixture f;
        f.Start();
        const auto nameOf = [&f](ControlId id) {
            return QAccessible::queryAccessibleInterface(f.Control<QWidget>(id))->text(QAccessible::Name);
        };
        QCOMPARE(nameOf(ControlId::RocketLauncherInput), QStringLiteral("Rocket Launcher"));
        QCOMPARE(nameOf(ControlId::AbmInput), QStringLiteral("Anti-Ballistic Missiles"));
        QCOMPARE(nameOf(ControlId::StartGalaxyInput), QStringLiteral("Start galaxy"));
        QCOMPARE(nameOf(ControlId::TargetPlanetInput), QStringLiteral("Target planet"));
        QCOMPARE(nameOf(ControlId::BookSaveButton), QStringLiteral("Save start position"));
        QCOMPARE(nameOf(ControlId::BookDeleteButton), QStringLiteral("Delete start position"));
        QCOMPARE(nameOf(ControlId::ClearReportButton), QStringLiteral("Clear report"));
        QCOMPARE(nameOf(ControlId::ApplyResultButton), QStringLiteral("Use the survivors as the new input"));
        QCOMPARE(nameOf(ControlId::SimulateButton), QStringLiteral("Simulate"));
        QCOMPARE(f.Control<QWidget>(ControlId::HeavyLaserInput)->toolTip(),
                 QStringLiteral("Heavy Laser: how many the defender has"));
        QCOMPARE(f.Control<QWidget>(ControlId::BookDeleteButton)->toolTip(),
                 QStringLiteral("Delete the saved position the list shows"));

        // The primary-target list is announced with its label.
        bool labelled = false;
        const auto relations =
            QAccessible::queryAccessibleInterface(f.Control<QWidget>(ControlId::PrimaryTargetList))
                ->relations(QAccessible::Label);
        for (const auto& [other, relation] : relations) {
            labelled |= other->object() == f.Control<QObject>(ControlId::PrimaryTargetLabel);
        }
        QVERIFY(labelled);

        f.Dlg().Run(Action::UseLanguageFile, ActionInput(0, LanguagePath(1).string()));
        QCOMPARE(nameOf(ControlId::RocketLauncherInput), QStringLiteral("Raketenwerfer"));
        QCOMPARE(nameOf(ControlId::StartSystemInput), QStringLiteral("Start-Sonnensystem"));
    }

    void loss_colours_are_readable_on_light_and_dark_palettes_and_said_in_words_data() {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(0xef, 0xef, 0xef) << QColor(Qt::black);
        QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark") << QColor(0x2d, 0x2d, 0x2d) << QColor(Qt::white);
        QTest::newRow("black") << QColor(Qt::black) << QColor(0xdd, 0xdd, 0xdd);
    }
    void loss_colours_are_readable_on_light_and_dark_palettes_and_said_in_words() {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        const QPalette original = QApplication::palette();
        QPalette palette = original;
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        QApplication::setPalette(palette);
        {
            WindowFixture f;
            f.Start();
            f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
            f.Type(ControlId::LightLaserInput, QStringLiteral("10"));
            f.Type(ControlId::AbmInput, QStringLiteral("2"));
            f.Type(ControlId::MissileInput, QStringLiteral("10"));
            f.Click(ControlId::SimulateButton);
            // Defender lost more metal, the attacker more crystal and deuterium.
            const std::pair<ControlId, bool> cells[] = {
                {ControlId::DefenderMetalTotal, true},   {ControlId::DefenderCrystalTotal, false},
                {ControlId::AttackerMetalLoss, false},   {ControlId::AttackerDeuteriumLoss, true},
                {ControlId::DefenderMetalBalance, true}, {ControlId::AttackerMetalBalance, false},
            };
            for (const auto& [id, red] : cells) {
                const QColor shade = f.Control<QWidget>(id)->palette().color(QPalette::WindowText);
                const QString where = QStringLiteral("cell %1 in %2").arg(ToInt(id)).arg(shade.name());
                QVERIFY2(Contrast(shade, background) >= 4.5, qPrintable(where));
                QVERIFY2(red ? shade.red() > shade.green() : shade.green() > shade.red(), qPrintable(where));
            }
            QCOMPARE(f.Text(ControlId::DefenderMetalBalance), QStringLiteral("\u25b2 more"));
            QCOMPARE(f.Text(ControlId::DefenderCrystalBalance), QStringLiteral("\u25bc less"));
            QCOMPARE(f.Text(ControlId::AttackerCrystalBalance), QStringLiteral("\u25b2 more"));
        }
        QApplication::setPalette(original);
    }

    void a_mnemonic_presses_its_button() {
        WindowFixture f;
        f.Start();
        f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
        f.Type(ControlId::MissileInput, QStringLiteral("10"));
        QCOMPARE(f.Text(ControlId::SimulateButton), QStringLiteral("&Simulate"));
        QTest::keyClick(f.Control<QWidget>(ControlId::MissileInput), Qt::Key_S, Qt::AltModifier);
        // A mnemonic clicks with a short press animation.
        QTRY_COMPARE(f.Text(ControlId::RocketLauncherDestroyed), QStringLiteral("100"));
    }

    void a_paste_into_the_report_field_is_undone_with_its_read() {
        WindowFixture f;
        f.Start();
        QApplication::clipboard()->setText(QStringLiteral("Rocket Launcher 5 [1:2:3]"));
        auto* report = f.Control<QPlainTextEdit>(ControlId::ReportText);
        report->setFocus();
        QTest::keyClick(report, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(report, Qt::Key_R, Qt::AltModifier);  // the read button's mnemonic, a short animation
        QTRY_COMPARE(f.Text(ControlId::RocketLauncherInput), QStringLiteral("5"));
        QVERIFY(report->hasFocus());
        QTest::keyClick(report, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.Text(ControlId::ReportText), QString());
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QString());
        QTest::keyClick(report, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.Text(ControlId::ReportText), QStringLiteral("Rocket Launcher 5 [1:2:3]"));
        QCOMPARE(f.Text(ControlId::RocketLauncherInput), QStringLiteral("5"));
    }

    void ctrl_z_undoes_an_edits_own_typing_first_and_a_step_outside_it() {
        WindowFixture f;
        f.Start();
        f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
        f.Type(ControlId::MissileInput, QStringLiteral("10"));
        f.Click(ControlId::SimulateButton);
        // In a field Ctrl+Z takes back its own typing, not the strike.
        f.Type(ControlId::MissileInput, QStringLiteral("20"));
        QTest::keyClick(f.Control<QLineEdit>(ControlId::MissileInput), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.Text(ControlId::MissileInput) != QStringLiteral("20"));
        QCOMPARE(f.Text(ControlId::RocketLauncherDestroyed), QStringLiteral("100"));

        auto* simulate = f.Control<QWidget>(ControlId::SimulateButton);
        simulate->setFocus();
        QTest::keyClick(simulate, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.Text(ControlId::RocketLauncherDestroyed) != QStringLiteral("100"));
        QTest::keyClick(simulate, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.Text(ControlId::RocketLauncherDestroyed), QStringLiteral("100"));
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
