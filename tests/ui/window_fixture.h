#pragma once

#include <QPalette>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "app/control_id.h"
#include "app/simulator_dialog.h"
#include "ui/quorvel_window.h"

class QWidget;

namespace quorvel {

// A main window as the program starts it, over a fresh home folder holding the shipped language
// files and an empty data folder. Files may be put into the home folder before Start().
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    QString HomePath(const QString& relative) const;
    void WriteHomeFile(const QString& relative, const QByteArray& content);
    QByteArray ReadHomeFile(const QString& relative) const;

    // Builds the window and the logic, runs the start-up and shows the window, active.
    void Start();

    QuorvelWindow& Window() { return *m_window; }
    CSimulatorDlg& Dlg() { return *m_dlg; }
    template <class W>
    W* Control(ControlId id) {
        return qobject_cast<W*>(m_window->Control(id));
    }

    // Replaces a field's text by typing it, as a player would.
    void Type(ControlId id, const QString& text);
    void Click(ControlId id);
    QString Text(ControlId id) const { return ToQ(m_window->GetText(id)); }

    // The next modal dialog over the window is handed to act once it is shown; act must close it.
    // Returns false when none opened before `action` returned.
    bool WithNextModal(const std::function<void()>& action, const std::function<void(QWidget&)>& act);

private:
    static QString ToQ(const std::string& text) { return QString::fromStdString(text); }

    QTemporaryDir m_home;
    std::unique_ptr<QuorvelWindow> m_window;
    std::unique_ptr<CSimulatorDlg> m_dlg;
};

// A dark palette, as a dark desktop theme gives, for checking that texts stay readable.
QPalette DarkPalette();

// A line of a shipped language file, for comparing captions.
QString ShippedLanguageLine(const char* fileName, int lineNumber);

}  // namespace quorvel
