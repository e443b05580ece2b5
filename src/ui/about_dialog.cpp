#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/program_icon.h"
#include "ui/qt_text.h"

namespace quorvel {

CAboutDlg::CAboutDlg(const AboutView& about, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(about.title));
    setObjectName(QStringLiteral("aboutDialog"));

    auto* icon = new QLabel(this);
    // Decoded for this box only; sharp on a scaled screen too (the 128 px icon at scale 2).
    QPixmap picture = ProgramPixmap(devicePixelRatioF() > 1.0 ? 128 : 64);
    if (!picture.isNull()) picture.setDevicePixelRatio(picture.width() / 64.0);
    icon->setPixmap(picture);
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(ToQString(about.name), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);

    auto* version = new QLabel(ToQString(about.version), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setTextFormat(Qt::PlainText);
    auto* purpose = new QLabel(ToQString(about.purpose), this);
    purpose->setTextFormat(Qt::PlainText);
    purpose->setWordWrap(true);
    auto* license = new QLabel(ToQString(about.license), this);
    license->setObjectName(QStringLiteral("aboutLicense"));
    license->setTextFormat(Qt::PlainText);
    license->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 4, 1);
    grid->addWidget(name, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(purpose, 2, 1);
    grid->addWidget(license, 3, 1);
    grid->addWidget(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    purpose->setMinimumWidth(purpose->fontMetrics().averageCharWidth() * 40);
}

}  // namespace quorvel
