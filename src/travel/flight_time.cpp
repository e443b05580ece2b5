#include "travel/flight_time.h"

namespace quorvel {

FlightTime EvaluateFlightTime(const Position& start, const Position& target) {
    if (!IsInUniverse(start) || !IsInUniverse(target)) return {FlightOutcome::OutOfRange, 0};
    if (start.galaxy != target.galaxy) return {FlightOutcome::OtherGalaxy, 0};
    // Both systems lie in 1..499, so the difference cannot overflow.
    const std::int32_t difference = start.system - target.system;
    return {FlightOutcome::Success, difference < 0 ? -difference : difference};
}

}  // namespace quorvel
