#pragma once

#include <string>

#include "text/wide_int.h"

namespace quorvel {

// Decimal with "." before every third digit from the right; the minus sign takes no part in the
// grouping: 1234567 -> "1.234.567", -1000 -> "-1.000", -100000 -> "-100.000". The one way the
// program writes a number for reading, in every language: exported plans rely on it.
std::string FormatGrouped(Wide value);

}  // namespace quorvel
