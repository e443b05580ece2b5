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

std::optional<std::vector<std::string>> PlaceholderValues(std::string_view pattern, std::string_view text) {
    // The pattern as words and placeholders in turn: words[0] %a words[1] %b ... words[n].
    std::vector<std::string_view> words;
    std::vector<int> placeholders;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] != '%' || pattern[i + 1] < '1' || pattern[i + 1] > '9') continue;
        words.push_back(pattern.substr(start, i - start));
        placeholders.push_back(pattern[i + 1] - '1');
        start = i + 2;
        ++i;
    }
    words.push_back(pattern.substr(start));

    if (!text.starts_with(words.front())) return std::nullopt;
    text.remove_prefix(words.front().size());
    std::vector<std::string> values;
    for (std::size_t k = 0; k < placeholders.size(); ++k) {
        const std::string_view next = words[k + 1];
        const bool last = k + 1 == placeholders.size();
        std::size_t end = 0;
        if (last) {
            if (!text.ends_with(next)) return std::nullopt;
            end = text.size() - next.size();
        } else {
            end = next.empty() ? std::string_view::npos : text.find(next);
            if (end == std::string_view::npos) return std::nullopt;
        }
        const auto index = static_cast<std::size_t>(placeholders[k]);
        if (values.size() <= index) values.resize(index + 1);
        values[index] = std::string(text.substr(0, end));
        text.remove_prefix(end + next.size());
    }
    if (placeholders.empty() && !text.empty()) return std::nullopt;
    return values;
}

}  // namespace quorvel
