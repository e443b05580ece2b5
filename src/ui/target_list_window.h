#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/views.h"
#include "i18n/language_texts.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quorvel {

class CSimulatorDlg;
enum class Action;
struct ActionInput;

// The target list window: draws the target panel's TargetListView, one row per espionage report,
// sorted by the column whose heading was clicked and filtered to the targets in range. Every click
// goes to the program as an action; Enter or a double-click loads the row's own report into the main
// window as one undoable step. Non-modal; the main window creates it on first open and hands it each
// new view.
class TargetListWindow : public QWidget {
    Q_OBJECT

public:
    // afterLoad: what the main window does after an action of its own (undo entries, growing).
    TargetListWindow(QWidget* owner, std::function<CSimulatorDlg*()> logic, std::function<void()> afterLoad);

    // The texts of the language the window now speaks (its buttons; the view brings the rest).
    void UseTexts(const LanguageTexts& texts);
    // Draws the view when it is not the one drawn already.
    void ShowRows(const TargetListView& view);
    // The width that shows every column whole.
    int FittingWidth() const;

    QTableWidget* Table() const { return m_table; }
    QCheckBox* InRangeOnly() const { return m_inRangeOnly; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs an action of the target list, then what the main window does after its own.
    void Run(Action action, const ActionInput& input);
    void AskExport();
    // The columns' widths for the rows drawn; anew: from nothing, else never narrower than before.
    void FitColumns(bool anew);

    std::function<CSimulatorDlg*()> m_logic;
    std::function<void()> m_afterLoad;
    LanguageTexts m_texts;
    std::uint64_t m_drawn = 0;  // the number of the view drawn
    QTableWidget* m_table;
    QCheckBox* m_inRangeOnly;
    QLabel* m_count;
    QPushButton* m_copyText;
    QPushButton* m_copyBBCode;
    QPushButton* m_copyMarkdown;
    QPushButton* m_copyCsv;
    QPushButton* m_exportCsv;
};

}  // namespace quorvel
