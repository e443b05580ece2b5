#pragma once

#include <cstdint>
#include <string>

#include "travel/position.h"

namespace quorvel {

// The second number of every flight-time result; it never changes.
inline constexpr std::int32_t kFlightFixed = 30;

enum class FlightOutcome { OutOfRange, OtherGalaxy, Success };

struct FlightTime {
    FlightOutcome outcome = FlightOutcome::OutOfRange;
    std::int32_t systems = 0;  // the distance in solar systems; only for Success
};

// Both positions must lie in the universe; then positions in one galaxy are |system difference|
// apart. Planet slots are only validated, they never change the distance.
FlightTime EvaluateFlightTime(const Position& start, const Position& target);

// A time of day as the 24-hour clock writes it, "07:05:00"; taken modulo one day.
std::string TimeOfDayText(std::int32_t secondOfDay);

}  // namespace quorvel
