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

inline constexpr std::int32_t kSecondsPerDay = 24 * 60 * 60;

// The flight time the flight-time box shows for a distance: minutes and a fixed 30 seconds.
constexpr std::int32_t FlightSeconds(std::int32_t systems) { return systems * 60 + kFlightFixed; }

// The time of day `seconds` after `secondsOfDayNow`.
constexpr std::int32_t ArrivalSecondOfDay(std::int32_t secondsOfDayNow, std::int32_t seconds) {
    return static_cast<std::int32_t>((std::int64_t{secondsOfDayNow} + seconds) % kSecondsPerDay);
}

// A time of day as the 24-hour clock writes it, "07:05:00"; taken modulo one day.
std::string TimeOfDayText(std::int32_t secondOfDay);

}  // namespace quorvel
