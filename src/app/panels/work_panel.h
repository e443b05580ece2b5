#pragma once

// The work panel: undo and redo of whole-form steps, "New plan", and the session the window keeps
// between runs. A step (an action that changes the work as a whole) is taken as a WorkState before
// and after it; a step that changed nothing leaves no trace. Snapshots share their unchanged texts,
// and the history is bounded both in steps and in bytes, so that a long page of reports in the
// report field costs its size once, not once per step.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>

#include "app/form_contents.h"
#include "app/panels/curve_panel.h"
#include "app/panels/language_panel.h"
#include "app/panels/panel_context.h"
#include "app/panels/plan_panel.h"
#include "app/panels/strike_panel.h"
#include "app/views.h"

namespace quorvel {

// Everything a step may change and undo puts back: the form's contents, the inputs as last read
// with the last strike, the launches planned for it, the attack plan and the language in force.
// Compared whole.
struct WorkState {
    FormContents form;
    SessionStrike strike;   // the inputs as last read (the report text apart) and the last strike
    SharedText readReport;  // the report text as last read
    std::optional<LaunchRequest> launches;
    AttackPlan plan;
    std::filesystem::path language;

    bool operator==(const WorkState&) const = default;
};

class WorkPanel {
public:
    WorkPanel(PanelContext& context, StrikePanel& strike, PlanPanel& plan, LanguagePanel& language,
              CurvePanel& curve)
        : m_context(context), m_strike(strike), m_plan(plan), m_language(language), m_curve(curve) {}

    // A step starts and ends around an action; a step run inside another is part of it. A step that
    // takes the typing (reading the report field) takes back with it, when undone, what was typed
    // or pasted into the report field since the last step.
    void StartStep(bool takesTyping = false);
    void EndStep();
    bool InStep() const { return m_depth > 0; }
    void OnUndo();
    void OnRedo();
    // An empty attack plan; undo brings the old one back.
    void OnNewPlan() { m_plan.OnNewPlan(); }

    // From now on the session file is rewritten after each step and at exit (the window and the
    // page; the batch keeps none, so that its scripts stay repeatable) when the work differs from
    // what this window last wrote or read: an unchanged session costs no write and no flush.
    void KeepSession() { m_keepSession = true; }
    // The inputs and results of the session file onto the form; a missing, damaged or foreign file
    // changes nothing.
    void RestoreSession();
    void SaveSession() const;
    // The form's work as it stands is the session from now on; nothing more is written at exit.
    void EndSession() { m_keepSession = false; }

    // After every action: the undo entries and the plan's size as they now are.
    void Follow();
    const WorkView& View() const { return m_view; }

    // Snapshots beyond either bound are forgotten, the oldest first; the last step stays undoable.
    static constexpr std::size_t kUndoSteps = 200;
    static constexpr std::size_t kUndoBytes = std::size_t{64} << 20;

private:
    // The last strike and the inputs as last read, the report text apart, and back.
    SessionStrike KeptStrike() const;
    void PutStrike(const SessionStrike& kept, std::string readReport);
    // The session file's text for the work on the form as it stands.
    std::string CurrentSessionText() const;
    WorkState Take() const;
    void Put(const WorkState& work);
    // Undo (from = m_undo, to = m_redo) or redo.
    void StepBack(std::deque<WorkState>& from, std::deque<WorkState>& to);
    // The history within kUndoSteps and kUndoBytes.
    void Bound();

    PanelContext& m_context;
    StrikePanel& m_strike;
    PlanPanel& m_plan;
    LanguagePanel& m_language;
    CurvePanel& m_curve;
    std::deque<WorkState> m_undo;  // the work before each step, the latest last
    std::deque<WorkState> m_redo;
    std::optional<WorkState> m_before;  // the work when the step under way started
    bool m_takesTyping = false;         // the step under way takes the report field's typing
    // The report field as the last step, undo or redo left it: what typing since then started from.
    std::optional<SharedText> m_settledReport;
    int m_depth = 0;
    std::uint64_t m_moves = 0;  // steps taken, undone and redone
    bool m_keepSession = false;
    // The session text this window last wrote, or the one its restored work gives.
    mutable std::string m_sessionOnDisk;
    WorkView m_view;
};

}  // namespace quorvel
