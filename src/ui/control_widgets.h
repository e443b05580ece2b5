#pragma once

#include <map>

#include "app/control_table.h"

class QGridLayout;
class QWidget;

namespace quorvel {

// Every control of the main window, built from the control table and laid out in its box's grid.
// Widgets are named "control<number>" so that tests and tools find them by their control number.
class ControlWidgets {
public:
    // content: the widget the boxes are laid out in (the window's scrollable area).
    explicit ControlWidgets(QWidget& content);

    // nullptr for a number the table does not hold.
    QWidget* Widget(ControlId id) const;
    template <class W>
    W* As(ControlId id) const {
        return qobject_cast<W*>(Widget(id));
    }
    const std::map<ControlId, QWidget*>& All() const { return m_widgets; }

    // Gives the rows of the defender and loss boxes the same heights and the columns of the boxes
    // stacked above each other the same widths. The window runs it when it is first shown (sizes
    // are known then) and again after captions or results change size.
    void LineUp();

private:
    void BuildBoxes(QWidget& window);
    void BuildControls(QWidget& window);
    // The empty rows of boxes that line up get their place holders before the window is shown:
    // a widget added later would stay hidden.
    void FillEmptyRowsOfLinedUpBoxes();
    QWidget* Create(const ControlRow& control, QWidget* parent);

    std::map<ControlId, QWidget*> m_widgets;
    std::map<ControlId, QGridLayout*> m_grids;  // per box, the button column included
};

}  // namespace quorvel
