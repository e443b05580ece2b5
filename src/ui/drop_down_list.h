#pragma once

#include <QComboBox>

namespace quorvel {

// A drop-down list as wide as its widest entry, as QComboBox::AdjustToContents makes it, but
// without building the list's popup (an item view) before the player first opens it: Qt builds
// it for every change of entries under that policy. The size follows the entries as they change.
class DropDownList : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownList(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void EntriesChanged();

    mutable QSize m_hint;  // invalid until asked for after a change
};

}  // namespace quorvel
