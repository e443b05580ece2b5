#include "ui/program_icon.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <array>
#include <utility>

// The icons are compiled into the static window library; its resource initialiser has to be
// referenced for the linker to keep it.
static void InitIconResources() { Q_INIT_RESOURCE(quorvel); }

namespace quorvel {
namespace {

QIcon LoadProgramIcon() {
    InitIconResources();
    QIcon icon;
    for (int size : std::array{16, 32, 48, 64, 128, 256}) {
        // Read as PNG outright: guessing the format would load every image plugin at start-up.
        QImageReader reader(QStringLiteral(":/icons/quorvel-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
        // Handed over, the image is converted to the pixmap's format in place rather than copied.
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

}  // namespace

QIcon ProgramIcon() {
    // Decoded once and shared by every window; released with the application object.
    static QIcon* icon = nullptr;
    if (icon == nullptr) {
        icon = new QIcon(LoadProgramIcon());
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

}  // namespace quorvel
