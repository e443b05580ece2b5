#pragma once

// The texts screen readers and tooltips give each control, as lines of the language file: the
// accessible name and the tooltip of every input and of the buttons whose caption says too little.

#include <array>

#include "app/control_id.h"
#include "i18n/language_lines.h"

namespace quorvel {

// What a screen reader calls a control and what its tooltip says, by line. A name line of 0 leaves
// the name to the control's own caption; a tooltip line of 0 uses the name as the tooltip.
// kLineDefenceCountTip is a pattern: its "%1" becomes the name. The '<-x' button's tooltip has its
// own start-up rule and is not set from here.
inline constexpr int kToolTipSetElsewhere = -1;
struct LineAccessText {
    ControlId control;
    int nameLine;
    int toolTipLine;
};

inline constexpr std::array<LineAccessText, 38> kLineAccessTexts = {{
    {ControlId::RocketLauncherInput, kLineFirstDefenceLabel + 0, kLineDefenceCountTip},
    {ControlId::LightLaserInput, kLineFirstDefenceLabel + 1, kLineDefenceCountTip},
    {ControlId::HeavyLaserInput, kLineFirstDefenceLabel + 2, kLineDefenceCountTip},
    {ControlId::GaussCannonInput, kLineFirstDefenceLabel + 3, kLineDefenceCountTip},
    {ControlId::IonCannonInput, kLineFirstDefenceLabel + 4, kLineDefenceCountTip},
    {ControlId::PlasmaTurretInput, kLineFirstDefenceLabel + 5, kLineDefenceCountTip},
    {ControlId::SmallShieldDomeInput, kLineFirstDefenceLabel + 6, kLineDefenceCountTip},
    {ControlId::LargeShieldDomeInput, kLineFirstDefenceLabel + 7, kLineDefenceCountTip},
    {ControlId::AbmInput, kLineAbmLabel, kLineDefenceCountTip},
    {ControlId::ArmourInput, kLineArmourLabel, kLineArmourTip},
    {ControlId::MissileInput, kLineMissileLabel, kLineMissileTip},
    {ControlId::WeaponsInput, kLineWeaponsLabel, kLineWeaponsTip},
    {ControlId::ImpulseDriveInput, kLineImpulseDriveLabel, kLineImpulseDriveTip},
    {ControlId::StartGalaxyInput, kLineFirstCoordinateName + 0, 0},
    {ControlId::StartSystemInput, kLineFirstCoordinateName + 1, 0},
    {ControlId::StartPlanetInput, kLineFirstCoordinateName + 2, 0},
    {ControlId::TargetGalaxyInput, kLineFirstCoordinateName + 3, 0},
    {ControlId::TargetSystemInput, kLineFirstCoordinateName + 4, 0},
    {ControlId::TargetPlanetInput, kLineFirstCoordinateName + 5, 0},
    {ControlId::ReportText, kLineReportName, kLineReportTip},
    {ControlId::PrimaryTargetList, kLinePrimaryTargetLabel, kLinePrimaryTargetTip},
    {ControlId::RequiredTargetList, kLineRequiredTargetName, 0},
    {ControlId::BookList, kLineBookListName, 0},
    {ControlId::BookSaveButton, kLineBookSaveName, 0},
    {ControlId::BookDeleteButton, kLineBookDeleteName, 0},
    {ControlId::ClearReportButton, kLineClearReportName, 0},
    {ControlId::ApplyResultButton, kLineApplyResultTip, kToolTipSetElsewhere},
    {ControlId::SimulateButton, 0, kLineSimulateTip},
    {ControlId::RequiredMissilesButton, 0, kLineRequiredMissilesTip},
    {ControlId::ResetAllButton, 0, kLineResetAllTip},
    {ControlId::ExitButton, 0, kLineExitTip},
    {ControlId::LanguageButton, 0, kLineLanguageTip},
    {ControlId::RememberAttackButton, 0, kLineRememberAttackTip},
    {ControlId::SavePlanButton, 0, kLineSavePlanTip},
    {ControlId::ReadReportButton, 0, kLineReadReportTip},
    {ControlId::FlightTimeButton, 0, kLineFlightTimeTip},
    {ControlId::RangeButton, 0, kLineRangeTip},
    {ControlId::CopyButton, 0, kLineCopyTip},
}};

}  // namespace quorvel
