#pragma once

#include <QLabel>

namespace quorvel {

// A cell showing one result, right-aligned. It asks for the width of its whole text, so that its
// column and the window widen with the results; given less (the screen is full), it shows the
// text cut with "…" and the whole text as its tooltip, never a number missing its first digits.
class ResultCell : public QLabel {
    Q_OBJECT

public:
    // minimumText: the text whose width the cell keeps at least, so that usual results do not
    // move the window; empty for none.
    ResultCell(const QString& caption, const QString& minimumText, QWidget* parent);

    // The text whose width the cell keeps at least from now on; empty for none.
    void KeepRoomFor(const QString& minimumText);
    // Shows a new text and sizes the cell for it.
    void SetValue(const QString& text);
    // The whole text does not fit: the cell shows it cut.
    bool IsElided() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Layouts ask for the cell's size hints many times, and measuring a text means shaping it
    // anew: a text (shown or kept room for) is measured once per font for all cells, and the
    // height (one line, whatever the text) once.
    int ShownWidth() const;
    int LineHeight() const;
    int RoomWidth() const;  // of the minimum text
    void UpdateToolTip();

    QString m_minimumText;
    mutable QString m_measuredText;
    mutable int m_measuredWidth = -1;
    mutable int m_lineHeight = -1;
    mutable int m_roomWidth = -1;
    mutable int m_leastWidth = -1;  // of the few digits minimumSizeHint keeps
};

}  // namespace quorvel
