// Simulate and Required missiles: the inputs go to the pure strike of strike/, and the result is
// written into the cells (strike_view.cpp) and kept for '<-x' and the attack plan.

#include "app/simulator_dialog.h"
#include "app/strike_view.h"

namespace quorvel {
namespace {

StrikeInput InputOf(const SimulatorState& s) {
    StrikeInput in;
    in.counts = s.m_defenceCount;
    in.interceptors = s.m_abmCount;
    in.missiles = s.m_missileCount;
    in.armourLevel = s.m_armourLevel;
    in.weaponsLevel = s.m_weaponsLevel;
    in.primaryTarget = s.m_primaryTarget;
    return in;
}

void KeepStartValues(SimulatorState& s, const StrikeInput& in) {
    s.m_countAtStart = in.counts;
    s.m_abmAtStart = in.interceptors;
    s.m_missilesAtStart = in.missiles;
}

}  // namespace

void CSimulatorDlg::OnSimulate() {
    NormaliseEmptyInputs();
    ReadInputs();
    SimulatorState& s = m_state;
    const StrikeInput in = InputOf(s);
    const StrikeResult result = SimulateStrike(in);

    KeepStartValues(s, in);
    s.m_defenceCount = result.surviving;
    if (result.missilesThrough > 0) s.m_missileCount = result.missilesThrough;
    s.m_destroyed = result.destroyed;
    s.m_defenderLoss = result.defenderLoss;
    s.m_attackerLoss = result.attackerLoss;
    s.m_missilesFired = result.missilesFired;
    s.m_missilesLeft = result.missilesLeft;
    s.m_resultValid = 1;
    s.m_attackRecordable = 1;

    ShowStrike(m_form, m_texts, in, result);
    ClearZeroInputs();
}

void CSimulatorDlg::OnRequiredMissiles() {
    NormaliseEmptyInputs();
    ReadInputs();
    const StrikeInput in = InputOf(m_state);
    KeepStartValues(m_state, in);
    ShowRequiredMissiles(m_form, m_texts, RequiredMissiles(in, m_state.m_neededTarget));
    ClearZeroInputs();
}

}  // namespace quorvel
