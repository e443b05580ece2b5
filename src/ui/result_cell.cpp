#include "ui/result_cell.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

// A measure of a text in a font, taken once for every cell of that font: the cells show the same
// placeholders and keep room for the same texts. The font itself is the key: its text key
// (QFont::key) is built anew on every call. Results vary without end, so past a few hundred texts
// the measures are taken anew.
using Measures = QHash<std::pair<QFont, QString>, int>;

template <typename Measure>
int Shared(Measures& measures, const QFont& font, const QString& text, Measure measure) {
    constexpr qsizetype kMostTexts = 512;
    const std::pair<QFont, QString> key(font, text);
    auto found = measures.constFind(key);
    if (found != measures.cend()) return *found;
    if (measures.size() >= kMostTexts) measures.clear();
    return *measures.insert(key, measure());
}

int SharedWidth(const QFontMetrics& metrics, const QFont& font, const QString& text) {
    static Measures widths;
    return Shared(widths, font, text, [&metrics, &text] { return metrics.horizontalAdvance(text); });
}

}  // namespace

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
    m_roomWidth = -1;
    updateGeometry();
}

void ResultCell::SetValue(const QString& text) {
    if (text == this->text()) return;
    setText(text);  // also asks the layout for the new size
    UpdateToolTip();
}

int ResultCell::ShownWidth() const {
    if (m_measuredWidth < 0 || m_measuredText != text()) {
        m_measuredText = text();
        m_measuredWidth = SharedWidth(fontMetrics(), font(), m_measuredText);
    }
    return m_measuredWidth;
}

int ResultCell::LineHeight() const {
    // Every cell lays its line out alike (plain text, no frame, no margin above or below), so
    // that the height depends on the font and the text alone.
    static Measures heights;
    if (m_lineHeight < 0)
        m_lineHeight = Shared(heights, font(), text(), [this] { return QLabel::sizeHint().height(); });
    return m_lineHeight;
}

void ResultCell::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Measured in the font the cell has now: a style or a language may change it.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_measuredWidth = -1;
        m_lineHeight = -1;
        m_roomWidth = -1;
        m_leastWidth = -1;
    }
}

bool ResultCell::IsElided() const { return ShownWidth() > contentsRect().width(); }

int ResultCell::RoomWidth() const {
    if (m_roomWidth < 0) m_roomWidth = SharedWidth(fontMetrics(), font(), m_minimumText);
    return m_roomWidth;
}

QSize ResultCell::sizeHint() const {
    const QMargins margins = contentsMargins();
    const int textWidth = std::max(ShownWidth(), RoomWidth());
    return {textWidth + margins.left() + margins.right(), LineHeight()};
}

QSize ResultCell::minimumSizeHint() const {
    // Room for a few digits and the ellipsis when the screen cannot hold the whole text.
    const QMargins margins = contentsMargins();
    if (m_leastWidth < 0) m_leastWidth = SharedWidth(fontMetrics(), font(), QStringLiteral("9.999…"));
    return {std::min(sizeHint().width(), m_leastWidth + margins.left() + margins.right()), LineHeight()};
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

void ResultCell::UpdateToolTip() {
    // Every resize asks: a tooltip set anew sends its change through every event filter.
    const QString tip = IsElided() ? text() : QString();
    if (tip != toolTip()) setToolTip(tip);
}

}  // namespace quorvel
