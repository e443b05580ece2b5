#include "travel/book_file.h"

#include <fcntl.h>
#include <sys/stat.h>
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

// A file read front to back through one fixed buffer, for the one-pass parser: memory does not
// grow with the file. A read error ends the bytes and is kept.
class StreamedFile {
public:
    explicit StreamedFile(int fd) : m_fd(fd) {}

    class Iterator {
    public:
        explicit Iterator(StreamedFile* file) : m_file(file) {}
        char operator*() const { return m_file->m_buffer[m_file->m_next]; }
        Iterator& operator++() {
            m_file->m_last = m_file->m_buffer[m_file->m_next++];
            return *this;
        }
        // Only ever compared with the end.
        bool operator==(const Iterator&) const { return m_file->AtEnd(); }

    private:
        StreamedFile* m_file;
    };

    Iterator begin() { return Iterator(this); }
    Iterator end() { return Iterator(this); }
    int Error() const { return m_error; }
    bool Empty() const { return m_total == 0; }
    char LastByteRead() const { return m_last; }

private:
    bool AtEnd() {
        while (m_next == m_filled && m_error == 0 && !m_eof) {
            const ssize_t got = ::read(m_fd, m_buffer.data(), m_buffer.size());
            if (got < 0) {
                if (errno != EINTR) m_error = errno;
            } else if (got == 0) {
                m_eof = true;
            } else {
                m_filled = static_cast<std::size_t>(got);
                m_next = 0;
                m_total += m_filled;
            }
        }
        return m_next == m_filled;
    }

    int m_fd;
    std::array<char, 65536> m_buffer{};
    std::size_t m_next = 0;
    std::size_t m_filled = 0;
    std::size_t m_total = 0;
    char m_last = '\n';
    int m_error = 0;
    bool m_eof = false;
};

// Copies the rest of `from` into `to`, then `tail`, through one fixed buffer.
bool CopyThenAppend(int from, int to, std::string_view tail, int* errorNumber) {
    const auto failed = [errorNumber](int reason) {
        if (errorNumber) *errorNumber = reason;
        return false;
    };
    if (::lseek(from, 0, SEEK_SET) < 0) return failed(errno);
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failed(errno);
        if (got == 0) break;
        if (!WriteWholly(to, std::string_view(buffer.data(), static_cast<std::size_t>(got)), errorNumber))
            return false;
    }
    return WriteWholly(to, tail, errorNumber);
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
    // Whatever is there (a FIFO or a device too) is never opened; the writers refuse what is no
    // ordinary file. Appending creates a missing file and never truncates one made meanwhile.
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) return true;
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

BookWrite SaveToBook(const std::filesystem::path& file, const BookRecord& record, int* errorNumber) {
    const FolderLock lock(file);
    if (lock.Busy()) return NotWritten(errorNumber, EWOULDBLOCK);
    // The old book is read once for its records and copied once into the new file, both through a
    // fixed buffer, so a book of any size costs the same memory.
    int openError = 0;
    const int fd = OpenRegularFile(file, &openError);
    if (fd < 0) return NotWritten(errorNumber, ReasonForCreateError(file, openError));
    StreamedFile book(fd);
    const BookReading reading = Parse(book.begin(), book.end());
    BookWrite outcome = BookWrite::Written;
    const BookRecords& records = reading.records;
    if (book.Error() != 0) {
        outcome = NotWritten(errorNumber, book.Error());
    } else if (std::find(records.begin(), records.end(), record) != records.end()) {
        outcome = BookWrite::AlreadyInBook;
    } else if (!reading.NextFreeRecord()) {
        outcome = BookWrite::NotReachable;
    } else {
        const std::string tail =
            (!book.Empty() && book.LastByteRead() != '\n' ? std::string("\n") : std::string()) +
            BookLine(record);
        outcome = ReplaceFileAtomicallyWith(
                      file, [fd, &tail](int out, int* error) { return CopyThenAppend(fd, out, tail, error); },
                      errorNumber) == WriteOutcome::Ok
                      ? BookWrite::Written
                      : BookWrite::NotWritten;
    }
    ::close(fd);
    return outcome;
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

bool BookHolds(const std::filesystem::path& file, const BookRecord& shown) {
    const BookRecords records = ReadBookRecords(file);
    return std::find(records.begin(), records.end(), shown) != records.end();
}

BookWrite DeleteBookRecord(const std::filesystem::path& file, const BookRecord& shown, int* errorNumber) {
    const FolderLock lock(file);
    if (lock.Busy()) return NotWritten(errorNumber, EWOULDBLOCK);
    int readError = 0;
    const std::optional<BookReading> reading = ReadBookFile(file, &readError);
    if (!reading) return readError == ENOENT ? BookWrite::NotInBook : NotWritten(errorNumber, readError);
    const auto found = std::find(reading->records.begin(), reading->records.end(), shown);
    if (found == reading->records.end()) return BookWrite::NotInBook;
    return Replace(file,
                   BookTextWithout(reading->records, static_cast<int>(found - reading->records.begin())),
                   errorNumber);
}

}  // namespace quorvel
