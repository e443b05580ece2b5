#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/button_handlers.h"
#include "app/control_id.h"
#include "plan/share_text.h"

namespace quorvel {

enum class ScriptVerb {
    Set,
    Press,
    Select,
    Key,
    AnswerLanguage,
    AnswerSave,
    Get,
    List,
    Dump,
    Colour,
    Tooltip,
    Title,
    CopyStrike,  // copy text|bbcode|markdown
    CopyPlan,    // copy plan text|bbcode|markdown
    Clipboard,   // clipboard TEXT: another program puts TEXT on the clipboard
    Paste,       // paste: Ctrl+Shift+V, the clipboard into the report field and read
    Curve,       // curve: the loss curve of the inputs, its points and marks
    Launches,    // launches L: the silo level field becomes L, then the launches are planned
    Undo,        // undo: Ctrl+Z outside an edit's own typing
    Redo,        // redo: Ctrl+Shift+Z or Ctrl+Y
    NewPlan,     // new-plan: the context menu's "New plan"
    Restore,     // restore: the last session of the window onto the form
    Targets,     // targets: one line per report of the report field, in text order
    Target,      // target K: row K (from 1) of the target list into the fields
    RangeRule,   // range-rule 2|5: the missile range is 2 (or 5) x level - 1
};

// One command of a batch script, checked against the control table: its control exists and is of
// the kind the command needs.
struct ScriptCommand {
    ScriptVerb verb = ScriptVerb::Dump;
    ControlId control{};
    std::string text;       // set, clipboard: the new text; answer save: the path (escapes resolved)
    int entry = -1;         // select: the entry, -1 for none; launches: the silo level; target: the row;
                            // range-rule: the factor
    Key key = Key::Enter;   // key
    bool cancel = false;    // answer: the dialog is cancelled
    std::vector<int> rows;  // answer language: the rows left selected
    ShareFormat format = ShareFormat::Text;  // copy
};

// A line read from a script: a command, nothing (an empty or comment line), or the reason why it
// is no command.
struct ParsedScriptLine {
    std::optional<ScriptCommand> command;
    std::string error;
};

// line is one line without its line ending.
ParsedScriptLine ParseScriptLine(std::string_view line);

}  // namespace quorvel
