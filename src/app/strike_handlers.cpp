// Simulate and Required missiles: the inputs go to the pure strike of strike/, and the result is
// written into the cells (strike_view.cpp) and kept for '<-x' and the attack plan.

#include "app/simulator_dialog.h"
#include "app/strike_view.h"

namespace quorvel {
namespace {

StrikeInput InputOf(const SimulatorState& s) {
    StrikeInput in;
    in.counts = s.inputs.defenceCount;
    in.interceptors = s.inputs.abmCount;
    in.missiles = s.inputs.missileCount;
    in.armourLevel = s.inputs.armourLevel;
    in.weaponsLevel = s.inputs.weaponsLevel;
    in.primaryTarget = s.inputs.primaryTarget;
    return in;
}

void KeepStartValues(SimulatorState& s, const StrikeInput& in) {
    s.strike.countAtStart = in.counts;
    s.strike.abmAtStart = in.interceptors;
    s.strike.missilesAtStart = in.missiles;
}

}  // namespace

void CSimulatorDlg::OnSimulate() {
    NormaliseEmptyInputs();
    ReadInputs();
    SimulatorState& s = m_state;
    const StrikeInput in = InputOf(s);
    const StrikeResult result = SimulateStrike(in);

    KeepStartValues(s, in);
    s.inputs.defenceCount = result.surviving;
    if (result.missilesThrough > 0) s.inputs.missileCount = result.missilesThrough;
    s.strike.destroyed = result.destroyed;
    s.strike.defenderLoss = result.defenderLoss;
    s.strike.attackerLoss = result.attackerLoss;
    s.strike.missilesFired = result.missilesFired;
    s.strike.missilesLeft = result.missilesLeft;
    s.strike.resultValid = true;
    s.strike.attackRecordable = true;

    ShowStrike(m_form, m_texts, in, result);
    s.strike.shown = true;
    ShowLossBalance();
    ClearZeroInputs();
}

void CSimulatorDlg::OnRequiredMissiles() {
    NormaliseEmptyInputs();
    ReadInputs();
    const StrikeInput in = InputOf(m_state);
    KeepStartValues(m_state, in);
    ShowRequiredMissiles(m_form, m_texts, RequiredMissiles(in, m_state.inputs.neededTarget));
    ClearZeroInputs();
}

}  // namespace quorvel
