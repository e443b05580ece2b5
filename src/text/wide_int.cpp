#include "text/wide_int.h"

#include <charconv>
#include <limits>

namespace quorvel {

std::string ToDecimal(Wide value) {
    char buffer[48];
    char* end = buffer + sizeof buffer;
    if (value >= std::numeric_limits<std::int64_t>::min() &&
        value <= std::numeric_limits<std::int64_t>::max()) {
        const auto result = std::to_chars(buffer, end, static_cast<std::int64_t>(value));
        return std::string(buffer, result.ptr);
    }
    // Beyond 64 bits: peel off 18 digits at a time, working on the negative side so that the
    // smallest value needs no special case.
    const bool negative = value < 0;
    Wide rest = negative ? value : -value;
    constexpr std::int64_t kChunk = 1'000'000'000'000'000'000;
    char* begin = end;
    while (rest <= -kChunk) {
        auto chunk = static_cast<std::int64_t>(-(rest % kChunk));
        rest /= kChunk;
        for (int i = 0; i < 18; ++i, chunk /= 10) *--begin = static_cast<char>('0' + chunk % 10);
    }
    for (auto head = static_cast<std::int64_t>(-rest); head != 0; head /= 10) {
        *--begin = static_cast<char>('0' + head % 10);
    }
    if (negative) *--begin = '-';
    return std::string(begin, end);
}

}  // namespace quorvel
