#include "strike/wide_int.h"

#include <algorithm>

namespace quorvel {

std::string ToDecimal(Wide value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::string digits;
    // Work on the negative side so that the smallest value needs no special case.
    Wide rest = negative ? value : -value;
    while (rest != 0) {
        digits.push_back(static_cast<char>('0' - static_cast<int>(rest % 10)));
        rest /= 10;
    }
    if (negative) digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

}  // namespace quorvel
