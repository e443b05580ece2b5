#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "report/report_keywords.h"

namespace quorvel {

// A pasted espionage report, decoded once into characters, with the first occurrence of every
// keyword of the import table found in a single pass over the text. Searching all keywords this
// way costs one look at each character plus a comparison wherever a keyword's first letter appears,
// so a long report stays cheap.
class ReportText {
public:
    explicit ReportText(std::string_view utf8Text);

    std::u32string_view Characters() const { return m_characters; }
    // Character index of the first occurrence of the keyword of row `row`; nothing when absent.
    std::optional<std::size_t> FirstOccurrence(std::size_t row) const;

private:
    std::u32string m_characters;
    std::array<std::size_t, kReportKeywordCount> m_first{};
};

}  // namespace quorvel
