#pragma once

// The loss curve panel: how many missiles pay. After Simulate it writes the verdict beside the
// status line (missiles short of or beyond destroying everything, the ratio of both sides' losses),
// says when the typed missiles exceed what the silo launches at once, and works out the strike's
// whole loss curve (strike/loss_curve.h) with its marks, which it holds as a CurveView for the faces.
// On request it plans the launches under the silo's capacity.

#include <cstdint>
#include <string>

#include "app/panels/panel_context.h"
#include "app/panels/strike_panel.h"
#include "app/views.h"
#include "strike/loss_curve.h"

namespace quorvel {

class CurvePanel {
public:
    CurvePanel(PanelContext& context, const StrikePanel& strike) : m_context(context), m_strike(strike) {}

    // After the strike panel's Simulate: the verdict cells, the silo note and the strike's curve.
    void OnSimulate();
    // The curve of the inputs as read (the batch's `curve`).
    void OnCurve();
    // The required-missiles job in launches of the silo level's size.
    void OnPlanLaunches();
    // The curve of the strike the cells show, none when they show none: after undo, redo, a new
    // language or a session put back.
    void FollowStrike();
    void ResetCells();
    // The curve's table onto the clipboard as tab-separated grouped numbers, or as CSV.
    void OnCopyTable(bool csv) const;
    // An image of the chart the face rendered, written to path; an error box names the file and the
    // reason when it cannot be.
    void OnExportImage(const std::string& path, const std::string& image) const;

    const CurveView& View() const { return m_view; }
    const LaunchesView& LaunchesShown() const { return m_launchesView; }
    const LaunchPlan& Launches() const { return m_launches; }
    // The silo level field: empty, 0, negative or unreadable is no limit.
    std::int32_t SiloLevel() const;

private:
    void Show(const LossCurve& curve);

    PanelContext& m_context;
    const StrikePanel& m_strike;
    CurveView m_view;
    LaunchPlan m_launches;
    LaunchesView m_launchesView;
};

}  // namespace quorvel
