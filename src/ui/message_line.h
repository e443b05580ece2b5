#pragma once

#include <QLabel>

namespace quorvel {

// A cell that shows a sentence (the status line, the flight-time message), wrapped at the width
// of the columns it spans. It keeps room for two lines, so that usual messages do not move the
// window, and takes as many lines as a longer message needs.
class MessageLine : public QLabel {
    Q_OBJECT

public:
    explicit MessageLine(QWidget* parent);

    // The height the wrapped text takes at this contents width.
    int TextHeight(int width) const;

    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace quorvel
