#include "batch/script_command.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "app/control_table.h"
#include "batch/script_text.h"

namespace quorvel {
namespace {

// What a command needs of its control.
enum class Needs { Edit, Button, List, Text, Anything };

ScriptCommand CommandOf(ScriptVerb verb) {
    ScriptCommand command;
    command.verb = verb;
    return command;
}

ParsedScriptLine Fail(std::string reason) { return {std::nullopt, std::move(reason)}; }

// The text of a command that takes the rest of its line, blanks included: the line is the name
// alone (an empty text) or the name, one blank and the text. Nothing when the line starts otherwise.
std::optional<std::string_view> TextAfterName(std::string_view line, std::string_view name) {
    if (!line.starts_with(name) || (line.size() > name.size() && line[name.size()] != ' '))
        return std::nullopt;
    return line.size() > name.size() ? line.substr(name.size() + 1) : std::string_view();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

// A decimal integer filling the whole word, optionally signed.
std::optional<int> ParseNumber(std::string_view word) {
    int value = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (word.empty() || error != std::errc() || end != last) return std::nullopt;
    return value;
}

bool KindFits(ControlKind kind, Needs needs) {
    switch (needs) {
        case Needs::Edit:
            return kind == ControlKind::NumericEdit || kind == ControlKind::ReportEdit;
        case Needs::Button:
            return kind == ControlKind::Button;
        case Needs::List:
            return kind == ControlKind::DropDown;
        case Needs::Text:
            return kind != ControlKind::DropDown;
        case Needs::Anything:
            return true;
    }
    return false;
}

const char* KindName(Needs needs) {
    switch (needs) {
        case Needs::Edit:
            return "an edit field";
        case Needs::Button:
            return "a button";
        case Needs::List:
            return "a drop-down list";
        case Needs::Text:
            return "a control with a text";
        case Needs::Anything:
            break;
    }
    return "a control";
}

// Reads the control number word into command.control; the reason on failure, empty otherwise.
std::string ReadControl(std::string_view word, Needs needs, ScriptCommand& command) {
    const std::optional<int> number = ParseNumber(word);
    if (!number) return "malformed control number \"" + std::string(word) + "\"";
    const ControlRow* control = FindControl(*number);
    if (control == nullptr) return "no control " + std::to_string(*number);
    if (!KindFits(control->kind, needs))
        return "control " + std::to_string(*number) + " is not " + KindName(needs);
    command.control = control->id;
    return {};
}

std::optional<std::vector<int>> ParseRows(std::string_view text) {
    if (text == "none") return std::vector<int>{};
    std::vector<int> rows;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<int> row = ParseNumber(text.substr(0, comma));
        if (!row || *row < 0) return std::nullopt;
        rows.push_back(*row);
        if (comma == std::string_view::npos) return rows;
        text.remove_prefix(comma + 1);
    }
}

ParsedScriptLine ParseSet(std::string_view rest) {
    // Only one blank separates the number from the text, which may begin or end with blanks.
    const std::size_t blank = rest.find(' ');
    ScriptCommand command = CommandOf(ScriptVerb::Set);
    if (std::string error = ReadControl(rest.substr(0, blank), Needs::Edit, command); !error.empty()) {
        return Fail(std::move(error));
    }
    if (blank != std::string_view::npos) command.text = UnescapeScriptText(rest.substr(blank + 1));
    return {std::move(command), {}};
}

ParsedScriptLine ParseAnswer(std::string_view rest) {
    const std::size_t blank = rest.find(' ');
    const std::string_view dialog = rest.substr(0, blank);
    const std::string_view answer =
        blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    if (dialog == "save") {
        ScriptCommand command = CommandOf(ScriptVerb::AnswerSave);
        if (answer.empty()) return Fail("answer save needs a path or cancel");
        command.cancel = answer == "cancel";
        if (!command.cancel) command.text = UnescapeScriptText(answer);
        return {std::move(command), {}};
    }
    if (dialog == "plan") {
        static constexpr std::string_view kAnswers[] = {"replace", "extend", "cancel"};
        const auto found = std::find(std::begin(kAnswers), std::end(kAnswers), answer);
        if (found == std::end(kAnswers)) return Fail("answer plan takes replace, extend or cancel");
        ScriptCommand command = CommandOf(ScriptVerb::AnswerPlan);
        command.entry = static_cast<int>(found - std::begin(kAnswers));
        return {std::move(command), {}};
    }
    if (dialog == "language") {
        ScriptCommand command = CommandOf(ScriptVerb::AnswerLanguage);
        if (answer == "cancel") {
            command.cancel = true;
            return {std::move(command), {}};
        }
        std::optional<std::vector<int>> rows = ParseRows(answer);
        if (!rows) {
            return Fail("malformed rows \"" + std::string(answer) +
                        "\" (numbers joined by ',', none or cancel)");
        }
        command.rows = std::move(*rows);
        return {std::move(command), {}};
    }
    return Fail("answer needs language, save or plan, not \"" + std::string(dialog) + "\"");
}

// What `copy` copies, and the formats it takes: text, bbcode, markdown, csv in that order.
struct CopyKind {
    std::string_view name;  // empty: the last strike
    ScriptVerb verb;
    std::array<bool, 6> formats;
};
constexpr std::array<CopyKind, 4> kCopyKinds = {{
    {"", ScriptVerb::CopyStrike, {true, true, true, false, true, true}},
    {"plan", ScriptVerb::CopyPlan, {true, true, true, false, true, true}},
    {"targets", ScriptVerb::CopyTargets, {true, true, true, true, true, true}},
    {"curve", ScriptVerb::CopyCurve, {true, false, false, true, false, false}},
}};
constexpr std::array<std::string_view, 6> kCopyFormats = {"text", "bbcode", "markdown",
                                                          "csv",  "code",   "link"};
// What `code` and `link` make a code of, in the order of the code actions' kinds.
constexpr std::array<std::string_view, 3> kCodeKinds = {"strike", "plan", "targets"};

ParsedScriptLine ParseCopy(const std::vector<std::string_view>& words) {
    const std::string_view kindName = words.size() == 3 ? words[1] : std::string_view();
    const auto kind = std::find_if(kCopyKinds.begin(), kCopyKinds.end(),
                                   [&](const CopyKind& k) { return k.name == kindName; });
    const auto format = std::find(kCopyFormats.begin(), kCopyFormats.end(), words.back());
    if ((words.size() != 2 && words.size() != 3) || kind == kCopyKinds.end() ||
        format == kCopyFormats.end() ||
        !kind->formats[static_cast<std::size_t>(format - kCopyFormats.begin())]) {
        return Fail(
            "copy takes text, bbcode, markdown, code or link, optionally after plan; targets also csv; curve "
            "text or csv");
    }
    ScriptCommand command = CommandOf(kind->verb);
    command.format = static_cast<int>(format - kCopyFormats.begin());
    return {std::move(command), {}};
}

struct SimpleVerb {
    std::string_view name;
    ScriptVerb verb;
    bool takesControl;
    Needs needs;
};

constexpr SimpleVerb kSimpleVerbs[] = {
    {"press", ScriptVerb::Press, true, Needs::Button},
    {"get", ScriptVerb::Get, true, Needs::Text},
    {"list", ScriptVerb::List, true, Needs::List},
    {"colour", ScriptVerb::Colour, true, Needs::Anything},
    {"tooltip", ScriptVerb::Tooltip, true, Needs::Anything},
    {"dump", ScriptVerb::Dump, false, Needs::Anything},
    {"title", ScriptVerb::Title, false, Needs::Anything},
    {"paste", ScriptVerb::Paste, false, Needs::Anything},
    {"curve", ScriptVerb::Curve, false, Needs::Anything},
    {"undo", ScriptVerb::Undo, false, Needs::Anything},
    {"redo", ScriptVerb::Redo, false, Needs::Anything},
    {"new-plan", ScriptVerb::NewPlan, false, Needs::Anything},
    {"restore", ScriptVerb::Restore, false, Needs::Anything},
    {"targets", ScriptVerb::Targets, false, Needs::Anything},
    {"target-close", ScriptVerb::TargetClose, false, Needs::Anything},
};

// Commands that take one number within bounds.
struct NumberVerb {
    std::string_view name;
    ScriptVerb verb;
    int least;
    int most;
    std::string_view says;
};

constexpr NumberVerb kNumberVerbs[] = {
    {"launches", ScriptVerb::Launches, 0, 2147483647, "launches takes a silo level (0 or more)"},
    {"target", ScriptVerb::Target, 1, 2147483647, "target takes a row number (1 or more)"},
    {"target-load", ScriptVerb::TargetLoad, 1, 2147483647, "target-load takes a row number (1 or more)"},
    {"target-sort", ScriptVerb::TargetSort, 0, 17, "target-sort takes a column (0 to 17)"},
    {"target-filter", ScriptVerb::TargetFilter, 0, 1, "target-filter takes 0 or 1"},
};

}  // namespace

ParsedScriptLine ParseScriptLine(std::string_view line) {
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty() || line.front() == '#') return {};

    const std::string_view name = words.front();
    // The commands whose text is the rest of the line.
    const std::optional<std::string_view> text = TextAfterName(line, name);
    if (name == "clipboard") {
        if (!text) return Fail("clipboard must start the line and be followed by one blank");
        ScriptCommand command = CommandOf(ScriptVerb::Clipboard);
        command.text = UnescapeScriptText(*text);
        return {std::move(command), {}};
    }
    if (name == "copy") return ParseCopy(words);
    if (name == "code" || name == "link") {
        const auto kind = std::find(kCodeKinds.begin(), kCodeKinds.end(),
                                    words.size() == 2 ? words[1] : std::string_view());
        if (kind == kCodeKinds.end()) return Fail(std::string(name) + " takes strike, plan or targets");
        ScriptCommand command = CommandOf(name == "code" ? ScriptVerb::Code : ScriptVerb::Link);
        command.entry = static_cast<int>(kind - kCodeKinds.begin());
        return {std::move(command), {}};
    }
    if (name == "open" || name == "page-address") {
        if (!text || text->empty()) {
            return Fail(std::string(name) + " must start the line and be followed by one blank and a text");
        }
        ScriptCommand command = CommandOf(name == "open" ? ScriptVerb::Open : ScriptVerb::PageAddress);
        command.text = UnescapeScriptText(*text);
        return {std::move(command), {}};
    }
    if (name == "target-list") {
        if (!text)
            return Fail("target-list must start the line, optionally followed by one blank and a text");
        ScriptCommand command = CommandOf(ScriptVerb::TargetList);
        command.hasText = line.size() > name.size();
        command.text = UnescapeScriptText(*text);
        return {std::move(command), {}};
    }
    if (name == "set" || name == "answer") {
        // Their texts keep every blank, so the words are separated by exactly one blank.
        if (!text) return Fail(std::string(name) + " must start the line and be followed by one blank");
        return name == "set" ? ParseSet(*text) : ParseAnswer(*text);
    }

    const std::size_t arguments = words.size() - 1;
    for (const SimpleVerb& simple : kSimpleVerbs) {
        if (simple.name != name) continue;
        ScriptCommand command = CommandOf(simple.verb);
        if (arguments != (simple.takesControl ? 1U : 0U)) {
            return Fail(std::string(name) +
                        (simple.takesControl ? " takes one control number" : " takes nothing"));
        }
        if (simple.takesControl) {
            if (std::string error = ReadControl(words[1], simple.needs, command); !error.empty()) {
                return Fail(std::move(error));
            }
        }
        return {std::move(command), {}};
    }

    if (name == "select") {
        if (arguments != 2) return Fail("select takes a control number and an entry");
        ScriptCommand command = CommandOf(ScriptVerb::Select);
        if (std::string error = ReadControl(words[1], Needs::List, command); !error.empty()) {
            return Fail(std::move(error));
        }
        const std::optional<int> entry = ParseNumber(words[2]);
        if (!entry || *entry < -1)
            return Fail("malformed entry \"" + std::string(words[2]) + "\" (-1 or more)");
        command.entry = *entry;
        return {std::move(command), {}};
    }
    for (const NumberVerb& verb : kNumberVerbs) {
        if (verb.name != name) continue;
        const std::optional<int> number = arguments == 1 ? ParseNumber(words[1]) : std::nullopt;
        if (!number || *number < verb.least || *number > verb.most) return Fail(std::string(verb.says));
        ScriptCommand command = CommandOf(verb.verb);
        command.entry = *number;
        return {std::move(command), {}};
    }
    if (name == "range-rule") {
        if (arguments != 1 || (words[1] != "2" && words[1] != "5")) return Fail("range-rule takes 2 or 5");
        ScriptCommand command = CommandOf(ScriptVerb::RangeRule);
        command.entry = words[1] == "5" ? 5 : 2;
        return {std::move(command), {}};
    }
    if (name == "key") {
        static constexpr std::pair<std::string_view, Key> kKeys[] = {
            {"enter", Key::Enter}, {"escape", Key::Escape}, {"f1", Key::About}, {"f3", Key::Curve}};
        const auto key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                      [&](const auto& k) { return arguments == 1 && k.first == words[1]; });
        if (key == std::end(kKeys)) return Fail("key takes enter, escape, f1 or f3");
        ScriptCommand command = CommandOf(ScriptVerb::Key);
        command.key = key->second;
        return {std::move(command), {}};
    }
    return Fail("unknown command \"" + std::string(name) + "\"");
}

}  // namespace quorvel
