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
    facts.number = s.m_attackNumber;
    facts.primaryTarget = s.m_primaryTarget;
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        facts.countAtStart[t] = s.m_countAtStart[t];
        facts.destroyed[t] = s.m_destroyed[t];
    }
    facts.abmAtStart = s.m_abmAtStart;
    facts.missilesAtStart = s.m_missilesAtStart;
    facts.missilesFired = s.m_missilesFired;
    return facts;
}

namespace {

// A simulation with every type and the interceptors present may be recorded again.
bool EverythingPresentAtStart(const SimulatorState& s) {
    return s.m_abmAtStart != 0 &&
           std::all_of(s.m_countAtStart.begin(), s.m_countAtStart.end(), [](std::int32_t n) { return n != 0; });
}

}  // namespace

void CSimulatorDlg::OnRememberAttack() {
    // The record tells the last simulation, not the current inputs, so the fields are not read.
    NormaliseEmptyInputs();
    m_state.m_rememberRequested = 1;
    if (m_state.m_attackRecordable == 1 || EverythingPresentAtStart(m_state)) {
        if (m_state.m_planFileOpen == 0) {
            // A new plan empties the file. A plan file that cannot be opened drops this plan's
            // records silently; the next export attempt tries again.
            if (m_planStream.is_open()) m_planStream.close();
            m_planStream.clear();
            m_planStream.open(HomePath(kPlanFile), std::ios::out | std::ios::trunc);
            m_state.m_planFileOpen = 1;
            m_planRecords.clear();
        }
        // Flushed at once, so the plan so far survives a crash.
        m_planRecords.push_back(RecordFacts(m_state));
        m_planStream << FormatAttackRecord(RecordWords(m_texts), m_planRecords.back());
        m_planStream.flush();
        ++m_state.m_attackNumber;
        m_state.m_attackRecordable = 0;
        OnApplyResult();
    }
    ClearZeroInputs();
}

void CSimulatorDlg::OnSavePlan() {
    NormaliseEmptyInputs();
    ReadInputs();
    // A single click after a simulation exports that one attack.
    if (m_state.m_rememberRequested == 0) OnRememberAttack();

    if (m_planStream.is_open()) m_planStream.close();
    m_planStream.clear();
    m_state.m_planFileOpen = 0;

    if (const std::optional<std::string> chosen = m_form.AskSavePath()) {
        const std::filesystem::path planFile = HomePath(kPlanFile);
        // A missing plan file (nothing was recordable) is no error: nothing to export.
        const PlanExportOutcome outcome = ExportPlan(planFile, *chosen);
        if (const std::optional<std::string> error = PlanExportError(outcome, *chosen)) {
            // The plan stays on disk and the request flag unchanged, so the player can choose
            // another place and export the same plan.
            m_form.ShowError(*error);
            ClearZeroInputs();
            return;
        }
        std::error_code ignored;
        std::filesystem::remove(planFile, ignored);
        m_state.m_rememberRequested = 0;
    }

    WriteBackInputs();
    ClearZeroInputs();
}

}  // namespace quorvel
