#include "text/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvel {
namespace {

TEST(FormatGrouped, GroupsDigitsByThree) {
    const std::pair<Wide, const char*> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1.000"},
        {1234567, "1.234.567"},
        {-5, "-5"},
        {-999, "-999"},
        {-1000, "-1.000"},
        // The sign is no digit: never "-.100.000".
        {-100000, "-100.000"},
        {std::numeric_limits<std::int64_t>::max(), "9.223.372.036.854.775.807"},
        {std::numeric_limits<std::int64_t>::min(), "-9.223.372.036.854.775.808"},
        {Wide{std::numeric_limits<std::int64_t>::max()} * 1000, "9.223.372.036.854.775.807.000"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatGrouped(value), text);
}

}  // namespace
}  // namespace quorvel
