#pragma once

#include <array>
#include <span>

#include "app/control_id.h"
#include "strike/defence_table.h"

namespace quorvel {

enum class ControlKind {
    GroupBox,
    Label,        // caption from the language file
    NumericEdit,  // one of the 19 numeric inputs
    ReportEdit,   // the multi-line espionage report
    Cell,         // a static text the handlers write results into
    Button,
    DropDown,  // a non-editable list
};

// Group boxes sit in the window's own grid; the column of buttons at the window's right edge is not
// a group box, and its controls name it as their box.
inline constexpr ControlId kWindowGrid = ControlId{-1};
inline constexpr ControlId kButtonColumn = ControlId{0};

// One control of the main window: what it is, its caption in the form's template, and its place
// as a cell of its box's grid. The window builds itself from this table.
struct ControlRow {
    ControlId id;
    ControlKind kind;
    const char* caption;
    ControlId box;
    int row;
    int column;
    int columnSpan = 1;
    int captionLine = 0;  // the language line that replaces the caption; 0: the caption stays
    // What a screen reader calls the control and what its tooltip says, as language lines. A name
    // line of 0 leaves the name to the control's own caption; a tooltip line of 0 uses the name as
    // the tooltip. kLineDefenceCountTip and kLineAbmTip are patterns: their "%1" becomes the name.
    int nameLine = 0;
    int toolTipLine = 0;
};

// The '<-x' button's tooltip has its own start-up rule and is not set with the others.
inline constexpr int kToolTipSetElsewhere = -1;

std::span<const ControlRow> ControlTable();
const ControlRow* FindControl(int number);

// What a result cell shows without a value: no count, no loss (or a resource the type does not
// cost), no reachable flight time.
inline constexpr const char* kNoCountCell = " ";
inline constexpr const char* kNoLossCell = "-";
inline constexpr const char* kNoFlightTimeCell = "----";

// The 19 numeric edits in exchange order: the order in which they are read, normalised and cleared.
inline constexpr std::array<ControlId, 19> kNumericInputs = {
    ControlId::RocketLauncherInput,  ControlId::LightLaserInput,      ControlId::HeavyLaserInput,
    ControlId::GaussCannonInput,     ControlId::IonCannonInput,       ControlId::PlasmaTurretInput,
    ControlId::SmallShieldDomeInput, ControlId::LargeShieldDomeInput, ControlId::AbmInput,
    ControlId::ArmourInput,          ControlId::MissileInput,         ControlId::WeaponsInput,
    ControlId::StartGalaxyInput,     ControlId::StartSystemInput,     ControlId::StartPlanetInput,
    ControlId::TargetGalaxyInput,    ControlId::TargetSystemInput,    ControlId::TargetPlanetInput,
    ControlId::ImpulseDriveInput,
};

// The controls of one defence type's row across the defender and defender-loss boxes.
struct DefenceRowControls {
    ControlId label;
    ControlId input;
    ControlId remaining;
    ControlId destroyed;
    std::array<ControlId, kResourceCount> loss;  // metal, crystal, deuterium
};

inline constexpr PerType<DefenceRowControls> kDefenceRows = {{
    {ControlId::RocketLauncherLabel,
     ControlId::RocketLauncherInput,
     ControlId::RocketLauncherRemaining,
     ControlId::RocketLauncherDestroyed,
     {ControlId::RocketLauncherMetal, ControlId::RocketLauncherCrystal, ControlId::RocketLauncherDeuterium}},
    {ControlId::LightLaserLabel,
     ControlId::LightLaserInput,
     ControlId::LightLaserRemaining,
     ControlId::LightLaserDestroyed,
     {ControlId::LightLaserMetal, ControlId::LightLaserCrystal, ControlId::LightLaserDeuterium}},
    {ControlId::HeavyLaserLabel,
     ControlId::HeavyLaserInput,
     ControlId::HeavyLaserRemaining,
     ControlId::HeavyLaserDestroyed,
     {ControlId::HeavyLaserMetal, ControlId::HeavyLaserCrystal, ControlId::HeavyLaserDeuterium}},
    {ControlId::GaussCannonLabel,
     ControlId::GaussCannonInput,
     ControlId::GaussCannonRemaining,
     ControlId::GaussCannonDestroyed,
     {ControlId::GaussCannonMetal, ControlId::GaussCannonCrystal, ControlId::GaussCannonDeuterium}},
    {ControlId::IonCannonLabel,
     ControlId::IonCannonInput,
     ControlId::IonCannonRemaining,
     ControlId::IonCannonDestroyed,
     {ControlId::IonCannonMetal, ControlId::IonCannonCrystal, ControlId::IonCannonDeuterium}},
    {ControlId::PlasmaTurretLabel,
     ControlId::PlasmaTurretInput,
     ControlId::PlasmaTurretRemaining,
     ControlId::PlasmaTurretDestroyed,
     {ControlId::PlasmaTurretMetal, ControlId::PlasmaTurretCrystal, ControlId::PlasmaTurretDeuterium}},
    {ControlId::SmallShieldDomeLabel,
     ControlId::SmallShieldDomeInput,
     ControlId::SmallShieldDomeRemaining,
     ControlId::SmallShieldDomeDestroyed,
     {ControlId::SmallShieldDomeMetal, ControlId::SmallShieldDomeCrystal,
      ControlId::SmallShieldDomeDeuterium}},
    {ControlId::LargeShieldDomeLabel,
     ControlId::LargeShieldDomeInput,
     ControlId::LargeShieldDomeRemaining,
     ControlId::LargeShieldDomeDestroyed,
     {ControlId::LargeShieldDomeMetal, ControlId::LargeShieldDomeCrystal,
      ControlId::LargeShieldDomeDeuterium}},
}};

inline constexpr std::array<ControlId, kResourceCount> kAbmLossCells = {
    ControlId::AbmMetal, ControlId::AbmCrystal, ControlId::AbmDeuterium};
inline constexpr std::array<ControlId, kResourceCount> kDefenderTotalCells = {
    ControlId::DefenderMetalTotal, ControlId::DefenderCrystalTotal, ControlId::DefenderDeuteriumTotal};
inline constexpr std::array<ControlId, kResourceCount> kAttackerLossCells = {
    ControlId::AttackerMetalLoss, ControlId::AttackerCrystalLoss, ControlId::AttackerDeuteriumLoss};
// Under or beside each of those totals: "more" or "less" than the other side lost, in words.
inline constexpr std::array<ControlId, kResourceCount> kDefenderBalanceCells = {
    ControlId::DefenderMetalBalance, ControlId::DefenderCrystalBalance, ControlId::DefenderDeuteriumBalance};
inline constexpr std::array<ControlId, kResourceCount> kAttackerBalanceCells = {
    ControlId::AttackerMetalBalance, ControlId::AttackerCrystalBalance, ControlId::AttackerDeuteriumBalance};

}  // namespace quorvel
