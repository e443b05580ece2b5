#include "ui/control_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

#include "ui/caption_label.h"
#include "ui/drop_down_list.h"
#include "ui/message_line.h"
#include "ui/qt_text.h"
#include "ui/result_cell.h"
#include "ui/titled_box.h"

namespace quorvel {
namespace {

// The boxes of the strike areas hold long numbers; the travel boxes hold short coordinates.
bool IsStrikeBox(ControlId box) {
    return box == ControlId::DefenderBox || box == ControlId::DefenderLossBox ||
           box == ControlId::AttackerBox || box == ControlId::AttackerLossBox;
}

// A heading is a label with a result cell right below it: it heads a column of numbers.
bool IsColumnHeading(const ControlRow& control) {
    if (control.kind != ControlKind::Label || control.columnSpan != 1) return false;
    return std::any_of(ControlTable().begin(), ControlTable().end(), [&control](const ControlRow& other) {
        return other.kind == ControlKind::Cell && other.columnSpan == 1 && other.box == control.box &&
               other.column == control.column && other.row == control.row + 1;
    });
}

// A row of single-column result cells outside the strike boxes ("194 minutes 30 seconds") reads as
// one line across its box: its words then do not widen the columns of the fields above it, which
// would move those fields whenever a result shows.
bool IsResultLine(const ControlRow& control) {
    if (IsStrikeBox(control.box) || control.kind != ControlKind::Cell || control.columnSpan != 1)
        return false;
    return std::all_of(ControlTable().begin(), ControlTable().end(), [&control](const ControlRow& other) {
        return other.box != control.box || other.row != control.row ||
               (other.kind == ControlKind::Cell && other.columnSpan == 1);
    });
}

QLabel* CreateLabel(const ControlRow& control, QWidget* parent) {
    auto* label = new CaptionLabel(ToQString(control.caption), parent);
    if (IsColumnHeading(control)) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* CreateCell(const ControlRow& control, QWidget* parent) {
    // Cells across several columns hold sentences; the others hold numbers.
    if (control.columnSpan > 1) return new MessageLine(parent);
    // Strike cells keep room for a usual result, so that the window does not jump with every
    // simulation; the numbers of a result line keep room for theirs (its words, see the window's
    // language), so that the fields above stay where they are when it shows.
    const QString room = IsStrikeBox(control.box) ? QStringLiteral("999.999.999")
                         : IsResultLine(control)  ? QStringLiteral("9999")
                                                  : QString();
    return new ResultCell(ToQString(control.caption), room, parent);
}

QLineEdit* CreateNumericEdit(const ControlRow& control, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // Any text may be typed: reading it is the handlers' job, with their own error message.
    const int digits = IsStrikeBox(control.box) ? 11 : 4;
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int textWidth = digits * edit->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    edit->setFixedWidth(textWidth + 2 * frame + 8);
    return edit;
}

QPlainTextEdit* CreateReportEdit(QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * 6);
    return edit;
}

QPushButton* CreateButton(const ControlRow& control, QWidget* parent) {
    auto* button = new QPushButton(ToQString(control.caption), parent);
    // Enter belongs to Simulate, never to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    const QString caption = button->text();
    if (caption.size() <= 3) {
        // "<-x", "s", "x", "X": small buttons beside the fields they act on.
        const int width = button->fontMetrics().horizontalAdvance(caption) + 16;
        button->setFixedWidth(std::max(width, button->sizeHint().height()));
    }
    return button;
}

QComboBox* CreateDropDown(QWidget* parent) { return new DropDownList(parent); }

// The boxes whose rows stand level, with the number of rows they line up (-1: all). The attacker's
// loss stands level with the missile row.
struct RowsLinedUp {
    ControlId first, second;
    int rowCount;
};
constexpr std::array<RowsLinedUp, 2> kRowsLinedUp = {
    {{ControlId::DefenderBox, ControlId::DefenderLossBox, -1},
     // The headings and the attacker's loss stand level with those over the missiles and the
     // missile row.
     {ControlId::AttackerBox, ControlId::AttackerLossBox, 2}}};

// The items of a grid with their cell, for lining up two grids.
struct GridCell {
    int row, column, rowSpan, columnSpan;
    QSize hint;
};

std::vector<GridCell> CellsOf(const QGridLayout& grid) {
    std::vector<GridCell> cells;
    for (int i = 0; i < grid.count(); ++i) {
        GridCell cell{};
        grid.getItemPosition(i, &cell.row, &cell.column, &cell.rowSpan, &cell.columnSpan);
        cell.hint = grid.itemAt(i)->sizeHint();
        cells.push_back(cell);
    }
    return cells;
}

// The rows of a grid that hold an item, and the first row below them all. Positions only: no size
// hints are asked for.
int EndRow(const QGridLayout& grid, std::vector<bool>* used = nullptr) {
    int end = 0;
    for (int i = 0; i < grid.count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        end = std::max(end, row + rowSpan);
        if (used != nullptr && row < static_cast<int>(used->size()))
            (*used)[static_cast<std::size_t>(row)] = true;
    }
    return end;
}

// The rows two grids line up: the first rowCount, or all rows holding widgets when rowCount is -1.
int RowsToLineUp(const QGridLayout& a, const QGridLayout& b, int rowCount) {
    return rowCount >= 0 ? rowCount : std::max(EndRow(a), EndRow(b));
}

// A grid leaves out the spacing around a row without widgets; an empty widget keeps the row, so
// that rows after it stay level with those of a neighbouring grid.
void FillEmptyRows(QGridLayout& grid, int rows) {
    std::vector<bool> used(static_cast<std::size_t>(rows), false);
    EndRow(grid, &used);
    for (int r = 0; r < rows; ++r) {
        if (!used[static_cast<std::size_t>(r)]) grid.addWidget(new QWidget(grid.parentWidget()), r, 0);
    }
}

// The same for the rows two grids line up (see RowsToLineUp); gives the number of those rows.
int FillEmptyRows(QGridLayout& a, QGridLayout& b, int rowCount) {
    const int rows = RowsToLineUp(a, b, rowCount);
    FillEmptyRows(a, rows);
    FillEmptyRows(b, rows);
    return rows;
}

// A minimum set anew invalidates its grid even when it stays the same: only changes are set.
void SetRowMinimum(QGridLayout& grid, int row, int height) {
    if (grid.rowMinimumHeight(row) != height) grid.setRowMinimumHeight(row, height);
}

void SetColumnMinimum(QGridLayout& grid, int column, int width) {
    if (grid.columnMinimumWidth(column) != width) grid.setColumnMinimumWidth(column, width);
}

// Equal heights for the rows two grids line up.
void LineUpRows(QGridLayout& a, QGridLayout& b, int rowCount) {
    const int rows = FillEmptyRows(a, b, rowCount);
    std::vector<int> height(static_cast<std::size_t>(rows), 0);
    for (const QGridLayout* grid : {&a, &b}) {
        for (const GridCell& cell : CellsOf(*grid)) {
            if (cell.rowSpan == 1 && cell.row < rows) {
                int& h = height[static_cast<std::size_t>(cell.row)];
                h = std::max(h, cell.hint.height());
            }
        }
    }
    for (int r = 0; r < rows; ++r) {
        SetRowMinimum(a, r, height[static_cast<std::size_t>(r)]);
        SetRowMinimum(b, r, height[static_cast<std::size_t>(r)]);
    }
}

// Equal widths for the columns of two grids stacked above each other.
void LineUpColumns(QGridLayout& a, QGridLayout& b) {
    const int columns = std::max(a.columnCount(), b.columnCount());
    std::vector<int> width(static_cast<std::size_t>(columns), 0);
    for (const QGridLayout* grid : {&a, &b}) {
        for (const GridCell& cell : CellsOf(*grid)) {
            if (cell.columnSpan != 1) continue;
            int& w = width[static_cast<std::size_t>(cell.column)];
            w = std::max(w, cell.hint.width());
        }
    }
    for (int c = 0; c < columns; ++c) {
        SetColumnMinimum(a, c, width[static_cast<std::size_t>(c)]);
        SetColumnMinimum(b, c, width[static_cast<std::size_t>(c)]);
    }
}

}  // namespace

ControlWidgets::ControlWidgets(QWidget& window) {
    BuildBoxes(window);
    BuildControls(window);
    FillEmptyRowsOfLinedUpBoxes();
}

QWidget* ControlWidgets::Widget(ControlId id) const {
    const auto it = m_widgets.find(id);
    return it == m_widgets.end() ? nullptr : it->second;
}

void ControlWidgets::BuildBoxes(QWidget& window) {
    auto* windowGrid = new QGridLayout(&window);
    // One column of boxes per window grid cell, so that the button column can stand below a box.
    std::map<std::pair<int, int>, QVBoxLayout*> stacks;
    int rightmost = 0;
    for (const ControlRow& control : ControlTable()) {
        if (control.kind != ControlKind::GroupBox) continue;
        auto* box = new TitledBox(&window);
        box->setTitle(ToQString(control.caption));
        box->setObjectName(QStringLiteral("control%1").arg(ToInt(control.id)));
        m_widgets[control.id] = box;
        m_grids[control.id] = new QGridLayout(box);
        QVBoxLayout*& stack = stacks[{control.row, control.column}];
        if (stack == nullptr) {
            stack = new QVBoxLayout;
            windowGrid->addLayout(stack, control.row, control.column);
        }
        stack->addWidget(box);
        rightmost = std::max(rightmost, control.column);
    }

    // The buttons stand at the window's right edge, at the foot of the rightmost column.
    QVBoxLayout* lastOnTheRight = nullptr;
    for (const auto& [cell, stack] : stacks) {
        if (cell.second == rightmost) lastOnTheRight = stack;
    }
    auto* buttons = new QGridLayout;
    m_grids[kButtonColumn] = buttons;
    if (lastOnTheRight != nullptr) {
        lastOnTheRight->addStretch(1);
        lastOnTheRight->addLayout(buttons);
    } else {
        windowGrid->addLayout(buttons, 0, rightmost + 1);
    }
    // Extra height goes to the attacker row, whose report field can use it.
    windowGrid->setRowStretch(1, 1);
}

void ControlWidgets::BuildControls(QWidget& window) {
    std::map<ControlId, int> stretchRow;
    std::map<std::pair<ControlId, int>, QHBoxLayout*> lines;
    for (const ControlRow& control : ControlTable()) {
        if (control.kind == ControlKind::GroupBox) continue;
        const auto grid = m_grids.find(control.box);
        if (grid == m_grids.end()) continue;
        QWidget* parent =
            control.box == kButtonColumn ? static_cast<QWidget*>(&window) : m_widgets.at(control.box);
        QWidget* widget = Create(control, parent);
        widget->setObjectName(QStringLiteral("control%1").arg(ToInt(control.id)));
        m_widgets[control.id] = widget;
        if (IsResultLine(control)) {
            QHBoxLayout*& line = lines[{control.box, control.row}];
            if (line == nullptr) {
                line = new QHBoxLayout;
                line->setSpacing(grid->second->horizontalSpacing());
                grid->second->addLayout(line, control.row, 0, 1, -1);
            }
            line->addWidget(widget);
        } else {
            grid->second->addWidget(widget, control.row, control.column, 1, control.columnSpan);
        }
        if (control.kind == ControlKind::ReportEdit) stretchRow[control.box] = control.row;
    }
    for (const auto& [place, line] : lines) {
        line->addStretch(1);
        // A grid takes no more width than its columns allow, and a line across them does not
        // count: an empty column after the others takes the box's spare width, which the line
        // may use.
        QGridLayout& grid = *m_grids.at(place.first);
        grid.addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), place.second,
                     grid.columnCount());
    }
    // Spare height of a box goes to its report field, or else below its last row, so that rows of
    // neighbouring boxes stay level.
    for (const auto& [box, grid] : m_grids) {
        if (box == kButtonColumn) continue;
        const auto row = stretchRow.find(box);
        grid->setRowStretch(row != stretchRow.end() ? row->second : grid->rowCount(), 1);
    }
}

QWidget* ControlWidgets::Create(const ControlRow& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Label:
            return CreateLabel(control, parent);
        case ControlKind::Cell:
            return CreateCell(control, parent);
        case ControlKind::NumericEdit:
            return CreateNumericEdit(control, parent);
        case ControlKind::ReportEdit:
            return CreateReportEdit(parent);
        case ControlKind::Button:
            return CreateButton(control, parent);
        case ControlKind::DropDown:
            return CreateDropDown(parent);
        case ControlKind::GroupBox:
            break;
    }
    return new QGroupBox(ToQString(control.caption), parent);
}

void ControlWidgets::FillEmptyRowsOfLinedUpBoxes() {
    for (const auto& [first, second, rowCount] : kRowsLinedUp) {
        FillEmptyRows(*m_grids.at(first), *m_grids.at(second), rowCount);
    }
}

void ControlWidgets::LineUp() {
    const auto grid = [this](ControlId box) -> QGridLayout& { return *m_grids.at(box); };
    for (const auto& [first, second, rowCount] : kRowsLinedUp)
        LineUpRows(grid(first), grid(second), rowCount);
    LineUpColumns(grid(ControlId::DefenderBox), grid(ControlId::AttackerBox));
    LineUpColumns(grid(ControlId::DefenderLossBox), grid(ControlId::AttackerLossBox));
    // The boxes pass their grids' new sizes on to the window's layout at once rather than on the
    // next turn of the event loop, so that the window can be sized for them right away.
    for (const auto& [box, boxGrid] : m_grids) {
        if (box != kButtonColumn) m_widgets.at(box)->updateGeometry();
    }
}

}  // namespace quorvel
