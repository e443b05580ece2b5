#pragma once

// The logic keeps UTF-8 std::string texts; Qt keeps QString. Conversions happen only here, at the
// MainForm boundary.

#include <QString>
#include <string>
#include <string_view>

namespace quorvel {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace quorvel
