// The one decimal scanner: where it stops, and what counts as out of range.

#include "text/decimal.h"

#include <gtest/gtest.h>

#include <string_view>

namespace quorvel {
namespace {

TEST(ScanInt32, ReadsBlanksSignAndDigitsWithinThirtyTwoBits) {
    const std::pair<std::string_view, std::optional<std::int32_t>> cases[] = {
        {"42", 42},
        {" \t\n\v\f\r+7x", 7},
        {"-2147483648", -2147483647 - 1},
        {"2147483647", 2147483647},
        {"0002147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"- 5", std::nullopt},
        {"x5", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        auto it = text.begin();
        EXPECT_EQ(ScanInt32(it, text.end()), expected) << text;
    }
}

TEST(ScanInt32, StopsAfterTheNumberOrAtTheFirstDigitTooMany) {
    std::string_view text = " -12 34";
    auto it = text.begin();
    EXPECT_EQ(ScanInt32(it, text.end()), -12);
    EXPECT_EQ(it - text.begin(), 4);
    EXPECT_EQ(ScanInt32(it, text.end()), 34);

    text = "21474836480000";
    it = text.begin();
    EXPECT_EQ(ScanInt32(it, text.end()), std::nullopt);
    EXPECT_EQ(it - text.begin(), 11);  // the huge file of digits is not read to its end
}

TEST(ScanDigits, StopsAfterMaxDigits) {
    const std::u32string_view text = U"12345:";
    auto it = text.begin();
    const DigitRun run = ScanDigits(it, text.end(), 1000000, 3);
    EXPECT_EQ(run.value, 123);
    EXPECT_EQ(run.digits, 3);
}

}  // namespace
}  // namespace quorvel
