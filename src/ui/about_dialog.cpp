#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "app/program_files.h"
#include "ui/program_icon.h"
#include "ui/qt_text.h"

namespace quorvel {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Quorvel"));
    setObjectName(QStringLiteral("aboutDialog"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Quorvel"), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);

    auto* version = new QLabel(QStringLiteral("Version %1").arg(ToQString(kVersion)), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    auto* purpose = new QLabel(
        tr("Works out which of a planet's defences interplanetary missiles "
           "destroy, and what the strike costs both sides."),
        this);
    purpose->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(name, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(purpose, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    purpose->setMinimumWidth(purpose->fontMetrics().averageCharWidth() * 40);
}

}  // namespace quorvel
