#include "app/button_handlers.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/simulator_dialog.h"

namespace quorvel {
namespace {

using Handler = void (CSimulatorDlg::*)();
using C = ControlId;

constexpr std::array<std::pair<ControlId, Handler>, 15> kButtonHandlers = {{
    {C::SimulateButton, &CSimulatorDlg::OnSimulate},
    {C::RequiredMissilesButton, &CSimulatorDlg::OnRequiredMissiles},
    {C::ResetAllButton, &CSimulatorDlg::OnResetAll},
    {C::ExitButton, &CSimulatorDlg::OnExit},
    {C::ApplyResultButton, &CSimulatorDlg::OnApplyResult},
    {C::FlightTimeButton, &CSimulatorDlg::OnCalcFlightTime},
    {C::RangeButton, &CSimulatorDlg::OnCalcRange},
    {C::BookSaveButton, &CSimulatorDlg::OnBookSave},
    {C::BookDeleteButton, &CSimulatorDlg::OnBookDelete},
    {C::ReadReportButton, &CSimulatorDlg::OnReadReport},
    {C::ClearReportButton, &CSimulatorDlg::OnClearReport},
    {C::RememberAttackButton, &CSimulatorDlg::OnRememberAttack},
    {C::SavePlanButton, &CSimulatorDlg::OnSavePlan},
    {C::LanguageButton, &CSimulatorDlg::OnChooseLanguage},
    {C::CopyButton, &CSimulatorDlg::OnCopyButton},
}};

constexpr std::array<std::pair<ControlId, Handler>, 3> kSelectionHandlers = {{
    {C::PrimaryTargetList, &CSimulatorDlg::OnPrimaryTargetChanged},
    {C::RequiredTargetList, &CSimulatorDlg::OnNeededTargetChanged},
    {C::BookList, &CSimulatorDlg::OnBookSelChange},
}};

template <std::size_t N>
bool Dispatch(const std::array<std::pair<ControlId, Handler>, N>& table, CSimulatorDlg& dlg, ControlId id) {
    const auto it =
        std::find_if(table.begin(), table.end(), [id](const auto& entry) { return entry.first == id; });
    if (it == table.end()) return false;
    (dlg.*(it->second))();
    return true;
}

}  // namespace

bool PressButton(CSimulatorDlg& dlg, ControlId id) { return Dispatch(kButtonHandlers, dlg, id); }

bool SelectionChanged(CSimulatorDlg& dlg, ControlId id) { return Dispatch(kSelectionHandlers, dlg, id); }

void PressKey(CSimulatorDlg& dlg, Key key) {
    switch (key) {
        case Key::Enter:
            dlg.OnSimulate();
            break;
        case Key::Escape:
            dlg.OnResetAll();
            break;
        case Key::CopyStrike:
            dlg.OnCopyStrike(ShareFormat::Text);
            break;
        case Key::PasteReport:
            dlg.OnPasteReport();
            break;
    }
}

}  // namespace quorvel
