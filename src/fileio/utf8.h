#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// Texts are UTF-8 throughout the program. Limits given in characters count code points and never
// cut one in half. Invalid bytes count as one character each, so nothing here can loop or overrun.

bool IsValidUtf8(std::string_view text);

// Number of characters.
std::size_t Utf8Length(std::string_view text);

// The first `characters` characters of text.
std::string_view Utf8Prefix(std::string_view text, std::size_t characters);

// Code points; an invalid byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace quorvel
