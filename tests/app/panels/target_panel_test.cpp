// The target list window's rows following the window's levels, range rule and start.

#include <gtest/gtest.h>

#include "plan/target_table.h"
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
    p.dlg.Run(Action::ListTargets,
              ActionInput(1, "[1:108:5]\nRocket Launcher 100\n[1:120:5]\nRocket Launcher 300\n"));
    const TargetListView& list = p.dlg.View().targets;
    const auto cell = [&list](std::size_t row, TargetColumn column) {
        return list.rows[row].cells[static_cast<std::size_t>(column)];
    };
    const std::string yes = p.dlg.Texts().targetYes;
    const std::string no = p.dlg.Texts().targetNo;
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(std::pair(cell(0, TargetColumn::InRange), cell(1, TargetColumn::InRange)), std::pair(yes, no));
    const std::uint64_t drawn = list.number;
    p.dlg.Run(Action::Simulate);
    EXPECT_EQ(list.number, drawn) << "nothing the rows depend on changed";

    p.dlg.Run(Action::SetRangeRule, ActionInput(5));  // 24 systems
    EXPECT_EQ(cell(1, TargetColumn::InRange), yes);

    const std::int64_t before = std::stoll(list.rows[1].missilesNeeded);
    p.Set(C::WeaponsInput, "10");
    p.Set(C::StartSystemInput, "140");
    p.dlg.Run(Action::Simulate);
    EXPECT_LT(std::stoll(list.rows[1].missilesNeeded), before);
    EXPECT_EQ(cell(0, TargetColumn::Systems), "32");
}

}  // namespace
}  // namespace quorvel
