// Any bytes as a language file: the reader must give 72 texts of valid UTF-8 with at most 255
// characters each, in both fallback code pages, and agree with itself where the code page cannot
// matter.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "i18n/language_file.h"
#include "text/utf8.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckTexts(const quorvel::LanguageLines& lines) {
    for (const std::string& text : lines) {
        Check(quorvel::IsValidUtf8(text));
        Check(quorvel::Utf8Length(text) <= quorvel::kMaxTextCharacters);
        Check(text.find('\n') == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quorvel::LanguageLines western =
        quorvel::ParseLanguageLines(bytes, quorvel::SingleByteCodepage::Windows1252);
    const quorvel::LanguageLines central =
        quorvel::ParseLanguageLines(bytes, quorvel::SingleByteCodepage::Windows1250);
    CheckTexts(western);
    CheckTexts(central);
    if (quorvel::IsValidUtf8(bytes)) Check(western == central);
    return 0;
}
