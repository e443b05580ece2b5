#include "text/utf8.h"

namespace quorvel {
bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < characters; ++count) {
        const std::size_t length = Utf8SequenceLength(text, i);
        i += length == 0 ? 1 : length;
    }
    return text.substr(0, i);
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t cp = length == 1   ? lead
                      : length == 2 ? (lead & 0x1F)
                      : length == 3 ? (lead & 0x0F)
                                    : (lead & 0x07);
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(cp);
        i += length;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = U'\uFFFD';
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) AppendUtf8(out, cp);
    return out;
}

std::string WithoutControlCharacters(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    const auto at = [text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    // The bytes are copied in runs between the characters left out, not one by one.
    std::size_t run = 0;
    const auto leaveOut = [&](std::size_t i, std::size_t length) {
        kept.append(text.substr(run, i - run));
        run = i + length;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = at(i);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            leaveOut(i, 1);
            continue;
        }
        // C1 controls are U+0080-U+009F: C2 80 to C2 9F in UTF-8; U+061C is D8 9C.
        if ((byte == 0xC2 && at(i + 1) >= 0x80 && at(i + 1) <= 0x9F) || (byte == 0xD8 && at(i + 1) == 0x9C)) {
            leaveOut(i, 2);
            ++i;
            continue;
        }
        // U+200E-U+200F and U+2028-U+202E are E2 80 8E-8F and E2 80 A8-AE, U+2066-U+2069 E2 81 A6-A9.
        const unsigned char last = at(i + 2);
        if (byte == 0xE2 &&
            ((at(i + 1) == 0x80 && (last == 0x8E || last == 0x8F || (last >= 0xA8 && last <= 0xAE))) ||
             (at(i + 1) == 0x81 && last >= 0xA6 && last <= 0xA9))) {
            leaveOut(i, 3);
            i += 2;
            continue;
        }
    }
    kept.append(text.substr(run));
    return kept;
}

}  // namespace quorvel
