// The owner of the panels: start-up, the handler frame, the dispatch of actions to the panels, and
// the two handlers that span them, Reset all and Exit.

#include "app/simulator_dialog.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "app/control_table.h"
#include "app/handler_frame.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"
#include "i18n/saved_choice.h"
#include "plan/plan_file.h"

namespace quorvel {

CSimulatorDlg::CSimulatorDlg(MainForm& form, const std::filesystem::path& home)
    : CSimulatorDlg(form, ProgramFolders::InOneFolder(home)) {}

CSimulatorDlg::CSimulatorDlg(MainForm& form, ProgramFolders folders) : m_context{form, std::move(folders), {}, 0, {}} {}

CSimulatorDlg::~CSimulatorDlg() = default;

void CSimulatorDlg::OnMainWindowInit() {
    // Relative names then resolve beside the player's files, as they do for the files the logic
    // opens through HomePath. A folder that cannot be entered is no reason to stop.
    std::error_code ignored;
    std::filesystem::current_path(m_context.folders.workingFolder, ignored);

    // Rewrites of a program that was killed mid-way leave their temporaries behind.
    RemoveAbandonedTemporaries(HomePath(kBookFile));
    RemoveAbandonedTemporaries(HomePath(kLanguageSaveFile));
    // Plan files of windows that were killed or crashed.
    HandleAbandonedPlanFiles(HomePath(kPlanFile));

    m_language.ApplyLanguageFile(LanguagePath(SavedLanguageIndex(HomePath(kLanguageSaveFile))));
    m_language.CreateApplyResultTip();
    for (ControlId id : kNumericInputs) m_context.form.SetText(id, "");
    m_travel.RefillBookList();
}

void CSimulatorDlg::Run(Action action) {
    using Handler = void (*)(CSimulatorDlg&);
    struct Dispatch {
        Action action;
        Frame frame;
        Handler handler;
    };
    // Every action with its frame and its panel's handler.
    static constexpr std::array<Dispatch, 24> kDispatch = {{
        {Action::Simulate, Frame::ReadFields,
         [](CSimulatorDlg& d) {
             d.m_strike.OnSimulate();
             d.m_curve.OnSimulate();
         }},
        {Action::RequiredMissiles, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_strike.OnRequiredMissiles(); }},
        {Action::ApplyResult, Frame::KeepValues, [](CSimulatorDlg& d) { d.m_strike.OnApplyResult(); }},
        {Action::PrimaryTargetChanged, Frame::None, [](CSimulatorDlg& d) { d.m_strike.OnPrimaryTargetChanged(); }},
        {Action::NeededTargetChanged, Frame::None, [](CSimulatorDlg& d) { d.m_strike.OnNeededTargetChanged(); }},
        {Action::ResetAll, Frame::None, [](CSimulatorDlg& d) { d.OnResetAll(); }},
        {Action::Exit, Frame::None, [](CSimulatorDlg& d) { d.OnExit(); }},
        {Action::FlightTime, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnCalcFlightTime(); }},
        {Action::Range, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnCalcRange(); }},
        {Action::BookSave, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnBookSave(); }},
        {Action::BookDelete, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_travel.OnBookDelete(); }},
        // The selection is read when it is needed, by deleting and by the flight time.
        {Action::BookSelectionChanged, Frame::None, [](CSimulatorDlg&) {}},
        {Action::BookFileChanged, Frame::None, [](CSimulatorDlg& d) { d.m_travel.OnBookFileChanged(); }},
        {Action::ReadReport, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_report.OnReadReport(); }},
        {Action::ClearReport, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_report.OnClearReport(); }},
        {Action::PasteReport, Frame::None,
         [](CSimulatorDlg& d) {
             d.m_report.PasteClipboard();
             d.Run(Action::ReadReport);
         }},
        {Action::RememberAttack, Frame::KeepValues, [](CSimulatorDlg& d) { d.m_plan.OnRememberAttack(); }},
        {Action::SavePlan, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_plan.OnSavePlan(); }},
        {Action::ChooseLanguage, Frame::None, [](CSimulatorDlg& d) { d.m_language.OnChooseLanguage(); }},
        {Action::ShowAbout, Frame::None, [](CSimulatorDlg& d) { d.m_context.form.ShowAbout(); }},
        {Action::Curve, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_curve.OnCurve(); }},
        {Action::PlanLaunches, Frame::ReadFields, [](CSimulatorDlg& d) { d.m_curve.OnPlanLaunches(); }},
        {Action::ShowCurve, Frame::None, [](CSimulatorDlg& d) { d.m_context.form.ShowCurve(); }},
        // The launches as last planned, not the current inputs.
        {Action::RememberLaunches, Frame::KeepValues,
         [](CSimulatorDlg& d) { static_cast<void>(d.m_plan.OnRememberStrikes(d.m_curve.Launches().launches)); }},
    }};
    const auto it = std::find_if(kDispatch.begin(), kDispatch.end(),
                                 [action](const Dispatch& entry) { return entry.action == action; });
    if (it != kDispatch.end()) RunInFrame(it->frame, it->handler);
}

bool CSimulatorDlg::ReadFields() {
    const InputsRead read = ReadInputs(m_context.form, m_context.inputs);
    m_context.inputs = read.values;
    ++m_context.inputReads;
    if (!read.unreadable) return true;
    m_context.form.ShowMessage(m_context.texts.msgIntegerPrompt);
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
    for (ControlId id : kNumericInputs) {
        const std::string text = m_context.form.GetText(id);
        const bool singleLetter =
            text.size() == 1 && ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'));
        if (text.empty() || singleLetter) m_context.form.SetText(id, "1");
    }
    if (ReadFields()) m_context.form.CloseOk();
}

}  // namespace quorvel
