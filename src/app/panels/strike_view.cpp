#include "app/panels/strike_view.h"

#include "app/control_table.h"
#include "plan/share_text.h"
#include "text/number_format.h"

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
        case StrikeOutcome::NothingToHit:
            form.SetText(ControlId::StatusLine, texts.msgNoDefence);
            break;
        case StrikeOutcome::Struck:
            form.SetText(ControlId::StatusLine, texts.msgMissilesHit);
            break;
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

// Beside each loss total, whether that side lost more or less of it, in words, and the colour of
// the total and its words: red for the side that lost more, green for the other.
void ShowLossBalance(MainForm& form, const LanguageTexts& texts, const Resources& defenderLoss,
                     const Resources& attackerLoss) {
    const auto word = [&texts](LossBalance balance) -> std::string_view {
        return balance == LossBalance::More   ? texts.lostMoreMark
               : balance == LossBalance::Less ? texts.lostLessMark
                                              : std::string_view();
    };
    const auto colour = [](LossBalance balance) {
        return balance == LossBalance::More   ? TextColour::Red
               : balance == LossBalance::Less ? TextColour::Green
                                              : TextColour::Default;
    };
    for (int r = 0; r < kResourceCount; ++r) {
        const LossBalance defender = CompareLoss(defenderLoss[r], attackerLoss[r]);
        const LossBalance attacker = CompareLoss(attackerLoss[r], defenderLoss[r]);
        form.SetText(kDefenderBalanceCells[r], word(defender));
        form.SetText(kAttackerBalanceCells[r], word(attacker));
        for (ControlId id : {kDefenderTotalCells[r], kDefenderBalanceCells[r]})
            form.SetColour(id, colour(defender));
        for (ControlId id : {kAttackerLossCells[r], kAttackerBalanceCells[r]})
            form.SetColour(id, colour(attacker));
    }
}

}  // namespace

void ResetStrikeCells(MainForm& form) {
    for (const auto& cells : {kDefenderBalanceCells, kAttackerBalanceCells}) {
        for (ControlId id : cells) form.SetText(id, "");
    }
    // A placeholder tells no loss: it loses the colour with the number.
    for (const auto& cells :
         {kDefenderTotalCells, kDefenderBalanceCells, kAttackerLossCells, kAttackerBalanceCells}) {
        for (ControlId id : cells) form.SetColour(id, TextColour::Default);
    }
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        form.SetText(kDefenceRows[t].destroyed, kNoCountCell);
        form.SetText(kDefenceRows[t].remaining, kNoCountCell);
        ShowLossRow(form, kDefenceRows[t].loss, kDefenceStats[t].cost, {}, false);
    }
    form.SetText(ControlId::AbmMetal, kNoLossCell);
    form.SetText(ControlId::AbmDeuterium, kNoLossCell);
    for (ControlId id : kDefenderTotalCells) form.SetText(id, kNoLossCell);

    form.SetText(ControlId::DestroyedTotal, kNoCountCell);
    form.SetText(ControlId::RemainingTotal, kNoCountCell);
    for (ControlId id : kAttackerLossCells) form.SetText(id, kNoLossCell);
    form.SetText(ControlId::MissilesFired, kNoCountCell);
    form.SetText(ControlId::MissilesLeft, kNoCountCell);
    form.SetText(ControlId::RequiredMissilesResult, kNoCountCell);
    form.SetText(ControlId::StatusLine, "");
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
    ShowLossRow(form, kAbmLossCells, kInterceptorCost, r.interceptorLoss,
                in.interceptors != 0 && in.missiles != 0);
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
    ShowLossBalance(form, texts, r.defenderLoss, r.attackerLoss);
}

void ShowRequiredMissiles(MainForm& form, const LanguageTexts& texts, const RequiredMissilesResult& result) {
    switch (result.outcome) {
        case RequiredOutcome::Count:
            ShowNumber(form, ControlId::RequiredMissilesResult, result.missiles);
            break;
        case RequiredOutcome::NothingToDestroy:
            form.SetText(ControlId::RequiredMissilesResult, texts.msgNothingToDestroy);
            break;
        case RequiredOutcome::NoTarget:
            break;
    }
}

}  // namespace quorvel
