#include "ui/result_cell.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace quorvel {

ResultCell::ResultCell(const QString& caption, const QString& minimumText, QWidget* parent)
    : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A gap before the text, so that long numbers in neighbouring columns never run together.
    setContentsMargins(2 * fontMetrics().horizontalAdvance(QLatin1Char('0')), 0, 0, 0);
    KeepRoomFor(minimumText);
}

void ResultCell::KeepRoomFor(const QString& minimumText) {
    if (minimumText == m_minimumText) return;
    m_minimumText = minimumText;
    updateGeometry();
}

void ResultCell::SetValue(const QString& text) {
    if (text == this->text()) return;
    setText(text);  // also asks the layout for the new size
    UpdateToolTip();
}

int ResultCell::Width(const QString& text, Measured& measured) const {
    if (measured.width < 0 || measured.text != text) {
        measured.text = text;
        measured.width = fontMetrics().horizontalAdvance(text);
    }
    return measured.width;
}

void ResultCell::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Measured in the font the cell has now: a style or a language may change it.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        for (Measured* measured : {&m_shown, &m_room, &m_least}) measured->width = -1;
    }
}

bool ResultCell::IsElided() const { return Width(text(), m_shown) > contentsRect().width(); }

QSize ResultCell::sizeHint() const {
    const QMargins margins = contentsMargins();
    const int textWidth = std::max(Width(text(), m_shown), Width(m_minimumText, m_room));
    return {textWidth + margins.left() + margins.right(), QLabel::sizeHint().height()};
}

QSize ResultCell::minimumSizeHint() const {
    // Room for a few digits and the ellipsis when the screen cannot hold the whole text.
    const QMargins margins = contentsMargins();
    const int least = Width(QStringLiteral("9.999…"), m_least);
    return {std::min(sizeHint().width(), least + margins.left() + margins.right()),
            QLabel::sizeHint().height()};
}

void ResultCell::paintEvent(QPaintEvent* event) {
    if (!IsElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void ResultCell::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void ResultCell::UpdateToolTip() { setToolTip(IsElided() ? text() : QString()); }

}  // namespace quorvel
