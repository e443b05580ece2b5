#pragma once

#include <QGroupBox>

namespace quorvel {

// A box of the main window. QGroupBox measures its title anew for every minimum size the layouts
// ask for; this box measures each title once, and otherwise sizes itself as QGroupBox does.
class TitledBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TitledBox(QWidget* parent) : QGroupBox(parent) {}

    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    mutable QString m_measuredTitle;
    mutable int m_titleWidth = -1;  // the title and a space, in the current font
};

}  // namespace quorvel
