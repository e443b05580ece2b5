#pragma once

// The code panel: the form's strike, the attack plan and the target list as share codes and links
// (plan/share_code.h), and the code of a pasted, read, dropped or opened text loaded back. It knows
// the address links open: the page tells its own; the desktop program takes the first line of the
// player's kPageAddressFile, else the build's kPageAddress; with none it offers no links.

#include <optional>
#include <string>
#include <string_view>

#include "app/panels/curve_panel.h"
#include "app/panels/panel_context.h"
#include "app/panels/plan_panel.h"
#include "app/panels/strike_panel.h"
#include "app/panels/target_panel.h"
#include "app/views.h"
#include "plan/share_code.h"
#include "plan/share_text.h"

namespace quorvel {

// What a code carries, in the order of ShareCode's alternatives and of the menus' entries.
enum class CodeKind { Strike, Plan, Targets };

class CodePanel {
public:
    CodePanel(PanelContext& context, const StrikePanel& strike, const CurvePanel& curve,
              const PlanPanel& plan, const TargetPanel& targets)
        : m_context(context), m_strike(strike), m_curve(curve), m_plan(plan), m_targets(targets) {}

    // Start-up: the address of the player's file, else the build's.
    void LoadPageAddress();
    // The address the page runs at (or the batch's page-address); a text that is no address
    // leaves no links.
    void SetPageAddress(std::string_view address);

    // The kind's code, or its link, onto the clipboard; a message says why when there is none. The
    // strike's is the form as it stands (the frame has just read it).
    void OnCopy(CodeKind kind, bool link) const;
    // The kind's code and link into the view, for the batch's `code` and `link`; a message says why
    // when there is none (with `link`, also when no address is known).
    void OnShow(CodeKind kind, bool link);
    // The code a text holds (FindShareCode), decoded; nothing, after a message naming the refusal,
    // when it is refused.
    std::optional<ShareCode> Read(std::string_view text) const;
    // A strike code's inputs into the form, the result cells emptied; the caller applies its range
    // rule and simulates.
    void FillForm(const StrikeCode& strike) const;
    // The line a BBCode or Markdown share of the kind ends with; the strike's tells the strike last
    // shown. Empty for plain text and when no link can be made.
    std::string ShareLinkLine(ShareFormat format, CodeKind kind) const;

    const CodeView& View() const { return m_view; }

private:
    // The kind's code; nothing, after a message, when there is none to make.
    std::optional<std::string> Code(CodeKind kind) const;
    // The kind's data as a code carries it; the strike's is the form as last read.
    ShareCode Data(CodeKind kind) const;
    StrikeCode FormStrike() const;

    PanelContext& m_context;
    const StrikePanel& m_strike;
    const CurvePanel& m_curve;
    const PlanPanel& m_plan;
    const TargetPanel& m_targets;
    CodeView m_view;
};

}  // namespace quorvel
