#include "report/report_split.h"

#include <string>

#include "report/report_reader.h"

namespace quorvel {
namespace {

// The longest position ReadTargetPosition looks at, with the digit that would make a part too long:
// 3 + 1 + 4 + 1 + 3 characters.
constexpr std::size_t kPositionLookahead = 12;

// Whether the line's first "[" opens a well-formed position. Only ASCII characters can be part of a
// position and no byte of a multi-byte UTF-8 character is ASCII, so the bytes after the "[" are read
// as characters one for one, every other byte as a character that ends the position.
bool IsHeaderLine(std::string_view line) {
    const std::size_t bracket = line.find('[');
    if (bracket == std::string_view::npos) return false;
    std::u32string window(1, U'[');
    for (std::size_t i = bracket + 1; i < line.size() && window.size() <= kPositionLookahead; ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        window.push_back(byte < 0x80 ? char32_t{byte} : U'?');
    }
    return ReadTargetPosition(window).has_value();
}

}  // namespace

std::vector<std::string_view> SplitReports(std::string_view utf8Text) {
    std::vector<std::string_view> reports;
    std::size_t reportStart = std::string_view::npos;
    std::size_t lineStart = 0;
    while (lineStart < utf8Text.size()) {
        std::size_t lineEnd = utf8Text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = utf8Text.size();
        if (IsHeaderLine(utf8Text.substr(lineStart, lineEnd - lineStart))) {
            if (reportStart != std::string_view::npos)
                reports.push_back(utf8Text.substr(reportStart, lineStart - reportStart));
            reportStart = lineStart;
        }
        lineStart = lineEnd + 1;
    }
    if (reportStart != std::string_view::npos) reports.push_back(utf8Text.substr(reportStart));
    return reports;
}

}  // namespace quorvel
