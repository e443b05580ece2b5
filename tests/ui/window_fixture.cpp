#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "i18n/language_file.h"
#include "i18n/language_lines.h"
#include "ui/book_file_watcher.h"

namespace quorvel {

WindowFixture::WindowFixture() {
    QDir home(m_home.path());
    home.mkpath(QStringLiteral("languages"));
    home.mkpath(QStringLiteral("data"));
    const QDir shipped(QStringLiteral(QUORVEL_LANGUAGE_DIR));
    for (const QString& name : shipped.entryList({QStringLiteral("*_lang.dat")}, QDir::Files)) {
        QFile::copy(shipped.filePath(name), home.filePath(QStringLiteral("languages/") + name));
    }
}

WindowFixture::~WindowFixture() {
    m_dlg.reset();
    m_window.reset();
}

QString WindowFixture::HomePath(const QString& relative) const {
    return QDir(m_home.path()).filePath(relative);
}

void WindowFixture::WriteHomeFile(const QString& relative, const QByteArray& content) {
    QFile file(HomePath(relative));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray WindowFixture::ReadHomeFile(const QString& relative) const {
    QFile file(HomePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WindowFixture::Start() {
    m_window = std::make_unique<QuorvelWindow>();
    m_dlg = std::make_unique<CSimulatorDlg>(*m_window, std::filesystem::path(m_home.path().toStdString()));
    m_window->Attach(*m_dlg);
    m_dlg->OnMainWindowInit();
    WatchBookFile(*m_window, *m_dlg);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowFixture::Type(ControlId id, const QString& text) {
    QWidget* widget = m_window->Control(id);
    QVERIFY(widget != nullptr);
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->clear();
    if (auto* report = qobject_cast<QPlainTextEdit*>(widget)) report->clear();
    QTest::keyClicks(widget, text);
}

void WindowFixture::Click(ControlId id) {
    auto* button = Control<QAbstractButton>(id);
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool WindowFixture::WithNextModal(const std::function<void()>& action,
                                  const std::function<void(QWidget&)>& act) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_window.get() || !modal->isVisible()) return;
        poll.stop();
        seen = true;
        act(*modal);
        // A check that failed inside act returns early and leaves the dialog open: close it, so the
        // test fails instead of waiting for ever.
        if (modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Mid, QColor(90, 90, 90));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    return dark;
}

QString ShippedLanguageLine(const char* fileName, int lineNumber) {
    const std::optional<LanguageLines> lines =
        ReadLanguageFile(std::filesystem::path(QUORVEL_LANGUAGE_DIR) / fileName);
    return lines ? QString::fromStdString(LineText(*lines, lineNumber)) : QString();
}

}  // namespace quorvel
