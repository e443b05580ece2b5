#pragma once

// The main window's logic: the thin owner of the feature panels. Data flows one way per action:
//   a button, list or key of the window  ->  an Action (button_handlers.cpp)  ->  Run
//   a step (an action that changes the work as a whole) first keeps the work as it is (WorkState)
//   the handler frame: NormaliseEmptyInputs -> ReadInputs (fields -> the panels' shared inputs)
//   the panel's handler: pure functions of strike/, travel/, report/, plan/, i18n/, and its cells
//     through MainForm (the strike: StrikeInput -> SimulateStrike -> StrikeResult -> strike_view)
//   -> ClearZeroInputs
//   -> a step that changed something goes onto the undo list, and the session file is rewritten
//   -> every panel follows what changed, and the views (views.h) hold what the faces draw
// A new feature is a new panel in panels/ with its actions in the dispatch table of
// simulator_dialog.cpp and its view in views.h. The window itself is only a MainForm and a drawer
// of views; nothing here knows about Qt.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "app/program_folders.h"
#include "app/simulator_state.h"
#include "app/views.h"
#include "i18n/language_texts.h"

namespace quorvel {

// Everything the player can make the main window do, whatever the button, list or key. Actions
// that need more than their name take it from ActionInput (the comment names the field).
enum class Action {
    Simulate,
    RequiredMissiles,
    ApplyResult,
    PrimaryTargetChanged,
    NeededTargetChanged,
    ResetAll,
    Exit,
    FlightTime,
    Range,
    BookSave,
    BookDelete,
    BookSelectionChanged,
    BookFileChanged,  // another window saved or deleted a position
    ReadReport,       // one report into the fields; a page of several into the target list
    ClearReport,
    PasteReport,  // the clipboard's text into the report field, then read
    RememberAttack,
    SavePlan,
    ChooseLanguage,
    ShowAbout,
    Curve,             // the loss curve of the inputs (the batch's `curve`)
    PlanLaunches,      // the required-missiles job in launches the silo holds
    ShowCurve,         // the loss curve window
    RememberLaunches,  // every planned launch as its own attack record
    Undo,              // the work as it was before the last step
    Redo,              // the step undone last, again
    NewPlan,           // an empty attack plan; undo brings the old one back
    CopyStrike,        // the last strike onto the clipboard; number: a ShareFormat
    CopyPlan,          // the plan onto the clipboard; number: a ShareFormat
    Targets,           // the rows of the report field's reports (the batch's `targets`)
    LoadTarget,        // number: report k (from 1) of the report field into the fields
    ListTargets,       // the report field's reports into the target list; text instead when number is 1
    ListTargetFile,    // text: a dropped file whose reports go into the target list
    LoadListedTarget,  // number: the target list's shown row (from 0) into the fields
    SortTargets,       // number: the column to sort the target list by (again: the other way round)
    FilterTargets,     // number: 1 shows only the targets in range, 0 all
    CopyTargets,       // the shown targets onto the clipboard; number: a ShareFormat, or 3 for CSV
    ExportTargets,     // text: the path of the CSV file of the shown targets
    CloseTargetList,
    CopyCurveTable,    // the curve's points onto the clipboard; number: 1 for CSV, 0 for text
    ExportCurveImage,  // text: the path; bytes: the chart as the face rendered it
    RangeRuleChanged,  // the rule chosen in the range box's list
    SetRangeRule,      // number: 2 or 5, the rule's factor
    UseLanguageFile,   // text: a language file below the home folder, applied without the dialog
    RestoreSession,    // the session file's work onto the form
    SaveSession,       // the work as it stands into the session file (when the session is kept)
    StorageRefused,    // the page's storage refused the player's files in text; number: 0 the
                       // quota is used up, 1 another tab holds them
    CopyCode,          // a share code onto the clipboard; number: 0 the strike, 1 the plan, 2 the
                       // target list, each plus kCodeLinkOffset for its link
    ShowCode,          // the same into the code view (the batch's `code` and `link`)
    OpenCode,          // text: a code, or a link with one, loaded as the page opened with it
    SetPageAddress,    // text: the address of the page that links open
};

// CopyCode's and ShowCode's number: the kind of code, plus this for its link.
inline constexpr std::int64_t kCodeLinkOffset = 3;

struct ActionInput {
    ActionInput() = default;
    explicit ActionInput(std::int64_t n, std::string t = {}, std::string b = {})
        : number(n), text(std::move(t)), bytes(std::move(b)) {}

    std::int64_t number = 0;
    std::string text;
    std::string bytes;
};

class CSimulatorDlg {
public:
    // home: the folder holding languages/ and data/.
    CSimulatorDlg(MainForm& form, const std::filesystem::path& home);
    // folders: where the language files and the player's files are, as start-up decided.
    CSimulatorDlg(MainForm& form, ProgramFolders folders);
    ~CSimulatorDlg();
    CSimulatorDlg(const CSimulatorDlg&) = delete;
    CSimulatorDlg& operator=(const CSimulatorDlg&) = delete;

    // Start-up once the window exists: working folder, saved language (without one, the language of
    // desktopLocale, "de_DE" or a browser's list "pl-PL,en", when it is one of the table's), tooltip,
    // empty edits, book.
    void OnMainWindowInit(std::string_view desktopLocale = {});
    // The window and the page keep their work between runs: the session file's work comes back now,
    // and the file is rewritten after each step and at exit. The batch keeps none, so that its
    // scripts stay repeatable.
    void KeepSession();
    // Runs the action's handler in its frame; a step is kept for undo.
    void Run(Action action, const ActionInput& input = {});
    // What the panels show besides the cells, for the faces to draw.
    ProgramView View() const;

    // The inputs as the last read left them (the state record behind the fields).
    const InputValues& Inputs() const;
    const LanguageTexts& Texts() const;
    const ProgramFolders& Folders() const;
    // A program file (kBookFile, kPlanFile, a language file, ...) resolved against the folders.
    std::filesystem::path HomePath(std::string_view relative) const;
    // The clock of the arrival times (the local one unless a test sets its own).
    void SetClock(std::int32_t (*secondsOfDayNow)());

private:
    friend class DialogProbe;  // the tests' look at the panels' state
    // The context, the panels and the handlers that span them (simulator_dialog.cpp).
    struct Panels;
    std::unique_ptr<Panels> m_panels;
};

}  // namespace quorvel
