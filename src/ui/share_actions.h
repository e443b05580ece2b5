#pragma once

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

namespace quorvel {

class CSimulatorDlg;

// The window's ways to share results: context-menu entries for the three copy forms of the strike
// and of the plan and for paste-and-read, Ctrl+C (the strike as plain text, unless a field has a
// selection, which Ctrl+C then copies as usual) and Ctrl+Shift+V (paste-and-read). Entry texts
// follow the active language each time the menu opens.
class ShareActions : public QObject {
    Q_OBJECT

public:
    ShareActions(QWidget& window, std::function<CSimulatorDlg*()> logic);

    // Adds the entries to the window's context menu in front of `before` (nullptr: at the end).
    void AddToContextMenu(QAction* before);

    enum class WindowKey { None, CopyStrike, PasteReport };
    // What a key press does in the window given the focused control.
    static WindowKey KeyOf(const QKeyEvent& event, const QWidget* focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateTexts();

    QWidget& m_window;
    std::function<CSimulatorDlg*()> m_logic;
    std::array<QAction*, 3> m_copyStrike{};
    std::array<QAction*, 3> m_copyPlan{};
    QAction* m_pasteReport = nullptr;
};

}  // namespace quorvel
