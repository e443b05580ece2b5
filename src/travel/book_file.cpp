#include "travel/book_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <system_error>

#include "fileio/atomic_file.h"
#include "text/decimal.h"

namespace quorvel {
namespace {

// One pass over the characters, so that a file is read only as far as the 27th value.
template <typename Iterator>
BookReading Parse(Iterator it, Iterator end) {
    std::array<std::int32_t, kBookValues> values{};
    BookReading reading;
    reading.stop = BookStop::AllValuesRead;
    while (reading.valuesRead < kBookValues) {
        while (it != end && IsBlank(*it)) ++it;
        if (it == end) {
            reading.stop = BookStop::EndOfText;
            break;
        }
        const std::optional<std::int32_t> value = ScanInt32(it, end);
        if (!value) {
            reading.stop = BookStop::BadValue;
            break;
        }
        values[reading.valuesRead++] = *value;
    }
    for (int i = 0; i < kBookCapacity; ++i) {
        reading.records[i] = {values[3 * i], values[3 * i + 1], values[3 * i + 2]};
    }
    return reading;
}

BookWrite Replace(const std::filesystem::path& file, std::string_view text, int* errorNumber) {
    return ReplaceFileAtomically(file, text, errorNumber) == WriteOutcome::Ok ? BookWrite::Written
                                                                               : BookWrite::NotWritten;
}

BookWrite NotWritten(int* errorNumber, int reason) {
    if (errorNumber) *errorNumber = reason;
    return BookWrite::NotWritten;
}

}  // namespace

std::optional<int> BookReading::NextFreeRecord() const {
    if (stop != BookStop::EndOfText || valuesRead % 3 != 0) return std::nullopt;
    return valuesRead / 3;
}

BookReading ParseBook(std::string_view text) { return Parse(text.begin(), text.end()); }

std::optional<BookReading> ReadBookFile(const std::filesystem::path& file, int* errorNumber) {
    // Nine positions take a few hundred bytes; a huge file is read no further than this, so the
    // list and a delete never wait on it (a save still keeps the whole file).
    constexpr std::size_t kBookReadLimit = std::size_t{1} << 20;
    const std::optional<std::string> text = ReadRegularFile(file, kBookReadLimit, errorNumber);
    if (!text) return std::nullopt;
    return ParseBook(*text);
}

BookRecords ReadBookRecords(const std::filesystem::path& file) {
    const std::optional<BookReading> reading = ReadBookFile(file);
    return reading ? reading->records : BookRecords{};
}

std::string BookTextWithout(const BookRecords& records, int index) {
    std::string text;
    for (int i = 0; i < kBookCapacity; ++i) {
        if (i != index && IsKeepable(records[i])) text += BookLine(records[i]);
    }
    return text;
}

bool EnsureBookFile(const std::filesystem::path& file) {
    // Appending creates a missing file and never truncates an existing one; O_NONBLOCK keeps a FIFO
    // in its place from blocking.
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

BookWrite SaveToBook(const std::filesystem::path& file, const BookRecord& record, int* errorNumber) {
    const FolderLock lock(file);
    if (lock.Busy()) return NotWritten(errorNumber, EWOULDBLOCK);
    std::optional<std::string> text = ReadRegularFile(file, std::numeric_limits<std::size_t>::max(), errorNumber);
    if (!text) return BookWrite::NotWritten;
    const BookReading reading = ParseBook(*text);
    const BookRecords& records = reading.records;
    if (std::find(records.begin(), records.end(), record) != records.end()) return BookWrite::AlreadyInBook;
    if (!reading.NextFreeRecord()) return BookWrite::NotReachable;
    if (!text->empty() && text->back() != '\n') text->push_back('\n');
    text->append(BookLine(record));
    return Replace(file, *text, errorNumber);
}

BookWrite DeleteFromBook(const std::filesystem::path& file, int index, int* errorNumber) {
    const FolderLock lock(file);
    if (lock.Busy()) return NotWritten(errorNumber, EWOULDBLOCK);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        if (!error && EnsureBookFile(file)) return BookWrite::Written;
        return NotWritten(errorNumber, error ? error.value() : errno);
    }
    if (index < 0 || index >= kBookCapacity) return BookWrite::NothingSelected;
    const std::optional<BookReading> reading = ReadBookFile(file, errorNumber);
    if (!reading) return BookWrite::NotWritten;
    return Replace(file, BookTextWithout(reading->records, index), errorNumber);
}

BookWrite DeleteBookRecord(const std::filesystem::path& file, const BookRecord& shown, int* errorNumber) {
    const FolderLock lock(file);
    if (lock.Busy()) return NotWritten(errorNumber, EWOULDBLOCK);
    int readError = 0;
    const std::optional<BookReading> reading = ReadBookFile(file, &readError);
    if (!reading) return readError == ENOENT ? BookWrite::NotInBook : NotWritten(errorNumber, readError);
    const auto found = std::find(reading->records.begin(), reading->records.end(), shown);
    if (found == reading->records.end()) return BookWrite::NotInBook;
    return Replace(file, BookTextWithout(reading->records, static_cast<int>(found - reading->records.begin())),
                   errorNumber);
}

}  // namespace quorvel
