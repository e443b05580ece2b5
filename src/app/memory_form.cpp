#include "app/memory_form.h"

#include "app/control_table.h"

namespace quorvel {

MemoryForm::MemoryForm() {
    for (const ControlRow& control : ControlTable()) {
        if (control.kind == ControlKind::DropDown) {
            m_lists[control.id] = {};
        } else {
            m_texts[control.id] = control.caption;
        }
    }
}

std::string MemoryForm::GetText(ControlId id) const {
    const auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

void MemoryForm::SetText(ControlId id, std::string_view text) { m_texts[id] = std::string(text); }

int MemoryForm::GetSelection(ControlId id) const {
    const auto it = m_lists.find(id);
    return it == m_lists.end() ? -1 : it->second.selected;
}

void MemoryForm::ShowMessage(std::string_view text) { Notify({"message", std::string(text)}); }
void MemoryForm::ShowError(std::string_view text) { Notify({"error", std::string(text)}); }

void MemoryForm::FocusField(ControlId id) {
    m_focus = id;
    Notify({"focus", std::to_string(ToInt(id))});
}

void MemoryForm::CloseOk() {
    m_closed = true;
    Notify({"closed", ""});
}

void MemoryForm::ClearList(ControlId id) { m_lists[id] = {}; }

void MemoryForm::InsertListItem(ControlId id, int position, std::string_view text) {
    List& list = m_lists[id];
    if (position < 0 || static_cast<std::size_t>(position) > list.entries.size()) return;
    list.entries.insert(list.entries.begin() + position, std::string(text));
    if (list.selected >= position) ++list.selected;
}

void MemoryForm::RemoveListItem(ControlId id, int position) {
    List& list = m_lists[id];
    if (position < 0 || static_cast<std::size_t>(position) >= list.entries.size()) return;
    list.entries.erase(list.entries.begin() + position);
    if (list.selected == position) {
        list.selected = -1;
    } else if (list.selected > position) {
        --list.selected;
    }
}

void MemoryForm::SelectListItem(ControlId id, int position) {
    List& list = m_lists[id];
    const bool inList = position >= 0 && static_cast<std::size_t>(position) < list.entries.size();
    list.selected = inList ? position : -1;
}

void MemoryForm::SetToolTip(ControlId id, std::string_view text) { m_toolTips[id] = std::string(text); }

void MemoryForm::SetAccessibleName(ControlId id, std::string_view text) {
    m_accessibleNames[id] = std::string(text);
}

std::string MemoryForm::GetAccessibleName(ControlId id) const {
    const auto it = m_accessibleNames.find(id);
    return it == m_accessibleNames.end() ? std::string() : it->second;
}

void MemoryForm::SetClipboardText(std::string_view text) {
    m_clipboard = std::string(text);
    Notify({"clipboard", m_clipboard});
}

std::string MemoryForm::GetToolTip(ControlId id) const {
    const auto it = m_toolTips.find(id);
    return it == m_toolTips.end() ? std::string() : it->second;
}

TextColour MemoryForm::GetColour(ControlId id) const {
    const auto it = m_colours.find(id);
    return it == m_colours.end() ? TextColour::Default : it->second;
}

const MemoryForm::List& MemoryForm::GetList(ControlId id) const {
    static const List kEmpty;
    const auto it = m_lists.find(id);
    return it == m_lists.end() ? kEmpty : it->second;
}

std::optional<std::string> MemoryForm::AskSavePath() {
    Notify({"save-dialog", ""});
    if (m_saveAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(m_saveAnswers.front());
    m_saveAnswers.pop_front();
    return answer;
}

std::array<std::string, 6> LanguageDialogFields(const LanguageDialogTexts& texts) {
    return {texts.title,
            texts.acceptCaption,
            texts.cancelCaption,
            texts.columnHeading[0],
            texts.columnHeading[1],
            std::to_string(texts.rows.size())};
}

LanguageDialogAnswer MemoryForm::RunLanguageDialog(const LanguageDialogTexts& texts) {
    m_lastLanguageDialog = texts;
    std::string line;
    for (const std::string& field : LanguageDialogFields(texts)) line += (line.empty() ? "" : "\t") + field;
    Notify({"language-dialog", line});
    if (m_languageAnswers.empty()) return {};
    LanguageDialogAnswer answer = std::move(m_languageAnswers.front());
    m_languageAnswers.pop_front();
    return answer;
}

std::array<std::string, 5> PlanQuestionFields(const PlanLoadQuestion& question) {
    return {question.title, question.question, question.replace, question.extend, question.cancel};
}

PlanLoadChoice MemoryForm::AskPlanLoad(const PlanLoadQuestion& question) {
    m_lastPlanQuestion = question;
    const std::array<std::string, 5> fields = PlanQuestionFields(question);
    std::string line = fields[0];
    for (std::size_t f = 1; f < fields.size(); ++f) line += '\t' + fields[f];
    Notify({"plan-dialog", line});
    if (m_planAnswers.empty()) return PlanLoadChoice::Cancel;
    const PlanLoadChoice answer = m_planAnswers.front();
    m_planAnswers.pop_front();
    return answer;
}

void MemoryForm::ShowAbout() { Notify({"about", ""}); }

void MemoryForm::ShowCurve() { Notify({"curve-window", ""}); }

}  // namespace quorvel
