// One language per window: the window's own boxes and dialogs and Qt's texts follow the chosen
// language, and the save dialog's defaults.

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "i18n/language_lines.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

QString AboutEntryText(WindowFixture& f) {
    for (QAction* action : f.Window().actions()) {
        if (action->objectName() == QLatin1String("aboutAction")) return action->text();
    }
    return {};
}

// Records one attack, so that Save has something to export.
void RecordAnAttack(WindowFixture& f) {
    f.Type(ControlId::RocketLauncherInput, QStringLiteral("100"));
    f.Type(ControlId::MissileInput, QStringLiteral("1"));
    f.Click(ControlId::SimulateButton);
}

// Opens the save dialog from the Save button and hands it to act, which must close it.
bool WithSaveDialog(WindowFixture& f, const std::function<void(QFileDialog&)>& act) {
    const auto clickSave = [&] { f.Click(ControlId::SavePlanButton); };
    return f.WithNextModal(clickSave, [&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        if (dialog == nullptr) {
            static_cast<QDialog&>(modal).reject();
            QFAIL("the save dialog did not open");
        }
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// Types a name into the dialog's folder and accepts, as a player would.
void AcceptWithName(QFileDialog& dialog, const QString& folder, const QString& name) {
    dialog.setDirectory(folder);
    auto* nameField = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(nameField != nullptr);
    nameField->setText(name);
    QMetaObject::invokeMethod(&dialog, "accept");
}

// Button captions without their shortcut marks.
QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        texts << button->text().remove(QLatin1Char('&'));
    return texts;
}

}  // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // The player's documents folder, where the first save dialog opens.
        QVERIFY(m_config.isValid() && m_documents.isValid());
        QFile dirs(m_config.filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + m_documents.path().toUtf8() + "\"\n");
        dirs.close();
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }

    void the_windows_own_texts_follow_the_language_and_fall_back_to_english() {
        WindowFixture f;
        // Dutch without the window's own lines: those texts are English.
        QByteArray dutch;
        for (int n = 1; n <= kLinePlanMissilesCaption; ++n) {
            dutch += ShippedLanguageLine("nl_lang.dat", n).toUtf8() + '\n';
        }
        f.WriteHomeFile(QStringLiteral("languages/nl_lang.dat"), dutch);
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "1");
        f.Start();
        QCOMPARE(AboutEntryText(f), ShippedLanguageLine("ger_lang.dat", kLineAboutEntry));
        f.Type(ControlId::MissileInput, QStringLiteral("x"));
        QString shown;
        const auto simulate = [&] { f.Click(ControlId::SimulateButton); };
        QVERIFY(f.WithNextModal(simulate, [&](QWidget& modal) {
            shown = static_cast<QMessageBox&>(modal).text();
            static_cast<QDialog&>(modal).accept();
        }));
        // The field's name and the largest number grouped the German way.
        QCOMPARE(shown, QStringLiteral(
                            "Anzahl der Interplanetarraketen: Bitte eine ganze Zahl von 0 bis 2.147.483.647 "
                            "eingeben."));

        f.Dlg().Run(Action::UseLanguageFile,
                    ActionInput(0, std::filesystem::path("languages/nl_lang.dat").string()));
        QCOMPARE(AboutEntryText(f), ShippedLanguageLine("eng_lang.dat", kLineAboutEntry));
    }

    void a_german_window_has_a_german_save_dialog() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "1");
        f.Start();
        RecordAnAttack(f);
        QStringList buttons;
        QVERIFY(WithSaveDialog(f, [&](QFileDialog& dialog) {
            QCOMPARE(dialog.nameFilters(), QStringList{ShippedLanguageLine("ger_lang.dat", kLineSaveFilter)});
            QCOMPARE(dialog.windowTitle(), ShippedLanguageLine("ger_lang.dat", kLineSaveTitle));
            buttons = ButtonTexts(dialog);
        }));
        const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(translations + QStringLiteral("/qtbase_de.qm"))) {
            QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
        }
        QVERIFY2(
            buttons.contains(QStringLiteral("Speichern")) && buttons.contains(QStringLiteral("Abbrechen")),
            qPrintable(buttons.join(QLatin1Char(','))));
    }

    void switching_to_english_makes_qts_texts_english_again() {
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), "1");
        f.Start();
        f.Dlg().Run(Action::UseLanguageFile,
                    ActionInput(0, std::filesystem::path("languages/eng_lang.dat").string()));
        RecordAnAttack(f);
        QStringList buttons;
        QVERIFY(WithSaveDialog(f, [&](QFileDialog& dialog) { buttons = ButtonTexts(dialog); }));
        QVERIFY2(buttons.contains(QStringLiteral("Save")), qPrintable(buttons.join(QLatin1Char(','))));
    }

    void the_save_dialog_opens_in_the_documents_then_in_the_last_exports_folder() {
        WindowFixture f;
        f.Start();
        RecordAnAttack(f);
        QString firstFolder;
        QString suggested;
        const QString exports = f.HomePath(QStringLiteral("exports"));
        QVERIFY(QDir().mkpath(exports));
        QVERIFY(WithSaveDialog(f, [&](QFileDialog& dialog) {
            firstFolder = dialog.directory().absolutePath();
            suggested = dialog.findChild<QLineEdit*>()->text();
            AcceptWithName(dialog, exports, QStringLiteral("first.txt"));
        }));
        QCOMPARE(firstFolder, QDir(m_documents.path()).absolutePath());
        QCOMPARE(suggested, ShippedLanguageLine("eng_lang.dat", kLineSaveFileName));
        QVERIFY(QFile::exists(exports + QStringLiteral("/first.txt")));

        RecordAnAttack(f);
        QString secondFolder;
        QVERIFY(WithSaveDialog(f, [&](QFileDialog& dialog) {
            secondFolder = dialog.directory().absolutePath();
            dialog.reject();
        }));
        QCOMPARE(secondFolder, QDir(exports).absolutePath());
    }

    void a_name_typed_without_extension_gets_txt() {
        WindowFixture f;
        f.Start();
        RecordAnAttack(f);
        QVERIFY(WithSaveDialog(f, [&](QFileDialog& dialog) {
            AcceptWithName(dialog, f.HomePath(QString()), QStringLiteral("strike"));
        }));
        QVERIFY(QFile::exists(f.HomePath(QStringLiteral("strike.txt"))));
        QVERIFY(!QFile::exists(f.HomePath(QStringLiteral("strike"))));
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_documents;
};

QTEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
