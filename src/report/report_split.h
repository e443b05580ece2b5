#pragma once

// A pasted text holding any number of espionage reports, in any languages, with anything between them.

#include <string_view>
#include <vector>

namespace quorvel {

// The reports of a text, in text order. A report starts at its header line: a line whose first "["
// opens a well-formed position (as ReadTargetPosition reads it), so that the report read alone names
// that position. It runs to the start of the next header line or the end of the text, so a report cut
// off at the end is still one. Text before the first header line belongs to no report. The views point
// into `utf8Text`.
std::vector<std::string_view> SplitReports(std::string_view utf8Text);

}  // namespace quorvel
