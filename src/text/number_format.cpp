#include "text/number_format.h"

namespace quorvel {

std::string FormatGrouped(Wide value) {
    const std::string plain = ToDecimal(value);
    const std::size_t digitsStart = (value < 0) ? 1 : 0;
    const std::size_t digits = plain.size() - digitsStart;
    std::string grouped;
    grouped.reserve(plain.size() + digits / 3);
    grouped.append(plain, 0, digitsStart);
    for (std::size_t i = 0; i < digits; ++i) {
        // A "." before every digit whose count from the right is a multiple of three.
        if (i != 0 && (digits - i) % 3 == 0) grouped.push_back('.');
        grouped.push_back(plain[digitsStart + i]);
    }
    return grouped;
}

}  // namespace quorvel
