#include "ui/drop_down_list.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace quorvel {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    // Qt's own size policy stays as it is: setting one builds the popup.
    const QAbstractItemModel* entries = model();
    connect(entries, &QAbstractItemModel::rowsInserted, this, &DropDownList::EntriesChanged);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, &DropDownList::EntriesChanged);
    connect(entries, &QAbstractItemModel::dataChanged, this, &DropDownList::EntriesChanged);
    connect(entries, &QAbstractItemModel::modelReset, this, &DropDownList::EntriesChanged);
}

QSize DropDownList::sizeHint() const {
    if (m_hint.isValid()) return m_hint;
    // As QComboBox measures under AdjustToContents: the widest entry, or seven x without any.
    const QFontMetrics metrics = fontMetrics();
    int width = count() == 0 ? 7 * metrics.horizontalAdvance(QLatin1Char('x')) : 0;
    for (int i = 0; i < count(); ++i) width = std::max(width, metrics.boundingRect(itemText(i)).width());
    const QSize text(width, std::max(metrics.height(), 14) + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    m_hint = style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    return m_hint;
}

void DropDownList::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) EntriesChanged();
}

void DropDownList::EntriesChanged() {
    m_hint = QSize();
    updateGeometry();
}

}  // namespace quorvel
