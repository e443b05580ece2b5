#pragma once

#include <QLabel>

namespace quorvel {

// A cell that shows a sentence (the status line, the flight-time message) on up to two wrapped
// lines. Its size never depends on its text, so a message cannot push or squeeze the other
// controls; the width comes from the columns it spans.
class MessageLine : public QLabel {
    Q_OBJECT

public:
    explicit MessageLine(QWidget* parent);

    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

}  // namespace quorvel
