// The attack plan: remember-attack appends a record of the last simulation to the plan file and
// takes the survivors as the next input; save copies the plan into a file the player names and
// starts a new plan.

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "app/program_files.h"
#include "app/record_data.h"
#include "app/simulator_dialog.h"
#include "plan/attack_record.h"
#include "plan/plan_export.h"
#include "text/placeholders.h"

namespace quorvel {

AttackRecordWords RecordWords(const LanguageTexts& texts) {
    AttackRecordWords words;
    words.heading = texts.planHeading;
    words.missilesCaption = texts.planMissilesCaption;
    for (int t = 0; t < kDefenceTypeCount; ++t) words.defenceLabel[t] = texts.defenceLabel[t];
    words.abmLabel = texts.abmLabel;
    words.primaryTargetLabel = texts.primaryTargetLabel;
    return words;
}

AttackRecordFacts RecordFacts(const SimulatorState& s) {
    AttackRecordFacts facts;
    facts.number = s.plan.attackNumber;
    facts.primaryTarget = s.inputs.primaryTarget;
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        facts.countAtStart[t] = s.strike.countAtStart[t];
        facts.destroyed[t] = s.strike.destroyed[t];
    }
    facts.abmAtStart = s.strike.abmAtStart;
    facts.missilesAtStart = s.strike.missilesAtStart;
    facts.missilesFired = s.strike.missilesFired;
    return facts;
}

namespace {

// A simulation with every type and the interceptors present may be recorded again.
bool EverythingPresentAtStart(const SimulatorState& s) {
    return s.strike.abmAtStart != 0 &&
           std::all_of(s.strike.countAtStart.begin(), s.strike.countAtStart.end(), [](std::int32_t n) { return n != 0; });
}

}  // namespace

void CSimulatorDlg::OnRememberAttack() { RememberAttack(); }

bool CSimulatorDlg::RememberAttack() {
    // The record tells the last simulation, not the current inputs, so the fields are not read.
    NormaliseEmptyInputs();
    m_state.plan.rememberRequested = true;
    if (m_state.strike.attackRecordable || EverythingPresentAtStart(m_state)) {
        const std::filesystem::path planFile = PlanFile();
        int error = 0;
        // A new plan empties the file. Each record reaches the disk at once, so the plan so far
        // survives a crash.
        const bool started = m_state.plan.planFileOpen || m_planWriter.Start(planFile, &error);
        if (started && !m_state.plan.planFileOpen) {
            m_state.plan.planFileOpen = true;
            m_state.plan.records.clear();
        }
        const AttackRecordFacts facts = RecordFacts(m_state);
        if (!started || !m_planWriter.Append(FormatAttackRecord(RecordWords(m_texts), facts), &error)) {
            // Nothing changes but the message: the inputs, the number and the pending result stay,
            // so the player can try again.
            ShowFileError(m_texts.fileErrors.cannotSave, planFile, error);
            ClearZeroInputs();
            return false;
        }
        m_state.plan.records.push_back(facts);
        ++m_state.plan.attackNumber;
        m_state.strike.attackRecordable = false;
        OnApplyResult();
    }
    ClearZeroInputs();
    return true;
}

void CSimulatorDlg::OnSavePlan() {
    NormaliseEmptyInputs();
    ReadInputs();
    // A single click after a simulation exports that one attack.
    // A record that could not be written was said in an error box: there is nothing to export.
    if (!m_state.plan.rememberRequested && !RememberAttack()) return;

    m_planWriter.Close();
    m_state.plan.planFileOpen = false;

    if (const std::optional<std::string> chosen = m_form.AskSavePath()) {
        const std::filesystem::path planFile = PlanFile();
        // A missing plan file (nothing was recordable) is no error: nothing to export. Any other
        // failure leaves an existing export file exactly as it was.
        int errorNumber = 0;
        const PlanExportOutcome outcome = ExportPlan(planFile, *chosen, &errorNumber);
        if (const std::optional<std::string> error =
                PlanExportError(outcome, *chosen, planFile.string(), errorNumber, m_texts.fileErrors)) {
            // The plan stays on disk and the request flag unchanged, so the player can choose
            // another place and export the same plan.
            m_form.ShowError(*error);
            ClearZeroInputs();
            return;
        }
        // An empty plan leaves the chosen file as it was; the player is told so.
        if (outcome == PlanExportOutcome::NoPlan)
            m_form.ShowError(FillPlaceholders(m_texts.msgNothingToSave, {*chosen}));
        std::error_code ignored;
        std::filesystem::remove(planFile, ignored);
        m_state.plan.rememberRequested = false;
    }

    WriteBackInputs();
    ClearZeroInputs();
}

}  // namespace quorvel
