#include "report/report_text.h"

#include <cstdint>
#include <vector>

#include "text/utf8.h"

namespace quorvel {
namespace {

constexpr std::size_t kAbsent = std::u32string_view::npos;
constexpr std::size_t kAsciiCount = 128;

// The keywords as characters, and for every ASCII character the rows whose keyword begins with it
// (every keyword does begin with an ASCII letter).
struct KeywordIndex {
    std::array<std::u32string, kReportKeywordCount> keywords;
    std::array<std::vector<std::uint8_t>, kAsciiCount> rowsByFirst;

    KeywordIndex() {
        for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
            keywords[row] = DecodeUtf8(kReportKeywords[row].text);
            rowsByFirst[keywords[row].front()].push_back(static_cast<std::uint8_t>(row));
        }
    }
};

const KeywordIndex& Keywords() {
    static const KeywordIndex index;
    return index;
}

}  // namespace

ReportText::ReportText(std::string_view utf8Text) : m_characters(DecodeUtf8(utf8Text)) {
    m_first.fill(kAbsent);
    const KeywordIndex& index = Keywords();
    const std::u32string_view text = m_characters;
    std::size_t missing = kReportKeywordCount;
    for (std::size_t i = 0; i < text.size() && missing > 0; ++i) {
        if (text[i] >= kAsciiCount) continue;
        for (const std::uint8_t row : index.rowsByFirst[text[i]]) {
            if (m_first[row] != kAbsent) continue;
            const std::u32string& keyword = index.keywords[row];
            if (text.compare(i, keyword.size(), keyword) == 0) {
                m_first[row] = i;
                --missing;
            }
        }
    }
}

std::optional<std::size_t> ReportText::FirstOccurrence(std::size_t row) const {
    if (row >= m_first.size() || m_first[row] == kAbsent) return std::nullopt;
    return m_first[row];
}

}  // namespace quorvel
