#pragma once

// What a player sees of the work on the form, taken as a whole and put back as a whole: the text of
// every input and result cell, each cell's colour and the two target lists' selections. Undo keeps
// one per step; the session file keeps the last one between runs.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/control_id.h"
#include "app/main_form.h"

namespace quorvel {

struct FormContents {
    std::vector<std::pair<ControlId, std::string>> texts;   // the numeric edits, the report, every cell
    std::vector<std::pair<ControlId, TextColour>> colours;  // every cell
    std::array<int, 2> selections{};                        // the primary and the required target list

    bool operator==(const FormContents&) const = default;
};

FormContents TakeFormContents(const MainForm& form);
void PutFormContents(MainForm& form, const FormContents& contents);

// The session file's text, and back. Nothing for a text that is not a whole session of this
// program's controls (a damaged or foreign file).
std::string SessionText(const FormContents& contents);
std::optional<FormContents> ParseSessionText(std::string_view text);

}  // namespace quorvel
