#pragma once

#include <QDialog>

#include "app/views.h"

namespace quorvel {

// The about box: program name, version, icon, what the program is for and its license, with an OK
// button, in the window's language.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const AboutView& about, QWidget* parent);
};

}  // namespace quorvel
