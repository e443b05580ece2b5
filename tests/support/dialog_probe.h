#pragma once

// The tests' look at the state the panels keep behind the form (the plan being written, the last
// strike), which no face needs and the views do not show.

#include "app/simulator_panels.h"

namespace quorvel {

class DialogProbe {
public:
    static const PlanPanel& Plan(const CSimulatorDlg& dlg) { return dlg.m_panels->plan; }
    static const StrikePanel& Strike(const CSimulatorDlg& dlg) { return dlg.m_panels->strike; }
    static InputValues& Inputs(CSimulatorDlg& dlg) { return dlg.m_panels->context.inputs; }
};

}  // namespace quorvel
