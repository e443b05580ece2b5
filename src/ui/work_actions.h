#pragma once

#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace quorvel {

class CSimulatorDlg;
struct LanguageTexts;

// The window's context-menu entries that keep the work: Undo and Redo of whole-form steps (their
// keys, Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y, are the window key filter's) and New plan.
class WorkActions : public QObject {
    Q_OBJECT

public:
    WorkActions(QWidget& window, std::function<CSimulatorDlg*()> logic);

    // Adds the entries to the window's context menu in front of `before` (nullptr: at the end).
    void AddToContextMenu(QAction* before);
    // The entries' texts in the language the window now speaks.
    void UseTexts(const LanguageTexts& texts);
    // Undo and Redo are offered only while there is a step to go.
    void UpdateEnabled();

private:
    QWidget& m_window;
    std::function<CSimulatorDlg*()> m_logic;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_newPlan = nullptr;
};

}  // namespace quorvel
