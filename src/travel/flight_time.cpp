#include "travel/flight_time.h"

namespace quorvel {

FlightTime EvaluateFlightTime(const Position& start, const Position& target) {
    if (!IsInUniverse(start) || !IsInUniverse(target)) return {FlightOutcome::OutOfRange, 0};
    if (start.galaxy != target.galaxy) return {FlightOutcome::OtherGalaxy, 0};
    // Both systems lie in 1..499, so the difference cannot overflow.
    const std::int32_t difference = start.system - target.system;
    return {FlightOutcome::Success, difference < 0 ? -difference : difference};
}

std::string TimeOfDayText(std::int32_t secondOfDay) {
    const std::int32_t second = (secondOfDay % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    std::string text = "00:00:00";
    const std::int32_t parts[] = {second / 3600, second / 60 % 60, second % 60};
    for (std::size_t i = 0; i < 3; ++i) {
        text[i * 3] = static_cast<char>('0' + parts[i] / 10);
        text[i * 3 + 1] = static_cast<char>('0' + parts[i] % 10);
    }
    return text;
}

}  // namespace quorvel
