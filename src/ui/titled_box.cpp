#include "ui/titled_box.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace quorvel {

QSize TitledBox::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    if (m_titleWidth < 0 || m_measuredTitle != title()) {
        m_measuredTitle = title();
        m_titleWidth =
            metrics.horizontalAdvance(m_measuredTitle) + metrics.horizontalAdvance(QLatin1Char(' '));
    }
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QSize title(m_titleWidth, metrics.height());
    return style()
        ->sizeFromContents(QStyle::CT_GroupBox, &option, title, this)
        .expandedTo(QWidget::minimumSizeHint());
}

void TitledBox::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) m_titleWidth = -1;
}

}  // namespace quorvel
