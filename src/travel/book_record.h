#pragma once

#include <array>
#include <string>

#include "travel/position.h"

namespace quorvel {

// One saved start position of the coordinate book.
using BookRecord = Position;

// The book is the first nine records of the data file; record i is entry i of the start list.
inline constexpr int kBookCapacity = 9;
using BookRecords = std::array<BookRecord, kBookCapacity>;

// Shown in the start list: every value above 0.
constexpr bool IsListable(const BookRecord& r) { return r.galaxy > 0 && r.system > 0 && r.planet > 0; }

// Kept when the book is rewritten: listable and in a galaxy of the universe.
constexpr bool IsKeepable(const BookRecord& r) { return IsListable(r) && r.galaxy <= kMaxGalaxy; }

// The start list's text for a record: "1:234:5".
std::string BookEntryText(const BookRecord& r);

// The record's line in the data file, line break included: "1 234 5\n".
std::string BookLine(const BookRecord& r);

}  // namespace quorvel
