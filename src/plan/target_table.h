#pragma once

// The target list: one row per espionage report of a pasted text. Data flow:
//   text -> SplitReports (report/report_split.h) -> ReadReport per report -> ReportItems
//   -> RequiredMissiles and SimulateStrike (strike/strike.h), EvaluateFlightTime and MissileRange
//   (travel/) -> TargetRow. Pure: the time of day comes in as a number.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "report/report_reader.h"
#include "strike/strike.h"
#include "travel/flight_time.h"
#include "travel/missile_range.h"
#include "travel/position.h"

namespace quorvel {

// What a report tells in item order (armour, anti-ballistic missiles, the eight defence types): of
// two keywords of one item the later row of the keyword table wins, as when the report fills the
// fields; an item the report lacks is 0.
struct ReportItems {
    std::int32_t armourLevel = 0;
    std::int32_t interceptors = 0;
    PerType<std::int32_t> counts{};
};
ReportItems ItemsOf(const SpyReport& report);

// What every row is computed with: the window's levels, the start position and the time of day now.
struct TargetSettings {
    std::int32_t weaponsLevel = 0;
    std::int32_t impulseDriveLevel = 0;
    RangeRule rangeRule = RangeRule::TwiceLevel;
    std::optional<Position> start;     // nothing: no distance, flight time or range for any row
    std::int32_t secondsOfDayNow = 0;  // local time of day, 0..86399
};

struct TargetRow {
    SpyReport report;                // what loading the row fills, as reading the report alone
    std::optional<Position> target;  // the report's position
    std::int64_t defenceUnits = 0;   // the eight types together
    Resources defenceValue{};        // every unit and anti-ballistic missile at its cost
    std::int32_t interceptors = 0;
    std::int32_t armourLevel = 0;
    Wide missilesNeeded = 0;              // to destroy everything with the weapons level; 0 when bare
    std::optional<Resources> loss;        // the defender's loss with those missiles; nothing beyond 64 bits
    Wide resourcesPerMissile = 0;         // the loss's three resources together per missile, rounded down
    std::optional<std::int32_t> systems;  // the distance from the start, same galaxy only
    bool otherGalaxy = false;             // the start lies in another galaxy: no flight, not in range
    std::optional<std::int32_t> flightSeconds;       // the distance in minutes and 30 seconds
    std::optional<std::int32_t> arrivalSecondOfDay;  // now plus the flight time, on the 24-hour clock
    bool inRange = false;                            // the distance lies within the missile range
};

TargetRow ComputeTargetRow(const SpyReport& report, const TargetSettings& settings);

// One row per report of the text, in text order.
std::vector<TargetRow> ComputeTargetTable(std::string_view utf8Text, const TargetSettings& settings);

// The rows of a new paste into a list that keeps its rows: a row whose position the list holds
// replaces that row where it stands, any other row (also one without a position) is added at the end.
void MergeTargetRows(std::vector<TargetRow>& list, std::span<const TargetRow> added);

// The list's columns in the window's order.
enum class TargetColumn {
    Position,
    Player,  // the names of the report's header
    Planet,
    DefenceUnits,
    ValueMetal,
    ValueCrystal,
    ValueDeuterium,
    Interceptors,
    ArmourLevel,
    MissilesNeeded,
    LossMetal,
    LossCrystal,
    LossDeuterium,
    ResourcesPerMissile,
    Systems,
    FlightTime,
    Arrival,
    InRange,
};
inline constexpr int kTargetColumnCount = 18;

// The heading of each column, as its place among the list's headings (0-11 the first twelve, in
// column order without the names; 12 and 13 the player's and the planet's name; its tooltip has the
// same place among the tips) and, for the three columns of a resource group, the resource the
// heading and the tip's %1 name.
struct TargetColumnWords {
    int heading;
    int resource;  // -1: none
};
inline constexpr std::array<TargetColumnWords, kTargetColumnCount> kTargetColumnWords = {{
    {0, -1},
    {12, -1},
    {13, -1},
    {1, -1},
    {2, 0},
    {2, 1},
    {2, 2},
    {3, -1},
    {4, -1},
    {5, -1},
    {6, 0},
    {6, 1},
    {6, 2},
    {7, -1},
    {8, -1},
    {9, -1},
    {10, -1},
    {11, -1},
}};

// Whether a column holds names (sorted as text) rather than numbers.
constexpr bool IsNameColumn(TargetColumn column) {
    return column == TargetColumn::Player || column == TargetColumn::Planet;
}
// Whether a column's first sort puts the highest number on top: per missile, the best target first.
constexpr bool SortsHighestFirst(TargetColumn column) { return column == TargetColumn::ResourcesPerMissile; }

// A row's name in a name column; empty for any other column.
std::string_view TargetName(const TargetRow& row, TargetColumn column);
// A row's cell in a column as a number to sort by; nothing for an empty cell and a name column.
// Positions sort by galaxy, system, planet; "in range" is 1, out of range (also in another galaxy) 0.
std::optional<Wide> TargetSortValue(const TargetRow& row, TargetColumn column);

// The rows to show, as indices into rows: with inRangeOnly only those in range, sorted by the
// column's numbers (a name column's names, by their bytes) when one is given (stable, so equal cells
// keep their list order), empty cells last in either direction.
std::vector<std::size_t> TargetOrder(std::span<const TargetRow> rows, std::optional<TargetColumn> column,
                                     bool descending, bool inRangeOnly);

}  // namespace quorvel
