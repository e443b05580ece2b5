#pragma once

// The loss curve panel: how many missiles pay. After Simulate it writes the verdict beside the
// status line (missiles short of or beyond destroying everything, the ratio of both sides' losses),
// says when the typed missiles exceed what the silo launches at once, works out the strike's whole
// loss curve (strike/loss_curve.h) with its marks, which it holds as a CurveView for the faces, and
// plans the launches under the silo's capacity. Every line it writes describes the strike the cells
// show: a strike no longer shown takes its lines with it.

#include <cstdint>
#include <optional>
#include <string>

#include "app/panels/panel_context.h"
#include "app/panels/strike_panel.h"
#include "app/views.h"
#include "strike/loss_curve.h"

namespace quorvel {

// What the launch lines were planned for: the strike, the required-missiles choice and the silo
// level (0: no limit).
struct LaunchRequest {
    StrikeInput in;
    std::int32_t neededTarget = 0;
    std::int32_t siloLevel = 0;

    bool operator==(const LaunchRequest&) const = default;
};

class CurvePanel {
public:
    CurvePanel(PanelContext& context, const StrikePanel& strike) : m_context(context), m_strike(strike) {}

    // After the strike panel's Simulate: the verdict cells, the silo note, the strike's curve and,
    // with a silo level typed or when planLaunches asks, the launch lines; else they go.
    void OnSimulate(bool planLaunches = false);
    // The curve of the inputs as read (the batch's `curve`).
    void OnCurve();
    // The curve of the strike the cells show, none when they show none: after undo, redo, a new
    // language or a session put back. A strike no longer shown takes the verdict and the launch
    // lines with it.
    void FollowStrike();
    // A new language: the verdict and the launch lines in its words.
    void Redraw();
    // After every action: the curve's words follow a new language.
    void FollowLanguage();
    void ResetCells();
    // The curve's table onto the clipboard as tab-separated grouped numbers, or as CSV.
    void OnCopyTable(bool csv) const;
    // An image of the chart the face rendered, written to path; an error box names the file and the
    // reason when it cannot be.
    void OnExportImage(const std::string& path, const std::string& image) const;

    // Undo: the launches planned as before a step (the cells come back with the form).
    const std::optional<LaunchRequest>& LaunchesPlanned() const { return m_request; }
    void RestoreLaunches(const std::optional<LaunchRequest>& request);
    // A session put back: the launch lines it shows are planned anew for its strike.
    void ResumeLaunches();

    const CurveView& View() const { return m_view; }
    const LaunchesView& LaunchesShown() const { return m_launchesView; }
    const LaunchPlan& Launches() const { return m_launches; }
    // The silo level field: empty, 0, negative or unreadable is no limit.
    std::int32_t SiloLevel() const;

private:
    void Show(const LossCurve& curve);
    // The verdict cells and the silo note of the strike shown.
    void WriteVerdict();
    // The launches of the request (none without one), into the plan and its view.
    void Plan(const std::optional<LaunchRequest>& request);
    void WriteLaunchLines();

    PanelContext& m_context;
    const StrikePanel& m_strike;
    CurveView m_view;
    std::string m_wordsLocale;  // the language the view's words are in
    std::optional<LaunchRequest> m_request;
    LaunchPlan m_launches;
    LaunchesView m_launchesView;
};

}  // namespace quorvel
