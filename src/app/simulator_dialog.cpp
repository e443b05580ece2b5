// The owner of the panels: start-up, the handler frame, the dispatch of actions to the panels, and
// the two handlers that span them, Reset all and Exit.

#include "app/simulator_dialog.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "app/control_table.h"
#include "app/handler_frame.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"
#include "i18n/saved_choice.h"
#include "plan/plan_file.h"
#include "text/number_format.h"
#include "text/placeholders.h"
#include "travel/range_rule_file.h"

namespace quorvel {
namespace {

// A session file is some kilobytes; a larger file is not one and is not read whole.
constexpr std::size_t kLargestSessionFile = 1 << 20;

}  // namespace

CSimulatorDlg::CSimulatorDlg(MainForm& form, const std::filesystem::path& home)
    : CSimulatorDlg(form, ProgramFolders::InOneFolder(home)) {}

CSimulatorDlg::CSimulatorDlg(MainForm& form, ProgramFolders folders)
    : m_context{form, std::move(folders), {}, 0, {}, "en", {}} {}

CSimulatorDlg::~CSimulatorDlg() = default;

void CSimulatorDlg::OnMainWindowInit(std::string_view desktopLocale) {
    // Relative names then resolve beside the player's files, as they do for the files the logic
    // opens through HomePath. A folder that cannot be entered is no reason to stop.
    std::error_code ignored;
    std::filesystem::current_path(m_context.folders.workingFolder, ignored);

    // Rewrites of a program that was killed mid-way leave their temporaries behind.
    RemoveAbandonedTemporaries(HomePath(kBookFile));
    RemoveAbandonedTemporaries(HomePath(kLanguageSaveFile));
    RemoveAbandonedTemporaries(HomePath(kRangeRuleFile));
    // The plan of a window that ended becomes this window's; other ended windows' plans wait for
    // the next start, and only their empty files go.
    m_plan.TakeOverAbandonedPlan();
    HandleAbandonedPlanFiles(HomePath(kPlanFile));

    // The rule first: applying the language fills the range box's list and selects it.
    m_context.rangeRule = SavedRangeRule(HomePath(kRangeRuleFile));
    m_language.ApplyLanguageFile(
        LanguagePath(StartLanguageIndex(HomePath(kLanguageSaveFile), desktopLocale)));
    m_language.CreateApplyResultTip();
    for (ControlId id : kNumericInputs) m_context.form.SetText(id, "");
    m_travel.RefillBookList();
}

void CSimulatorDlg::SetRangeRule(RangeRule rule) {
    m_context.rangeRule = rule;
    m_context.form.SelectListItem(ControlId::RangeRuleList, RangeRuleListEntry(rule));
    int error = 0;
    const std::filesystem::path file = HomePath(kRangeRuleFile);
    if (!SaveRangeRule(file, rule, &error)) {
        m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, file, error);
    }
}

void CSimulatorDlg::OnRangeRuleChanged() {
    const RangeRule chosen = RangeRuleOfListEntry(m_context.form.GetSelection(ControlId::RangeRuleList));
    if (chosen == m_context.rangeRule) return;
    SetRangeRule(chosen);
    // A range on screen was the old rule's; it is worked out again, as its own step.
    if (!m_context.form.GetText(ControlId::RangeResult).empty()) Run(Action::Range);
}

void CSimulatorDlg::ListTargetsOf(std::string text) {
    m_targets.OfferText(std::move(text));
    Run(Action::ListTargets);
}

void CSimulatorDlg::ListTargetFile(const std::filesystem::path& file) {
    if (std::optional<std::string> text = m_targets.ReadTargetFile(file)) ListTargetsOf(std::move(*text));
}

void CSimulatorDlg::Run(Action action) {
    using Handler = void (*)(CSimulatorDlg&);
    struct Dispatch {
        Action action;
        Frame frame;
        Handler handler;
        bool step = false;
    };
    // Every action with its frame and its panel's handler. The steps (the actions that change the
    // work as a whole) are kept for undo here, in one place, not by each handler.
    static constexpr std::array<Dispatch, 31> kDispatch = {{
        {Action::Simulate, Frame::ReadFields,
         [](CSimulatorDlg& d) {
             d.m_strike.OnSimulate();
             d.m_curve.OnSimulate();
         },
         true},
        {Action::RequiredMissiles, Frame::ReadFields,
         [](CSimulatorDlg& d) { d.m_strike.OnRequiredMissiles(); }, true},
        {Action::ApplyResult, Frame::KeepValues, [](CSimulatorDlg& d) { d.m_strike.OnApplyResult(); }, true},
        {Action::PrimaryTargetChanged, Frame::None,
         [](CSimulatorDlg& d) { d.m_strike.OnPrimaryTargetChanged(); }},
        {Action::NeededTargetChanged, Frame::None,
         [](CSimulatorDlg& d) { d.m_strike.OnNeededTargetChanged(); }},
        {Action::ResetAll, Frame::None, [](CSimulatorDlg& d) { d.OnResetAll(); }, true},
        {Action::Exit, Frame::None, [](CSimulatorDlg& d) { d.OnExit(); }},
        {Action::FlightTime, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnCalcFlightTime(); },
         true},
        {Action::Range, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnCalcRange(); }, true},
        {Action::BookSave, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnBookSave(); }},
        {Action::BookDelete, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnBookDelete(); }},
        // The selection is read when it is needed, by deleting and by the flight time.
        {Action::BookSelectionChanged, Frame::None, [](CSimulatorDlg&) {}},
        {Action::BookFileChanged, Frame::None, [](CSimulatorDlg& d) { d.m_travel.OnBookFileChanged(); }},
        // A page of several reports goes to the target list, where the form has one; the fields stay.
        {Action::ReadReport, Frame::ReadFields,
         [](CSimulatorDlg& d) {
             if (d.m_context.form.HasTargetList() && d.m_targets.FieldHoldsSeveralReports()) {
                 d.m_targets.OnListTargets();
             } else {
                 d.m_report.OnReadReport();
             }
         },
         true},
        {Action::ClearReport, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_report.OnClearReport(); }, true},
        {Action::PasteReport, Frame::None,
         [](CSimulatorDlg& d) {
             if (d.m_report.PasteClipboard()) d.Run(Action::ReadReport);
         },
         true},
        {Action::RememberAttack, Frame::KeepValues, [](CSimulatorDlg& d) { d.m_plan.OnRememberAttack(); },
         true},
        {Action::SavePlan, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_plan.OnSavePlan(); }},
        {Action::ChooseLanguage, Frame::None, [](CSimulatorDlg& d) { d.m_language.OnChooseLanguage(); },
         true},
        {Action::ShowAbout, Frame::None, [](CSimulatorDlg& d) { d.m_context.form.ShowAbout(); }},
        {Action::Curve, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_curve.OnCurve(); }},
        {Action::PlanLaunches, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_curve.OnPlanLaunches(); }, true},
        {Action::ShowCurve, Frame::None, [](CSimulatorDlg& d) { d.m_context.form.ShowCurve(); }},
        // The launches as last planned, not the current inputs.
        {Action::RememberLaunches, Frame::KeepValues,
         [](CSimulatorDlg& d) {
             static_cast<void>(d.m_plan.OnRememberStrikes(d.m_curve.Launches().launches));
         },
         true},
        {Action::Undo, Frame::None, [](CSimulatorDlg& d) { d.StepBack(d.m_undo, d.m_redo); }},
        {Action::Redo, Frame::None, [](CSimulatorDlg& d) { d.StepBack(d.m_redo, d.m_undo); }},
        {Action::NewPlan, Frame::None, [](CSimulatorDlg& d) { d.m_plan.OnNewPlan(); }, true},
        {Action::Targets, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_targets.OnTargets(); }},
        {Action::LoadTarget, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_targets.OnLoadTarget(); }, true},
        {Action::RangeRuleChanged, Frame::None, [](CSimulatorDlg& d) { d.OnRangeRuleChanged(); }},
        {Action::ListTargets, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_targets.OnListTargets(); }},
    }};
    const auto it = std::find_if(kDispatch.begin(), kDispatch.end(),
                                 [action](const Dispatch& entry) { return entry.action == action; });
    if (it == kDispatch.end()) return;
    if (!it->step || m_stepDepth > 0) {
        RunInFrame(it->frame, it->handler);
        return;
    }
    WorkState before = TakeWork();
    ++m_stepDepth;
    RunInFrame(it->frame, it->handler);
    --m_stepDepth;
    // A step that changed nothing (a cancelled dialog, a simulation of the same inputs) is none.
    const WorkState after = TakeWork();
    if (after.form == before.form && after.plan.records.size() == before.plan.records.size() &&
        after.plan.attackNumber == before.plan.attackNumber &&
        after.plan.takenOverText == before.plan.takenOverText && after.language == before.language) {
        return;
    }
    m_undo.push_back(std::move(before));
    if (m_undo.size() > kUndoSteps) m_undo.pop_front();
    m_redo.clear();
    SaveSession();
}

WorkState CSimulatorDlg::TakeWork() const {
    return {TakeFormContents(m_context.form), m_context.inputs, m_strike.Last(), m_plan.State(),
            m_language.Applied()};
}

void CSimulatorDlg::PutWork(const WorkState& work) {
    // A language applied anew resets the form; the contents come back after it.
    if (!work.language.empty() && work.language != m_language.Applied()) m_language.Restore(work.language);
    PutFormContents(m_context.form, work.form);
    m_context.inputs = work.inputs;
    m_strike.Restore(work.strike);
    m_plan.Restore(work.plan);
}

void CSimulatorDlg::StepBack(std::deque<WorkState>& from, std::deque<WorkState>& to) {
    if (from.empty()) return;
    to.push_back(TakeWork());
    const WorkState work = std::move(from.back());
    from.pop_back();
    PutWork(work);
    SaveSession();
}

void CSimulatorDlg::SaveSession() const {
    if (!m_keepSession) return;
    // The session is a convenience: a data folder that cannot take it costs nothing but the next
    // start's empty form, so no box interrupts the player's step for it.
    std::error_code ignored;
    const std::filesystem::path file = HomePath(kSessionFile);
    std::filesystem::create_directories(file.parent_path(), ignored);
    const LastStrike& last = m_strike.Last();
    const SessionStrike strike{m_context.inputs,      last.in,    last.resultValid,
                               last.attackRecordable, last.shown, m_context.inputReads != last.inputRead};
    static_cast<void>(ReplaceFileAtomically(file, SessionText({TakeFormContents(m_context.form), strike})));
}

void CSimulatorDlg::RestoreSession() {
    const std::optional<std::string> text = ReadRegularFile(HomePath(kSessionFile), kLargestSessionFile);
    if (!text) return;
    const std::optional<Session> session = ParseSessionText(*text);
    if (!session) return;
    PutFormContents(m_context.form, session->form);
    m_plan.ShowCount();  // the plan is this window's, whatever the last one's held
    if (const std::optional<SessionStrike>& kept = session->strike) {
        // '<-x' and remember-attack act on the shown result as they would have in the last window.
        m_context.inputs = kept->read;
        m_context.inputs.reportText = m_context.form.GetText(ControlId::ReportText);
        LastStrike last;
        last.in = kept->in;
        last.out = SimulateStrike(kept->in);
        last.resultValid = kept->resultValid;
        last.attackRecordable = kept->attackRecordable;
        last.shown = kept->shown;
        last.inputRead = m_context.inputReads + (kept->readSince ? 1 : 0);
        m_strike.Restore(last);
    }
    m_context.inputs.primaryTarget = m_context.form.GetSelection(ControlId::PrimaryTargetList);
    m_context.inputs.neededTarget = m_context.form.GetSelection(ControlId::RequiredTargetList);
}

bool CSimulatorDlg::ReadFields() {
    const InputsRead read = ReadInputs(m_context.form, m_context.inputs);
    m_context.inputs = read.values;
    ++m_context.inputReads;
    if (!read.unreadable) return true;
    // No field shows the frame's "0" behind the box.
    ClearZeroInputs(m_context.form);
    const auto name = m_context.controlNames.find(*read.unreadable);
    const std::string field = name != m_context.controlNames.end() ? name->second : "";
    const std::string largest = FormatGroupedFor(std::numeric_limits<std::int32_t>::max(), m_context.locale);
    m_context.form.ShowWarning(FillPlaceholders(m_context.texts.msgNumberRange, {field, largest}));
    m_context.form.FocusField(*read.unreadable);
    return false;
}

void CSimulatorDlg::RunInFrame(Frame frame, void (*handler)(CSimulatorDlg&)) {
    if (frame == Frame::None) {
        handler(*this);
        return;
    }
    NormaliseEmptyInputs(m_context.form, m_context.inputs);
    // A field that holds no integer is said, and the handler goes on all the same: with the fields
    // before it as read and the values of the last read from it on. Only Exit stops there.
    if (frame == Frame::ReadFields) static_cast<void>(ReadFields());
    handler(*this);
    ClearZeroInputs(m_context.form);
}

void CSimulatorDlg::OnResetAll() {
    m_strike.ResetCells();
    m_curve.ResetCells();
    m_context.inputs.defenceCount.fill(0);
    m_context.inputs.abmCount = 0;
    m_context.inputs.missileCount = 0;
    for (ControlId id : kNumericInputs) m_context.form.SetText(id, "");
    m_travel.ResetCells();
    m_context.form.SetText(ControlId::ReportText, "");
}

void CSimulatorDlg::OnExit() {
    // The work as the player left it, before the empty fields become "1" below.
    SaveSession();
    for (ControlId id : kNumericInputs) {
        const std::string text = m_context.form.GetText(id);
        const bool singleLetter =
            text.size() == 1 && ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'));
        if (text.empty() || singleLetter) m_context.form.SetText(id, "1");
    }
    if (!ReadFields()) return;
    // The session already holds the work; the "1"s of closing are not part of it.
    m_keepSession = false;
    m_context.form.CloseOk();
}

}  // namespace quorvel
