#include "travel/range_rule_file.h"

#include <gtest/gtest.h>

#include "app/program_files.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

TEST(RangeRuleFile, SavedRuleReadsBackAndAnythingElseIsTheDefault) {
    const testing::TestHome home;
    const std::filesystem::path file = home / kRangeRuleFile;  // kept in the player's folder
    EXPECT_EQ(SavedRangeRule(file), RangeRule::TwiceLevel) << "no file";
    ASSERT_TRUE(SaveRangeRule(file, RangeRule::FiveTimesLevel));
    EXPECT_EQ(SavedRangeRule(file), RangeRule::FiveTimesLevel);
    for (const char* text : {"2", "", "x5", "55", "-5"})
        EXPECT_EQ(ParseRangeRule(text), RangeRule::TwiceLevel) << text;
    EXPECT_EQ(ParseRangeRule(" 5\n"), RangeRule::FiveTimesLevel);
}

}  // namespace
}  // namespace quorvel
