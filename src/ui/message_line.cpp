#include "ui/message_line.h"

namespace quorvel {

MessageLine::MessageLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize MessageLine::sizeHint() const {
    const QMargins margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * 16 + margins.left() + margins.right(),
            fontMetrics().lineSpacing() * 2 + margins.top() + margins.bottom()};
}

}  // namespace quorvel
