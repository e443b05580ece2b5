#pragma once

#include <cstdint>
#include <string>

#include "strike/defence_table.h"

namespace quorvel {

// The inputs as last read from the numeric edits and the report field by the handler frame. They
// hold inputs only: what a calculation made of them lives in the panel that made it.
struct InputValues {
    PerType<std::int32_t> defenceCount{};
    std::int32_t abmCount = 0;
    std::int32_t armourLevel = 0;
    std::int32_t missileCount = 0;
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

    bool operator==(const InputValues&) const = default;
};

}  // namespace quorvel
