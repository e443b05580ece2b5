#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The Windows code pages older language files were written in.
enum class SingleByteCodepage {
    Windows1252,  // Western European
    Windows1250,  // Central European (Polish)
};

// The code point a byte stands for. Bytes 0x00-0x7F are ASCII; the few bytes a code page leaves
// undefined map to the C1 control of the same value, as Windows itself converts them.
char32_t CodePointOf(unsigned char byte, SingleByteCodepage codepage);

// Every byte is one character, so the result has exactly as many characters as text has bytes.
std::string DecodeSingleByte(std::string_view text, SingleByteCodepage codepage);

}  // namespace quorvel
