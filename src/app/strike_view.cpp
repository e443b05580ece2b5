#include "app/strike_view.h"

#include "app/control_table.h"
#include "strike/number_format.h"

namespace quorvel {
namespace {

void ShowNumber(MainForm& form, ControlId id, Wide value) { form.SetText(id, FormatGrouped(value)); }

// The cost-bearing cells of one row: the number, or "-" when `shown` is false.
void ShowLossRow(MainForm& form, const std::array<ControlId, kResourceCount>& cells, const Resources& cost,
                 const Resources& loss, bool shown) {
    for (int r = 0; r < kResourceCount; ++r) {
        if (cost[r] == 0) continue;
        if (shown) {
            ShowNumber(form, cells[r], loss[r]);
        } else {
            form.SetText(cells[r], kNoLossCell);
        }
    }
}

void ShowStatus(MainForm& form, const LanguageTexts& texts, std::int64_t missiles, StrikeOutcome outcome) {
    switch (outcome) {
        case StrikeOutcome::NoMissiles:
        case StrikeOutcome::AllIntercepted:
            // A negative missile count says nothing.
            if (missiles > 1) form.SetText(ControlId::StatusLine, texts.msgAllInterceptedMany);
            if (missiles == 0) form.SetText(ControlId::StatusLine, texts.msgNoMissiles);
            if (missiles == 1) form.SetText(ControlId::StatusLine, texts.msgAllInterceptedOne);
            break;
        case StrikeOutcome::NothingToHit: form.SetText(ControlId::StatusLine, texts.msgNoDefence); break;
        case StrikeOutcome::Struck: form.SetText(ControlId::StatusLine, texts.msgMissilesHit); break;
    }
}

// Defender totals and attacker loss: "0" for an empty planet, numbers once missiles were entered,
// "-" without missiles; a negative missile count leaves them as they were, but for the defender
// totals of a planet without units.
void ShowLossTotals(MainForm& form, std::int64_t missiles, const StrikeResult& r) {
    for (int res = 0; res < kResourceCount; ++res) {
        const ControlId defender = kDefenderTotalCells[res];
        const ControlId attacker = kAttackerLossCells[res];
        if (r.emptyPlanet) {
            form.SetText(defender, "0");
            form.SetText(attacker, "0");
        } else if (missiles > 0) {
            ShowNumber(form, defender, r.defenderLoss[res]);
            ShowNumber(form, attacker, r.attackerLoss[res]);
        } else if (missiles == 0) {
            form.SetText(defender, kNoLossCell);
            form.SetText(attacker, kNoLossCell);
        } else if (r.noDefenceUnits) {
            form.SetText(defender, kNoLossCell);
        }
    }
}

}  // namespace

void ClearTypeLossCells(MainForm& form, int type) {
    ShowLossRow(form, kDefenceRows[type].loss, kDefenceStats[type].cost, {}, false);
}

void ShowStrike(MainForm& form, const LanguageTexts& texts, const StrikeInput& in, const StrikeResult& r) {
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        const DefenceRowControls& row = kDefenceRows[t];
        const bool present = in.counts[t] != 0;
        if (present) {
            ShowNumber(form, row.remaining, r.surviving[t]);
        } else {
            form.SetText(row.remaining, kNoCountCell);
        }
        if (present && r.struck[t]) {
            ShowNumber(form, row.destroyed, r.destroyed[t]);
        } else {
            form.SetText(row.destroyed, kNoCountCell);
        }
        ShowLossRow(form, row.loss, kDefenceStats[t].cost, r.typeLoss[t], present && r.struck[t]);
    }
    ShowLossRow(form, kAbmLossCells, kInterceptorCost, r.interceptorLoss, in.interceptors != 0 && in.missiles != 0);
    form.SetText(ControlId::RequiredMissilesResult, kNoCountCell);
    ShowStatus(form, texts, in.missiles, r.outcome);

    if (r.noDefenceUnits) {
        form.SetText(ControlId::RemainingTotal, kNoCountCell);
        form.SetText(ControlId::DestroyedTotal, kNoCountCell);
    } else {
        ShowNumber(form, ControlId::RemainingTotal, r.remainingTotal);
        ShowNumber(form, ControlId::DestroyedTotal, r.destroyedTotal);
    }
    ShowLossTotals(form, in.missiles, r);

    if (in.missiles == 0) {
        form.SetText(ControlId::MissilesFired, kNoCountCell);
        form.SetText(ControlId::MissilesLeft, kNoCountCell);
    } else if (in.missiles > 0) {
        ShowNumber(form, ControlId::MissilesFired, r.missilesFired);
        ShowNumber(form, ControlId::MissilesLeft, r.missilesLeft);
    }

    for (ControlId id : kAttackerLossCells) form.Redraw(id);
    for (ControlId id : kDefenderTotalCells) form.Redraw(id);
}

void ShowRequiredMissiles(MainForm& form, const LanguageTexts& texts, const RequiredMissilesResult& result) {
    switch (result.outcome) {
        case RequiredOutcome::Count: ShowNumber(form, ControlId::RequiredMissilesResult, result.missiles); break;
        case RequiredOutcome::NothingToDestroy:
            form.SetText(ControlId::RequiredMissilesResult, texts.msgNothingToDestroy);
            break;
        case RequiredOutcome::NoTarget: break;
    }
}

}  // namespace quorvel
