// The attack plan: remember-attack appends a record of the last simulation to the plan file and
// takes the survivors as the next input; save copies the plan into a file the player names and
// starts a new plan. Sharing puts the last strike or the plan onto the clipboard.

#include "app/panels/plan_panel.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "app/handler_frame.h"
#include "app/panels/share_words.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"
#include "plan/plan_export.h"
#include "text/placeholders.h"

namespace quorvel {
namespace {

// A BBCode or Markdown share with the line of its link after it.
std::string WithLink(std::string share, std::string_view linkLine) {
    if (linkLine.empty()) return share;
    if (!share.empty() && share.back() != '\n') share += '\n';
    return share + std::string(linkLine);
}

// A simulation with every type and the interceptors present may be recorded again.
bool EverythingPresentAtStart(const StrikeInput& in) {
    return in.interceptors != 0 &&
           std::all_of(in.counts.begin(), in.counts.end(), [](std::int32_t n) { return n != 0; });
}

}  // namespace

std::filesystem::path PlanPanel::File() const {
    return m_planWriter.FileBeside(m_context.HomePath(kPlanFile));
}

bool PlanPanel::OnRememberAttack() {
    // The record tells the last simulation, not the current inputs.
    m_plan.rememberRequested = true;
    const LastStrike& last = m_strike.Last();
    if (!last.attackRecordable && !EverythingPresentAtStart(last.in)) return true;
    if (!AppendRecord(last.in, last.out)) return false;
    m_strike.MarkRecorded();
    m_strike.OnApplyResult();
    return true;
}

bool PlanPanel::OnRememberStrikes(std::span<const Launch> launches) {
    m_plan.rememberRequested = true;
    for (const Launch& launch : launches) {
        if (!AppendRecord(launch.in, launch.out)) return false;
    }
    return true;
}

bool PlanPanel::AppendRecord(const StrikeInput& in, const StrikeResult& out) {
    const std::filesystem::path planFile = File();
    int error = 0;
    // A new plan empties the file. Each record reaches the disk at once, so the plan so far
    // survives a crash.
    const bool started = m_plan.planFileOpen || m_planWriter.Start(planFile, &error);
    if (started && !m_plan.planFileOpen) {
        m_plan.planFileOpen = true;
        m_plan.records.clear();
        m_plan.takenOverText.clear();
        m_plan.takenOverCount = 0;
    }
    const AttackRecordFacts facts{m_plan.attackNumber, in, out};
    if (!started || !m_planWriter.Append(FormatAttackRecord(RecordWords(m_context.texts), facts), &error)) {
        // Nothing changes but the message: the inputs, the number and the pending result stay,
        // so the player can try again.
        m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, planFile, error);
        return false;
    }
    m_plan.records.push_back(facts);
    ++m_plan.attackNumber;
    ShowCount();
    return true;
}

void PlanPanel::OnSavePlan() {
    // A single click after a simulation exports that one attack.
    // A record that could not be written was said in an error box: there is nothing to export.
    if (!m_plan.rememberRequested && !OnRememberAttack()) return;

    m_planWriter.Close();
    m_plan.planFileOpen = false;

    if (const std::optional<std::string> chosen = m_context.form.AskSavePath()) {
        const std::filesystem::path planFile = File();
        // A missing plan file (nothing was recordable) is no error: nothing to export. Any other
        // failure leaves an existing export file exactly as it was.
        int errorNumber = 0;
        const PlanExportOutcome outcome = ExportPlan(planFile, *chosen, &errorNumber);
        if (const std::optional<std::string> error = PlanExportError(
                outcome, *chosen, planFile.string(), errorNumber, m_context.texts.fileErrors)) {
            // The plan stays on disk and the request flag unchanged, so the player can choose
            // another place and export the same plan.
            m_context.form.ShowError(*error);
            return;
        }
        // An empty plan leaves the chosen file as it was; the player is told so.
        if (outcome == PlanExportOutcome::NoPlan) {
            m_context.form.ShowError(FillPlaceholders(m_context.texts.msgNothingToSave, {*chosen}));
        }
        std::error_code ignored;
        std::filesystem::remove(planFile, ignored);
        m_plan.rememberRequested = false;
    }
    ShowCount();

    WriteBackInputs(m_context.form, m_context.inputs);
}

void PlanPanel::TakeOverAbandonedPlan() {
    const std::optional<std::string> text = m_planWriter.TakeOverAbandoned(m_context.HomePath(kPlanFile));
    if (!text) return;
    const PlanTextRecords found = CountPlanRecords(*text);
    AttackPlan plan;
    plan.takenOverText = *text;
    plan.takenOverCount = found.count;
    plan.attackNumber = found.lastNumber + 1;
    plan.rememberRequested = true;  // Save exports the plan as it stands
    // The file already holds the plan: it is not written again, so no moment leaves it emptied.
    m_plan = plan;
    m_plan.planFileOpen = m_planWriter.IsWriting();
    ShowCount();
}

void PlanPanel::OnNewPlan() {
    if (m_plan.records.empty() && m_plan.takenOverText.empty() && m_plan.attackNumber == 1) return;
    Restore(AttackPlan{});
}

void PlanPanel::Restore(const AttackPlan& plan) {
    // A plan of as many records may hold others (one a code brought in place of the plan).
    const bool sameRecords = plan.records == m_plan.records && plan.attackNumber == m_plan.attackNumber &&
                             plan.takenOverText == m_plan.takenOverText;
    if (!sameRecords) {
        const std::filesystem::path planFile = File();
        int error = 0;
        if (plan.records.empty() && plan.takenOverText.empty()) {
            // An empty plan has no file, as before the first record.
            m_planWriter.Close();
            std::error_code ignored;
            std::filesystem::remove(planFile, ignored);
        } else {
            // The plan's whole text replaces the file, which holds the old plan until then.
            std::string text = plan.takenOverText;
            const AttackRecordWords words = RecordWords(m_context.texts);
            for (const AttackRecordFacts& facts : plan.records) text += FormatAttackRecord(words, facts);
            if (!m_planWriter.Replace(planFile, text, &error)) {
                m_context.ShowFileError(m_context.texts.fileErrors.cannotSave, planFile, error);
            }
        }
    }
    m_plan = plan;
    m_plan.planFileOpen = m_planWriter.IsWriting();
    ShowCount();
}

std::int64_t PlanPanel::Count() const {
    return m_plan.planFileOpen ? m_plan.takenOverCount + static_cast<std::int64_t>(m_plan.records.size()) : 0;
}

void PlanPanel::ShowCount() const { m_context.form.SetText(ControlId::PlanCount, std::to_string(Count())); }

void PlanPanel::OnCopyStrike(ShareFormat format, std::string_view linkLine) const {
    // The shown result, not the current inputs: the fields may already hold the next strike.
    const LastStrike& last = m_strike.Last();
    if (!last.shown) {
        m_context.form.ShowMessage(m_context.texts.msgNoStrikeToCopy);
        return;
    }
    const AttackRecordFacts facts{m_plan.attackNumber, last.in, last.out};
    m_context.form.SetClipboardText(
        WithLink(FormatStrikeShare(format, WordsOf(m_context.texts), facts), linkLine));
}

void PlanPanel::OnCopyPlan(ShareFormat format, std::string_view linkLine) const {
    MainForm& form = m_context.form;
    // The records taken over from an ended window are part of the plan.
    if (m_plan.records.empty() && m_plan.takenOverText.empty()) {
        form.ShowMessage(m_context.texts.msgNoPlanToCopy);
        return;
    }
    const std::string plan =
        FormatPlanShare(format, WordsOf(m_context.texts), m_plan.takenOverText, m_plan.records);
    if (format != ShareFormat::Text) {
        form.SetClipboardText(WithLink(plan, linkLine));
        return;
    }
    // The plain text is what an export writes: the plan file as it is.
    const std::optional<std::string> text = ReadWholeFile(File());
    form.SetClipboardText(text && !text->empty() ? *text : plan);
}

void PlanPanel::OnLoadPlan(std::span<const StrikeInput> records) {
    const LanguageTexts& texts = m_context.texts;
    // An empty plan (also one exported since) gives way at once; one with records is never
    // dropped without the player's say.
    AttackPlan plan;
    if (Count() > 0) {
        const PlanLoadChoice choice = m_context.form.AskPlanLoad(
            {texts.planCodeTitle,
             FillPlaceholders(texts.planCodeQuestion,
                              {std::to_string(records.size()), std::to_string(Count())}),
             texts.planCodeReplace, texts.planCodeExtend, texts.dialogCancel});
        if (choice == PlanLoadChoice::Cancel) return;
        if (choice == PlanLoadChoice::Extend) plan = m_plan;
    }
    for (const StrikeInput& in : records)
        plan.records.push_back({plan.attackNumber++, in, SimulateStrike(in)});
    plan.rememberRequested = true;  // Save exports the plan as it stands
    Restore(plan);
}

}  // namespace quorvel
