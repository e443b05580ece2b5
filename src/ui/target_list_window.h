#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "i18n/language_texts.h"
#include "plan/share_text.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quorvel {

class CSimulatorDlg;

// The target list window: one row per espionage report the target panel holds, sortable by any
// column and filtered to the targets in range. It draws what the panel and plan/ computed; Enter or
// a double-click loads the row's own report into the main window as one undoable step. Non-modal; the
// main window creates it on first open and tells it when the rows change.
class TargetListWindow : public QWidget {
    Q_OBJECT

public:
    // afterLoad: what the main window does after an action of its own (undo entries, growing).
    TargetListWindow(QWidget* owner, std::function<CSimulatorDlg*()> logic, std::function<void()> afterLoad);

    // The texts of the language the window now speaks; locale ("de") groups the numbers.
    void UseTexts(const LanguageTexts& texts, std::string_view locale);
    // The target panel's list rows drawn anew in the chosen order.
    void ShowRows();
    // The width that shows every column whole.
    int FittingWidth() const;

    QTableWidget* Table() const { return m_table; }
    QCheckBox* InRangeOnly() const { return m_inRangeOnly; }
    // The shown rows as indices into the panel's list rows, top to bottom.
    const std::vector<std::size_t>& Order() const { return m_order; }
    // The shown rows as a shared text or as CSV.
    std::string ShareText(ShareFormat format) const;
    std::string CsvText() const;
    // The shown rows as a CSV file, replaced atomically; false after an error box naming the file and
    // the reason.
    bool ExportCsv(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TargetListWords Words() const;
    const std::vector<TargetRow>& Rows() const;
    void SortBy(int column);
    void LoadShownRow(int shownRow);
    void AskExport();

    std::function<CSimulatorDlg*()> m_logic;
    std::function<void()> m_afterLoad;
    LanguageTexts m_texts;
    std::string m_locale = "en";
    std::optional<TargetColumn> m_sortColumn;
    bool m_descending = false;
    std::vector<std::size_t> m_order;
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
