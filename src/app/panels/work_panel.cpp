#include "app/panels/work_panel.h"

#include <algorithm>
#include <system_error>
#include <unordered_set>
#include <vector>

#include "app/control_table.h"
#include "app/program_files.h"
#include "fileio/atomic_file.h"

namespace quorvel {
namespace {

// What a snapshot costs besides its texts: the record itself, the plan's records, the paths.
std::size_t FixedBytes(const WorkState& work) {
    return sizeof(WorkState) + work.form.texts.size() * sizeof(work.form.texts[0]) +
           work.form.colours.size() * sizeof(work.form.colours[0]) +
           work.plan.records.size() * sizeof(AttackRecordFacts) + work.plan.takenOverText.size() +
           work.language.native().size();
}

const SharedText* ReportOf(const FormContents& form) {
    for (const auto& [id, text] : form.texts) {
        if (id == ControlId::ReportText) return &text;
    }
    return nullptr;
}

SharedText SettledReport(const FormContents& form) {
    const SharedText* report = ReportOf(form);
    return report != nullptr ? *report : SharedText();
}

}  // namespace

SessionStrike WorkPanel::KeptStrike() const {
    const LastStrike& last = m_strike.Last();
    // The inputs without their report text, which is kept apart (and shared) where it is kept.
    InputValues& inputs = m_context.inputs;
    std::string report = std::move(inputs.reportText);
    SessionStrike kept{inputs,           last.in,
                       last.resultValid, last.attackRecordable,
                       last.shown,       m_context.inputReads != last.inputRead};
    inputs.reportText = std::move(report);
    return kept;
}

void WorkPanel::PutStrike(const SessionStrike& kept, std::string readReport) {
    m_context.inputs = kept.read;
    m_context.inputs.reportText = std::move(readReport);
    LastStrike last;
    last.in = kept.in;
    last.out = SimulateStrike(kept.in);
    last.resultValid = kept.resultValid;
    last.attackRecordable = kept.attackRecordable;
    last.shown = kept.shown;
    last.inputRead = m_context.inputReads + (kept.readSince ? 1 : 0);
    m_strike.Restore(last);
}

WorkState WorkPanel::Take() const {
    WorkState work;
    work.form = TakeFormContents(m_context.form);
    work.strike = KeptStrike();
    work.launches = m_curve.LaunchesPlanned();
    work.plan = m_plan.State();
    work.language = m_language.Applied();
    // Texts equal to those of the latest snapshot share its storage; the report as last read is
    // mostly the field's text of now or of the step before.
    const WorkState* latest = m_before ? &*m_before : !m_undo.empty() ? &m_undo.back() : nullptr;
    if (latest != nullptr) ShareUnchangedTexts(work.form, latest->form);
    std::vector<const SharedText*> reports = {ReportOf(work.form)};
    if (latest != nullptr) reports.insert(reports.end(), {&latest->readReport, ReportOf(latest->form)});
    const std::string& read = m_context.inputs.reportText;
    const auto same = std::find_if(reports.begin(), reports.end(), [&read](const SharedText* report) {
        return report != nullptr && report->Text() == read;
    });
    work.readReport = same != reports.end() ? **same : SharedText(read);
    return work;
}

void WorkPanel::Put(const WorkState& work) {
    // A language applied anew resets the form; the contents come back after it.
    if (!work.language.empty() && work.language != m_language.Applied()) m_language.Restore(work.language);
    PutFormContents(m_context.form, work.form);
    PutStrike(work.strike, work.readReport.Text());
    m_curve.RestoreLaunches(work.launches);
    m_plan.Restore(work.plan);
    m_curve.FollowStrike();
}

void WorkPanel::StartStep(bool takesTyping) {
    if (m_depth++ > 0) return;
    m_before = Take();
    m_takesTyping = takesTyping;
}

void WorkPanel::EndStep() {
    if (--m_depth > 0) return;
    // Taken while the step's start is the latest snapshot, so that unchanged texts are shared and
    // compare at once.
    const WorkState after = Take();
    WorkState before = std::move(*m_before);
    m_before.reset();
    // A step that changed nothing (a cancelled dialog, a simulation of the same inputs) is none.
    if (after == before) return;
    if (m_takesTyping && m_settledReport) {
        for (auto& [id, text] : before.form.texts) {
            if (id == ControlId::ReportText) text = *m_settledReport;
        }
    }
    m_settledReport = SettledReport(after.form);
    ++m_moves;
    m_undo.push_back(std::move(before));
    m_redo.clear();
    Bound();
    SaveSession();
}

void WorkPanel::OnUndo() { StepBack(m_undo, m_redo); }
void WorkPanel::OnRedo() { StepBack(m_redo, m_undo); }

void WorkPanel::StepBack(std::deque<WorkState>& from, std::deque<WorkState>& to) {
    if (from.empty()) return;
    to.push_back(Take());
    const WorkState work = std::move(from.back());
    from.pop_back();
    Put(work);
    m_settledReport = SettledReport(work.form);
    ++m_moves;
    Bound();
    SaveSession();
}

void WorkPanel::Bound() {
    while (m_undo.size() > kUndoSteps) m_undo.pop_front();
    while (m_redo.size() > kUndoSteps) m_redo.pop_front();
    // Each text counted once however many snapshots share it.
    const auto bytes = [this] {
        std::unordered_set<const void*> counted;
        std::size_t total = 0;
        for (const std::deque<WorkState>* history : {&m_undo, &m_redo}) {
            for (const WorkState& work : *history) {
                total += FixedBytes(work);
                for (const auto& [id, text] : work.form.texts) {
                    if (counted.insert(text.Storage()).second) total += text.Bytes();
                }
                if (counted.insert(work.readReport.Storage()).second) total += work.readReport.Bytes();
            }
        }
        return total;
    };
    while (m_undo.size() + m_redo.size() > 1 && bytes() > kUndoBytes) {
        // The oldest step goes first, then the redo step furthest away.
        if (m_undo.size() > 1 || m_redo.empty()) {
            m_undo.pop_front();
        } else {
            m_redo.pop_front();
        }
    }
}

void WorkPanel::Follow() {
    // The report field as the window first shows it: typing from here on is the first step's.
    if (!m_settledReport) m_settledReport = SharedText(m_context.form.GetText(ControlId::ReportText));
    WorkView view{m_view.number, m_undo.size(), m_redo.size(), m_plan.Count(), m_moves};
    if (m_view.number > 0 && view == m_view) return;
    ++view.number;
    m_view = view;
}

std::string WorkPanel::CurrentSessionText() const {
    return SessionText({TakeFormContents(m_context.form), KeptStrike()});
}

void WorkPanel::SaveSession() const {
    if (!m_keepSession) return;
    // The session is a convenience: a data folder that cannot take it costs nothing but the next
    // start's empty form, so no box interrupts the player's step for it.
    std::string text = CurrentSessionText();
    if (text == m_sessionOnDisk) return;
    std::error_code ignored;
    const std::filesystem::path file = m_context.HomePath(kSessionFile);
    std::filesystem::create_directories(file.parent_path(), ignored);
    if (ReplaceFileAtomically(file, text) == WriteOutcome::Ok) m_sessionOnDisk = std::move(text);
}

void WorkPanel::RestoreSession() {
    const std::optional<std::string> text =
        ReadRegularFile(m_context.HomePath(kSessionFile), kLargestSessionFile);
    if (!text) return;
    const std::optional<Session> session = ParseSessionText(*text);
    if (!session) return;
    PutFormContents(m_context.form, session->form);
    m_plan.ShowCount();  // the plan is this window's, whatever the last one's held
    // '<-x' and remember-attack act on the shown result as they would have in the last window.
    if (session->strike) PutStrike(*session->strike, m_context.form.GetText(ControlId::ReportText));
    m_context.inputs.primaryTarget = m_context.form.GetSelection(ControlId::PrimaryTargetList);
    m_context.inputs.neededTarget = m_context.form.GetSelection(ControlId::RequiredTargetList);
    m_curve.ResumeLaunches();
    m_curve.FollowStrike();
    m_settledReport = SettledReport(session->form);
    // The file holds this work already: an exit without a change need not write it again.
    m_sessionOnDisk = CurrentSessionText();
}

}  // namespace quorvel
