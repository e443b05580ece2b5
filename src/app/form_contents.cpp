// Taking and putting back the form's contents, and their one-line-per-control session text:
//   quorvel-session 1
//   t <control> <text, "\\" and "\n" escaped>
//   c <control> <colour 0..2>
//   s <selection> <selection>
//   i <the numbers of the inputs as last read>                                } both, or neither
//   l <4 flags 0|1> <the last strike's counts, interceptors, missiles,       } in a file of an
//      armour, weapons and primary target>                                   } older version

#include "app/form_contents.h"

#include <algorithm>

#include "app/control_table.h"
#include "text/decimal.h"

namespace quorvel {
namespace {

constexpr std::string_view kSessionHeading = "quorvel-session 1";
constexpr std::array<ControlId, 2> kSelectionLists = {ControlId::PrimaryTargetList,
                                                      ControlId::RequiredTargetList};

bool KeepsText(ControlKind kind) {
    return kind == ControlKind::NumericEdit || kind == ControlKind::ReportEdit || kind == ControlKind::Cell;
}

std::optional<int> Number(std::string_view word) {
    auto it = word.cbegin();
    const std::optional<std::int32_t> value = ScanInt32(it, word.cend());
    if (!value || it != word.cend() || word.empty() || word.front() == ' ') return std::nullopt;
    return *value;
}

// The control of this number when the session may write its kind.
std::optional<ControlId> SessionControl(std::string_view word, bool cell) {
    const std::optional<int> number = Number(word);
    const ControlRow* row = number ? FindControl(*number) : nullptr;
    if (row == nullptr || !KeepsText(row->kind) || (cell && row->kind != ControlKind::Cell))
        return std::nullopt;
    return row->id;
}

// The numbers of the inputs as last read, in the order of the "i" line.
std::vector<std::int32_t*> InputNumbers(InputValues& inputs) {
    std::vector<std::int32_t*> numbers;
    for (std::int32_t& count : inputs.defenceCount) numbers.push_back(&count);
    for (std::int32_t* number :
         {&inputs.abmCount, &inputs.armourLevel, &inputs.missileCount, &inputs.weaponsLevel,
          &inputs.primaryTarget, &inputs.neededTarget, &inputs.startGalaxy, &inputs.startSystem,
          &inputs.startPlanet, &inputs.targetGalaxy, &inputs.targetSystem, &inputs.targetPlanet,
          &inputs.impulseDriveLevel}) {
        numbers.push_back(number);
    }
    return numbers;
}

// The "l" line's numbers: the four flags, then the strike's input.
std::vector<std::int64_t> StrikeNumbers(const SessionStrike& strike) {
    std::vector<std::int64_t> numbers = {strike.resultValid, strike.attackRecordable, strike.shown,
                                         strike.readSince};
    numbers.insert(numbers.end(), strike.in.counts.begin(), strike.in.counts.end());
    numbers.insert(numbers.end(), {strike.in.interceptors, strike.in.missiles, strike.in.armourLevel,
                                   strike.in.weaponsLevel, strike.in.primaryTarget});
    return numbers;
}

std::string NumbersLine(char kind, const std::vector<std::int64_t>& numbers) {
    std::string line(1, kind);
    for (std::int64_t number : numbers) line += ' ' + std::to_string(number);
    return line + '\n';
}

// Every word of a line as a number, or nothing.
std::optional<std::vector<std::int32_t>> LineNumbers(std::string_view words) {
    std::vector<std::int32_t> numbers;
    while (!words.empty()) {
        const std::size_t blank = std::min(words.find(' '), words.size());
        const std::optional<int> number = Number(words.substr(0, blank));
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        words.remove_prefix(std::min(blank + 1, words.size()));
    }
    return numbers;
}

// The strike of an "i" and an "l" line; nothing unless each number is one the window could have
// kept: counts and levels from 0, selections from -1, flags 0 or 1.
std::optional<SessionStrike> StrikeOfLines(const std::vector<std::int32_t>& read,
                                           const std::vector<std::int32_t>& last) {
    SessionStrike strike;
    const std::vector<std::int32_t*> inputs = InputNumbers(strike.read);
    if (read.size() != inputs.size() || last.size() != 4 + kDefenceTypeCount + 5) return std::nullopt;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const bool selection =
            inputs[i] == &strike.read.primaryTarget || inputs[i] == &strike.read.neededTarget;
        if (read[i] < (selection ? -1 : 0)) return std::nullopt;
        *inputs[i] = read[i];
    }
    if (std::any_of(last.begin(), last.begin() + 4,
                    [](std::int32_t flag) { return flag != 0 && flag != 1; }) ||
        std::any_of(last.begin() + 4, last.end() - 1, [](std::int32_t number) { return number < 0; }) ||
        last.back() < -1) {
        return std::nullopt;
    }
    strike.resultValid = last[0] == 1;
    strike.attackRecordable = last[1] == 1;
    strike.shown = last[2] == 1;
    strike.readSince = last[3] == 1;
    std::copy(last.begin() + 4, last.begin() + 4 + kDefenceTypeCount, strike.in.counts.begin());
    auto rest = last.begin() + 4 + kDefenceTypeCount;
    strike.in.interceptors = *rest++;
    strike.in.missiles = *rest++;
    strike.in.armourLevel = *rest++;
    strike.in.weaponsLevel = *rest++;
    strike.in.primaryTarget = *rest;
    return strike;
}

}  // namespace

FormContents TakeFormContents(const MainForm& form) {
    FormContents contents;
    for (const ControlRow& row : ControlTable()) {
        if (!KeepsText(row.kind)) continue;
        contents.texts.emplace_back(row.id, form.GetText(row.id));
        if (row.kind == ControlKind::Cell) contents.colours.emplace_back(row.id, form.GetColour(row.id));
    }
    for (std::size_t i = 0; i < kSelectionLists.size(); ++i)
        contents.selections[i] = form.GetSelection(kSelectionLists[i]);
    return contents;
}

void PutFormContents(MainForm& form, const FormContents& contents) {
    for (const auto& [id, text] : contents.texts) {
        if (form.GetText(id) != text.Text()) form.SetText(id, text.Text());
    }
    for (const auto& [id, colour] : contents.colours) {
        if (form.GetColour(id) != colour) form.SetColour(id, colour);
    }
    for (std::size_t i = 0; i < kSelectionLists.size(); ++i) {
        if (form.GetSelection(kSelectionLists[i]) != contents.selections[i]) {
            form.SelectListItem(kSelectionLists[i], contents.selections[i]);
        }
    }
}

void ShareUnchangedTexts(FormContents& contents, const FormContents& earlier) {
    if (contents.texts.size() != earlier.texts.size()) return;
    for (std::size_t i = 0; i < contents.texts.size(); ++i) {
        if (contents.texts[i].first == earlier.texts[i].first)
            contents.texts[i].second.ShareWith(earlier.texts[i].second);
    }
}

namespace {

// A control's "t" line: its text with "\\" and "\n" escaped.
std::string TextLine(ControlId id, std::string_view value) {
    std::string line = "t " + std::to_string(ToInt(id)) + ' ';
    for (char c : value) {
        if (c == '\\') {
            line += "\\\\";
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    return line + '\n';
}

}  // namespace

std::string SessionText(const Session& session) {
    const FormContents& contents = session.form;
    std::string rest;
    for (const auto& [id, colour] : contents.colours) {
        rest += "c " + std::to_string(ToInt(id)) + ' ' + std::to_string(static_cast<int>(colour)) + '\n';
    }
    rest +=
        "s " + std::to_string(contents.selections[0]) + ' ' + std::to_string(contents.selections[1]) + '\n';
    if (session.strike) {
        InputValues read = session.strike->read;
        std::vector<std::int64_t> numbers;
        for (const std::int32_t* number : InputNumbers(read)) numbers.push_back(*number);
        rest += NumbersLine('i', numbers);
        rest += NumbersLine('l', StrikeNumbers(*session.strike));
    }
    std::vector<std::string> texts;
    std::size_t size = kSessionHeading.size() + 1 + rest.size();
    for (const auto& [id, value] : contents.texts) {
        texts.push_back(TextLine(id, value.Text()));
        size += texts.back().size();
    }
    std::string text(kSessionHeading);
    text += '\n';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // A page of reports too long for the session is left out: it must not cost the next start
        // every other input.
        if (contents.texts[i].first == ControlId::ReportText && size > kLargestSessionFile) continue;
        text += texts[i];
    }
    return text + rest;
}

std::optional<Session> ParseSessionText(std::string_view text) {
    if (text.size() > kLargestSessionFile || !text.starts_with(kSessionHeading)) return std::nullopt;
    text.remove_prefix(kSessionHeading.size());
    if (!text.starts_with('\n')) return std::nullopt;
    text.remove_prefix(1);
    FormContents contents;
    bool selections = false;
    std::optional<std::vector<std::int32_t>> read;
    std::optional<std::vector<std::int32_t>> last;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // a file cut short
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.size() < 3 || line[1] != ' ') return std::nullopt;
        const std::string_view rest = line.substr(2);
        if (line[0] == 'i' || line[0] == 'l') {
            std::optional<std::vector<std::int32_t>>& numbers = line[0] == 'i' ? read : last;
            if (numbers) return std::nullopt;
            numbers = LineNumbers(rest);
            if (!numbers) return std::nullopt;
            continue;
        }
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) return std::nullopt;
        const std::string_view first = rest.substr(0, blank);
        const std::string_view second = rest.substr(blank + 1);
        if (line[0] == 't') {
            const std::optional<ControlId> id = SessionControl(first, false);
            if (!id) return std::nullopt;
            std::string value;
            for (std::size_t i = 0; i < second.size(); ++i) {
                if (second[i] != '\\') {
                    value += second[i];
                } else if (i + 1 < second.size() && (second[i + 1] == '\\' || second[i + 1] == 'n')) {
                    value += second[++i] == 'n' ? '\n' : '\\';
                } else {
                    return std::nullopt;
                }
            }
            contents.texts.emplace_back(*id, std::move(value));
        } else if (line[0] == 'c') {
            const std::optional<ControlId> id = SessionControl(first, true);
            const std::optional<int> colour = Number(second);
            if (!id || !colour || *colour < 0 || *colour > static_cast<int>(TextColour::Green))
                return std::nullopt;
            contents.colours.emplace_back(*id, static_cast<TextColour>(*colour));
        } else if (line[0] == 's') {
            const std::optional<int> primary = Number(first);
            const std::optional<int> required = Number(second);
            if (!primary || !required || *primary < -1 || *required < -1) return std::nullopt;
            contents.selections = {*primary, *required};
            selections = true;
        } else {
            return std::nullopt;
        }
    }
    if (!selections || read.has_value() != last.has_value()) return std::nullopt;
    Session session{std::move(contents), std::nullopt};
    if (read) {
        session.strike = StrikeOfLines(*read, *last);
        if (!session.strike) return std::nullopt;
    }
    return session;
}

}  // namespace quorvel
