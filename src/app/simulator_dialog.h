#pragma once

// The main window's logic: the thin owner of the feature panels. Data flows one way per action:
//   a button, list or key of the window  ->  an Action (button_handlers.cpp)  ->  Run
//   a step (an action that changes the work as a whole) first keeps the work as it is (WorkState)
//   the handler frame: NormaliseEmptyInputs -> ReadInputs (fields -> the panels' shared inputs)
//   the panel's handler: pure functions of strike/, travel/, report/, plan/, i18n/, and its cells
//     through MainForm (the strike: StrikeInput -> SimulateStrike -> StrikeResult -> strike_view)
//   -> ClearZeroInputs
//   -> a step that changed something goes onto the undo list, and the session file is rewritten
// A new feature is a new panel in panels/ with its actions in the dispatch table of
// simulator_dialog.cpp. The window itself is only a MainForm; nothing here knows about Qt.

#include <deque>
#include <filesystem>
#include <string_view>

#include "app/form_contents.h"
#include "app/main_form.h"
#include "app/panels/curve_panel.h"
#include "app/panels/language_panel.h"
#include "app/panels/panel_context.h"
#include "app/panels/plan_panel.h"
#include "app/panels/report_panel.h"
#include "app/panels/strike_panel.h"
#include "app/panels/target_panel.h"
#include "app/panels/travel_panel.h"
#include "app/program_folders.h"

namespace quorvel {

// Everything the player can make the main window do, whatever the button, list or key.
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
    ReadReport,
    ClearReport,
    PasteReport,  // the clipboard's text into the report field, then read
    RememberAttack,
    SavePlan,
    ChooseLanguage,
    ShowAbout,
    Curve,             // the loss curve of the inputs (the chart, batch `curve`)
    PlanLaunches,      // the required-missiles job in launches the silo holds
    ShowCurve,         // the loss curve window
    RememberLaunches,  // every planned launch as its own attack record
    Undo,              // the work as it was before the last step
    Redo,              // the step undone last, again
    NewPlan,           // an empty attack plan; undo brings the old one back
    Targets,           // the target list's rows of the report field's reports
    LoadTarget,        // the row chosen with ChooseTarget or ChooseListedTarget into the fields
    RangeRuleChanged,  // the rule chosen in the range box's list: kept, and a shown range follows it
    ListTargets,       // the report field's reports into the target list window, which shows
};

// Everything a step may change and undo puts back: the form's contents, the inputs as last read,
// the last strike, the attack plan and the language in force.
struct WorkState {
    FormContents form;
    InputValues inputs;
    LastStrike strike;
    AttackPlan plan;
    std::filesystem::path language;
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
    // The window keeps its work between runs: after each step and at exit the session file is
    // rewritten. The batch does not, so that its scripts stay repeatable.
    void KeepSession() { m_keepSession = true; }
    // The inputs and results of the session file onto the form; a missing, damaged or foreign file
    // changes nothing.
    void RestoreSession();
    // The form's contents into the session file (when the session is kept).
    void SaveSession() const;
    // How many steps undo and redo can go.
    std::size_t UndoSteps() const { return m_undo.size(); }
    std::size_t RedoSteps() const { return m_redo.size(); }
    // Runs the action's handler in its frame.
    void Run(Action action);
    // The language file at this path below the home folder, as start-up and the dialog apply it.
    void ApplyLanguageFile(const std::filesystem::path& relativePath) {
        m_language.ApplyLanguageFile(relativePath);
    }

    // The inputs as the last read left them (the state record behind the fields).
    InputValues& Inputs() { return m_context.inputs; }
    const InputValues& Inputs() const { return m_context.inputs; }
    const LanguageTexts& Texts() const { return m_context.texts; }
    const ProgramFolders& Folders() const { return m_context.folders; }
    // A program file (kBookFile, kPlanFile, a language file, ...) resolved against the folders.
    std::filesystem::path HomePath(std::string_view relative) const { return m_context.HomePath(relative); }
    const StrikePanel& Strike() const { return m_strike; }
    // The plan, and the last strike or the plan onto the clipboard (Plan().OnCopyStrike(format)).
    const PlanPanel& Plan() const { return m_plan; }
    const CurvePanel& Curve() const { return m_curve; }
    // The target list: Run(Action::Targets) computes the rows; ChooseTarget(k) then
    // Run(Action::LoadTarget) loads report k (from 1) of the report field as one step.
    const TargetPanel& Targets() const { return m_targets; }
    void ChooseTarget(std::size_t row) { m_targets.ChooseRow(row); }
    // The target list window: Run(Action::ListTargets) takes the report field's reports in, and so
    // does reading a field of several reports; ChooseListedTarget(i) then Run(Action::LoadTarget)
    // loads the window's row i (from 0), its own report, as one step.
    void ChooseListedTarget(std::size_t index) { m_targets.ChooseListRow(index); }
    // Dropped text and files go to the target list as the report field's text does; a file that
    // cannot be read is said in an error box.
    void ListTargetsOf(std::string text);
    void ListTargetFile(const std::filesystem::path& file);
    void CloseTargetList() { m_targets.ClearList(); }
    // After an action: true when the target list's rows changed with the inputs and want drawing.
    bool FollowTargetList() { return m_targets.FollowInputs(); }
    // The missile range's rule for the range, the flight time and the target list, kept in the
    // player's folder (an error box names the file when it cannot be written).
    void SetRangeRule(RangeRule rule);
    void OnRangeRuleChanged();
    // The clock of the arrival times (the local one unless a test sets its own).
    void SetClock(std::int32_t (*secondsOfDayNow)()) { m_context.secondsOfDayNow = secondsOfDayNow; }

private:
    // What the frame reads before a handler: every field, or none (the handler tells a past
    // strike, not the current inputs), or the frame is not run at all.
    enum class Frame { ReadFields, KeepValues, None };
    void RunInFrame(Frame frame, void (*handler)(CSimulatorDlg&));
    // The fields into the inputs; false, after a message and the focus on it, at the first field
    // that holds no integer.
    bool ReadFields();
    void OnResetAll();
    void OnExit();
    WorkState TakeWork() const;
    void PutWork(const WorkState& work);
    // Undo (from = m_undo, to = m_redo) or redo.
    void StepBack(std::deque<WorkState>& from, std::deque<WorkState>& to);

    PanelContext m_context;
    StrikePanel m_strike{m_context};
    TravelPanel m_travel{m_context};
    ReportPanel m_report{m_context, m_strike};
    PlanPanel m_plan{m_context, m_strike};
    LanguagePanel m_language{m_context, m_strike, [this] { OnResetAll(); }};
    CurvePanel m_curve{m_context, m_strike};
    TargetPanel m_targets{m_context, m_report, m_travel};

    // The work before each step, the latest last; at most kUndoSteps are kept.
    static constexpr std::size_t kUndoSteps = 200;
    std::deque<WorkState> m_undo;
    std::deque<WorkState> m_redo;
    int m_stepDepth = 0;  // a step that runs another (paste runs read) is one step
    bool m_keepSession = false;
};

}  // namespace quorvel
