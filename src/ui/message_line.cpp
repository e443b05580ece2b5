#include "ui/message_line.h"

#include <algorithm>

namespace quorvel {

MessageLine::MessageLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int MessageLine::TextHeight(int width) const {
    const QRect room(0, 0, std::max(width, 1), QWIDGETSIZE_MAX);
    return fontMetrics()
        .boundingRect(room, Qt::TextWordWrap | static_cast<int>(alignment()), text())
        .height();
}

QSize MessageLine::sizeHint() const {
    const QMargins margins = contentsMargins();
    const int height = std::max(fontMetrics().lineSpacing() * 2, TextHeight(contentsRect().width()));
    return {fontMetrics().averageCharWidth() * 16 + margins.left() + margins.right(),
            height + margins.top() + margins.bottom()};
}

void MessageLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    // Another width may need another number of lines.
    if (sizeHint().height() != height()) updateGeometry();
}

}  // namespace quorvel
