#include "report/report_reader.h"

#include <algorithm>
#include <limits>

#include "text/decimal.h"

namespace quorvel {
namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

bool IsDigitAt(std::u32string_view text, std::size_t i) { return IsDigitClass(ClassifyAt(text, i)); }

struct NumberRead {
    std::int32_t value = 0;
    bool altered = false;  // cut to 2147483647, or a minus sign before the digits was passed over
};

// The number whose first character is at `start`.
NumberRead ReadNumberAt(std::u32string_view text, std::size_t start) {
    const int first = ClassifyAt(text, start);
    std::int64_t value = IsDigitClass(first) ? first : 0;
    for (std::size_t i = start + 1; i < text.size(); ++i) {
        if (IsThousandsSeparatorAt(text, i, [text](std::size_t j) { return IsDigitAt(text, j); })) continue;
        const int digit = ClassifyAt(text, i);
        if (!IsDigitClass(digit)) break;
        value = value * 10 + digit;
        // Further digits cannot bring it back within range, so there is no need to read them.
        if (value > kLargest) return {static_cast<std::int32_t>(kLargest), true};
    }
    // A minus sign in the first place reads as a leading 0, like any other character there.
    const bool minus = start < text.size() && (text[start] == U'-' || text[start] == U'\u2212');
    return {static_cast<std::int32_t>(value), minus && value != 0};
}

std::optional<NumberRead> ReadKeywordNumberRead(const ReportText& report, std::size_t row) {
    const std::optional<std::size_t> at = report.FirstOccurrence(row);
    if (!at) return std::nullopt;
    // A keyword at the very end of the text reads as 0, like any number position holding no digit.
    return ReadNumberAt(report.Characters(), *at + kReportKeywords[row].skip);
}

// One part of a position: at least one and at most `maxDigits` digits starting at `i`, which is
// moved past them. A further digit makes the part malformed.
std::optional<std::int32_t> ReadPositionPart(std::u32string_view text, std::size_t& i, int maxDigits) {
    auto it = text.begin() + static_cast<std::ptrdiff_t>(std::min(i, text.size()));
    const DigitRun run = ScanDigits(it, text.end(), kLargest, maxDigits + 1);
    i = static_cast<std::size_t>(it - text.begin());
    if (run.digits == 0 || run.digits > maxDigits) return std::nullopt;
    return static_cast<std::int32_t>(run.value);
}

bool SkipColon(std::u32string_view text, std::size_t& i) {
    if (i >= text.size() || text[i] != U':') return false;
    ++i;
    return true;
}

}  // namespace

std::optional<std::int32_t> ReadKeywordNumber(const ReportText& report, std::size_t row) {
    const std::optional<NumberRead> number = ReadKeywordNumberRead(report, row);
    if (!number) return std::nullopt;
    return number->value;
}

std::optional<Position> ReadTargetPosition(std::u32string_view text) {
    const std::size_t bracket = text.find(U'[');
    if (bracket == std::u32string_view::npos) return std::nullopt;
    std::size_t i = bracket + 1;
    const std::optional<std::int32_t> galaxy = ReadPositionPart(text, i, 2);
    if (!galaxy || !SkipColon(text, i)) return std::nullopt;
    const std::optional<std::int32_t> system = ReadPositionPart(text, i, 3);
    if (!system || !SkipColon(text, i)) return std::nullopt;
    const std::optional<std::int32_t> planet = ReadPositionPart(text, i, 2);
    if (!planet) return std::nullopt;
    return Position{*galaxy, *system, *planet};
}

SpyReport ReadReport(std::string_view utf8Text) {
    SpyReport spyReport;
    if (utf8Text.empty()) return spyReport;
    const ReportText report(utf8Text);
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        const std::optional<NumberRead> number = ReadKeywordNumberRead(report, row);
        if (!number) continue;
        spyReport.keywordNumbers[row] = number->value;
        spyReport.numbersAltered = spyReport.numbersAltered || number->altered;
    }
    spyReport.target = ReadTargetPosition(report.Characters());
    return spyReport;
}

}  // namespace quorvel
