// The window for keyboard and screen-reader users: mnemonics without clashes in every language.

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
