#pragma once

// Flight time, missile range and the coordinate book. Data flow:
//   start and target position -> EvaluateFlightTime; impulse drive level -> MissileRange (pure)
//   data file <-> ReadBookRecords / SaveToBook / DeleteFromBook (this header) <-> BookRecords
//   -> the start list's entries; the handlers in app/ decide when to read and rewrite.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "travel/book_record.h"

namespace quorvel {

// The data file of the coordinate book: plain text, one "galaxy system planet" line per record.
// Readers take exactly 27 integers (nine records), each an optionally signed run of decimal digits
// after skipped white space, whatever the line structure. Missing values are 0. At the first value
// that is not such a number, or does not fit in 32 bits, reading stops: it and every later value
// are 0 ("12abc" gives 12, then stops). Nothing after the 27th integer is read.

inline constexpr int kBookValues = 3 * kBookCapacity;

enum class BookStop {
    EndOfText,      // the text ended before the 27th value
    BadValue,       // a value was not a number or did not fit in 32 bits
    AllValuesRead,  // 27 values were read; what follows is never looked at
};

struct BookReading {
    BookRecords records{};
    int valuesRead = 0;
    BookStop stop = BookStop::EndOfText;

    // The record a line appended to this text is read back as; nothing when the reader would never
    // reach it as a record of its own (nine records already, text the reader stops at, or a last
    // record missing values, which would take the new line's numbers).
    std::optional<int> NextFreeRecord() const;
};

BookReading ParseBook(std::string_view text);

// Nothing when the file cannot be opened or read, or is no regular file (a folder, a FIFO);
// errorNumber (when given) then receives the reason.
std::optional<BookReading> ReadBookFile(const std::filesystem::path& file, int* errorNumber = nullptr);

// The book's nine records; zeros when the file is missing or cannot be read.
BookRecords ReadBookRecords(const std::filesystem::path& file);

// The file text after deleting record `index`: one line for every other keepable record, in order.
std::string BookTextWithout(const BookRecords& records, int index);

enum class BookWrite {
    Written,
    AlreadyInBook,    // saving: one of the nine records is that position
    NotReachable,     // saving: an appended line would never be read back (see NextFreeRecord)
    NothingSelected,  // deleting: no record chosen
    NotWritten,       // the file could not be read, opened for writing or replaced; it is as it was
    NotInBook,        // deleting: the entry is no longer in the file; nothing was written
};

// Creates an empty data file when none exists; never changes an existing one. False when the file
// neither existed nor could be created (a missing data folder, for example).
bool EnsureBookFile(const std::filesystem::path& file);

// The writers below hold the lock of the book's folder (FolderLock) from reading the file to
// replacing it, so that programs sharing the book never undo each other's changes. When they
// return NotWritten, errorNumber (when given) receives the reason.

// Appends the record's line to the book as it is on disk (a line break first when the text does
// not end in one). The whole file is replaced atomically, so a crash leaves the old book or the new
// one; the old text is streamed into the new file, so memory does not grow with the book. The
// caller has checked that the position lies in the universe.
BookWrite SaveToBook(const std::filesystem::path& file, const BookRecord& record, int* errorNumber = nullptr);

// Rewrites the book atomically without record `index` and without the records that are not
// keepable. With no index in 0..8 the file is left alone. A missing file becomes an empty one.
BookWrite DeleteFromBook(const std::filesystem::path& file, int index, int* errorNumber = nullptr);

// Whether one of the nine records of the book as it is on disk now is `shown` (an entry as the
// player saw it in the list).
bool BookHolds(const std::filesystem::path& file, const BookRecord& shown);

// Deletes the first of the nine records that is `shown` (the entry as the player saw it in the
// list), from the book as it is on disk at that moment, like DeleteFromBook. NotInBook when no
// record is that position any more: then nothing is written.
BookWrite DeleteBookRecord(const std::filesystem::path& file, const BookRecord& shown,
                           int* errorNumber = nullptr);

}  // namespace quorvel
