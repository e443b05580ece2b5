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
        StrikeInput input;
        input.counts = items.counts;
        input.interceptors = items.interceptors;
        input.armourLevel = items.armourLevel;
        input.weaponsLevel = 12;
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

}  // namespace
}  // namespace quorvel
