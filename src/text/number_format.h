#pragma once

#include <string>
#include <string_view>

#include "text/wide_int.h"

namespace quorvel {

// Decimal with "." before every third digit from the right; the minus sign takes no part in the
// grouping: 1234567 -> "1.234.567", -1000 -> "-1.000", -100000 -> "-100.000".
std::string FormatGrouped(Wide value);

// A number grouped as the language of `locale` ("en", "de", ...) writes it: "2,147,483,647" in
// English, "2.147.483.647" in German, with a no-break space in French, Polish and Portuguese.
std::string FormatGroupedFor(Wide value, std::string_view locale);

}  // namespace quorvel
