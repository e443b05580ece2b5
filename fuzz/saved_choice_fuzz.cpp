// The saved-choice reader on arbitrary bytes: it must answer a language index, and a single digit
// 1 to 8 after blanks must choose that language whatever follows it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "i18n/language_table.h"
#include "i18n/saved_choice.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int index = ParseSavedLanguageIndex(text);
    Require(index >= 0 && index < static_cast<int>(kLanguages.size()));

    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i + 1 < text.size() && text[i] >= '1' && text[i] <= '8' &&
        !(text[i + 1] >= '0' && text[i + 1] <= '9') && i < 4000) {
        Require(index == text[i] - '0');
    }
    return 0;
}
