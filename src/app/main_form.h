#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/control_id.h"
#include "i18n/language_dialog_texts.h"
#include "i18n/language_texts.h"

namespace quorvel {

// The colour a result cell's text is drawn in: the loss totals and their words are red for the side
// that lost more and green for the other.
enum class TextColour { Default, Red, Green };

// A plan a code brought, while the window's plan holds records: the code's replaces it, extends it
// at its end, or the loading is cancelled.
enum class PlanLoadChoice { Replace, Extend, Cancel };
struct PlanLoadQuestion {
    std::string title;
    std::string question;
    std::string replace;  // the buttons' captions, with their mnemonic '&'
    std::string extend;
    std::string cancel;
};

// The one door between the program's logic and its window. The logic addresses controls by number
// and never sees a widget; the Qt window, the test form and the batch form implement this.
class MainForm {
public:
    virtual ~MainForm() = default;

    virtual std::string GetText(ControlId id) const = 0;
    virtual void SetText(ControlId id, std::string_view text) = 0;
    // Selected entry of a drop-down list, -1 when none.
    virtual int GetSelection(ControlId id) const = 0;

    virtual void ShowMessage(std::string_view text) = 0;
    // An error box with the stop icon.
    virtual void ShowError(std::string_view text) = 0;
    // A box with the warning icon: an input the program cannot take. Forms without icons say it as
    // a message.
    virtual void ShowWarning(std::string_view text) { ShowMessage(text); }
    // Moves the focus to an edit field and selects all its text.
    virtual void FocusField(ControlId id) = 0;
    // The colour of a cell's text from now on; the cell is repainted at once.
    virtual void SetColour(ControlId id, TextColour colour) = 0;
    // The colour the cell's text is drawn in now.
    virtual TextColour GetColour(ControlId id) const = 0;
    virtual void CloseOk() = 0;

    virtual void ClearList(ControlId id) = 0;
    // A position beyond the current end of the list inserts nothing.
    virtual void InsertListItem(ControlId id, int position, std::string_view text) = 0;
    virtual void RemoveListItem(ControlId id, int position) = 0;
    virtual void SelectListItem(ControlId id, int position) = 0;

    virtual void SetToolTip(ControlId id, std::string_view text) = 0;
    // What a screen reader calls the control.
    virtual void SetAccessibleName(ControlId id, std::string_view text) = 0;

    // The system clipboard's text: copying a result puts it there, paste-and-read takes it.
    virtual void SetClipboardText(std::string_view text) = 0;
    virtual std::string GetClipboardText() const = 0;

    // The save dialog (text-file filter, overwrite prompt); nothing when cancelled.
    virtual std::optional<std::string> AskSavePath() = 0;
    // The modal language dialog showing these texts; the rows the player left selected.
    virtual LanguageDialogAnswer RunLanguageDialog(const LanguageDialogTexts& texts) = 0;
    virtual void ShowAbout() = 0;
    // The question a plan from a code asks while the window has a plan; a form that cannot ask
    // cancels.
    virtual PlanLoadChoice AskPlanLoad(const PlanLoadQuestion& question) = 0;
    // The non-modal loss curve window, drawing the program's CurveView.
    virtual void ShowCurve() {}
    // The non-modal target list, drawing the program's TargetListView: it opened or took a page in.
    virtual void ShowTargetList() {}
    // A language file has been applied: the form's own texts (boxes, dialogs) follow it, and
    // locale ("de") names the language of the toolkit's texts. Forms without such texts ignore it.
    virtual void UseLanguage(const LanguageTexts& texts, std::string_view locale) {
        static_cast<void>(texts);
        static_cast<void>(locale);
    }

    // Convenience: a signed decimal integer without separators.
    void SetInt(ControlId id, long long value) { SetText(id, std::to_string(value)); }
};

}  // namespace quorvel
