#include "ui/language_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt_text.h"

namespace quorvel {
namespace {

// The languages by their own names ("Deutsch", "Polski"); the file behind each is no business of
// the player's.
constexpr int kColumnWidth = 194;

QPushButton* CreateButton(const std::string& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// Grid lines between the cells, as in a report-style list, drawn in the palette's own colour so
// that the style keeps painting the selected row readably on light and dark palettes alike.
class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }

    // A little room below the text, so that the grid line never covers an underscore.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 3);
    }
};

}  // namespace

LanguageDialog::LanguageDialog(const LanguageDialogTexts& texts, QWidget* parent)
    : QDialog(parent),
      m_list(new QTreeWidget(this)),
      m_accept(CreateButton(texts.acceptCaption, QStringLiteral("languageAccept"), this)),
      m_cancel(CreateButton(texts.cancelCaption, QStringLiteral("languageCancel"), this)) {
    setWindowTitle(ToQString(texts.title));
    setObjectName(QStringLiteral("languageDialog"));

    m_list->setObjectName(QStringLiteral("languageList"));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setItemDelegate(new GridLineDelegate(m_list));
    m_list->setColumnCount(1);
    if (texts.hasColumns) {
        m_list->setHeaderLabels({ToQString(texts.columnHeading[0])});
    } else {
        // Without texts the list has no heading.
        m_list->setHeaderHidden(true);
    }
    m_list->setColumnWidth(0, kColumnWidth);
    for (const auto& row : texts.rows) m_list->addTopLevelItem(new QTreeWidgetItem({ToQString(row[0])}));
    // The language the window speaks is selected and current, so that Enter keeps it.
    if (QTreeWidgetItem* current = m_list->topLevelItem(texts.currentRow)) {
        m_list->setCurrentItem(current);
        current->setSelected(true);
    }
    const int frame = 2 * m_list->frameWidth();
    m_list->setMinimumWidth(kColumnWidth + frame + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    connect(m_accept, &QPushButton::clicked, this, &LanguageDialog::OnLanguageAccept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double-click takes the row it selected, as the accept button would.
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &LanguageDialog::OnLanguageAccept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_accept);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
}

void LanguageDialog::keyPressEvent(QKeyEvent* event) {
    // Enter accepts the selected rows; there is no default button to press instead.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        OnLanguageAccept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LanguageDialog::OnLanguageAccept() {
    m_answer.accepted = true;
    m_answer.selectedRows.clear();
    for (QTreeWidgetItem* item : m_list->selectedItems()) {
        m_answer.selectedRows.push_back(m_list->indexOfTopLevelItem(item));
    }
    std::sort(m_answer.selectedRows.begin(), m_answer.selectedRows.end());
    accept();
}

}  // namespace quorvel
