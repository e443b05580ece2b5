#pragma once

// Text below every other folder: UTF-8 (this header) and decimal numbers (decimal.h). No files, no
// controls; everything here is a pure function of its text.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// Texts are UTF-8 throughout the program. Limits given in characters count code points and never
// cut one in half. Invalid bytes count as one character each, so nothing here can loop or overrun.

bool IsValidUtf8(std::string_view text);

// Length of the well-formed sequence starting at text[i], or 0 when it is not well formed.
constexpr std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

// Number of characters.
constexpr std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const std::size_t length = Utf8SequenceLength(text, i);
        i += length == 0 ? 1 : length;
    }
    return count;
}

// The first `characters` characters of text.
std::string_view Utf8Prefix(std::string_view text, std::size_t characters);

// Code points; an invalid byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

// The text without control characters: C0 (U+0000-U+001F) except the tab, DEL and C1
// (U+0080-U+009F), which could steer a terminal or break a line, and the bidirectional controls
// (U+061C, U+200E-U+200F, U+202A-U+202E, U+2066-U+2069) and the line and paragraph separators
// (U+2028-U+2029), which could turn a text around or break it where it is pasted.
std::string WithoutControlCharacters(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace quorvel
