#include "ui/caption_label.h"

#include <QEvent>

namespace quorvel {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

QSize CaptionLabel::sizeHint() const {
    // QLabel gives an empty caption the room of a space.
    if (text().isEmpty()) return QLabel::sizeHint();
    if (m_hint.isValid() && m_measuredText == text()) return m_hint;
    ensurePolished();
    // As QLabel lays out one line of plain text: a mnemonic mark counts only with a buddy.
    int flags = static_cast<int>(alignment());
    if (buddy() != nullptr && text().contains(QLatin1Char('&'))) flags |= Qt::TextShowMnemonic;
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), flags, this->text());
    const QMargins margins = contentsMargins();
    m_measuredText = this->text();
    m_hint = QSize(text.width() + margins.left() + margins.right(),
                   text.height() + margins.top() + margins.bottom())
                 .expandedTo(minimumSize());
    return m_hint;
}

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) m_hint = QSize();
}

}  // namespace quorvel
