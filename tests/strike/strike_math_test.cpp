// The pure pieces of the strike: number format, damage order, the pool's single-precision steps.

#include <gtest/gtest.h>

#include <limits>

#include "strike/strike.h"
#include "strike/technology.h"

namespace quorvel {
namespace {

TEST(DamageOrder, PrimaryTargetFirstThenTypeOrder) {
    EXPECT_EQ(*DamageOrder(0), (PerType<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(*DamageOrder(3), (PerType<int>{3, 0, 1, 2, 4, 5, 6, 7}));
    EXPECT_EQ(*DamageOrder(7), (PerType<int>{7, 0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(*DamageOrder(8), (PerType<int>{7, 6, 0, 1, 2, 3, 4, 5}));
    EXPECT_FALSE(DamageOrder(9).has_value());
    EXPECT_FALSE(DamageOrder(-1).has_value());
}

TEST(SpendPool, SkipsTypesThePoolCannotPayFor) {
    const PoolSpend none = SpendPool(1000.0f, 0, 200);
    EXPECT_FALSE(none.struck);
    EXPECT_EQ(none.poolAfter, 1000.0f);
    const PoolSpend tooSmall = SpendPool(199.0f, 5, 200);
    EXPECT_FALSE(tooSmall.struck);
    EXPECT_EQ(tooSmall.poolAfter, 199.0f);
}

TEST(SpendPool, CarriesTheFractionOfAUnitOn) {
    const PoolSpend gauss = SpendPool(12000.0f, 5, 3500);  // q = 3.428...
    EXPECT_EQ(gauss.destroyed, 3);
    EXPECT_NEAR(gauss.poolAfter, 1500.0f, 0.01f);
    const PoolSpend all = SpendPool(96000.0f, 100, 200);
    EXPECT_EQ(all.destroyed, 100);
    EXPECT_EQ(all.poolAfter, 76000.0f);
    const PoolSpend exact = SpendPool(12000.0f, 60, 200);
    EXPECT_EQ(exact.destroyed, 60);
    EXPECT_EQ(exact.poolAfter, 0.0f);
}

TEST(Technology, LevelsScaleStructureAndDamage) {
    EXPECT_EQ(ArmouredStructure(0)[3], 3500);
    EXPECT_EQ(ArmouredStructure(-4)[3], 3500);
    EXPECT_EQ(ArmouredStructure(3)[7], 13000);
    EXPECT_EQ(ArmouredStructure(10)[0], 400);
    EXPECT_EQ(MissileDamage(0), 12000);
    EXPECT_EQ(MissileDamage(10), 24000);
    EXPECT_EQ(MissileDamage(std::numeric_limits<std::int32_t>::max()),
              12000 + std::int64_t{1200} * 2147483647);
}

TEST(MissilesToCover, IsTheCeilingWithAtLeastOne) {
    EXPECT_EQ(MissilesToCover(-5, 12000), 1);
    EXPECT_EQ(MissilesToCover(12000, 12000), 1);
    EXPECT_EQ(MissilesToCover(24000, 12000), 2);
    EXPECT_EQ(MissilesToCover(24001, 12000), 3);
    EXPECT_EQ(MissilesToCover(350000, 12000), 30);
}

}  // namespace
}  // namespace quorvel
