#include "report/report_text.h"

#include <utility>
#include <vector>

#include "text/utf8.h"

namespace quorvel {
namespace {

constexpr std::size_t kAbsent = std::u32string_view::npos;
constexpr std::size_t kAsciiCount = 128;

// The keywords as characters, and for every first character the rows whose keyword begins with it:
// a table for the ASCII characters (where every shipped keyword begins), a list for any other.
struct KeywordIndex {
    std::array<std::u32string, kReportKeywordCount> keywords;
    std::array<std::vector<std::size_t>, kAsciiCount> rowsByFirst;
    std::vector<std::pair<char32_t, std::size_t>> rowsByOtherFirst;

    KeywordIndex() {
        for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
            keywords[row] = DecodeUtf8(kReportKeywords[row].text);
            const char32_t first = keywords[row].front();
            if (first < kAsciiCount) {
                rowsByFirst[first].push_back(row);
            } else {
                rowsByOtherFirst.emplace_back(first, row);
            }
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
    const auto tryRow = [&](std::size_t i, std::size_t row) {
        if (m_first[row] != kAbsent) return;
        const std::u32string& keyword = index.keywords[row];
        if (text.compare(i, keyword.size(), keyword) == 0) {
            m_first[row] = i;
            --missing;
        }
    };
    for (std::size_t i = 0; i < text.size() && missing > 0; ++i) {
        if (text[i] < kAsciiCount) {
            for (const std::size_t row : index.rowsByFirst[text[i]]) tryRow(i, row);
        } else {
            for (const auto& [first, row] : index.rowsByOtherFirst) {
                if (first == text[i]) tryRow(i, row);
            }
        }
    }
}

std::optional<std::size_t> ReportText::FirstOccurrence(std::size_t row) const {
    if (row >= m_first.size() || m_first[row] == kAbsent) return std::nullopt;
    return m_first[row];
}

}  // namespace quorvel
