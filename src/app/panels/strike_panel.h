#pragma once

// The strike panel: Simulate, Required missiles, '<-x', the two target lists and every cell of the
// defender, loss and attacker areas (through strike_view.h). It keeps the last strike for '<-x',
// the attack plan and sharing.

#include <cstdint>

#include "app/panels/panel_context.h"
#include "strike/strike.h"

namespace quorvel {

// The last simulated strike: what went in, what came out, and what may still be done with it.
struct LastStrike {
    StrikeInput in;
    StrikeResult out;
    bool resultValid = false;       // '<-x' may take the survivors as the next input
    bool attackRecordable = false;  // remember-attack may record this strike
    bool shown = false;             // the result cells show this strike (Reset all clears them)
    std::uint64_t inputRead = 0;    // the frame's read the strike was simulated from
};

// The strike the inputs describe, with the typed missiles.
StrikeInput StrikeInputOf(const InputValues& inputs);

class StrikePanel {
public:
    explicit StrikePanel(PanelContext& context) : m_context(context) {}

    void OnSimulate();
    void OnRequiredMissiles();
    // '<-x': the survivors, the missiles left and the interceptors left become the next input.
    void OnApplyResult();
    void OnPrimaryTargetChanged();
    void OnNeededTargetChanged();
    // Both target lists at their first entry, as a new language leaves them.
    void SelectFirstTargets();
    // Every result cell as Reset all leaves it: no values, no losses, no status.
    void ResetCells();
    // A new language: the strike shown, and the required missiles' words, in its words (before: the
    // texts of the language it replaced).
    void Redraw(const LanguageTexts& before);

    const LastStrike& Last() const { return m_last; }
    // The strike was recorded in the attack plan: it cannot be recorded again (but see there).
    void MarkRecorded() { m_last.attackRecordable = false; }
    // Undo: the last strike as it was before a step.
    void Restore(const LastStrike& last) { m_last = last; }

private:
    PanelContext& m_context;
    LastStrike m_last;
};

}  // namespace quorvel
