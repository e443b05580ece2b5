#pragma once

#include <QLabel>

namespace quorvel {

// A caption: one line of plain text. QLabel measures its text three times for its size hints
// (for its widths with and without wrapping and its one-line height), which for one line of
// plain text all come out the same: this label measures each caption once.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(const QString& text, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    mutable QString m_measuredText;
    mutable QSize m_hint;  // invalid until measured in the current font
};

}  // namespace quorvel
