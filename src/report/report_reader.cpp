#include "report/report_reader.h"

#include <algorithm>
#include <limits>

#include "text/decimal.h"
#include "text/languages.h"
#include "text/utf8.h"

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

// The text without the blanks around it, cut to kLongestReportName characters, its control
// characters dropped.
std::string Name(std::string_view text) {
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && IsBlank(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return WithoutControlCharacters(Utf8Prefix(text, kLongestReportName));
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

ReportNames ReadReportNames(std::string_view utf8Text) {
    ReportNames names;
    const std::size_t bracket = utf8Text.find('[');
    if (bracket == std::string_view::npos) return names;
    const std::size_t lineStart = utf8Text.rfind('\n', bracket) + 1;  // 0 when there is none
    const std::string_view line =
        utf8Text.substr(lineStart, utf8Text.find('\n', bracket) - lineStart);  // to the end without one
    const std::string_view before = line.substr(0, bracket - lineStart);
    for (const LanguageEntry& language : kLanguages) {
        if (before.starts_with(language.reportHeaderLead)) {
            names.planet = Name(before.substr(language.reportHeaderLead.size()));
            break;
        }
    }
    // The player's name stands in quotes in the brackets after the position: "] (Player 'Corvanth')".
    std::string_view after = line.substr(bracket - lineStart);
    const std::size_t close = after.find(']');
    after.remove_prefix(close == std::string_view::npos ? after.size() : close + 1);
    while (!after.empty() && IsBlank(static_cast<unsigned char>(after.front()))) after.remove_prefix(1);
    const std::size_t open = after.starts_with('(') ? after.find('\'') : std::string_view::npos;
    if (open != std::string_view::npos) {
        // A name may hold a quote of its own ("O'Neil"): the quote before ")" closes it.
        std::size_t end = after.find("')", open + 1);
        if (end == std::string_view::npos) end = after.find('\'', open + 1);
        if (end != std::string_view::npos) names.player = Name(after.substr(open + 1, end - open - 1));
    }
    return names;
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
    if (spyReport.target) spyReport.names = ReadReportNames(utf8Text);
    return spyReport;
}

}  // namespace quorvel
