#pragma once

// The loss curve panel: how many missiles pay. After Simulate it writes the verdict beside the
// status line (missiles short of or beyond destroying everything, the ratio of both sides' losses)
// and says when the typed missiles exceed what the silo launches at once. On request it works out
// the whole loss curve (strike/loss_curve.h) and the launches under the silo's capacity.

#include <cstdint>

#include "app/panels/panel_context.h"
#include "app/panels/strike_panel.h"
#include "strike/loss_curve.h"

namespace quorvel {

class CurvePanel {
public:
    CurvePanel(PanelContext& context, const StrikePanel& strike) : m_context(context), m_strike(strike) {}

    // After the strike panel's Simulate: the verdict cells and the silo note.
    void OnSimulate();
    // The curve of the inputs as read; a window showing it redraws when CurveNumber changes.
    void OnCurve();
    // The required-missiles job in launches of the silo level's size.
    void OnPlanLaunches();
    void ResetCells();

    const LossCurve& Curve() const { return m_curve; }
    std::uint64_t CurveNumber() const { return m_curveNumber; }
    const LaunchPlan& Launches() const { return m_launches; }

private:
    // The silo level field: empty, 0, negative or unreadable is no limit.
    std::int32_t SiloLevel() const;

    PanelContext& m_context;
    const StrikePanel& m_strike;
    LossCurve m_curve;
    std::uint64_t m_curveNumber = 0;
    LaunchPlan m_launches;
};

}  // namespace quorvel
