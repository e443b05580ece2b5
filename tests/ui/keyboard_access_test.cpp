// The window for keyboard and screen-reader users: mnemonics without clashes in every language,
// a meaningful accessible name and a tooltip on every control the focus reaches.

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include "app/control_table.h"
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
            f.Dlg().ApplyLanguageFile(LanguagePath(language));
            const QString name = QString::fromUtf8(kLanguages[language].displayName);
            QMap<QString, QString> owner;  // mnemonic key -> caption
            for (const ControlSpec& spec : ControlTable()) {
                QString caption;
                if (auto* button = f.Control<QPushButton>(spec.id)) caption = button->text();
                if (auto* box = f.Control<QGroupBox>(spec.id)) caption = box->title();
                if (auto* label = f.Control<QLabel>(spec.id)) {
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
            f.Dlg().ApplyLanguageFile(LanguagePath(language));
            const QList<QWidget*> chain = FocusChain(f);
            QVERIFY(chain.size() >= 19 + 3 + 14);  // numeric inputs, lists, buttons
            QMap<QString, QString> named;  // name -> control: a name shared by two says neither
            for (QWidget* widget : chain) {
                QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
                QVERIFY(access != nullptr);
                // On Linux a drop-down list reports its current entry as its name; what it is for
                // is its accessible-name property.
                const QString name = qobject_cast<QComboBox*>(widget) != nullptr ? widget->accessibleName()
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
        QCOMPARE(f.Control<QWidget>(ControlId::BookDeleteButton)->toolTip(), QStringLiteral("Delete start position"));

        f.Dlg().ApplyLanguageFile(LanguagePath(1));
        QCOMPARE(nameOf(ControlId::RocketLauncherInput), QStringLiteral("Raketenwerfer"));
        QCOMPARE(nameOf(ControlId::StartSystemInput), QStringLiteral("Start-Sonnensystem"));
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
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
