// Simulate and Required missiles: the strike is computed with the pure functions of strike/ and
// written into the cells of the defender, loss and attacker areas.

#include <algorithm>

#include "app/control_table.h"
#include "app/simulator_dialog.h"
#include "strike/number_format.h"
#include "strike/strike.h"
#include "strike/technology.h"

namespace quorvel {
namespace {

bool AllZero(const PerType<std::int32_t>& counts) {
    return std::all_of(counts.begin(), counts.end(), [](std::int32_t n) { return n == 0; });
}

Wide SummedStructure(const PerType<std::int32_t>& counts, const PerType<std::int64_t>& structure) {
    Wide total = 0;
    for (int t = 0; t < kDefenceTypeCount; ++t) total += Wide{counts[t]} * structure[t];
    return total;
}

}  // namespace

void CSimulatorDlg::ShowNumber(ControlId id, Wide value) { m_form.SetText(id, FormatGrouped(value)); }

void CSimulatorDlg::AddTypeLoss(int type, std::int64_t destroyed) {
    for (int r = 0; r < kResourceCount; ++r) {
        const std::int64_t cost = kDefenceSpecs[type].cost[r];
        if (cost == 0) continue;
        const std::int64_t loss = destroyed * cost;
        ShowNumber(kDefenceRows[type].loss[r], loss);
        m_state.m_defenderLoss[r] += loss;
    }
}

void CSimulatorDlg::ClearTypeLossCells(int type) {
    for (int r = 0; r < kResourceCount; ++r) {
        if (kDefenceSpecs[type].cost[r] != 0) m_form.SetText(kDefenceRows[type].loss[r], "-");
    }
}

void CSimulatorDlg::AddInterceptorLoss(std::int64_t interceptors) {
    for (int r = 0; r < kResourceCount; ++r) {
        const std::int64_t cost = kInterceptorCost[r];
        if (cost == 0) continue;
        ShowNumber(kAbmLossCells[r], interceptors * cost);
        m_state.m_defenderLoss[r] += interceptors * cost;
    }
}

void CSimulatorDlg::StrikeDefenceType(int type) {
    const std::int32_t count = m_state.m_defenceCount[type];
    const PoolSpend spend = SpendPool(m_state.m_damagePool, count, m_state.m_structure[type]);
    m_state.m_damagePool = spend.poolAfter;
    if (!spend.struck) return;
    m_state.m_destroyed[type] = spend.destroyed;
    std::int64_t left = count - spend.destroyed;
    if (m_state.m_countAtStart[type] > 0 && left <= 0) left = 0;
    m_state.m_defenceCount[type] = static_cast<std::int32_t>(left);
    AddTypeLoss(type, spend.destroyed);
    ShowNumber(kDefenceRows[type].destroyed, spend.destroyed);
}

void CSimulatorDlg::OnSimulate() {
    NormaliseEmptyInputs();
    ReadInputs();
    SimulatorState& s = m_state;

    for (int t = 0; t < kDefenceTypeCount; ++t) {
        m_form.SetText(kDefenceRows[t].destroyed, " ");
        ClearTypeLossCells(t);
    }

    s.m_countAtStart = s.m_defenceCount;
    s.m_abmAtStart = s.m_abmCount;
    s.m_missilesAtStart = s.m_missileCount;
    const std::int64_t missiles = s.m_missilesAtStart;
    const std::int64_t interceptors = s.m_abmAtStart;

    s.m_destroyed.fill(0);
    s.m_missilesLeft = 0;
    s.m_missilesFired = 0;
    s.m_defenderLoss.fill(0);
    s.m_attackerLoss.fill(0);
    s.m_damageTotal = 0;
    s.m_resultValid = 1;
    s.m_attackRecordable = 1;
    m_strikeShown = true;
    m_form.SetText(ControlId::RequiredMissilesResult, " ");
    s.m_structure = ArmouredStructure(s.m_armourLevel);
    s.m_missileDamage = MissileDamage(s.m_weaponsLevel);

    if (interceptors >= missiles) {
        // Every missile is intercepted.
        s.m_missilesFired = missiles;
        s.m_missilesLeft = 0;
        if (missiles > 1) m_form.SetText(ControlId::StatusLine, m_texts.msgAllInterceptedMany);
        if (missiles == 0) m_form.SetText(ControlId::StatusLine, m_texts.msgNoMissiles);
        if (missiles == 1) m_form.SetText(ControlId::StatusLine, m_texts.msgAllInterceptedOne);
        AddInterceptorLoss(missiles);
    } else {
        const std::int64_t through = missiles - interceptors;
        s.m_missilesLeft = through;
        s.m_missileCount = through;
        s.m_missilesFired = interceptors;
        s.m_damageTotal = Wide{s.m_missileDamage} * through;
        s.m_damagePool = static_cast<float>(s.m_damageTotal);
        AddInterceptorLoss(interceptors);
        if (const auto order = DamageOrder(s.m_primaryTarget)) {
            for (int type : *order) StrikeDefenceType(type);
        }
        const bool nothingAtAll = AllZero(s.m_countAtStart) && interceptors == 0;
        m_form.SetText(ControlId::StatusLine, nothingAtAll ? m_texts.msgNoDefence : m_texts.msgMissilesHit);
    }

    for (int t = 0; t < kDefenceTypeCount; ++t) {
        if (s.m_countAtStart[t] != 0) {
            ShowNumber(kDefenceRows[t].remaining, s.m_defenceCount[t]);
        } else {
            m_form.SetText(kDefenceRows[t].remaining, " ");
            m_form.SetText(kDefenceRows[t].destroyed, " ");
            ClearTypeLossCells(t);
        }
    }

    if (interceptors == 0 || missiles == 0) {
        m_form.SetText(ControlId::AbmMetal, "-");
        m_form.SetText(ControlId::AbmDeuterium, "-");
    }

    if (AllZero(s.m_countAtStart)) {
        m_form.SetText(ControlId::RemainingTotal, " ");
        m_form.SetText(ControlId::DestroyedTotal, " ");
    } else {
        s.m_remainingTotal = 0;
        s.m_destroyedTotal = 0;
        for (int t = 0; t < kDefenceTypeCount; ++t) {
            s.m_remainingTotal += s.m_defenceCount[t];
            s.m_destroyedTotal += s.m_destroyed[t];
        }
        ShowNumber(ControlId::RemainingTotal, s.m_remainingTotal);
        ShowNumber(ControlId::DestroyedTotal, s.m_destroyedTotal);
    }

    FinishTotals();
    ShowLossBalance();

    for (ControlId id : kAttackerLossCells) m_form.Redraw(id);
    for (ControlId id : kDefenderTotalCells) m_form.Redraw(id);
    ClearZeroInputs();
}

void CSimulatorDlg::FinishTotals() {
    SimulatorState& s = m_state;
    const std::int64_t missiles = s.m_missilesAtStart;
    const std::int64_t interceptors = s.m_abmAtStart;
    const bool noUnits = AllZero(s.m_countAtStart);
    const bool nothingAtAll = noUnits && interceptors == 0;

    if (noUnits) {
        for (ControlId id : kDefenderTotalCells) m_form.SetText(id, "-");
    }
    if (missiles > 0) {
        for (int r = 0; r < kResourceCount; ++r) ShowNumber(kDefenderTotalCells[r], s.m_defenderLoss[r]);
    } else if (missiles == 0) {
        for (ControlId id : kDefenderTotalCells) m_form.SetText(id, "-");
        for (ControlId id : kAttackerLossCells) m_form.SetText(id, "-");
    }

    if (missiles > 0 && !nothingAtAll) {
        std::int64_t charged = 0;
        if (missiles <= interceptors) {
            charged = missiles;
            s.m_missilesFired = missiles;
            s.m_missilesLeft = 0;
        } else if (noUnits) {
            charged = interceptors;  // only the intercepted missiles were spent
        } else {
            const std::int64_t through = missiles - interceptors;
            const Wide structure = SummedStructure(s.m_countAtStart, s.m_structure);
            if (structure >= s.m_damageTotal) {
                charged = missiles;
                s.m_missilesFired = missiles;
                s.m_missilesLeft = 0;
            } else {
                // Fewer missiles than got through bring down the whole structure, so this fits.
                const auto needed = static_cast<std::int64_t>(MissilesToCover(structure, s.m_missileDamage));
                charged = interceptors + needed;
                s.m_missilesFired = charged;
                s.m_missilesLeft = through - needed;
            }
        }
        for (int r = 0; r < kResourceCount; ++r) {
            s.m_attackerLoss[r] = charged * kMissileCost[r];
            ShowNumber(kAttackerLossCells[r], s.m_attackerLoss[r]);
        }
    }

    if (nothingAtAll) {
        for (ControlId id : kAttackerLossCells) m_form.SetText(id, "0");
        for (ControlId id : kDefenderTotalCells) m_form.SetText(id, "0");
    }

    if (missiles == 0) {
        m_form.SetText(ControlId::MissilesFired, " ");
        m_form.SetText(ControlId::MissilesLeft, " ");
    } else if (missiles > 0 && !nothingAtAll) {
        ShowNumber(ControlId::MissilesFired, s.m_missilesFired);
        ShowNumber(ControlId::MissilesLeft, s.m_missilesLeft);
    } else if (missiles > 0) {
        // Nothing to hit: no missile was fired, all are left. Show the 0 rather than keep the
        // fired count of an earlier simulation.
        s.m_missilesLeft = missiles;
        ShowNumber(ControlId::MissilesFired, 0);
        ShowNumber(ControlId::MissilesLeft, missiles);
    }
}

void CSimulatorDlg::RequiredMissilesForType(std::int64_t count, std::int64_t structure) {
    if (count <= 0) {
        m_form.SetText(ControlId::RequiredMissilesResult, m_texts.msgNothingToDestroy);
        return;
    }
    const Wide total = Wide{count} * structure;
    m_state.m_missilesNeeded = m_state.m_abmAtStart + MissilesToCover(total, m_state.m_missileDamage);
    ShowNumber(ControlId::RequiredMissilesResult, m_state.m_missilesNeeded);
}

void CSimulatorDlg::OnRequiredMissiles() {
    NormaliseEmptyInputs();
    ReadInputs();
    SimulatorState& s = m_state;
    s.m_countAtStart = s.m_defenceCount;
    s.m_abmAtStart = s.m_abmCount;
    s.m_missilesAtStart = s.m_missileCount;
    s.m_structure = ArmouredStructure(s.m_armourLevel);
    s.m_missileDamage = MissileDamage(s.m_weaponsLevel);

    const bool noUnits = AllZero(s.m_defenceCount);
    const bool nothingAtAll = noUnits && s.m_abmCount == 0;
    if (s.m_neededTarget == 0) {
        if (!nothingAtAll) {
            if (s.m_abmCount > 0 && noUnits) {
                s.m_missilesNeeded = s.m_abmCount;
            } else {
                const Wide total = SummedStructure(s.m_defenceCount, s.m_structure);
                s.m_missilesNeeded = s.m_abmCount + MissilesToCover(total, s.m_missileDamage);
            }
            ShowNumber(ControlId::RequiredMissilesResult, s.m_missilesNeeded);
        }
    } else if (s.m_neededTarget >= 1 && s.m_neededTarget <= kDefenceTypeCount) {
        const int type = s.m_neededTarget - 1;
        RequiredMissilesForType(s.m_defenceCount[type], s.m_structure[type]);
    }
    if (nothingAtAll) m_form.SetText(ControlId::RequiredMissilesResult, m_texts.msgNothingToDestroy);
    ClearZeroInputs();
}

}  // namespace quorvel
