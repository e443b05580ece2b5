#include "travel/missile_range.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvel {
namespace {

TEST(MissileRange, IsTwiceTheLevelLessOne) {
    constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t level;
        std::int64_t range;
    } cases[] = {
        {0, 0},
        {1, 1},
        {2, 3},
        {7, 13},
        {10, 19},
        {15, 29},
        {(1 << 30) + 1, 2147483649LL},  // first level whose range leaves 32 bits
        {kIntMax, 4294967293LL},
    };
    for (const auto& c : cases) EXPECT_EQ(MissileRange(c.level), c.range) << "level " << c.level;
}

TEST(MissileRange, FiveTimesTheLevelLessOneUnderTheOtherRule) {
    EXPECT_EQ(MissileRange(1, RangeRule::FiveTimesLevel), 4);
    EXPECT_EQ(MissileRange(7, RangeRule::FiveTimesLevel), 34);
    EXPECT_EQ(MissileRange(std::numeric_limits<std::int32_t>::max(), RangeRule::FiveTimesLevel),
              10737418234LL);
}

TEST(MissileRange, NegativeLevelGivesNothing) {
    EXPECT_EQ(MissileRange(-1), std::nullopt);
    EXPECT_EQ(MissileRange(std::numeric_limits<std::int32_t>::min()), std::nullopt);
}

}  // namespace
}  // namespace quorvel
