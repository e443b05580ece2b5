// The loss curve's view: the chart's rules every face draws alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/program.h"

namespace quorvel {
namespace {

using testing::Program;
using C = ControlId;

std::vector<std::string> Labels(const std::vector<CurveTickView>& ticks) {
    std::vector<std::string> labels;
    for (const CurveTickView& tick : ticks) labels.push_back(tick.label);
    return labels;
}

TEST(CurveView, RoundTicksAnAxisEndingAtTheLastPointAndMarksToldApartByTheirLines) {
    Program p;
    EXPECT_FALSE(p.dlg.View().curve.emptyText.empty()) << "no strike: nothing to draw";
    EXPECT_TRUE(p.dlg.View().curve.xTicks.empty());

    // The worked example: 4 missiles destroy everything, 10 are typed.
    for (const auto& [id, text] :
         {std::pair(C::RocketLauncherInput, "100"), std::pair(C::LightLaserInput, "10"),
          std::pair(C::AbmInput, "2"), std::pair(C::MissileInput, "10")})
        p.Set(id, text);
    p.dlg.Run(Action::Simulate);
    const CurveView& curve = p.dlg.View().curve;
    EXPECT_TRUE(curve.emptyText.empty());
    EXPECT_EQ(Labels(curve.xTicks),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(curve.yEnd, 250000) << "the highest loss, 240.000, rounded up to a tick";
    EXPECT_EQ(Labels(curve.yTicks),
              (std::vector<std::string>{"0", "50.000", "100.000", "150.000", "200.000", "250.000"}));
    EXPECT_EQ(curve.flatFrom, 4);
    EXPECT_FALSE(curve.flatNote.empty());
    std::vector<std::vector<int>> patterns;
    std::vector<int> rows;
    for (const CurveMarkView& mark : curve.marks) {
        if (mark.label.empty()) continue;
        EXPECT_EQ(std::count(patterns.begin(), patterns.end(), mark.dashes), 0) << mark.key;
        EXPECT_EQ(std::count(rows.begin(), rows.end(), mark.labelRow), 0) << mark.key;
        patterns.push_back(mark.dashes);
        rows.push_back(mark.labelRow);
    }
    EXPECT_EQ(patterns.size(), 4u);

    // Two million typed: steps of 200.000 up to the last point, grouped.
    p.Set(C::MissileInput, "2000000");
    p.dlg.Run(Action::Simulate);
    const std::vector<std::string> many = Labels(p.dlg.View().curve.xTicks);
    EXPECT_EQ(many.size(), 11u);
    EXPECT_EQ(many[1], "200.000");
    EXPECT_EQ(many.back(), "2.000.000");
}

}  // namespace
}  // namespace quorvel
