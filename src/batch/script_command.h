#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/button_handlers.h"
#include "app/control_id.h"

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
    CopyStrike,    // copy text|bbcode|markdown
    CopyPlan,      // copy plan text|bbcode|markdown
    CopyTargets,   // copy targets text|bbcode|markdown|csv: the target list's shown rows
    CopyCurve,     // copy curve text|csv: the loss curve's table
    Clipboard,     // clipboard TEXT: another program puts TEXT on the clipboard
    Paste,         // paste: Ctrl+Shift+V, the clipboard into the report field and read
    Curve,         // curve: the loss curve of the inputs, its points and marks
    Launches,      // launches L: the silo level field becomes L, then the launches are planned
    Undo,          // undo: Ctrl+Z outside an edit's own typing
    Redo,          // redo: Ctrl+Shift+Z or Ctrl+Y
    NewPlan,       // new-plan: the context menu's "New plan"
    Restore,       // restore: the last session of the window onto the form
    Targets,       // targets: one line per report of the report field, in text order
    Target,        // target K: row K (from 1) of the target list into the fields
    RangeRule,     // range-rule 2|5: the missile range is 2 (or 5) x level - 1
    TargetList,    // target-list [TEXT]: TEXT's reports (else the report field's) into the list
    TargetSort,    // target-sort C: the target list sorted by column C (from 0), again: reversed
    TargetFilter,  // target-filter 0|1: all targets, or only those in range
    TargetLoad,    // target-load N: the target list's shown row N (from 1) into the fields
    TargetClose,   // target-close: the target list is closed
    Code,          // code strike|plan|targets: the share code, printed
    Link,          // link strike|plan|targets: the link that opens the page with the code, printed
    Open,          // open TEXT: a code or a link with one, loaded as the page opened with it
    PageAddress,   // page-address TEXT: the address of the page that links open
    AnswerPlan,    // answer plan replace|extend|cancel: the next plan question's answer
};

// One command of a batch script, checked against the control table: its control exists and is of
// the kind the command needs.
struct ScriptCommand {
    ScriptVerb verb = ScriptVerb::Dump;
    ControlId control{};
    std::string text;       // set, clipboard, open, page-address: the text; answer save: the path
                            // (escapes resolved)
    int entry = -1;         // select: the entry, -1 for none; launches: the silo level; target,
                            // target-load: the row; target-sort: the column; target-filter: 0 or 1;
                            // range-rule: the factor; code, link: 0 strike, 1 plan, 2 targets;
                            // answer plan: 0 replace, 1 extend, 2 cancel
    bool hasText = false;   // target-list: a text follows
    Key key = Key::Enter;   // key
    bool cancel = false;    // answer: the dialog is cancelled
    std::vector<int> rows;  // answer language: the rows left selected
    int format = 0;         // copy: 0 text, 1 BBCode, 2 Markdown, 3 CSV, 4 code, 5 link
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
