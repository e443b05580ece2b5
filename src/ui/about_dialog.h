#pragma once

#include <QDialog>

namespace quorvel {

// The about box: program name, version, icon and what the program is for, with an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace quorvel
