#include "plan/target_table.h"

#include <algorithm>
#include <limits>
#include <numeric>

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
        row.otherGalaxy = flight.outcome == FlightOutcome::OtherGalaxy;
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

void MergeTargetRows(std::vector<TargetRow>& list, std::span<const TargetRow> added) {
    for (const TargetRow& row : added) {
        const auto same =
            row.target ? std::find_if(list.begin(), list.end(),
                                      [&row](const TargetRow& kept) { return kept.target == row.target; })
                       : list.end();
        if (same != list.end()) {
            *same = row;
        } else {
            list.push_back(row);
        }
    }
}

std::string_view TargetName(const TargetRow& row, TargetColumn column) {
    if (column == TargetColumn::Player) return row.report.names.player;
    if (column == TargetColumn::Planet) return row.report.names.planet;
    return {};
}

std::optional<Wide> TargetSortValue(const TargetRow& row, TargetColumn column) {
    const auto loss = [&row](int resource) -> std::optional<Wide> {
        if (!row.loss) return std::nullopt;
        return (*row.loss)[resource];
    };
    switch (column) {
        case TargetColumn::Player:
        case TargetColumn::Planet:
            return std::nullopt;
        case TargetColumn::Position:
            if (!row.target) return std::nullopt;
            // Each part in 32 bits of its own, so that any part sorts before the next one counts.
            return Wide{row.target->galaxy} * (Wide{1} << 64) + Wide{row.target->system} * (Wide{1} << 32) +
                   row.target->planet;
        case TargetColumn::DefenceUnits:
            return row.defenceUnits;
        case TargetColumn::ValueMetal:
        case TargetColumn::ValueCrystal:
        case TargetColumn::ValueDeuterium:
            return row.defenceValue[static_cast<int>(column) - static_cast<int>(TargetColumn::ValueMetal)];
        case TargetColumn::Interceptors:
            return row.interceptors;
        case TargetColumn::ArmourLevel:
            return row.armourLevel;
        case TargetColumn::MissilesNeeded:
            return row.missilesNeeded;
        case TargetColumn::LossMetal:
        case TargetColumn::LossCrystal:
        case TargetColumn::LossDeuterium:
            return loss(static_cast<int>(column) - static_cast<int>(TargetColumn::LossMetal));
        case TargetColumn::ResourcesPerMissile:
            if (!row.loss) return std::nullopt;
            return row.resourcesPerMissile;
        case TargetColumn::Systems:
            return row.systems;
        case TargetColumn::FlightTime:
            return row.flightSeconds;
        case TargetColumn::Arrival:
            return row.arrivalSecondOfDay;
        case TargetColumn::InRange:
            if (!row.systems && !row.otherGalaxy) return std::nullopt;
            return row.inRange ? 1 : 0;
    }
    return std::nullopt;
}

std::vector<std::size_t> TargetOrder(std::span<const TargetRow> rows, std::optional<TargetColumn> column,
                                     bool descending, bool inRangeOnly) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (inRangeOnly) std::erase_if(order, [rows](std::size_t i) { return !rows[i].inRange; });
    if (!column) return order;
    // An empty cell sorts after every other, whichever the direction.
    const auto sorted = [&order, descending](const auto& keys) {
        std::stable_sort(order.begin(), order.end(), [&keys, descending](std::size_t a, std::size_t b) {
            if (!keys[a] || !keys[b]) return keys[a].has_value() && !keys[b].has_value();
            return descending ? *keys[a] > *keys[b] : *keys[a] < *keys[b];
        });
    };
    if (IsNameColumn(*column)) {
        std::vector<std::optional<std::string_view>> keys(rows.size());
        for (const std::size_t i : order) {
            const std::string_view name = TargetName(rows[i], *column);
            if (!name.empty()) keys[i] = name;
        }
        sorted(keys);
    } else {
        std::vector<std::optional<Wide>> keys(rows.size());
        for (const std::size_t i : order) keys[i] = TargetSortValue(rows[i], *column);
        sorted(keys);
    }
    return order;
}

}  // namespace quorvel
