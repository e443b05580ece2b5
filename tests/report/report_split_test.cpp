// Splitting a pasted page into its reports: each piece reads as its report alone.

#include "report/report_split.h"

#include <gtest/gtest.h>

#include "report/report_samples.h"

namespace quorvel {
namespace {

void ExpectReadsAs(std::string_view piece, const std::string& alone) {
    const SpyReport got = ReadReport(piece);
    const SpyReport expected = ReadReport(alone);
    EXPECT_EQ(got.keywordNumbers, expected.keywordNumbers);
    EXPECT_EQ(got.target, expected.target);
}

TEST(SplitReports, NineLanguagesWithJunkBetweenThenTwoOfOnePositionAndACutOffOneTogether) {
    const std::string en = testing::ReadReportSample(testing::kReportSamples[1]);
    const std::string cut = en.substr(0, en.find("Heavy Laser"));
    std::string page = "<Kartal> scans from last night [see below]\n";
    std::vector<std::string> alone;
    for (const auto& sample : testing::kReportSamples) {
        alone.push_back(testing::ReadReportSample(sample));
        page += alone.back() + "\n[quote] nice one [/quote]\n";
    }
    alone.insert(alone.end(), {en, en, cut});
    page += en + en + cut;
    const std::vector<std::string_view> pieces = SplitReports(page);
    ASSERT_EQ(pieces.size(), alone.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) ExpectReadsAs(pieces[i], alone[i]);
    EXPECT_TRUE(SplitReports("no report [4:127] here\nRocket Launcher 5").empty());
}

}  // namespace
}  // namespace quorvel
