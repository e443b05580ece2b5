#pragma once

// The inside of CSimulatorDlg: the context every panel shares, the panels, and the handlers that
// span them. Only simulator_dialog.cpp and the tests' look at the panels' state include it; the
// faces see the CSimulatorDlg of simulator_dialog.h alone.

#include <optional>
#include <string>
#include <string_view>

#include "app/panels/code_panel.h"
#include "app/panels/curve_panel.h"
#include "app/panels/language_panel.h"
#include "app/panels/panel_context.h"
#include "app/panels/plan_panel.h"
#include "app/panels/report_panel.h"
#include "app/panels/strike_panel.h"
#include "app/panels/target_panel.h"
#include "app/panels/travel_panel.h"
#include "app/panels/work_panel.h"
#include "app/simulator_dialog.h"

namespace quorvel {

struct CSimulatorDlg::Panels {
    Panels(MainForm& form, ProgramFolders folders) : context{form, std::move(folders), {}, 0, {}, "en", {}} {}

    // What the frame reads before a handler: every field, or none (the handler tells a past
    // strike, not the current inputs), or the frame is not run at all.
    enum class Frame { ReadFields, KeepValues, None };
    using Handler = void (*)(Panels&, const ActionInput&);
    void Run(Action action, const ActionInput& input);
    void RunInFrame(Frame frame, Handler handler, const ActionInput& input);
    // The fields into the inputs; false, after a message and the focus on it, at the first field
    // that holds no integer.
    bool ReadFields();
    void OnResetAll();
    // A language applied: the first empties the form; a later one keeps the work and redraws what
    // the cells say in the new words (before: the texts of the language it replaced).
    void OnLanguageApplied(const LanguageTexts& before, bool first);
    void OnExit();
    // The rule for the range, the flight time and the target list, kept in the player's folder; a
    // range on screen is worked out again under it.
    void OnRangeRule(RangeRule rule);
    // The code a text holds loaded as one step: a strike fills the form and is simulated, a plan
    // replaces or extends the plan as the player chooses, a target list goes into the list.
    void OnLoadCode(std::string_view text);
    // A text (else the report field's) into the target list, or its code loaded.
    void OnListTargets(const std::optional<std::string>& text);
    // After every action: each panel follows what changed.
    void Follow();

    PanelContext context;
    StrikePanel strike{context};
    TravelPanel travel{context};
    ReportPanel report{context, strike};
    PlanPanel plan{context, strike};
    LanguagePanel language{context, strike, [this](const LanguageTexts& before, bool first) {
                               OnLanguageApplied(before, first);
                           }};
    CurvePanel curve{context, strike};
    TargetPanel targets{context, report, travel};
    WorkPanel work{context, strike, plan, language, curve};
    CodePanel codes{context, strike, curve, plan, targets};
};

}  // namespace quorvel
