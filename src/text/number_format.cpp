#include "text/number_format.h"

#include <algorithm>
#include <array>

namespace quorvel {

std::string FormatGrouped(Wide value) {
    const std::string plain = ToDecimal(value);
    const std::size_t digitsStart = (value < 0) ? 1 : 0;
    const std::size_t digits = plain.size() - digitsStart;
    std::string grouped;
    grouped.reserve(plain.size() + digits / 3);
    grouped.append(plain, 0, digitsStart);
    for (std::size_t i = 0; i < digits; ++i) {
        // A "." before every digit whose count from the right is a multiple of three.
        if (i != 0 && (digits - i) % 3 == 0) grouped.push_back('.');
        grouped.push_back(plain[digitsStart + i]);
    }
    return grouped;
}

std::string FormatGroupedFor(Wide value, std::string_view locale) {
    struct Separator {
        std::string_view locale;
        std::string_view text;
    };
    static constexpr std::array<Separator, 4> kSeparators = {
        {{"en", ","}, {"fr", "\u202F"}, {"pl", "\u00A0"}, {"pt", "\u00A0"}}};
    const auto it = std::find_if(kSeparators.begin(), kSeparators.end(),
                                 [locale](const Separator& s) { return s.locale == locale; });
    const std::string dotted = FormatGrouped(value);
    if (it == kSeparators.end()) return dotted;
    std::string text;
    for (char c : dotted) {
        if (c == '.') {
            text += it->text;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace quorvel
