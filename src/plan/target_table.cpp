#include "plan/target_table.h"

#include <limits>

#include "report/report_split.h"
#include "travel/flight_time.h"

namespace quorvel {

ReportItems ItemsOf(const SpyReport& report) {
    ReportItems items;
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        const std::optional<std::int32_t> value = report.keywordNumbers[row];
        if (!value) continue;
        const std::size_t item = row % kReportItemCount;
        if (item == 0) {
            items.armourLevel = *value;
        } else if (item == 1) {
            items.interceptors = *value;
        } else {
            items.counts[item - 2] = *value;
        }
    }
    return items;
}

TargetRow ComputeTargetRow(const SpyReport& report, const TargetSettings& settings) {
    TargetRow row;
    row.report = report;
    row.target = report.target;
    const ReportItems items = ItemsOf(report);
    row.interceptors = items.interceptors;
    row.armourLevel = items.armourLevel;
    for (int r = 0; r < kResourceCount; ++r)
        row.defenceValue[r] = std::int64_t{items.interceptors} * kInterceptorCost[r];
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        row.defenceUnits += items.counts[t];
        for (int r = 0; r < kResourceCount; ++r)
            row.defenceValue[r] += std::int64_t{items.counts[t]} * kDefenceStats[t].cost[r];
    }

    StrikeInput input;
    input.counts = items.counts;
    input.interceptors = items.interceptors;
    input.armourLevel = items.armourLevel;
    input.weaponsLevel = settings.weaponsLevel;
    const RequiredMissilesResult required = RequiredMissiles(input, 0);
    if (required.outcome == RequiredOutcome::Count) row.missilesNeeded = required.missiles;
    if (row.missilesNeeded <= std::numeric_limits<std::int64_t>::max()) {
        input.missiles = static_cast<std::int64_t>(row.missilesNeeded);
        row.loss = SimulateStrike(input).defenderLoss;
        if (row.missilesNeeded > 0) {
            Wide total = 0;
            for (const std::int64_t amount : *row.loss) total += amount;
            row.resourcesPerMissile = total / row.missilesNeeded;
        }
    }

    if (settings.start && report.target) {
        const FlightTime flight = EvaluateFlightTime(*settings.start, *report.target);
        if (flight.outcome == FlightOutcome::Success) {
            row.systems = flight.systems;
            row.flightSeconds = FlightSeconds(flight.systems);
            row.arrivalSecondOfDay = ArrivalSecondOfDay(settings.secondsOfDayNow, *row.flightSeconds);
            const std::optional<std::int64_t> range =
                MissileRange(settings.impulseDriveLevel, settings.rangeRule);
            row.inRange = range && flight.systems <= *range;
        }
    }
    return row;
}

std::vector<TargetRow> ComputeTargetTable(std::string_view utf8Text, const TargetSettings& settings) {
    std::vector<TargetRow> rows;
    for (const std::string_view report : SplitReports(utf8Text)) {
        rows.push_back(ComputeTargetRow(ReadReport(report), settings));
    }
    return rows;
}

}  // namespace quorvel
