#pragma once

#include <cstdint>
#include <string>

#include "strike/defence_table.h"

namespace quorvel {

// The record behind the main window: the inputs as last read, the strike's intermediate values and
// results, and the flags that tie handlers together. Inputs are 32-bit; derived values are wider so
// that no input can overflow them.
struct SimulatorState {
    // Inputs, bound to the numeric edits.
    PerType<std::int32_t> m_defenceCount{};  // after a simulation: the units left
    std::int32_t m_abmCount = 0;
    std::int32_t m_armourLevel = 0;
    std::int64_t m_missileCount = 0;  // after a simulation: the missiles that got through
    std::int32_t m_weaponsLevel = 0;
    std::int32_t m_primaryTarget = 0;
    std::int32_t m_neededTarget = 0;
    std::int32_t m_startGalaxy = 0;
    std::int32_t m_startSystem = 0;
    std::int32_t m_startPlanet = 0;
    std::int32_t m_targetGalaxy = 0;
    std::int32_t m_targetSystem = 0;
    std::int32_t m_targetPlanet = 0;
    std::int32_t m_impulseDriveLevel = 0;
    std::string m_reportText;

    // The last strike, as far as other handlers need it.
    std::int64_t m_missilesAtStart = 0;
    PerType<std::int32_t> m_countAtStart{};
    std::int32_t m_abmAtStart = 0;
    PerType<std::int64_t> m_destroyed{};
    Resources m_defenderLoss{};
    Resources m_attackerLoss{};
    std::int64_t m_missilesFired = 0;
    std::int64_t m_missilesLeft = 0;
    int m_resultValid = 0;
    int m_attackRecordable = 0;

    // Travel.
    std::int64_t m_flightSystems = 0;
    std::int32_t m_flightFixed = 0;
    std::int64_t m_missileRange = 0;

    // Attack plan.
    std::int64_t m_attackNumber = 1;
    int m_planFileOpen = 0;
    int m_rememberRequested = 0;
};

}  // namespace quorvel
