#include "ui/target_list_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/simulator_dialog.h"
#include "ui/qt_text.h"

namespace quorvel {
namespace {

Qt::Alignment QtAlignment(CellAlignment alignment) {
    switch (alignment) {
        case CellAlignment::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case CellAlignment::Centre:
            return Qt::AlignCenter;
        case CellAlignment::Right:
            break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace

TargetListWindow::TargetListWindow(QWidget* owner, std::function<CSimulatorDlg*()> logic,
                                   std::function<void()> afterLoad)
    : QWidget(owner, Qt::Window),
      m_logic(std::move(logic)),
      m_afterLoad(std::move(afterLoad)),
      m_table(new QTableWidget(this)),
      m_inRangeOnly(new QCheckBox(this)),
      m_count(new QLabel(this)),
      m_copyText(new QPushButton(this)),
      m_copyBBCode(new QPushButton(this)),
      m_copyMarkdown(new QPushButton(this)),
      m_copyCsv(new QPushButton(this)),
      m_exportCsv(new QPushButton(this)) {
    setObjectName(QStringLiteral("targetListWindow"));
    m_table->setObjectName(QStringLiteral("targetTable"));
    m_inRangeOnly->setObjectName(QStringLiteral("inRangeOnly"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSortIndicatorShown(false);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    auto* options = new QHBoxLayout();
    options->addWidget(m_inRangeOnly);
    options->addStretch();
    options->addWidget(m_count);
    auto* buttons = new QHBoxLayout();
    for (QPushButton* button : {m_copyText, m_copyBBCode, m_copyMarkdown, m_copyCsv, m_exportCsv}) {
        buttons->addWidget(button);
        button->setAutoDefault(false);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { Run(Action::SortTargets, ActionInput(column)); });
    // Enter and a double-click both activate a row.
    connect(m_table, &QTableWidget::activated, this,
            [this](const QModelIndex& index) { Run(Action::LoadListedTarget, ActionInput(index.row())); });
    connect(m_inRangeOnly, &QCheckBox::toggled, this,
            [this](bool on) { Run(Action::FilterTargets, ActionInput(on ? 1 : 0)); });
    // Text, BBCode and Markdown, then CSV.
    int format = 0;
    for (QPushButton* button : {m_copyText, m_copyBBCode, m_copyMarkdown, m_copyCsv}) {
        connect(button, &QPushButton::clicked, this,
                [this, format] { Run(Action::CopyTargets, ActionInput(format)); });
        ++format;
    }
    connect(m_exportCsv, &QPushButton::clicked, this, &TargetListWindow::AskExport);
}

void TargetListWindow::UseTexts(const LanguageTexts& texts) {
    m_texts = texts;
    setWindowTitle(ToQString(texts.targetListTitle));
    m_inRangeOnly->setText(ToQString(texts.targetInRangeOnly));
    m_inRangeOnly->setToolTip(ToQString(texts.targetInRangeOnlyTip));
    m_copyText->setText(ToQString(texts.copyAsText));
    m_copyBBCode->setText(ToQString(texts.copyAsBBCode));
    m_copyMarkdown->setText(ToQString(texts.copyAsMarkdown));
    m_copyCsv->setText(ToQString(texts.copyAsCsv));
    m_exportCsv->setText(ToQString(texts.exportCsv));
    m_table->setToolTip(ToQString(texts.targetListTip));
}

void TargetListWindow::ShowRows(const TargetListView& view) {
    if (view.number == m_drawn) return;
    m_drawn = view.number;
    m_table->setColumnCount(static_cast<int>(view.headings.size()));
    for (std::size_t c = 0; c < view.headings.size(); ++c) {
        auto* heading = new QTableWidgetItem(ToQString(view.headings[c]));
        heading->setToolTip(ToQString(view.headingTips[c]));
        m_table->setHorizontalHeaderItem(static_cast<int>(c), heading);
    }
    m_table->setRowCount(static_cast<int>(view.order.size()));
    for (std::size_t shown = 0; shown < view.order.size(); ++shown) {
        const TargetRowView& row = view.rows[view.order[shown]];
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            auto* item = new QTableWidgetItem(ToQString(row.cells[c]));
            item->setTextAlignment(QtAlignment(view.alignments[c]));
            m_table->setItem(static_cast<int>(shown), static_cast<int>(c), item);
        }
    }
    FitColumns(view.rows.empty());
    QHeaderView* header = m_table->horizontalHeader();
    header->setSortIndicatorShown(view.sortColumn.has_value());
    if (view.sortColumn) {
        header->setSortIndicator(*view.sortColumn,
                                 view.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    const QSignalBlocker quiet(m_inRangeOnly);
    m_inRangeOnly->setChecked(view.inRangeOnly);
    m_count->setText(ToQString(view.count));
    if (m_table->currentRow() < 0 && !view.order.empty()) m_table->selectRow(0);
}

void TargetListWindow::FitColumns(bool anew) {
    // Each column as wide as its cells and its heading with the sort mark, whichever column is
    // sorted, and never narrower while the list holds rows: sorting or filtering moves no column
    // from under the pointer.
    QHeaderView* header = m_table->horizontalHeader();
    const bool shown = header->isSortIndicatorShown();
    // A heading's size takes in the sort mark while the header shows one.
    header->setSortIndicatorShown(true);
    for (int c = 0; c < m_table->columnCount(); ++c) {
        const int before = header->sectionSize(c);
        m_table->resizeColumnToContents(c);
        if (!anew) header->resizeSection(c, std::max(before, header->sectionSize(c)));
    }
    header->setSortIndicatorShown(shown);
}

int TargetListWindow::FittingWidth() const {
    const QMargins margins = layout()->contentsMargins();
    return m_table->horizontalHeader()->length() + 2 * m_table->frameWidth() +
           m_table->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
}

void TargetListWindow::Run(Action action, const ActionInput& input) {
    if (CSimulatorDlg* dlg = m_logic()) {
        dlg->Run(action, input);
        ShowRows(dlg->View().targets);
    }
    m_afterLoad();
}

void TargetListWindow::AskExport() {
    QFileDialog dialog(this, ToQString(m_texts.targetExportTitle), QString(), ToQString(m_texts.csvFilter));
    dialog.setObjectName(QStringLiteral("targetExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(ToQString(m_texts.csvFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    Run(Action::ExportTargets, ActionInput(0, ToUtf8(dialog.selectedFiles().constFirst())));
}

void TargetListWindow::closeEvent(QCloseEvent* event) {
    // A list opened anew starts empty.
    Run(Action::CloseTargetList, ActionInput());
    QWidget::closeEvent(event);
}

}  // namespace quorvel
