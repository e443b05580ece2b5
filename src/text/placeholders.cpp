#include "text/placeholders.h"

namespace quorvel {

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                                 static_cast<std::size_t>(pattern[i + 1] - '1') < values.size();
        if (placeholder) {
            text += values.begin()[pattern[i + 1] - '1'];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace quorvel
