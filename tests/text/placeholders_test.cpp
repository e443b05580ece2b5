#include "text/placeholders.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(FillPlaceholders, ReplacesEachNumberedPlaceholderOnceAndLeavesTheRest) {
    EXPECT_EQ(FillPlaceholders("%1 could not be saved: %2.", {"book.dat", "disk full"}),
              "book.dat could not be saved: disk full.");
    EXPECT_EQ(FillPlaceholders("%2 / %1 / %1", {"a", "b"}), "b / a / a");
    EXPECT_EQ(FillPlaceholders("%1", {"100%2"}), "100%2") << "a value is never read again";
    EXPECT_EQ(FillPlaceholders("%1 %3 100% %", {"x"}), "x %3 100% %") << "no value: as written";
}

}  // namespace
}  // namespace quorvel
