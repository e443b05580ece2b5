#pragma once

// Decimal numbers in text, the one way the program reads them: the number fields, the coordinate
// book, the saved language choice, a report's numbers and the parts of its position. Works on any iterator
// over characters (char, char32_t), so a file is read only as far as the number goes.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace quorvel {

constexpr bool IsDecimalDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The blanks of the C locale: space, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\v' || c == U'\f' || c == U'\r';
}

// Whether the "." or "," at position i of text groups thousands, the way the game shows numbers:
// a digit before it and exactly three digits after it ("1.500", "1,500", "12.345.678"; not "1.5"
// or "1.5000"). isDigitAt(j) tells whether position j holds a digit and is false past the end.
template <typename Text, typename IsDigitAt>
constexpr bool IsThousandsSeparatorAt(const Text& text, std::size_t i, IsDigitAt isDigitAt) {
    if (i == 0 || i >= text.size() || (text[i] != '.' && text[i] != ',')) return false;
    return isDigitAt(i - 1) && isDigitAt(i + 1) && isDigitAt(i + 2) && isDigitAt(i + 3) && !isDigitAt(i + 4);
}

struct DigitRun {
    std::int64_t value = 0;
    int digits = 0;
};

// The decimal digits from `it` on; `it` is moved past those read. Reading stops before a character
// that is no digit, after `maxDigits` digits, or after the digit that takes the value above `limit`
// (limit below 2^59, so the value never overflows).
template <typename Iterator>
DigitRun ScanDigits(Iterator& it, Iterator end, std::int64_t limit,
                    int maxDigits = std::numeric_limits<int>::max()) {
    DigitRun run;
    while (it != end && run.digits < maxDigits && run.value <= limit &&
           IsDecimalDigit(static_cast<char32_t>(*it))) {
        run.value = run.value * 10 + static_cast<std::int64_t>(*it - '0');
        ++run.digits;
        ++it;
    }
    return run;
}

// Leading blanks, an optional sign and decimal digits from `it` on; `it` is moved past what was
// read. Nothing when no digit follows or the number does not fit in 32 bits; reading then stops at
// the first digit too many.
template <typename Iterator>
std::optional<std::int32_t> ScanInt32(Iterator& it, Iterator end) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    while (it != end && IsBlank(static_cast<char32_t>(*it))) ++it;
    bool negative = false;
    if (it != end && (*it == '+' || *it == '-')) {
        negative = *it == '-';
        ++it;
    }
    const DigitRun run = ScanDigits(it, end, kLargest + 1);
    const std::int64_t value = negative ? -run.value : run.value;
    if (run.digits == 0 || value > kLargest || value < -kLargest - 1) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace quorvel
