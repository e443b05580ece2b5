#include "ui/work_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "app/simulator_dialog.h"
#include "ui/qt_text.h"

namespace quorvel {
namespace {

// The entry's text with its key shown in the menu's shortcut column. The key is not the action's
// shortcut: inside an edit, Ctrl+Z first undoes the edit's own typing.
QString WithKey(const std::string& text, QKeySequence::StandardKey keys) {
    return ToQString(text) + QLatin1Char('\t') + QKeySequence(keys).toString(QKeySequence::NativeText);
}

}  // namespace

WorkActions::WorkActions(QWidget& window, std::function<CSimulatorDlg*()> logic)
    : QObject(&window), m_window(window), m_logic(std::move(logic)) {
    const auto entry = [this](const char* name, Action action) {
        auto* item = new QAction(&m_window);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [this, action] {
            if (CSimulatorDlg* dlg = m_logic()) dlg->Run(action);
            UpdateEnabled();
        });
        return item;
    };
    m_undo = entry("undoAction", Action::Undo);
    m_redo = entry("redoAction", Action::Redo);
    m_newPlan = entry("newPlanAction", Action::NewPlan);
}

void WorkActions::AddToContextMenu(QAction* before) {
    auto* separator = new QAction(&m_window);
    separator->setSeparator(true);
    m_window.insertActions(before, {m_undo, m_redo, m_newPlan, separator});
    UpdateEnabled();
}

void WorkActions::UseTexts(const LanguageTexts& texts) {
    m_undo->setText(WithKey(texts.undoEntry[0], QKeySequence::Undo));
    m_redo->setText(WithKey(texts.undoEntry[1], QKeySequence::Redo));
    m_newPlan->setText(ToQString(texts.newPlanEntry));
}

void WorkActions::UpdateEnabled() {
    const CSimulatorDlg* dlg = m_logic();
    m_undo->setEnabled(dlg != nullptr && dlg->View().work.undoSteps > 0);
    m_redo->setEnabled(dlg != nullptr && dlg->View().work.redoSteps > 0);
}

}  // namespace quorvel
