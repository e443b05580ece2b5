#pragma once

#include <QKeySequence>
#include <QObject>
#include <functional>
#include <optional>

#include "app/button_handlers.h"

class QKeyEvent;
class QWidget;

namespace quorvel {

// Sees every key pressed in the main window before the focused control does: Enter simulates,
// Escape resets, Ctrl+C copies the strike unless a field has a selection, Ctrl+Shift+V pastes and
// reads a report, Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y undo and redo a step unless the focused edit
// has typing of its own to undo or redo, from whichever control has the focus. A key the window acts on goes
// no further, so one press is one action. In the multi-line report field Enter starts a new line; Ctrl+Enter
// simulates there.
class WindowKeyFilter : public QObject {
    Q_OBJECT

public:
    WindowKeyFilter(QWidget& window, std::function<void(Key)> onKey);

    // The key the window acts on for this press in this widget, if any.
    static std::optional<Key> WindowKey(const QKeyEvent& event, const QWidget& focused);
    // The paste-and-read keys, shown beside the context-menu entry.
    static QKeySequence PasteReportKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(Key)> m_onKey;
};

}  // namespace quorvel
