#pragma once

#include <QColor>

namespace quorvel {

// The WCAG contrast ratio of two colours, from 1 (same luminance) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour, darkened (on a light background) or lightened (on a dark one) just enough to reach
// the ratio against the background; the hue stays recognisable.
QColor ReadableShade(const QColor& colour, const QColor& background, double ratio = 4.5);

}  // namespace quorvel
