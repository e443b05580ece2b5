#pragma once

// Reading a pasted espionage report. Data flow:
//   UTF-8 text -> ReportText (code points, first occurrence of every keyword, report_text.h)
//   -> ReadKeywordNumber per row of the keyword table (report_keywords.h), ReadTargetPosition
//   -> SpyReport; app/panels/report_fields.h maps it onto the input fields.
// Everything here is a pure function of the text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "report/report_keywords.h"
#include "report/report_text.h"
#include "travel/position.h"

namespace quorvel {

// Character classes of report text. A decimal digit "0".."9" is its own value; the two other classes
// have codes outside 0..9.
inline constexpr int kTerminatorClass = 10;  // "A".."Z", ":" and "]"
inline constexpr int kOtherClass = 11;       // everything else, and the end of the text

constexpr int ClassifyChar(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if ((c >= U'A' && c <= U'Z') || c == U':' || c == U']') return kTerminatorClass;
    return kOtherClass;
}

// The class of text[i]; a position at or beyond the end reads as the end of the text.
constexpr int ClassifyAt(std::u32string_view text, std::size_t i) {
    return i < text.size() ? ClassifyChar(text[i]) : kOtherClass;
}

constexpr bool IsDigitClass(int characterClass) { return characterClass >= 0 && characterClass <= 9; }

// The number after the first occurrence of the keyword of table row `row`; nothing when the report
// does not hold the keyword. The number starts `skip` characters after the keyword's start (the
// character right after the keyword is passed over, whatever it is). Its first character counts as 0
// when it is not a digit, so a blank there reads as a leading zero; then digits follow until the
// first other character or the end of the text. A "." or "," between a digit and exactly three
// digits is a thousands separator and the number goes on. A number beyond 32 bits gives 2147483647,
// and a minus sign in the first place reads as a leading 0: "-5" gives 5.
std::optional<std::int32_t> ReadKeywordNumber(const ReportText& report, std::size_t row);

// The position after the first "[" of the text when it is well formed: one or two digits, ":", one to
// three digits, ":", one or two digits (what follows is not looked at). Nothing otherwise, so a
// malformed position writes no part of itself.
std::optional<Position> ReadTargetPosition(std::u32string_view text);

// The longest name a report's header gives, in characters; a longer one is cut there.
inline constexpr std::size_t kLongestReportName = 64;

// The names a report's header line gives, the line whose first "[" opens the report's position
// ("Resources at Hyperion [4:127:9] (Player 'Corvanth') on 03-14 21:07:45"): the planet's between a
// language's header lead (the language table's) and the "[", the player's in quotes in the brackets
// after the position. Empty where the line has none.
struct ReportNames {
    std::string player;
    std::string planet;

    bool operator==(const ReportNames&) const = default;
};
ReportNames ReadReportNames(std::string_view utf8Text);

// What a report tells: the number of every keyword row found, the target position and, with a
// position, the header's names.
struct SpyReport {
    std::array<std::optional<std::int32_t>, kReportKeywordCount> keywordNumbers{};
    std::optional<Position> target;
    // A number was cut to 2147483647 or read without the minus sign before it.
    bool numbersAltered = false;
    ReportNames names;
};

// A text holds a report when it names a well-formed position or at least one keyword of the table:
// only such a text may replace what the player typed.
inline bool HoldsReport(const SpyReport& report) {
    for (const auto& number : report.keywordNumbers) {
        if (number) return true;
    }
    return report.target.has_value();
}

// Everything an import reads; nothing at all for an empty report.
SpyReport ReadReport(std::string_view utf8Text);

}  // namespace quorvel
