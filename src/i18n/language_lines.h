#pragma once

// The layout of a language file: one text per line, the line number alone says what it is for.
// Line numbers count from 1, as a player editing a file sees them.

#include <array>
#include <cstddef>
#include <string>

#include "app/control_id.h"

namespace quorvel {

inline constexpr int kLanguageLineCount = 119;
// A stored text keeps at most this many characters of its line.
inline constexpr std::size_t kMaxTextCharacters = 255;

// The texts of a language file; a line the file does not have is empty.
using LanguageLines = std::array<std::string, kLanguageLineCount>;

inline const std::string& LineText(const LanguageLines& lines, int lineNumber) {
    return lines[static_cast<std::size_t>(lineNumber - 1)];
}

inline constexpr int kLineFirstDefenceLabel = 1;  // lines 1-8, one per defence type in type order
inline constexpr int kLineAbmLabel = 9;
inline constexpr int kLineArmourLabel = 10;
inline constexpr int kLineTotalLabel = 11;
inline constexpr int kLineMissileLabel = 12;
inline constexpr int kLineWeaponsLabel = 13;
inline constexpr int kLinePrimaryTargetLabel = 14;
inline constexpr int kLineDefenderBox = 15;
inline constexpr int kLineAttackerBox = 16;
inline constexpr int kLineReadReportButton = 17;
inline constexpr int kLineRemainingHeading = 18;
inline constexpr int kLineDestroyedHeading = 19;
inline constexpr int kLineFirstTargetChoice = 20;  // lines 20-28, the primary-target list in order
inline constexpr int kLineDefenderLossBox = 29;
inline constexpr int kLineMetalHeading = 30;
inline constexpr int kLineCrystalHeading = 31;
inline constexpr int kLineDeuteriumHeading = 32;
inline constexpr int kLineAttackerLossBox = 33;
inline constexpr int kLineRequiredMissilesLead = 34;
inline constexpr int kLineRequiredMissilesButton = 35;
inline constexpr int kLineRequiredMissilesLabel = 36;
inline constexpr int kLineFlightTimeBox = 37;
inline constexpr int kLineStartPositionLabel = 38;
inline constexpr int kLineTargetPositionLabel = 39;
inline constexpr int kLineFlightTimeButton = 40;
inline constexpr int kLineRangeBox = 41;
inline constexpr int kLineImpulseDriveLabel = 42;
inline constexpr int kLineRangeButton = 43;
inline constexpr int kLineRangeLabel = 44;
inline constexpr int kLineSimulateButton = 45;
inline constexpr int kLineResetAllButton = 46;
inline constexpr int kLineExitButton = 47;
inline constexpr int kLineFlightTimeLabel = 48;
inline constexpr int kLineMsgAllInterceptedMany = 49;
inline constexpr int kLineMsgNoMissiles = 50;
inline constexpr int kLineMsgAllInterceptedOne = 51;
inline constexpr int kLineMsgNoDefence = 52;
inline constexpr int kLineMsgMissilesHit = 53;
inline constexpr int kLineMsgNothingToDestroy = 54;
inline constexpr int kLineFlightUnitFirst = 55;
inline constexpr int kLineFlightUnitSecond = 56;
inline constexpr int kLineMsgOutOfRange = 57;
inline constexpr int kLineRangeUnit = 58;
inline constexpr int kLineMsgOtherGalaxy = 59;
inline constexpr int kLineLanguageButton = 60;
inline constexpr int kLineDialogTitle = 61;  // lines 61-65 belong to the language dialog alone
inline constexpr int kLineDialogAccept = 62;
inline constexpr int kLineDialogCancel = 63;
inline constexpr int kLineDialogFirstHeading = 64;
inline constexpr int kLineDialogSecondHeading = 65;
inline constexpr int kLineRequiredMissilesTail = 66;
inline constexpr int kLineAllTypesChoice = 67;
inline constexpr int kLineApplyResultTip = 68;  // tooltip of the '<-x' button
inline constexpr int kLineRememberAttackButton = 69;
inline constexpr int kLineSavePlanButton = 70;
inline constexpr int kLinePlanHeading = 71;
inline constexpr int kLinePlanMissilesCaption = 72;
// Lines 73-119: sharing results, keyboard and screen-reader texts. A file without them gets the
// English file's lines.
inline constexpr int kLineCopyButton = 73;
inline constexpr int kLineMenuCopyStrikeText = 74;  // lines 74-76: strike as text, BBCode, Markdown
inline constexpr int kLineMenuCopyPlanText = 77;    // lines 77-79: plan as text, BBCode, Markdown
inline constexpr int kLineMenuPasteReport = 80;
inline constexpr int kLineShareHeading = 81;
inline constexpr int kLineShareBefore = 82;
inline constexpr int kLineShareMissilesFired = 83;
inline constexpr int kLineShareIntercepted = 84;
inline constexpr int kLineShareMissilesLeft = 85;
inline constexpr int kLineLostMoreMark = 86;
inline constexpr int kLineLostLessMark = 87;
inline constexpr int kLineMsgNoStrikeToCopy = 88;
inline constexpr int kLineMsgNoPlanToCopy = 89;
inline constexpr int kLineFirstCoordinateName = 90;  // lines 90-95: start galaxy ... target planet
inline constexpr int kLineBookSaveName = 96;
inline constexpr int kLineBookDeleteName = 97;
inline constexpr int kLineClearReportName = 98;
inline constexpr int kLineReportName = 99;
inline constexpr int kLineBookListName = 100;
inline constexpr int kLineRequiredTargetName = 101;
inline constexpr int kLineDefenceCountTip = 102;  // "%1" stands for the defence's name
inline constexpr int kLineArmourTip = 103;
inline constexpr int kLineMissileTip = 104;
inline constexpr int kLineWeaponsTip = 105;
inline constexpr int kLineImpulseDriveTip = 106;
inline constexpr int kLineReportTip = 107;
inline constexpr int kLinePrimaryTargetTip = 108;
inline constexpr int kLineSimulateTip = 109;
inline constexpr int kLineRequiredMissilesTip = 110;
inline constexpr int kLineResetAllTip = 111;
inline constexpr int kLineExitTip = 112;
inline constexpr int kLineLanguageTip = 113;
inline constexpr int kLineRememberAttackTip = 114;
inline constexpr int kLineSavePlanTip = 115;
inline constexpr int kLineReadReportTip = 116;
inline constexpr int kLineFlightTimeTip = 117;
inline constexpr int kLineRangeTip = 118;
inline constexpr int kLineCopyTip = 119;
inline constexpr int kLineFirstFallbackLine = kLineCopyButton;

// Lines that become the caption of a main-window control, in line order.
struct LineCaption {
    int line;
    ControlId control;
};

inline constexpr std::array<LineCaption, 44> kLineCaptions = {{
    {kLineFirstDefenceLabel + 0, ControlId::RocketLauncherLabel},
    {kLineFirstDefenceLabel + 1, ControlId::LightLaserLabel},
    {kLineFirstDefenceLabel + 2, ControlId::HeavyLaserLabel},
    {kLineFirstDefenceLabel + 3, ControlId::GaussCannonLabel},
    {kLineFirstDefenceLabel + 4, ControlId::IonCannonLabel},
    {kLineFirstDefenceLabel + 5, ControlId::PlasmaTurretLabel},
    {kLineFirstDefenceLabel + 6, ControlId::SmallShieldDomeLabel},
    {kLineFirstDefenceLabel + 7, ControlId::LargeShieldDomeLabel},
    {kLineAbmLabel, ControlId::AbmLabel},
    {kLineArmourLabel, ControlId::ArmourLabel},
    {kLineTotalLabel, ControlId::TotalLabel},
    {kLineMissileLabel, ControlId::MissileLabel},
    {kLineWeaponsLabel, ControlId::WeaponsLabel},
    {kLinePrimaryTargetLabel, ControlId::PrimaryTargetLabel},
    {kLineDefenderBox, ControlId::DefenderBox},
    {kLineAttackerBox, ControlId::AttackerBox},
    {kLineReadReportButton, ControlId::ReadReportButton},
    {kLineRemainingHeading, ControlId::RemainingHeading},
    {kLineDestroyedHeading, ControlId::DestroyedHeading},
    {kLineDefenderLossBox, ControlId::DefenderLossBox},
    {kLineMetalHeading, ControlId::MetalHeading},
    {kLineCrystalHeading, ControlId::CrystalHeading},
    {kLineDeuteriumHeading, ControlId::DeuteriumHeading},
    {kLineAttackerLossBox, ControlId::AttackerLossBox},
    {kLineRequiredMissilesLead, ControlId::RequiredMissilesLead},
    {kLineRequiredMissilesButton, ControlId::RequiredMissilesButton},
    {kLineRequiredMissilesLabel, ControlId::RequiredMissilesLabel},
    {kLineFlightTimeBox, ControlId::FlightTimeBox},
    {kLineStartPositionLabel, ControlId::StartPositionLabel},
    {kLineTargetPositionLabel, ControlId::TargetPositionLabel},
    {kLineFlightTimeButton, ControlId::FlightTimeButton},
    {kLineRangeBox, ControlId::RangeBox},
    {kLineImpulseDriveLabel, ControlId::ImpulseDriveLabel},
    {kLineRangeButton, ControlId::RangeButton},
    {kLineRangeLabel, ControlId::RangeLabel},
    {kLineSimulateButton, ControlId::SimulateButton},
    {kLineResetAllButton, ControlId::ResetAllButton},
    {kLineExitButton, ControlId::ExitButton},
    {kLineFlightTimeLabel, ControlId::FlightTimeLabel},
    {kLineLanguageButton, ControlId::LanguageButton},
    {kLineRequiredMissilesTail, ControlId::RequiredMissilesTail},
    {kLineRememberAttackButton, ControlId::RememberAttackButton},
    {kLineSavePlanButton, ControlId::SavePlanButton},
    {kLineCopyButton, ControlId::CopyButton},
}};

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
