// Espionage report import: the pure reader of report/ turns the pasted text into writes of the
// defender inputs and the target position; this file resets the display and applies them.

#include <array>

#include "app/control_table.h"
#include "app/simulator_dialog.h"
#include "report/report_reader.h"

namespace quorvel {
namespace {

// The ten defender inputs an import fills, in the order they are emptied before it reads.
constexpr std::array<ControlId, 10> kDefenderInputs = {
    kDefenceRows[0].input, kDefenceRows[1].input,  kDefenceRows[2].input, kDefenceRows[3].input,
    kDefenceRows[4].input, kDefenceRows[5].input,  kDefenceRows[6].input, kDefenceRows[7].input,
    ControlId::AbmInput,   ControlId::ArmourInput,
};

}  // namespace

void CSimulatorDlg::OnReadReport() {
    NormaliseEmptyInputs();
    ReadInputs();
    ResetResultDisplay();
    for (ControlId id : kDefenderInputs) m_form.SetText(id, "");
    m_state.m_defenceCount.fill(0);
    m_state.m_abmCount = 0;
    m_state.m_armourLevel = 0;

    // The numbers reach the fields only; the state picks them up at the next calculation's read.
    // The reader has no failure: a report that ends early or holds malformed parts writes less.
    m_state.m_reportText = m_form.GetText(ControlId::ReportText);
    for (const FieldWrite& write : ReadReport(m_state.m_reportText)) m_form.SetInt(write.field, write.value);
    ClearZeroInputs();
}

void CSimulatorDlg::OnClearReport() {
    NormaliseEmptyInputs();
    ReadInputs();
    m_form.SetText(ControlId::ReportText, "");
    // Keep the state's copy in step with the field, so that nothing writes the old report back.
    m_state.m_reportText.clear();
    ClearZeroInputs();
}

}  // namespace quorvel
