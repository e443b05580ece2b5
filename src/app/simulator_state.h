#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plan/attack_record.h"
#include "strike/defence_table.h"

namespace quorvel {

// The inputs as last read from the numeric edits and the report field. Inputs are 32-bit; the
// missile count is wider because a simulation leaves the missiles that got through in it.
struct InputValues {
    PerType<std::int32_t> defenceCount{};  // after a simulation: the units left
    std::int32_t abmCount = 0;
    std::int32_t armourLevel = 0;
    std::int64_t missileCount = 0;  // after a simulation: the missiles that got through
    std::int32_t weaponsLevel = 0;
    std::int32_t primaryTarget = 0;
    std::int32_t neededTarget = 0;
    std::int32_t startGalaxy = 0;
    std::int32_t startSystem = 0;
    std::int32_t startPlanet = 0;
    std::int32_t targetGalaxy = 0;
    std::int32_t targetSystem = 0;
    std::int32_t targetPlanet = 0;
    std::int32_t impulseDriveLevel = 0;
    std::string reportText;
};

// The last strike, as far as '<-x' and the attack plan need it.
struct LastStrike {
    std::int64_t missilesAtStart = 0;
    PerType<std::int32_t> countAtStart{};
    std::int32_t abmAtStart = 0;
    PerType<std::int64_t> destroyed{};
    Resources defenderLoss{};
    Resources attackerLoss{};
    std::int64_t missilesFired = 0;
    std::int64_t missilesLeft = 0;
    bool resultValid = false;       // '<-x' may take the survivors as the next input
    bool attackRecordable = false;  // remember-attack may record this strike
    bool shown = false;             // the result cells show this strike (Reset all clears them)
};

struct TravelResults {
    std::int64_t flightSystems = 0;
    std::int32_t flightFixed = 0;
    std::int64_t missileRange = 0;
};

struct AttackPlan {
    std::int64_t attackNumber = 1;
    bool planFileOpen = false;       // records of this plan go to the open plan file
    bool rememberRequested = false;  // remember-attack was pressed since the last export
    std::vector<AttackRecordFacts> records;  // the records of the plan being written
};

// The record behind the main window, by what it holds.
struct SimulatorState {
    InputValues inputs;
    LastStrike strike;
    TravelResults travel;
    AttackPlan plan;
};

}  // namespace quorvel
