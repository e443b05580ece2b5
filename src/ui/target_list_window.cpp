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
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/simulator_dialog.h"
#include "fileio/atomic_file.h"
#include "fileio/file_error.h"
#include "text/placeholders.h"
#include "ui/qt_text.h"

namespace quorvel {
namespace {

Qt::Alignment CellAlignment(TargetColumn column) {
    switch (column) {
        case TargetColumn::Position:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case TargetColumn::InRange:
            return Qt::AlignCenter;
        default:
            return Qt::AlignRight | Qt::AlignVCenter;
    }
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
    m_table->setColumnCount(kTargetColumnCount);
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

    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, &TargetListWindow::SortBy);
    // Enter and a double-click both activate a row.
    connect(m_table, &QTableWidget::activated, this,
            [this](const QModelIndex& index) { LoadShownRow(index.row()); });
    connect(m_inRangeOnly, &QCheckBox::toggled, this, [this] { ShowRows(); });
    const auto copy = [this](QPushButton* button, ShareFormat format) {
        connect(button, &QPushButton::clicked, this,
                [this, format] { QApplication::clipboard()->setText(ToQString(ShareText(format))); });
    };
    copy(m_copyText, ShareFormat::Text);
    copy(m_copyBBCode, ShareFormat::BBCode);
    copy(m_copyMarkdown, ShareFormat::Markdown);
    connect(m_copyCsv, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(ToQString(CsvText())); });
    connect(m_exportCsv, &QPushButton::clicked, this, &TargetListWindow::AskExport);
}

void TargetListWindow::UseTexts(const LanguageTexts& texts, std::string_view locale) {
    m_texts = texts;
    m_locale = std::string(locale);
    setWindowTitle(ToQString(texts.targetListTitle));
    m_inRangeOnly->setText(ToQString(texts.targetInRangeOnly));
    m_inRangeOnly->setToolTip(ToQString(texts.targetInRangeOnlyTip));
    m_copyText->setText(ToQString(texts.copyAsText));
    m_copyBBCode->setText(ToQString(texts.copyAsBBCode));
    m_copyMarkdown->setText(ToQString(texts.copyAsMarkdown));
    m_copyCsv->setText(ToQString(texts.copyAsCsv));
    m_exportCsv->setText(ToQString(texts.exportCsv));
    m_table->setToolTip(ToQString(texts.targetListTip));
    const std::array<std::string, kTargetColumnCount> headings = TargetHeadings(Words(), "\n");
    for (int c = 0; c < kTargetColumnCount; ++c) {
        auto* heading = new QTableWidgetItem(ToQString(headings[c]));
        const TargetColumnWords column = kTargetColumnWords[c];
        const std::string resource = column.resource >= 0 ? texts.resourceHeading[column.resource] : "";
        heading->setToolTip(ToQString(FillPlaceholders(texts.targetTip[column.heading], {resource})));
        m_table->setHorizontalHeaderItem(c, heading);
    }
    ShowRows();
}

TargetListWords TargetListWindow::Words() const {
    TargetListWords words;
    words.title = m_texts.targetShareHeading;
    for (int h = 0; h < kTargetHeadingCount; ++h) words.heading[h] = m_texts.targetHeading[h];
    for (int r = 0; r < kResourceCount; ++r) words.resource[r] = m_texts.resourceHeading[r];
    words.yes = m_texts.targetYes;
    words.no = m_texts.targetNo;
    words.locale = m_locale;
    return words;
}

const std::vector<TargetRow>& TargetListWindow::Rows() const {
    static const std::vector<TargetRow> kNone;
    const CSimulatorDlg* dlg = m_logic();
    return dlg != nullptr ? dlg->Targets().ListRows() : kNone;
}

void TargetListWindow::ShowRows() {
    const std::vector<TargetRow>& rows = Rows();
    m_order = TargetOrder(rows, m_sortColumn, m_descending, m_inRangeOnly->isChecked());
    const TargetListWords words = Words();
    m_table->setRowCount(static_cast<int>(m_order.size()));
    for (int shown = 0; shown < static_cast<int>(m_order.size()); ++shown) {
        const std::array<std::string, kTargetColumnCount> cells = TargetCells(rows[m_order[shown]], words);
        for (int c = 0; c < kTargetColumnCount; ++c) {
            auto* item = new QTableWidgetItem(ToQString(cells[c]));
            item->setTextAlignment(CellAlignment(static_cast<TargetColumn>(c)));
            m_table->setItem(shown, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_count->setText(ToQString(FillPlaceholders(
        m_texts.targetCount, {std::to_string(rows.size()), std::to_string(m_order.size())})));
    if (m_table->currentRow() < 0 && !m_order.empty()) m_table->selectRow(0);
}

int TargetListWindow::FittingWidth() const {
    const QMargins margins = layout()->contentsMargins();
    return m_table->horizontalHeader()->length() + 2 * m_table->frameWidth() +
           m_table->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
}

void TargetListWindow::SortBy(int column) {
    if (column < 0 || column >= kTargetColumnCount) return;
    const auto chosen = static_cast<TargetColumn>(column);
    // A second click on the same heading turns the order round.
    m_descending = m_sortColumn == chosen ? !m_descending : false;
    m_sortColumn = chosen;
    QHeaderView* header = m_table->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    ShowRows();
}

void TargetListWindow::LoadShownRow(int shownRow) {
    CSimulatorDlg* dlg = m_logic();
    if (dlg == nullptr || shownRow < 0 || shownRow >= static_cast<int>(m_order.size())) return;
    dlg->ChooseListedTarget(m_order[static_cast<std::size_t>(shownRow)]);
    dlg->Run(Action::LoadTarget);
    m_afterLoad();
}

std::string TargetListWindow::ShareText(ShareFormat format) const {
    return FormatTargetListShare(format, Words(), Rows(), m_order);
}

std::string TargetListWindow::CsvText() const { return FormatTargetListCsv(Words(), Rows(), m_order); }

void TargetListWindow::AskExport() {
    QFileDialog dialog(this, ToQString(m_texts.targetExportTitle), QString(), ToQString(m_texts.csvFilter));
    dialog.setObjectName(QStringLiteral("targetExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(ToQString(m_texts.csvFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ExportCsv(dialog.selectedFiles().constFirst());
}

bool TargetListWindow::ExportCsv(const QString& path) {
    int error = 0;
    if (ReplaceFileAtomically(ToUtf8(path), CsvText(), &error) == WriteOutcome::Ok) return true;
    const std::string text =
        FileErrorMessage(m_texts.fileErrors, m_texts.fileErrors.cannotSave, ToUtf8(path), error);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvel"), ToQString(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

void TargetListWindow::closeEvent(QCloseEvent* event) {
    // A list opened anew starts empty.
    if (CSimulatorDlg* dlg = m_logic()) dlg->CloseTargetList();
    m_table->setRowCount(0);
    QWidget::closeEvent(event);
}

}  // namespace quorvel
