#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace quorvel {

// Batch scripts and their output write a line feed, carriage return, tab and backslash as \n, \r,
// \t and \\, so that every text fits on one line. Any other backslash stands for itself.
std::string UnescapeScriptText(std::string_view text);
std::string EscapeScriptText(std::string_view text);

// One line of batch output, flushed at once so that a reader sees each event as it happens.
void PrintScriptLine(std::ostream& out, std::string_view line);

}  // namespace quorvel
