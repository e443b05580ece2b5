#include "ui/window_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

namespace quorvel {

WindowKeyFilter::WindowKeyFilter(QWidget& window, std::function<void(Key)> onKey)
    : QObject(&window), m_window(window), m_onKey(std::move(onKey)) {}

namespace {

const QKeySequence kPasteReportKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);

bool HasSelection(const QWidget& focused) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&focused)) return edit->hasSelectedText();
    if (const auto* report = qobject_cast<const QPlainTextEdit*>(&focused))
        return report->textCursor().hasSelection();
    return false;
}

// Whether the edit has typing of its own to undo (or redo): then Ctrl+Z is the edit's.
bool HasOwnTyping(const QWidget& focused, bool redo) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&focused)) {
        return redo ? edit->isRedoAvailable() : edit->isUndoAvailable();
    }
    if (const auto* report = qobject_cast<const QPlainTextEdit*>(&focused)) {
        return redo ? report->document()->isRedoAvailable() : report->document()->isUndoAvailable();
    }
    return false;
}

}  // namespace

QKeySequence WindowKeyFilter::PasteReportKeys() { return kPasteReportKeys; }

std::optional<Key> WindowKeyFilter::WindowKey(const QKeyEvent& event, const QWidget& focused) {
    // Ctrl+C stays the fields' own copy while they have a selection.
    if (event.matches(QKeySequence::Copy))
        return HasSelection(focused) ? std::nullopt : std::optional(Key::CopyStrike);
    if (QKeySequence(event.keyCombination()) == kPasteReportKeys) return Key::PasteReport;
    if (event.matches(QKeySequence::Undo))
        return HasOwnTyping(focused, false) ? std::nullopt : std::optional(Key::Undo);
    if (event.matches(QKeySequence::Redo) ||
        QKeySequence(event.keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y)) {
        return HasOwnTyping(focused, true) ? std::nullopt : std::optional(Key::Redo);
    }
    switch (event.key()) {
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (qobject_cast<const QPlainTextEdit*>(&focused) != nullptr &&
                !event.modifiers().testFlag(Qt::ControlModifier)) {
                return std::nullopt;
            }
            return Key::Enter;
        default:
            return std::nullopt;
    }
}

bool WindowKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // An ignored key travels up to the parents and passes this filter again; act on its first
    // receiver only, and only inside the main window (not in a message box or an open list).
    QWidget* first = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &m_window;
    if (widget != first || widget->window() != &m_window) return false;
    const std::optional<Key> key = WindowKey(*static_cast<QKeyEvent*>(event), *widget);
    if (!key) return false;
    // One key, one action: the press ends here. Let through, it would travel on to the parents
    // while a message box of the action has moved the focus, and act a second time there.
    event->accept();
    m_onKey(*key);
    return true;
}

}  // namespace quorvel
