#include "ui/program_icon.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QString>

// The icons are compiled into the static window library; its resource initialiser has to be
// referenced for the linker to keep it.
static void InitIconResources() { Q_INIT_RESOURCE(quorvel); }

namespace quorvel {
namespace {

// The size the windows carry: large enough for a window switcher, scaled down for a title bar.
constexpr int kWindowIconSize = 48;

}  // namespace

QPixmap ProgramPixmap(int size) {
    InitIconResources();
    // Read as PNG outright: guessing the format would load every image plugin.
    QImageReader reader(QStringLiteral(":/icons/quorvel-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    // Handed over, the image is converted to the pixmap's format in place rather than copied.
    return QPixmap::fromImage(reader.read());
}

QIcon ProgramIcon() {
    // Decoded once and shared by every window; released with the application object.
    static QIcon* icon = nullptr;
    if (icon == nullptr) {
        icon = new QIcon(ProgramPixmap(kWindowIconSize));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

}  // namespace quorvel
