#pragma once

// What a player sees of the work on the form, taken as a whole and put back as a whole: the text of
// every input and result cell, each cell's colour and the two target lists' selections. Undo keeps
// one per step; the session file keeps the last one between runs, with the strike behind it.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/control_id.h"
#include "app/main_form.h"
#include "app/simulator_state.h"
#include "strike/strike.h"

namespace quorvel {

struct FormContents {
    std::vector<std::pair<ControlId, std::string>> texts;   // the numeric edits, the report, every cell
    std::vector<std::pair<ControlId, TextColour>> colours;  // every cell
    std::array<int, 2> selections{};                        // the primary and the required target list

    bool operator==(const FormContents&) const = default;
};

FormContents TakeFormContents(const MainForm& form);
void PutFormContents(MainForm& form, const FormContents& contents);

// What '<-x' and remember-attack act on behind the shown result: the inputs as last read and the
// last strike with what may still be done with it. Its result follows from its input.
struct SessionStrike {
    InputValues read;  // the numbers; the report text is the field's
    StrikeInput in;
    bool resultValid = false;       // '<-x' may take the survivors
    bool attackRecordable = false;  // remember-attack may record it
    bool shown = false;             // the cells show it
    bool readSince = false;         // the fields were read after it

    bool operator==(const SessionStrike&) const = default;
};

// The work a window leaves for the next one.
struct Session {
    FormContents form;
    std::optional<SessionStrike> strike;  // none in a session written before it was kept

    bool operator==(const Session&) const = default;
};

// The session file's text, and back. Nothing for a text that is not a whole session of this
// program's controls (a damaged or foreign file).
std::string SessionText(const Session& session);
std::optional<Session> ParseSessionText(std::string_view text);

}  // namespace quorvel
