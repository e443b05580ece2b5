// Espionage report import: the pure reader of report/ turns the pasted text into writes of the
// defender inputs and the target position; this file resets the display and applies them.

#include <span>

#include "app/control_table.h"
#include "app/simulator_dialog.h"
#include "app/report_fields.h"

namespace quorvel {
namespace {

// The ten defender inputs an import fills: the eight counts, the interceptors and the armour,
// which lead the exchange order.
constexpr std::span<const ControlId> kDefenderInputs = std::span(kNumericInputs).first<10>();

}  // namespace

std::vector<FieldWrite> ReportFieldWrites(const SpyReport& report) {
    std::vector<FieldWrite> writes;
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        if (const std::optional<std::int32_t> value = report.keywordNumbers[row]) {
            writes.push_back({kReportItemFields[row % kReportItemCount], *value});
        }
    }
    if (const std::optional<Position> target = report.target) {
        writes.push_back({ControlId::TargetGalaxyInput, target->galaxy});
        writes.push_back({ControlId::TargetSystemInput, target->system});
        writes.push_back({ControlId::TargetPlanetInput, target->planet});
    }
    return writes;
}

void CSimulatorDlg::OnReadReport() {
    NormaliseEmptyInputs();
    ReadInputs();
    ResetResultDisplay();
    for (ControlId id : kDefenderInputs) m_form.SetText(id, "");
    m_state.inputs.defenceCount.fill(0);
    m_state.inputs.abmCount = 0;
    m_state.inputs.armourLevel = 0;

    // The numbers reach the fields only; the state picks them up at the next calculation's read.
    // The reader has no failure: a report that ends early or holds malformed parts writes less.
    m_state.inputs.reportText = m_form.GetText(ControlId::ReportText);
    for (const FieldWrite& write : ReportFieldWrites(ReadReport(m_state.inputs.reportText))) m_form.SetInt(write.field, write.value);
    ClearZeroInputs();
}

void CSimulatorDlg::OnClearReport() {
    NormaliseEmptyInputs();
    ReadInputs();
    m_form.SetText(ControlId::ReportText, "");
    // Keep the state's copy in step with the field, so that nothing writes the old report back.
    m_state.inputs.reportText.clear();
    ClearZeroInputs();
}

}  // namespace quorvel
