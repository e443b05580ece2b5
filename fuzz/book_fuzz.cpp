// The coordinate book reader on arbitrary text: it must stay within its 27 values, and a line
// appended where it says there is room must be read back as exactly that record.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "travel/book_file.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const BookReading reading = ParseBook(text);

    Require(reading.valuesRead >= 0 && reading.valuesRead <= kBookValues);
    Require((reading.stop == BookStop::AllValuesRead) == (reading.valuesRead == kBookValues));
    for (int v = reading.valuesRead; v < kBookValues; ++v) {
        const BookRecord& r = reading.records[v / 3];
        const std::int32_t value = v % 3 == 0 ? r.galaxy : v % 3 == 1 ? r.system : r.planet;
        Require(value == 0);
    }

    // What a delete writes reads back as the kept records, in order.
    const std::string rewritten = BookTextWithout(reading.records, 0);
    const BookReading reread = ParseBook(rewritten);
    Require(reread.stop != BookStop::BadValue);
    int kept = 0;
    for (int i = 1; i < kBookCapacity; ++i) {
        if (IsKeepable(reading.records[i])) Require(reread.records[kept++] == reading.records[i]);
    }
    for (int i = kept; i < kBookCapacity; ++i) Require(reread.records[i] == BookRecord{});

    // Saving appends only where the reader finds the new line again, as a record of its own.
    if (const std::optional<int> next = reading.NextFreeRecord()) {
        std::string saved = text;
        if (!saved.empty() && saved.back() != '\n') saved.push_back('\n');
        const BookRecord added{19, 499, 15};
        saved += BookLine(added);
        const BookReading after = ParseBook(saved);
        Require(after.records[*next] == added);
        for (int i = 0; i < *next; ++i) Require(after.records[i] == reading.records[i]);
    }
    return 0;
}
