#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "text/languages.h"
#include "text/utf8.h"

namespace quorvel {

// One language block of keywords per language of the language table (text/languages.h), each in
// item order (kReportItemCount items: armour technology, anti-ballistic missiles, the eight defence
// types).
inline constexpr std::size_t kReportLanguageCount = kLanguages.size();
inline constexpr std::size_t kReportKeywordCount = kReportLanguageCount * kReportItemCount;

// One row of the import: a keyword and how many characters from the keyword's start the number
// begins (the keyword's length and the one character after it, whatever that is). Row r is item
// r % kReportItemCount of its language block.
struct ReportKeyword {
    std::string_view text;
    std::size_t skip;
};

// The rows, language block by language block in the order of the languages' report blocks, each
// block in item order. The import reads them in this order, so when several rows fill the same
// input the later row wins.
inline constexpr std::array<ReportKeyword, kReportKeywordCount> kReportKeywords = [] {
    std::array<ReportKeyword, kReportKeywordCount> rows{};
    for (const LanguageEntry& language : kLanguages) {
        const auto block = static_cast<std::size_t>(language.reportBlock);
        for (std::size_t item = 0; item < kReportItemCount; ++item) {
            const std::string_view text = language.reportKeywords[item];
            rows[block * kReportItemCount + item] = {text, Utf8Length(text) + 1};
        }
    }
    return rows;
}();

// A keyword is found by its first character, so it must have one.
static_assert([] {
    for (const ReportKeyword& row : kReportKeywords) {
        if (row.text.empty()) return false;
    }
    return true;
}());

}  // namespace quorvel
