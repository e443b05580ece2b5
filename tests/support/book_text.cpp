#include "support/book_text.h"

#include "travel/book_record.h"

namespace quorvel::testing {

std::string BookText(const std::vector<Position>& positions) {
    std::string text;
    for (const Position& p : positions) text += BookLine(p);
    return text;
}

}  // namespace quorvel::testing
