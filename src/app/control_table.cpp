#include "app/control_table.h"

#include <algorithm>

#include "i18n/language_lines.h"

namespace quorvel {
namespace {

using C = ControlId;
using K = ControlKind;

// Default captions are the German template's; the language file replaces those of labels, group
// boxes and buttons. Cells that are never written show "-" from the start.
constexpr ControlRow kControls[] = {
    // Group boxes; their row and column place them in the window's own grid.
    {C::DefenderBox, K::GroupBox, "Verteidiger", kWindowGrid, 0, 0, 1, kLineDefenderBox},
    {C::DefenderLossBox, K::GroupBox, "Verluste Verteidiger", kWindowGrid, 0, 1, 1, kLineDefenderLossBox},
    {C::AttackerBox, K::GroupBox, "Angreifer", kWindowGrid, 1, 0, 1, kLineAttackerBox},
    {C::AttackerLossBox, K::GroupBox, "Verluste Angreifer", kWindowGrid, 1, 1, 1, kLineAttackerLossBox},
    {C::FlightTimeBox, K::GroupBox, "Flugzeit der IRaks", kWindowGrid, 0, 2, 1, kLineFlightTimeBox},
    {C::RangeBox, K::GroupBox, "Reichweite der IRaks", kWindowGrid, 1, 2, 1, kLineRangeBox},

    // Defender box: label, input, remaining, destroyed.
    {C::RemainingHeading, K::Label, "Verbleibend", C::DefenderBox, 0, 2, 1, kLineRemainingHeading},
    {C::DestroyedHeading, K::Label, "Zerstört", C::DefenderBox, 0, 3, 1, kLineDestroyedHeading},
    {C::RocketLauncherLabel, K::Label, "Raketenwerfer", C::DefenderBox, 1, 0, 1, kLineFirstDefenceLabel + 0},
    {C::RocketLauncherInput, K::NumericEdit, "", C::DefenderBox, 1, 1, 1, 0, kLineFirstDefenceLabel + 0,
     kLineDefenceCountTip},
    {C::RocketLauncherRemaining, K::Cell, "", C::DefenderBox, 1, 2},
    {C::RocketLauncherDestroyed, K::Cell, "", C::DefenderBox, 1, 3},
    {C::LightLaserLabel, K::Label, "Leichtes Lasergeschütz", C::DefenderBox, 2, 0, 1, kLineFirstDefenceLabel + 1},
    {C::LightLaserInput, K::NumericEdit, "", C::DefenderBox, 2, 1, 1, 0, kLineFirstDefenceLabel + 1,
     kLineDefenceCountTip},
    {C::LightLaserRemaining, K::Cell, "", C::DefenderBox, 2, 2},
    {C::LightLaserDestroyed, K::Cell, "", C::DefenderBox, 2, 3},
    {C::HeavyLaserLabel, K::Label, "Schweres Lasergeschütz", C::DefenderBox, 3, 0, 1, kLineFirstDefenceLabel + 2},
    {C::HeavyLaserInput, K::NumericEdit, "", C::DefenderBox, 3, 1, 1, 0, kLineFirstDefenceLabel + 2,
     kLineDefenceCountTip},
    {C::HeavyLaserRemaining, K::Cell, "", C::DefenderBox, 3, 2},
    {C::HeavyLaserDestroyed, K::Cell, "", C::DefenderBox, 3, 3},
    {C::GaussCannonLabel, K::Label, "Gaußkanone", C::DefenderBox, 4, 0, 1, kLineFirstDefenceLabel + 3},
    {C::GaussCannonInput, K::NumericEdit, "", C::DefenderBox, 4, 1, 1, 0, kLineFirstDefenceLabel + 3,
     kLineDefenceCountTip},
    {C::GaussCannonRemaining, K::Cell, "", C::DefenderBox, 4, 2},
    {C::GaussCannonDestroyed, K::Cell, "", C::DefenderBox, 4, 3},
    {C::IonCannonLabel, K::Label, "Ionengeschütz", C::DefenderBox, 5, 0, 1, kLineFirstDefenceLabel + 4},
    {C::IonCannonInput, K::NumericEdit, "", C::DefenderBox, 5, 1, 1, 0, kLineFirstDefenceLabel + 4,
     kLineDefenceCountTip},
    {C::IonCannonRemaining, K::Cell, "", C::DefenderBox, 5, 2},
    {C::IonCannonDestroyed, K::Cell, "", C::DefenderBox, 5, 3},
    {C::PlasmaTurretLabel, K::Label, "Plasmawerfer", C::DefenderBox, 6, 0, 1, kLineFirstDefenceLabel + 5},
    {C::PlasmaTurretInput, K::NumericEdit, "", C::DefenderBox, 6, 1, 1, 0, kLineFirstDefenceLabel + 5,
     kLineDefenceCountTip},
    {C::PlasmaTurretRemaining, K::Cell, "", C::DefenderBox, 6, 2},
    {C::PlasmaTurretDestroyed, K::Cell, "", C::DefenderBox, 6, 3},
    {C::SmallShieldDomeLabel, K::Label, "Kleine Schildkuppel", C::DefenderBox, 7, 0, 1, kLineFirstDefenceLabel + 6},
    {C::SmallShieldDomeInput, K::NumericEdit, "", C::DefenderBox, 7, 1, 1, 0, kLineFirstDefenceLabel + 6,
     kLineDefenceCountTip},
    {C::SmallShieldDomeRemaining, K::Cell, "", C::DefenderBox, 7, 2},
    {C::SmallShieldDomeDestroyed, K::Cell, "", C::DefenderBox, 7, 3},
    {C::LargeShieldDomeLabel, K::Label, "Große Schildkuppel", C::DefenderBox, 8, 0, 1, kLineFirstDefenceLabel + 7},
    {C::LargeShieldDomeInput, K::NumericEdit, "", C::DefenderBox, 8, 1, 1, 0, kLineFirstDefenceLabel + 7,
     kLineDefenceCountTip},
    {C::LargeShieldDomeRemaining, K::Cell, "", C::DefenderBox, 8, 2},
    {C::LargeShieldDomeDestroyed, K::Cell, "", C::DefenderBox, 8, 3},
    {C::AbmLabel, K::Label, "Abfangraketen", C::DefenderBox, 9, 0, 1, kLineAbmLabel},
    {C::AbmInput, K::NumericEdit, "", C::DefenderBox, 9, 1, 1, 0, kLineAbmLabel, kLineAbmTip},
    {C::ArmourLabel, K::Label, "Raumschiffpanzerung", C::DefenderBox, 10, 0, 1, kLineArmourLabel},
    {C::ArmourInput, K::NumericEdit, "", C::DefenderBox, 10, 1, 1, 0, kLineArmourLabel, kLineArmourTip},
    {C::TotalLabel, K::Label, "Gesamt", C::DefenderBox, 11, 0, 1, kLineTotalLabel},
    {C::ApplyResultButton, K::Button, "<-x", C::DefenderBox, 11, 1, 1, 0, kLineApplyResultTip,
     kToolTipSetElsewhere},
    {C::RemainingTotal, K::Cell, "", C::DefenderBox, 11, 2},
    {C::DestroyedTotal, K::Cell, "", C::DefenderBox, 11, 3},

    // Defender-loss box: metal, crystal, deuterium, rows lined up with the defender box.
    {C::MetalHeading, K::Label, "Metall", C::DefenderLossBox, 0, 0, 1, kLineMetalHeading},
    {C::CrystalHeading, K::Label, "Kristall", C::DefenderLossBox, 0, 1, 1, kLineCrystalHeading},
    {C::DeuteriumHeading, K::Label, "Deuterium", C::DefenderLossBox, 0, 2, 1, kLineDeuteriumHeading},
    {C::RocketLauncherMetal, K::Cell, "", C::DefenderLossBox, 1, 0},
    {C::RocketLauncherCrystal, K::Cell, kNoLossCell, C::DefenderLossBox, 1, 1},
    {C::RocketLauncherDeuterium, K::Cell, kNoLossCell, C::DefenderLossBox, 1, 2},
    {C::LightLaserMetal, K::Cell, "", C::DefenderLossBox, 2, 0},
    {C::LightLaserCrystal, K::Cell, "", C::DefenderLossBox, 2, 1},
    {C::LightLaserDeuterium, K::Cell, kNoLossCell, C::DefenderLossBox, 2, 2},
    {C::HeavyLaserMetal, K::Cell, "", C::DefenderLossBox, 3, 0},
    {C::HeavyLaserCrystal, K::Cell, "", C::DefenderLossBox, 3, 1},
    {C::HeavyLaserDeuterium, K::Cell, kNoLossCell, C::DefenderLossBox, 3, 2},
    {C::GaussCannonMetal, K::Cell, "", C::DefenderLossBox, 4, 0},
    {C::GaussCannonCrystal, K::Cell, "", C::DefenderLossBox, 4, 1},
    {C::GaussCannonDeuterium, K::Cell, "", C::DefenderLossBox, 4, 2},
    {C::IonCannonMetal, K::Cell, "", C::DefenderLossBox, 5, 0},
    {C::IonCannonCrystal, K::Cell, "", C::DefenderLossBox, 5, 1},
    {C::IonCannonDeuterium, K::Cell, kNoLossCell, C::DefenderLossBox, 5, 2},
    {C::PlasmaTurretMetal, K::Cell, "", C::DefenderLossBox, 6, 0},
    {C::PlasmaTurretCrystal, K::Cell, "", C::DefenderLossBox, 6, 1},
    {C::PlasmaTurretDeuterium, K::Cell, "", C::DefenderLossBox, 6, 2},
    {C::SmallShieldDomeMetal, K::Cell, "", C::DefenderLossBox, 7, 0},
    {C::SmallShieldDomeCrystal, K::Cell, "", C::DefenderLossBox, 7, 1},
    {C::SmallShieldDomeDeuterium, K::Cell, kNoLossCell, C::DefenderLossBox, 7, 2},
    {C::LargeShieldDomeMetal, K::Cell, "", C::DefenderLossBox, 8, 0},
    {C::LargeShieldDomeCrystal, K::Cell, "", C::DefenderLossBox, 8, 1},
    {C::LargeShieldDomeDeuterium, K::Cell, kNoLossCell, C::DefenderLossBox, 8, 2},
    {C::AbmMetal, K::Cell, "", C::DefenderLossBox, 9, 0},
    {C::AbmCrystal, K::Cell, kNoLossCell, C::DefenderLossBox, 9, 1},
    {C::AbmDeuterium, K::Cell, "", C::DefenderLossBox, 9, 2},
    {C::DefenderMetalTotal, K::Cell, "", C::DefenderLossBox, 11, 0},
    {C::DefenderCrystalTotal, K::Cell, "", C::DefenderLossBox, 11, 1},
    {C::DefenderDeuteriumTotal, K::Cell, "", C::DefenderLossBox, 11, 2},
    {C::DefenderMetalBalance, K::Cell, "", C::DefenderLossBox, 12, 0},
    {C::DefenderCrystalBalance, K::Cell, "", C::DefenderLossBox, 12, 1},
    {C::DefenderDeuteriumBalance, K::Cell, "", C::DefenderLossBox, 12, 2},

    // Attacker box: the headings of the missiles left and fired, then label, input, missiles left,
    // missiles fired.
    {C::MissilesLeftHeading, K::Label, "Übrig", C::AttackerBox, 0, 2, 1, kLineMissilesLeftHeading, 0,
     kLineMissilesLeftTip},
    {C::MissilesFiredHeading, K::Label, "Abgefeuert", C::AttackerBox, 0, 3, 1, kLineMissilesFiredHeading, 0,
     kLineMissilesFiredTip},
    {C::MissileLabel, K::Label, "Anzahl der Interplanetarraketen", C::AttackerBox, 1, 0, 1, kLineMissileLabel},
    {C::MissileInput, K::NumericEdit, "", C::AttackerBox, 1, 1, 1, 0, kLineMissileLabel, kLineMissileTip},
    {C::MissilesLeft, K::Cell, "", C::AttackerBox, 1, 2, 1, 0, kLineMissilesLeftHeading, kLineMissilesLeftTip},
    {C::MissilesFired, K::Cell, "", C::AttackerBox, 1, 3, 1, 0, kLineMissilesFiredHeading, kLineMissilesFiredTip},
    {C::WeaponsLabel, K::Label, "Waffentechnik", C::AttackerBox, 2, 0, 1, kLineWeaponsLabel},
    {C::WeaponsInput, K::NumericEdit, "", C::AttackerBox, 2, 1, 1, 0, kLineWeaponsLabel, kLineWeaponsTip},
    {C::PrimaryTargetLabel, K::Label, "Primärziel", C::AttackerBox, 3, 0, 1, kLinePrimaryTargetLabel},
    {C::PrimaryTargetList, K::DropDown, "", C::AttackerBox, 3, 1, 3, 0, kLinePrimaryTargetLabel,
     kLinePrimaryTargetTip},
    {C::StatusLine, K::Cell, "", C::AttackerBox, 4, 0, 4},
    {C::VerdictMissiles, K::Cell, "", C::AttackerBox, 5, 0, 2},
    {C::VerdictRatio, K::Cell, "", C::AttackerBox, 5, 2, 2},
    {C::ReportText, K::ReportEdit, "", C::AttackerBox, 6, 0, 4, 0, kLineReportName, kLineReportTip},
    {C::ReadReportButton, K::Button, "Spionagebericht einlesen", C::AttackerBox, 7, 0, 3,
     kLineReadReportButton, 0, kLineReadReportTip},
    {C::ClearReportButton, K::Button, "X", C::AttackerBox, 7, 3, 1, 0, kLineClearReportName},

    // Attacker-loss box: the resource headings, the attacker's loss with its balance, then the
    // required-missiles sentence.
    {C::AttackerMetalHeading, K::Label, "Metall", C::AttackerLossBox, 0, 0, 1, kLineMetalHeading},
    {C::AttackerCrystalHeading, K::Label, "Kristall", C::AttackerLossBox, 0, 1, 1, kLineCrystalHeading},
    {C::AttackerDeuteriumHeading, K::Label, "Deuterium", C::AttackerLossBox, 0, 2, 1, kLineDeuteriumHeading},
    {C::AttackerMetalLoss, K::Cell, "", C::AttackerLossBox, 1, 0},
    {C::AttackerCrystalLoss, K::Cell, "", C::AttackerLossBox, 1, 1},
    {C::AttackerDeuteriumLoss, K::Cell, "", C::AttackerLossBox, 1, 2},
    {C::AttackerMetalBalance, K::Cell, "", C::AttackerLossBox, 2, 0},
    {C::AttackerCrystalBalance, K::Cell, "", C::AttackerLossBox, 2, 1},
    {C::AttackerDeuteriumBalance, K::Cell, "", C::AttackerLossBox, 2, 2},
    {C::RequiredMissilesLead, K::Label, "Benötigte IRaks ausrechnen um alle", C::AttackerLossBox, 3, 0, 3, kLineRequiredMissilesLead},
    {C::RequiredTargetList, K::DropDown, "", C::AttackerLossBox, 4, 0, 2, 0, kLineRequiredTargetName},
    {C::RequiredMissilesTail, K::Label, "zu zerstören!", C::AttackerLossBox, 4, 2, 1, kLineRequiredMissilesTail},
    {C::RequiredMissilesButton, K::Button, "IRaks berechnen", C::AttackerLossBox, 5, 0, 2,
     kLineRequiredMissilesButton, 0, kLineRequiredMissilesTip},
    {C::RequiredMissilesLabel, K::Label, "Benötigte IRaks:", C::AttackerLossBox, 6, 0, 2, kLineRequiredMissilesLabel},
    {C::RequiredMissilesResult, K::Cell, "", C::AttackerLossBox, 6, 2},
    // Launches under the silo: they split the required-missiles job above.
    {C::SiloLevelLabel, K::Label, "Raketensilo-Stufe", C::AttackerLossBox, 7, 0, 1, kLineSiloLevelLabel},
    {C::SiloLevelInput, K::NumericEdit, "", C::AttackerLossBox, 7, 1, 1, 0, kLineSiloLevelLabel, kLineSiloLevelTip},
    {C::LaunchesButton, K::Button, "S&tarts planen", C::AttackerLossBox, 7, 2, 1, kLineLaunchesButton, 0,
     kLineLaunchesTip},
    {C::LaunchesResult, K::Cell, "", C::AttackerLossBox, 8, 0, 3},
    {C::LaunchesLoss, K::Cell, "", C::AttackerLossBox, 9, 0, 3},
    {C::RememberLaunchesButton, K::Button, "Starts v&ormerken", C::AttackerLossBox, 10, 0, 2,
     kLineRememberLaunchesButton, 0, kLineRememberLaunchesTip},

    // Flight-time box: start position with the book, target position, result.
    {C::StartPositionLabel, K::Label, "Start:", C::FlightTimeBox, 0, 0, 4, kLineStartPositionLabel},
    {C::StartGalaxyInput, K::NumericEdit, "", C::FlightTimeBox, 1, 0, 1, 0, kLineFirstCoordinateName + 0},
    {C::StartSystemInput, K::NumericEdit, "", C::FlightTimeBox, 1, 1, 1, 0, kLineFirstCoordinateName + 1},
    {C::StartPlanetInput, K::NumericEdit, "", C::FlightTimeBox, 1, 2, 1, 0, kLineFirstCoordinateName + 2},
    {C::BookSaveButton, K::Button, "s", C::FlightTimeBox, 1, 3, 1, 0, kLineBookSaveName},
    {C::BookList, K::DropDown, "", C::FlightTimeBox, 2, 0, 3, 0, kLineBookListName},
    {C::BookDeleteButton, K::Button, "x", C::FlightTimeBox, 2, 3, 1, 0, kLineBookDeleteName},
    {C::TargetPositionLabel, K::Label, "Ziel:", C::FlightTimeBox, 3, 0, 4, kLineTargetPositionLabel},
    {C::TargetGalaxyInput, K::NumericEdit, "", C::FlightTimeBox, 4, 0, 1, 0, kLineFirstCoordinateName + 3},
    {C::TargetSystemInput, K::NumericEdit, "", C::FlightTimeBox, 4, 1, 1, 0, kLineFirstCoordinateName + 4},
    {C::TargetPlanetInput, K::NumericEdit, "", C::FlightTimeBox, 4, 2, 1, 0, kLineFirstCoordinateName + 5},
    {C::FlightTimeButton, K::Button, "Flugzeit berechnen", C::FlightTimeBox, 5, 0, 4, kLineFlightTimeButton,
     0, kLineFlightTimeTip},
    {C::FlightTimeLabel, K::Label, "Flugzeit:", C::FlightTimeBox, 6, 0, 4, kLineFlightTimeLabel},
    {C::FlightSystems, K::Cell, "", C::FlightTimeBox, 7, 0},
    {C::FlightUnitFirst, K::Cell, "", C::FlightTimeBox, 7, 1},
    {C::FlightFixed, K::Cell, "", C::FlightTimeBox, 7, 2},
    {C::FlightUnitSecond, K::Cell, "", C::FlightTimeBox, 7, 3},
    {C::FlightMessage, K::Cell, "", C::FlightTimeBox, 8, 0, 4},

    // Range box.
    {C::ImpulseDriveLabel, K::Label, "Impulstriebwerk", C::RangeBox, 0, 0, 3, kLineImpulseDriveLabel},
    {C::ImpulseDriveInput, K::NumericEdit, "", C::RangeBox, 1, 0, 1, 0, kLineImpulseDriveLabel,
     kLineImpulseDriveTip},
    {C::RangeButton, K::Button, "Reichweite berechnen", C::RangeBox, 1, 1, 2, kLineRangeButton, 0,
     kLineRangeTip},
    {C::RangeLabel, K::Label, "Reichweite:", C::RangeBox, 2, 0, 1, kLineRangeLabel},
    {C::RangeResult, K::Cell, "", C::RangeBox, 2, 1},
    {C::RangeUnit, K::Cell, "", C::RangeBox, 2, 2},

    // The button column.
    {C::LanguageButton, K::Button, "Sprache", kButtonColumn, 0, 0, 2, kLineLanguageButton, 0,
     kLineLanguageTip},
    {C::SimulateButton, K::Button, "Simulieren", kButtonColumn, 1, 0, 2, kLineSimulateButton, 0,
     kLineSimulateTip},
    {C::RememberAttackButton, K::Button, "Angriff merken", kButtonColumn, 2, 0, 1, kLineRememberAttackButton,
     0, kLineRememberAttackTip},
    {C::SavePlanButton, K::Button, "Speichern", kButtonColumn, 2, 1, 1, kLineSavePlanButton, 0,
     kLineSavePlanTip},
    {C::PlanCount, K::Cell, "0", kButtonColumn, 2, 2, 1, 0, kLinePlanCountName},
    {C::ResetAllButton, K::Button, "Alles zurücksetzen", kButtonColumn, 3, 0, 2, kLineResetAllButton, 0,
     kLineResetAllTip},
    {C::CopyButton, K::Button, "&Kopieren", kButtonColumn, 4, 0, 2, kLineCopyButton, 0, kLineCopyTip},
    {C::ExitButton, K::Button, "Exit", kButtonColumn, 5, 0, 2, kLineExitButton, 0, kLineExitTip},
    {C::CurveButton, K::Button, "Verlustkurve &zeigen", kButtonColumn, 6, 0, 2, kLineCurveButton, 0, kLineCurveTip},
};

}  // namespace

std::span<const ControlRow> ControlTable() { return kControls; }

const ControlRow* FindControl(int number) {
    const auto it = std::find_if(std::begin(kControls), std::end(kControls),
                                 [number](const ControlRow& control) { return ToInt(control.id) == number; });
    return it == std::end(kControls) ? nullptr : &*it;
}

}  // namespace quorvel
