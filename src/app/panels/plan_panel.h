#pragma once

// The plan panel: remember-attack records the last strike in this window's plan file, save
// exports the plan where the player chooses, and the last strike or the plan goes onto the
// clipboard as text, BBCode or Markdown.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/panels/panel_context.h"
#include "app/panels/strike_panel.h"
#include "plan/attack_record.h"
#include "plan/plan_file.h"
#include "plan/share_text.h"
#include "strike/loss_curve.h"

namespace quorvel {

struct AttackPlan {
    std::int64_t attackNumber = 1;
    bool planFileOpen = false;               // records of this plan go to the open plan file
    bool rememberRequested = false;          // remember-attack was pressed since the last export
    std::vector<AttackRecordFacts> records;  // the records of the plan being written
    // The records an ended window left, taken over at start-up: they lead the plan file.
    std::string takenOverText;
    std::int64_t takenOverCount = 0;

    bool operator==(const AttackPlan&) const = default;
};

class PlanPanel {
public:
    PlanPanel(PanelContext& context, StrikePanel& strike) : m_context(context), m_strike(strike) {}

    // False when the record could not be written (an error box said why).
    bool OnRememberAttack();
    // Every launch as its own attack record, in order; false at the first that could not be
    // written (an error box said why). The inputs stay as they are.
    bool OnRememberStrikes(std::span<const Launch> launches);
    void OnSavePlan();
    // linkLine ends a BBCode or Markdown share: the link that opens what it tells.
    void OnCopyStrike(ShareFormat format, std::string_view linkLine = {}) const;
    void OnCopyPlan(ShareFormat format, std::string_view linkLine = {}) const;
    // The records of a plan code, each strike worked out anew and written in the window's words.
    // While the plan holds records the player chooses to replace it or to add them at its end;
    // nothing changes when the player cancels.
    void OnLoadPlan(std::span<const StrikeInput> records);
    // An empty plan; the records so far leave the plan file.
    void OnNewPlan();
    // Undo: the plan as it was before a step; the plan file is rewritten to hold its records.
    void Restore(const AttackPlan& plan);
    // The count beside Save: how many strikes the plan being written holds.
    void ShowCount() const;
    std::int64_t Count() const;
    // Start-up: the plan an ended window left becomes this window's, its records kept and the
    // attack number going on after them.
    void TakeOverAbandonedPlan();

    const AttackPlan& State() const { return m_plan; }
    // This process's own attack plan file.
    std::filesystem::path File() const;

private:
    // One record at the plan's next attack number; false after the error box.
    bool AppendRecord(const StrikeInput& in, const StrikeResult& out);

    PanelContext& m_context;
    StrikePanel& m_strike;  // the strike a record tells; recording takes its survivors as input
    AttackPlan m_plan;
    PlanWriter m_planWriter;
};

}  // namespace quorvel
