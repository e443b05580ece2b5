#pragma once

// The report panel: an espionage report, typed or pasted, into the defender inputs and the target
// position.

#include "app/panels/panel_context.h"
#include "app/panels/strike_panel.h"
#include "report/report_reader.h"

namespace quorvel {

class ReportPanel {
public:
    ReportPanel(PanelContext& context, StrikePanel& strike) : m_context(context), m_strike(strike) {}

    void OnReadReport();
    void OnClearReport();
    // What reading a report fills: the defender inputs emptied, then the report's numbers and position.
    void LoadReport(const SpyReport& report);
    // The clipboard's text replaces the report field when it holds a report or a share code (the
    // caller then reads it); false, after a message and with the field unchanged, when it holds
    // neither.
    bool PasteClipboard();

private:
    PanelContext& m_context;
    StrikePanel& m_strike;  // a new report empties the strike's cells
};

}  // namespace quorvel
