// Espionage report import: the pure reader of report/ turns the pasted text into writes of the
// defender inputs and the target position; this file resets the display and applies them.

#include "app/panels/report_panel.h"

#include <limits>
#include <span>
#include <string>

#include "app/control_table.h"
#include "app/panels/report_fields.h"
#include "plan/share_code.h"
#include "text/number_format.h"
#include "text/placeholders.h"

namespace quorvel {
namespace {

// The ten defender inputs an import fills: the eight counts, the interceptors and the armour,
// which lead the exchange order.
constexpr std::span<const ControlId> kDefenderInputs = std::span(kNumericInputs).first<10>();

}  // namespace

void ReportPanel::OnReadReport() {
    MainForm& form = m_context.form;
    InputValues& inputs = m_context.inputs;
    // A text without a report (a link, an empty field) leaves the typed work alone.
    const std::string text = form.GetText(ControlId::ReportText);
    const SpyReport report = ReadReport(text);
    if (!HoldsReport(report)) {
        form.ShowMessage(m_context.texts.msgNoReport);
        return;
    }
    inputs.reportText = text;
    LoadReport(report);
}

void ReportPanel::LoadReport(const SpyReport& report) {
    MainForm& form = m_context.form;
    InputValues& inputs = m_context.inputs;
    m_strike.ResetCells();
    for (ControlId id : kDefenderInputs) form.SetText(id, "");
    inputs.defenceCount.fill(0);
    inputs.abmCount = 0;
    inputs.armourLevel = 0;

    // The numbers reach the fields only; the inputs pick them up at the next calculation's read.
    // The reader has no failure: a report that ends early or holds malformed parts writes less.
    for (const FieldWrite& write : ReportFieldWrites(report)) {
        form.SetInt(write.field, write.value);
    }
    // The fields hold the number as read, so the player is told that it is not the report's.
    if (report.numbersAltered) {
        const std::string largest = FormatGrouped(std::numeric_limits<std::int32_t>::max());
        form.SetText(ControlId::StatusLine,
                     FillPlaceholders(m_context.texts.msgReportNumbersAltered, {largest}));
    }
}

void ReportPanel::OnClearReport() {
    m_context.form.SetText(ControlId::ReportText, "");
    // Keep the inputs' copy in step with the field, so that nothing writes the old report back.
    m_context.inputs.reportText.clear();
}

bool ReportPanel::PasteClipboard() {
    const std::string text = m_context.form.GetClipboardText();
    // A share code is read as a report is: through the field.
    if (!FindShareCode(text) && !HoldsReport(ReadReport(text))) {
        m_context.form.ShowMessage(m_context.texts.msgNoReport);
        return false;
    }
    m_context.form.SetText(ControlId::ReportText, text);
    return true;
}

}  // namespace quorvel
