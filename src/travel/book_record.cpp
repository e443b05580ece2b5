#include "travel/book_record.h"

namespace quorvel {
namespace {

std::string Joined(const BookRecord& r, char separator) {
    return std::to_string(r.galaxy) + separator + std::to_string(r.system) + separator +
           std::to_string(r.planet);
}

}  // namespace

std::string BookEntryText(const BookRecord& r) { return Joined(r, ':'); }

std::string BookLine(const BookRecord& r) { return Joined(r, ' ') + '\n'; }

}  // namespace quorvel
