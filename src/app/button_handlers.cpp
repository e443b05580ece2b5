#include "app/button_handlers.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/simulator_dialog.h"

namespace quorvel {
namespace {

using C = ControlId;

constexpr std::array<std::pair<ControlId, Action>, 17> kButtonActions = {{
    {C::SimulateButton, Action::Simulate},
    {C::RequiredMissilesButton, Action::RequiredMissiles},
    {C::ResetAllButton, Action::ResetAll},
    {C::ExitButton, Action::Exit},
    {C::ApplyResultButton, Action::ApplyResult},
    {C::FlightTimeButton, Action::FlightTime},
    {C::RangeButton, Action::Range},
    {C::BookSaveButton, Action::BookSave},
    {C::BookDeleteButton, Action::BookDelete},
    {C::ReadReportButton, Action::ReadReport},
    {C::ClearReportButton, Action::ClearReport},
    {C::RememberAttackButton, Action::RememberAttack},
    {C::SavePlanButton, Action::SavePlan},
    {C::LanguageButton, Action::ChooseLanguage},
    {C::LaunchesButton, Action::PlanLaunches},
    {C::CurveButton, Action::ShowCurve},
    {C::RememberLaunchesButton, Action::RememberLaunches},
}};

constexpr std::array<std::pair<ControlId, Action>, 4> kSelectionActions = {{
    {C::PrimaryTargetList, Action::PrimaryTargetChanged},
    {C::RequiredTargetList, Action::NeededTargetChanged},
    {C::BookList, Action::BookSelectionChanged},
    {C::RangeRuleList, Action::RangeRuleChanged},
}};

// Every key with its action.
constexpr std::array<std::pair<Key, Action>, 9> kKeyActions = {{
    {Key::Enter, Action::Simulate},
    {Key::Escape, Action::ResetAll},
    {Key::CopyStrike, Action::CopyStrike},  // number 0: as plain text
    {Key::PasteReport, Action::PasteReport},
    {Key::Undo, Action::Undo},
    {Key::Redo, Action::Redo},
    {Key::About, Action::ShowAbout},
    {Key::Curve, Action::ShowCurve},
    {Key::TargetList, Action::ListTargets},
}};
static_assert(kKeyActions.size() == static_cast<std::size_t>(Key::TargetList) + 1,
              "every key has its action");

template <typename Id, std::size_t N>
bool Dispatch(const std::array<std::pair<Id, Action>, N>& table, CSimulatorDlg& dlg, Id id) {
    const auto it =
        std::find_if(table.begin(), table.end(), [id](const auto& entry) { return entry.first == id; });
    if (it == table.end()) return false;
    dlg.Run(it->second);
    return true;
}

}  // namespace

bool PressButton(CSimulatorDlg& dlg, ControlId id) {
    // The Copy button copies the shown strike as plain text, as the copy key does.
    if (id == C::CopyButton) {
        PressKey(dlg, Key::CopyStrike);
        return true;
    }
    return Dispatch(kButtonActions, dlg, id);
}

bool SelectionChanged(CSimulatorDlg& dlg, ControlId id) { return Dispatch(kSelectionActions, dlg, id); }

void PressKey(CSimulatorDlg& dlg, Key key) { Dispatch(kKeyActions, dlg, key); }

}  // namespace quorvel
