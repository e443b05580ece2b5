#include "strike/number_format.h"

namespace quorvel {

std::string FormatGrouped(Wide value) {
    const std::string plain = ToDecimal(value);
    const std::size_t digitsStart = (value < 0) ? 1 : 0;
    std::string grouped = plain;
    // Insert from the right so every position counts on the text as printed.
    for (std::size_t pos = plain.size(); pos > digitsStart + 3; pos -= 3) {
        grouped.insert(pos - 3, 1, '.');
    }
    return grouped;
}

}  // namespace quorvel
