#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"

namespace quorvel {

// What a language dialog shows, field by field as a batch line lists it: title, accept and cancel
// captions, the two column headings, the number of rows.
std::array<std::string, 6> LanguageDialogFields(const LanguageDialogTexts& texts);
// What a plan question shows, field by field: title, question and the three captions.
std::array<std::string, 5> PlanQuestionFields(const PlanLoadQuestion& question);

// A MainForm over plain data: control texts, lists and queued dialog answers. The core tests and
// the batch mode drive the program through it. Everything the program shows on its own (messages,
// focus, dialogs, closing) is reported to Notify, which records it by default.
class MemoryForm : public MainForm {
public:
    struct List {
        std::vector<std::string> entries;
        int selected = -1;
    };

    MemoryForm();

    std::string GetText(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    int GetSelection(ControlId id) const override;
    void ShowMessage(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void FocusField(ControlId id) override;
    void SetColour(ControlId id, TextColour colour) override { m_colours[id] = colour; }
    void CloseOk() override;
    void ClearList(ControlId id) override;
    void InsertListItem(ControlId id, int position, std::string_view text) override;
    void RemoveListItem(ControlId id, int position) override;
    void SelectListItem(ControlId id, int position) override;
    void SetToolTip(ControlId id, std::string_view text) override;
    void SetAccessibleName(ControlId id, std::string_view text) override;
    void SetClipboardText(std::string_view text) override;
    std::string GetClipboardText() const override { return m_clipboard; }
    std::optional<std::string> AskSavePath() override;
    LanguageDialogAnswer RunLanguageDialog(const LanguageDialogTexts& texts) override;
    void ShowAbout() override;
    PlanLoadChoice AskPlanLoad(const PlanLoadQuestion& question) override;
    void ShowCurve() override;
    void ShowTargetList() override { ++m_targetListShows; }

    // Answers for the next dialogs, in order; a dialog with no answer queued is cancelled.
    void QueueSaveAnswer(std::optional<std::string> path) { m_saveAnswers.push_back(std::move(path)); }
    void QueueLanguageAnswer(LanguageDialogAnswer answer) { m_languageAnswers.push_back(std::move(answer)); }
    void QueuePlanAnswer(PlanLoadChoice answer) { m_planAnswers.push_back(answer); }

    const List& GetList(ControlId id) const;
    std::string GetToolTip(ControlId id) const;
    TextColour GetColour(ControlId id) const override;
    std::string GetAccessibleName(ControlId id) const;
    // Puts text on the clipboard as another program would: nothing is reported.
    void PutClipboardText(std::string text) { m_clipboard = std::move(text); }
    bool Closed() const { return m_closed; }
    // How often the target list was shown, so that whoever drives the form sees when it is.
    std::uint64_t TargetListShows() const { return m_targetListShows; }
    std::optional<ControlId> Focus() const { return m_focus; }
    const LanguageDialogTexts& LastLanguageDialog() const { return m_lastLanguageDialog; }
    const PlanLoadQuestion& LastPlanQuestion() const { return m_lastPlanQuestion; }

    // "message", "error", "focus", "clipboard", "language-dialog", "save-dialog", "plan-dialog"
    // (its text: title, question and the three captions, joined by tabs), "about", "curve-window",
    // "closed".
    struct Event {
        std::string kind;
        std::string text;
    };
    const std::vector<Event>& Events() const { return m_events; }
    void ClearEvents() { m_events.clear(); }

protected:
    virtual void Notify(const Event& event) { m_events.push_back(event); }

private:
    std::map<ControlId, std::string> m_texts;
    std::map<ControlId, List> m_lists;
    std::map<ControlId, std::string> m_toolTips;
    std::map<ControlId, TextColour> m_colours;
    std::map<ControlId, std::string> m_accessibleNames;
    std::string m_clipboard;
    std::deque<std::optional<std::string>> m_saveAnswers;
    std::deque<LanguageDialogAnswer> m_languageAnswers;
    std::deque<PlanLoadChoice> m_planAnswers;
    LanguageDialogTexts m_lastLanguageDialog;
    PlanLoadQuestion m_lastPlanQuestion;
    std::vector<Event> m_events;
    std::optional<ControlId> m_focus;
    bool m_closed = false;
    std::uint64_t m_targetListShows = 0;
};

}  // namespace quorvel
