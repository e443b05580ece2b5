// The target list's rows against the single-report reader, the required-missiles function and
// hand-computed values.

#include "plan/target_table.h"

#include <gtest/gtest.h>

#include "report/report_samples.h"

namespace quorvel {
namespace {

TEST(TargetTable, RowsFollowTheReaderAndRequiredMissiles) {
    std::string page;
    for (const auto& sample : testing::kReportSamples) page += testing::ReadReportSample(sample);
    TargetSettings settings;
    settings.weaponsLevel = 12;
    const std::vector<TargetRow> rows = ComputeTargetTable(page, settings);
    ASSERT_EQ(rows.size(), testing::kReportSamples.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SpyReport alone = ReadReport(testing::ReadReportSample(testing::kReportSamples[i]));
        const ReportItems items = ItemsOf(alone);
        const StrikeInput input{items.counts, items.interceptors, 0, items.armourLevel, 12, 0};
        EXPECT_EQ(rows[i].target, testing::kReportSamples[i].target);
        EXPECT_EQ(rows[i].missilesNeeded, RequiredMissiles(input, 0).missiles) << i;
        EXPECT_EQ(rows[i].loss, rows[i].defenceValue) << "destroying everything costs the whole defence";
    }
    EXPECT_EQ(rows[1].defenceValue, (Resources{5855000, 1735000, 304000}));
}

TEST(TargetTable, RangeRuleAndArrivalWithAFixedClock) {
    const SpyReport en = ReadReport(testing::ReadReportSample(testing::kReportSamples[1]));  // 4:127:9
    TargetSettings settings;
    settings.impulseDriveLevel = 7;
    settings.start = Position{4, 100, 1};
    settings.secondsOfDayNow = 23 * 3600 + 50 * 60;
    const TargetRow twice = ComputeTargetRow(en, settings);
    EXPECT_EQ(twice.systems, 27);
    EXPECT_EQ(twice.flightSeconds, 27 * 60 + 30);
    EXPECT_EQ(twice.arrivalSecondOfDay, 17 * 60 + 30);  // past midnight: 00:17:30
    EXPECT_FALSE(twice.inRange) << "range 13";
    settings.rangeRule = RangeRule::FiveTimesLevel;
    EXPECT_TRUE(ComputeTargetRow(en, settings).inRange) << "range 34";
}

TargetRow RowAt(std::optional<Position> target, std::int64_t units,
                std::optional<std::int32_t> systems = std::nullopt, bool inRange = false) {
    TargetRow row;
    row.target = target;
    row.defenceUnits = units;
    row.systems = systems;
    row.inRange = inRange;
    return row;
}

TEST(TargetTable, MergeReplacesRowsOfAPositionInPlaceAndAddsTheRest) {
    std::vector<TargetRow> list = {RowAt(Position{1, 2, 3}, 1), RowAt(Position{4, 5, 6}, 2), RowAt({}, 3)};
    const std::vector<TargetRow> added = {RowAt(Position{4, 5, 6}, 20), RowAt({}, 4),
                                          RowAt(Position{7, 8, 9}, 5)};
    MergeTargetRows(list, added);
    std::vector<std::int64_t> units;
    for (const TargetRow& row : list) units.push_back(row.defenceUnits);
    EXPECT_EQ(units, (std::vector<std::int64_t>{1, 20, 3, 4, 5}));
}

TEST(TargetTable, OrderSortsNumbersNotTextWithEmptyCellsLastAndFiltersInRange) {
    const std::vector<TargetRow> rows = {RowAt(Position{1, 1, 1}, 9, 5, true),
                                         RowAt(Position{1, 1, 2}, 100, 40),
                                         RowAt(Position{1, 1, 3}, 10, 3, true), RowAt(Position{1, 1, 4}, 0)};
    using V = std::vector<std::size_t>;
    EXPECT_EQ(TargetOrder(rows, TargetColumn::DefenceUnits, false, false), (V{3, 0, 2, 1}));
    EXPECT_EQ(TargetOrder(rows, TargetColumn::DefenceUnits, true, false), (V{1, 2, 0, 3}));
    EXPECT_EQ(TargetOrder(rows, TargetColumn::Systems, false, false), (V{2, 0, 1, 3}));
    EXPECT_EQ(TargetOrder(rows, TargetColumn::Systems, true, false), (V{1, 0, 2, 3})) << "no distance: last";
    EXPECT_EQ(TargetOrder(rows, TargetColumn::Position, true, true), (V{2, 0}));
    EXPECT_EQ(TargetOrder(rows, std::nullopt, false, false), (V{0, 1, 2, 3}));
}

}  // namespace
}  // namespace quorvel
