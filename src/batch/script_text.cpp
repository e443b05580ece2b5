#include "batch/script_text.h"

namespace quorvel {
namespace {

// The character an escape \c stands for, or '\0' when \c is no escape.
char Decoded(char c) {
    switch (c) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '\\':
            return '\\';
        default:
            return '\0';
    }
}

}  // namespace

std::string UnescapeScriptText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char decoded = text[i] == '\\' && i + 1 < text.size() ? Decoded(text[i + 1]) : '\0';
        if (decoded != '\0') {
            result += decoded;
            ++i;
            continue;
        }
        result += text[i];
    }
    return result;
}

std::string EscapeScriptText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                result += "\\\\";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\t':
                result += "\\t";
                break;
            default:
                result += c;
        }
    }
    return result;
}

void PrintScriptLine(std::ostream& out, std::string_view line) {
    out << line << '\n';
    out.flush();
}

}  // namespace quorvel
