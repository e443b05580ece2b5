// The owner of the panels: start-up, the handler frame, the dispatch of actions to the panels, and
// the handlers that span them, Reset all, Exit and the range rule.

#include "app/simulator_dialog.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "app/control_table.h"
#include "app/handler_frame.h"
#include "app/program_files.h"
#include "app/simulator_panels.h"
#include "app/version.h"
#include "fileio/atomic_file.h"
#include "i18n/saved_choice.h"
#include "plan/plan_file.h"
#include "text/number_format.h"
#include "text/placeholders.h"
#include "travel/range_rule_file.h"

namespace quorvel {
namespace {

CodeKind CodeKindOf(std::int64_t number) {
    return static_cast<CodeKind>(std::clamp<std::int64_t>(number % kCodeLinkOffset, 0, 2));
}

// The copy actions' number as a share format; CSV (3) apart.
ShareFormat ShareFormatOf(std::int64_t number) {
    return static_cast<ShareFormat>(std::clamp<std::int64_t>(number, 0, 2));
}

}  // namespace

CSimulatorDlg::CSimulatorDlg(MainForm& form, const std::filesystem::path& home)
    : CSimulatorDlg(form, ProgramFolders::InOneFolder(home)) {}

CSimulatorDlg::CSimulatorDlg(MainForm& form, ProgramFolders folders)
    : m_panels(std::make_unique<Panels>(form, std::move(folders))) {}

CSimulatorDlg::~CSimulatorDlg() = default;

const InputValues& CSimulatorDlg::Inputs() const { return m_panels->context.inputs; }
const LanguageTexts& CSimulatorDlg::Texts() const { return m_panels->context.texts; }
const ProgramFolders& CSimulatorDlg::Folders() const { return m_panels->context.folders; }
std::filesystem::path CSimulatorDlg::HomePath(std::string_view relative) const {
    return m_panels->context.HomePath(relative);
}
void CSimulatorDlg::SetClock(std::int32_t (*secondsOfDayNow)()) {
    m_panels->context.secondsOfDayNow = secondsOfDayNow;
}

void CSimulatorDlg::OnMainWindowInit(std::string_view desktopLocale) {
    Panels& p = *m_panels;
    // Relative names then resolve beside the player's files, as they do for the files the logic
    // opens through HomePath. A folder that cannot be entered is no reason to stop.
    std::error_code ignored;
    std::filesystem::current_path(p.context.folders.workingFolder, ignored);

    // Rewrites of a program that was killed mid-way leave their temporaries behind.
    RemoveAbandonedTemporaries(HomePath(kBookFile));
    RemoveAbandonedTemporaries(HomePath(kLanguageSaveFile));
    RemoveAbandonedTemporaries(HomePath(kRangeRuleFile));
    // The plan of a window that ended becomes this window's; other ended windows' plans wait for
    // the next start, and only their empty files go.
    p.plan.TakeOverAbandonedPlan();
    HandleAbandonedPlanFiles(HomePath(kPlanFile));

    // The rule first: applying the language fills the range box's list and selects it. The page's
    // address too: the language's menu entries offer links only when it is known.
    p.context.rangeRule = SavedRangeRule(HomePath(kRangeRuleFile));
    p.codes.LoadPageAddress();
    p.language.ApplyLanguageFile(
        LanguagePath(StartLanguageIndex(HomePath(kLanguageSaveFile), desktopLocale)));
    p.language.CreateApplyResultTip();
    for (ControlId id : kNumericInputs) p.context.form.SetText(id, "");
    p.travel.RefillBookList();
    p.Follow();
}

void CSimulatorDlg::KeepSession() {
    m_panels->work.KeepSession();
    m_panels->work.RestoreSession();
    m_panels->Follow();
}

void CSimulatorDlg::Run(Action action, const ActionInput& input) { m_panels->Run(action, input); }

ProgramView CSimulatorDlg::View() const {
    const Panels& p = *m_panels;
    const LanguageTexts& texts = p.context.texts;
    AboutView about{texts.aboutTitle, "Quorvel", FillPlaceholders(texts.aboutVersion, {kVersion}),
                    texts.aboutPurpose, texts.aboutLicense};
    return {p.curve.View(), p.curve.LaunchesShown(), p.targets.View(),
            p.work.View(),  p.codes.View(),          std::move(about)};
}

void CSimulatorDlg::Panels::OnRangeRule(RangeRule rule) {
    if (rule == context.rangeRule) return;
    context.rangeRule = rule;
    context.form.SelectListItem(ControlId::RangeRuleList, RangeRuleListEntry(rule));
    int error = 0;
    const std::filesystem::path file = context.HomePath(kRangeRuleFile);
    if (!SaveRangeRule(file, rule, &error)) {
        context.ShowFileError(context.texts.fileErrors.cannotSave, file, error);
    }
    // A range on screen was the old rule's; it is worked out again, as its own step.
    if (!context.form.GetText(ControlId::RangeResult).empty()) Run(Action::Range, {});
}

void CSimulatorDlg::Panels::OnLoadCode(std::string_view text) {
    const std::optional<ShareCode> code = codes.Read(text);
    if (!code) return;
    if (const auto* data = std::get_if<StrikeCode>(&*code)) {
        codes.FillForm(*data);
        OnRangeRule(data->rangeRule);
        Run(Action::Simulate, {});
    } else if (const auto* records = std::get_if<PlanCode>(&*code)) {
        plan.OnLoadPlan(records->records);
    } else if (const auto* list = std::get_if<TargetCode>(&*code)) {
        std::vector<SpyReport> reports;
        reports.reserve(list->rows.size());
        for (const TargetCodeRow& row : list->rows) reports.push_back(ReportOf(row));
        targets.OnListReports(reports);
    }
}

void CSimulatorDlg::Panels::OnListTargets(const std::optional<std::string>& text) {
    const std::string shown = text ? *text : context.form.GetText(ControlId::ReportText);
    if (FindShareCode(shown)) {
        OnLoadCode(shown);
    } else {
        targets.OnListTargets(text);
    }
}

void CSimulatorDlg::Panels::Follow() {
    targets.FollowInputs();
    work.Follow();
    curve.FollowLanguage();
}

void CSimulatorDlg::Panels::Run(Action action, const ActionInput& input) {
    struct Dispatch {
        Action action;
        Frame frame;
        Handler handler;
        bool step = false;
        bool takesTyping = false;  // undone, the step also takes back the report field's typing
    };
    using P = Panels;
    using In = const ActionInput&;
    // Every action with its frame and its panel's handler. The steps (the actions that change the
    // work as a whole) are kept for undo here, in one place, not by each handler.
    static constexpr std::array<Dispatch, 51> kDispatch = {{
        {Action::Simulate, Frame::ReadFields,
         [](P& p, In) {
             p.strike.OnSimulate();
             p.curve.OnSimulate();
         },
         true},
        {Action::RequiredMissiles, Frame::ReadFields, [](P& p, In) { p.strike.OnRequiredMissiles(); }, true},
        {Action::ApplyResult, Frame::KeepValues, [](P& p, In) { p.strike.OnApplyResult(); }, true},
        {Action::PrimaryTargetChanged, Frame::None, [](P& p, In) { p.strike.OnPrimaryTargetChanged(); }},
        {Action::NeededTargetChanged, Frame::None, [](P& p, In) { p.strike.OnNeededTargetChanged(); }},
        {Action::ResetAll, Frame::None, [](P& p, In) { p.OnResetAll(); }, true},
        {Action::Exit, Frame::None, [](P& p, In) { p.OnExit(); }},
        {Action::FlightTime, Frame::ReadFields, [](P& p, In) { p.travel.OnCalcFlightTime(); }, true},
        {Action::Range, Frame::ReadFields, [](P& p, In) { p.travel.OnCalcRange(); }, true},
        {Action::BookSave, Frame::ReadFields, [](P& p, In) { p.travel.OnBookSave(); }},
        {Action::BookDelete, Frame::ReadFields, [](P& p, In) { p.travel.OnBookDelete(); }},
        // The selection is read when it is needed, by deleting and by the flight time.
        {Action::BookSelectionChanged, Frame::None, [](P&, In) {}},
        {Action::BookFileChanged, Frame::None, [](P& p, In) { p.travel.OnBookFileChanged(); }},
        // A code is loaded; a page of several reports goes to the target list, the fields stay.
        {Action::ReadReport, Frame::ReadFields,
         [](P& p, In) {
             if (const std::string text = p.context.form.GetText(ControlId::ReportText); FindShareCode(text)) {
                 p.OnLoadCode(text);
             } else if (p.targets.FieldHoldsSeveralReports()) {
                 p.targets.OnListTargets(std::nullopt);
             } else {
                 p.report.OnReadReport();
                 p.curve.FollowStrike();
             }
         },
         true, true},
        {Action::ClearReport, Frame::ReadFields, [](P& p, In) { p.report.OnClearReport(); }, true},
        {Action::PasteReport, Frame::None,
         [](P& p, In) {
             if (p.report.PasteClipboard()) p.Run(Action::ReadReport, {});
         },
         true},
        {Action::RememberAttack, Frame::KeepValues, [](P& p, In) { p.plan.OnRememberAttack(); }, true},
        {Action::SavePlan, Frame::ReadFields, [](P& p, In) { p.plan.OnSavePlan(); }},
        {Action::ChooseLanguage, Frame::None, [](P& p, In) { p.language.OnChooseLanguage(); }, true},
        {Action::ShowAbout, Frame::None, [](P& p, In) { p.context.form.ShowAbout(); }},
        {Action::Curve, Frame::ReadFields, [](P& p, In) { p.curve.OnCurve(); }},
        // The launches of the inputs' strike, which the cells then show.
        {Action::PlanLaunches, Frame::ReadFields,
         [](P& p, In) {
             p.strike.OnSimulate();
             p.curve.OnSimulate(true);
         },
         true},
        {Action::ShowCurve, Frame::None, [](P& p, In) { p.context.form.ShowCurve(); }},
        // The launches as last planned, not the current inputs.
        {Action::RememberLaunches, Frame::KeepValues,
         [](P& p, In) { static_cast<void>(p.plan.OnRememberStrikes(p.curve.Launches().launches)); }, true},
        {Action::Undo, Frame::None, [](P& p, In) { p.work.OnUndo(); }},
        {Action::Redo, Frame::None, [](P& p, In) { p.work.OnRedo(); }},
        {Action::NewPlan, Frame::None, [](P& p, In) { p.work.OnNewPlan(); }, true},
        {Action::CopyStrike, Frame::None,
         [](P& p, In in) {
             const ShareFormat format = ShareFormatOf(in.number);
             p.plan.OnCopyStrike(format, p.codes.ShareLinkLine(format, CodeKind::Strike));
         }},
        {Action::CopyPlan, Frame::None,
         [](P& p, In in) {
             const ShareFormat format = ShareFormatOf(in.number);
             p.plan.OnCopyPlan(format, p.codes.ShareLinkLine(format, CodeKind::Plan));
         }},
        {Action::Targets, Frame::ReadFields, [](P& p, In) { p.targets.OnTargets(); }},
        // A target row loaded is simulated in the same step, so that the window shows its strike.
        {Action::LoadTarget, Frame::ReadFields,
         [](P& p, In in) {
             if (p.targets.OnLoadTarget(static_cast<std::size_t>(std::max<std::int64_t>(in.number, 0))))
                 p.Run(Action::Simulate, {});
         },
         true},
        {Action::ListTargets, Frame::ReadFields,
         [](P& p, In in) { p.OnListTargets(in.number == 1 ? std::optional(in.text) : std::nullopt); },
         true},
        {Action::ListTargetFile, Frame::ReadFields,
         [](P& p, In in) {
             if (const std::optional<std::string> text = p.targets.ReadDroppedFile(in.text)) p.OnListTargets(text);
         },
         true},
        {Action::LoadListedTarget, Frame::ReadFields,
         [](P& p, In in) {
             if (in.number >= 0 && p.targets.OnLoadListedTarget(static_cast<std::size_t>(in.number)))
                 p.Run(Action::Simulate, {});
         },
         true},
        {Action::SortTargets, Frame::None,
         [](P& p, In in) { p.targets.OnSort(static_cast<int>(std::clamp<std::int64_t>(in.number, -1, 1000))); }},
        {Action::FilterTargets, Frame::None, [](P& p, In in) { p.targets.OnFilterInRange(in.number == 1); }},
        {Action::CopyTargets, Frame::None,
         [](P& p, In in) {
             const ShareFormat format = ShareFormatOf(in.number);
             p.targets.OnCopy(format, in.number == 3, p.codes.ShareLinkLine(format, CodeKind::Targets));
         }},
        {Action::ExportTargets, Frame::None, [](P& p, In in) { p.targets.OnExportCsv(in.text); }},
        {Action::CloseTargetList, Frame::None, [](P& p, In) { p.targets.OnClose(); }},
        {Action::CopyCurveTable, Frame::None, [](P& p, In in) { p.curve.OnCopyTable(in.number == 1); }},
        {Action::ExportCurveImage, Frame::None, [](P& p, In in) { p.curve.OnExportImage(in.text, in.bytes); }},
        {Action::RangeRuleChanged, Frame::None,
         [](P& p, In) {
             p.OnRangeRule(RangeRuleOfListEntry(p.context.form.GetSelection(ControlId::RangeRuleList)));
         }},
        {Action::SetRangeRule, Frame::None,
         [](P& p, In in) { p.OnRangeRule(in.number == 5 ? RangeRule::FiveTimesLevel : RangeRule::TwiceLevel); }},
        {Action::UseLanguageFile, Frame::None, [](P& p, In in) { p.language.ApplyLanguageFile(in.text); }},
        {Action::RestoreSession, Frame::None, [](P& p, In) { p.work.RestoreSession(); }},
        {Action::SaveSession, Frame::None, [](P& p, In) { p.work.SaveSession(); }},
        {Action::StorageRefused, Frame::None,
         [](P& p, In in) {
             p.context.ShowFileError(p.context.texts.fileErrors.cannotSave, in.text,
                                     in.number == 0 ? EDQUOT : EWOULDBLOCK);
         }},
        // The strike's code is the form as it stands: the fields are read first.
        {Action::CopyCode, Frame::ReadFields,
         [](P& p, In in) { p.codes.OnCopy(CodeKindOf(in.number), in.number >= kCodeLinkOffset); }},
        {Action::ShowCode, Frame::ReadFields,
         [](P& p, In in) { p.codes.OnShow(CodeKindOf(in.number), in.number >= kCodeLinkOffset); }},
        {Action::OpenCode, Frame::ReadFields, [](P& p, In in) { p.OnLoadCode(in.text); }, true},
        {Action::SetPageAddress, Frame::None, [](P& p, In in) { p.codes.SetPageAddress(in.text); }},
    }};
    static_assert(kDispatch.size() == static_cast<std::size_t>(Action::SetPageAddress) + 1,
                  "every action has its row");
    const auto it = std::find_if(kDispatch.begin(), kDispatch.end(),
                                 [action](const Dispatch& entry) { return entry.action == action; });
    if (it == kDispatch.end()) return;
    const bool outermost = !work.InStep();
    if (it->step) work.StartStep(it->takesTyping);
    RunInFrame(it->frame, it->handler, input);
    if (it->step) work.EndStep();
    if (outermost) Follow();
}

bool CSimulatorDlg::Panels::ReadFields() {
    const InputsRead read = ReadInputs(context.form, context.inputs);
    context.inputs = read.values;
    ++context.inputReads;
    if (!read.unreadable) return true;
    // No field shows the frame's "0" behind the box.
    ClearZeroInputs(context.form);
    const auto name = context.controlNames.find(*read.unreadable);
    const std::string field = name != context.controlNames.end() ? name->second : "";
    const std::string largest = FormatGrouped(std::numeric_limits<std::int32_t>::max());
    context.form.ShowWarning(FillPlaceholders(context.texts.msgNumberRange, {field, largest}));
    context.form.FocusField(*read.unreadable);
    return false;
}

void CSimulatorDlg::Panels::RunInFrame(Frame frame, Handler handler, const ActionInput& input) {
    if (frame == Frame::None) {
        handler(*this, input);
        return;
    }
    NormaliseEmptyInputs(context.form, context.inputs);
    // A field that holds no integer is said, and the handler goes on all the same: with the fields
    // before it as read and the values of the last read from it on. Only Exit stops there.
    if (frame == Frame::ReadFields) static_cast<void>(ReadFields());
    handler(*this, input);
    ClearZeroInputs(context.form);
}

void CSimulatorDlg::Panels::OnResetAll() {
    strike.ResetCells();
    curve.ResetCells();
    context.inputs.defenceCount.fill(0);
    context.inputs.abmCount = 0;
    context.inputs.missileCount = 0;
    for (ControlId id : kNumericInputs) context.form.SetText(id, "");
    travel.ResetCells();
    context.form.SetText(ControlId::ReportText, "");
}

void CSimulatorDlg::Panels::OnLanguageApplied(const LanguageTexts& before, bool first) {
    // The first language finds an empty form, which it leaves as Reset all does.
    if (first) {
        OnResetAll();
        return;
    }
    // The work stays; what the cells say is said in the new language's words.
    strike.Redraw(before);
    curve.Redraw();
    travel.Reword(before);
}

void CSimulatorDlg::Panels::OnExit() {
    // The work as the player left it, before the empty fields become "1" below.
    work.SaveSession();
    for (ControlId id : kNumericInputs) {
        const std::string text = context.form.GetText(id);
        const bool singleLetter =
            text.size() == 1 && ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'));
        if (text.empty() || singleLetter) context.form.SetText(id, "1");
    }
    if (!ReadFields()) return;
    // The session already holds the work; the "1"s of closing are not part of it.
    work.EndSession();
    context.form.CloseOk();
}

}  // namespace quorvel
