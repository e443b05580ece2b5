// Taking and putting back the form's contents, and their one-line-per-control session text:
//   quorvel-session 1
//   t <control> <text, "\\" and "\n" escaped>
//   c <control> <colour 0..2>
//   s <selection> <selection>

#include "app/form_contents.h"

#include <algorithm>

#include "app/control_table.h"
#include "text/decimal.h"

namespace quorvel {
namespace {

constexpr std::string_view kSessionHeading = "quorvel-session 1";
constexpr std::array<ControlId, 2> kSelectionLists = {ControlId::PrimaryTargetList,
                                                      ControlId::RequiredTargetList};
// A session holds some hundred short lines; anything much larger is not one.
constexpr std::size_t kLargestSession = 1 << 20;

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
        if (form.GetText(id) != text) form.SetText(id, text);
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

std::string SessionText(const FormContents& contents) {
    std::string text(kSessionHeading);
    text += '\n';
    for (const auto& [id, value] : contents.texts) {
        text += "t " + std::to_string(ToInt(id)) + ' ';
        for (char c : value) {
            if (c == '\\') {
                text += "\\\\";
            } else if (c == '\n') {
                text += "\\n";
            } else {
                text += c;
            }
        }
        text += '\n';
    }
    for (const auto& [id, colour] : contents.colours) {
        text += "c " + std::to_string(ToInt(id)) + ' ' + std::to_string(static_cast<int>(colour)) + '\n';
    }
    text +=
        "s " + std::to_string(contents.selections[0]) + ' ' + std::to_string(contents.selections[1]) + '\n';
    return text;
}

std::optional<FormContents> ParseSessionText(std::string_view text) {
    if (text.size() > kLargestSession || !text.starts_with(kSessionHeading)) return std::nullopt;
    text.remove_prefix(kSessionHeading.size());
    if (!text.starts_with('\n')) return std::nullopt;
    text.remove_prefix(1);
    FormContents contents;
    bool selections = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // a file cut short
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.size() < 3 || line[1] != ' ') return std::nullopt;
        const std::string_view rest = line.substr(2);
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
    if (!selections) return std::nullopt;
    return contents;
}

}  // namespace quorvel
