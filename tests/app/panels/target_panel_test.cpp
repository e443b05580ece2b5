// The target list window's rows following the window's levels, range rule and start.

#include <gtest/gtest.h>

#include "support/program.h"

namespace quorvel {
namespace {

using C = ControlId;
using testing::Program;

TEST(TargetList, RowsFollowTheLevelsTheRuleAndTheStart) {
    Program p;
    p.Set(C::StartGalaxyInput, "1");
    p.Set(C::StartSystemInput, "100");
    p.Set(C::StartPlanetInput, "1");
    p.Set(C::ImpulseDriveInput, "5");  // 2 x 5 - 1 = 9 systems
    p.dlg.ListTargetsOf("[1:108:5]\nRocket Launcher 100\n[1:120:5]\nRocket Launcher 300\n");
    const auto& rows = p.dlg.Targets().ListRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::pair(rows[0].inRange, rows[1].inRange), std::pair(true, false));
    EXPECT_FALSE(p.dlg.FollowTargetList()) << "nothing changed";

    p.dlg.SetRangeRule(RangeRule::FiveTimesLevel);  // 24 systems
    EXPECT_TRUE(p.dlg.FollowTargetList());
    EXPECT_TRUE(rows[1].inRange);

    const Wide before = rows[1].missilesNeeded;
    p.Set(C::WeaponsInput, "10");
    p.Set(C::StartSystemInput, "140");
    p.dlg.Run(Action::Simulate);
    EXPECT_TRUE(p.dlg.FollowTargetList());
    EXPECT_LT(rows[1].missilesNeeded, before);
    EXPECT_EQ(rows[0].systems, 32);
}

}  // namespace
}  // namespace quorvel
