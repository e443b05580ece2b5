#include "travel/book_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
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

// Whether the existing file may be written in place: the atomic replacement would otherwise
// overwrite a file the user made read-only.
bool CanOpenForWriting(const std::filesystem::path& file) {
    std::fstream probe(file, std::ios::in | std::ios::out | std::ios::binary);
    return probe.is_open();
}

BookWrite Replace(const std::filesystem::path& file, std::string_view text) {
    return ReplaceFileAtomically(file, text) == WriteOutcome::Ok ? BookWrite::Written : BookWrite::NotWritten;
}

}  // namespace

std::optional<int> BookReading::NextFreeRecord() const {
    if (stop != BookStop::EndOfText || valuesRead % 3 != 0) return std::nullopt;
    return valuesRead / 3;
}

BookReading ParseBook(std::string_view text) { return Parse(text.begin(), text.end()); }

std::optional<BookReading> ReadBookFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return Parse(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
    // Appending creates a missing file and never truncates an existing one.
    std::ofstream out(file, std::ios::app | std::ios::binary);
    return out.is_open();
}

BookWrite SaveToBook(const std::filesystem::path& file, const BookRecord& record) {
    const std::optional<BookReading> reading = ReadBookFile(file);
    if (!reading) return BookWrite::NotWritten;
    const BookRecords& records = reading->records;
    if (std::find(records.begin(), records.end(), record) != records.end()) return BookWrite::AlreadyInBook;
    if (!reading->NextFreeRecord()) return BookWrite::NotReachable;
    if (!CanOpenForWriting(file)) return BookWrite::NotWritten;
    std::optional<std::string> text = ReadWholeFile(file);
    if (!text) return BookWrite::NotWritten;
    if (!text->empty() && text->back() != '\n') text->push_back('\n');
    text->append(BookLine(record));
    return Replace(file, *text);
}

BookWrite DeleteFromBook(const std::filesystem::path& file, int index) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return !error && EnsureBookFile(file) ? BookWrite::Written : BookWrite::NotWritten;
    }
    if (index < 0 || index >= kBookCapacity) return BookWrite::NothingSelected;
    const std::optional<BookReading> reading = ReadBookFile(file);
    if (!reading || !CanOpenForWriting(file)) return BookWrite::NotWritten;
    return Replace(file, BookTextWithout(reading->records, index));
}

}  // namespace quorvel
