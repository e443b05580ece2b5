#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](float a, float b) { return static_cast<float>(a + (b - a) * share); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableShade(const QColor& colour, const QColor& background, double ratio) {
    // Towards black or white, whichever stands further from the background.
    const QColor target = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    for (int step = 0; step <= 20; ++step) {
        const QColor shade = Mix(colour, target, step / 20.0);
        if (ContrastRatio(shade, background) >= ratio) return shade;
    }
    return target;
}

}  // namespace quorvel
