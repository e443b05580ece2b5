#pragma once

// The target panel: every espionage report of the report field as a row of the target list
// (plan/target_table.h), and one row loaded into the fields as reading that report alone would.

#include <cstddef>
#include <vector>

#include "app/panels/panel_context.h"
#include "app/panels/report_panel.h"
#include "plan/target_table.h"

namespace quorvel {

class TargetPanel {
public:
    TargetPanel(PanelContext& context, ReportPanel& report) : m_context(context), m_report(report) {}

    // The rows of the report field's text with the inputs as last read; a local time of day for the
    // arrival column.
    void OnTargets(std::int32_t secondsOfDayNow = 0);
    const std::vector<TargetRow>& Rows() const { return m_rows; }
    // The row (from 1) the next OnLoadTarget loads.
    void ChooseRow(std::size_t row) { m_chosenRow = row; }
    // The chosen row of the report field's text into the fields; a message when there is none.
    void OnLoadTarget();

private:
    TargetSettings Settings(std::int32_t secondsOfDayNow) const;

    PanelContext& m_context;
    ReportPanel& m_report;
    std::vector<TargetRow> m_rows;
    std::size_t m_chosenRow = 0;
};

}  // namespace quorvel
