// The report reader on its own: keyword numbers, the target position and the keyword search.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "report/report_samples.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

using testing::kReportSamples;

TEST(ClassifyChar, SeparatesDigitsTerminatorsAndTheRest) {
    const std::pair<char32_t, int> cases[] = {
        {U'0', 0},
        {U'7', 7},
        {U'9', 9},
        {U'A', kTerminatorClass},
        {U'Z', kTerminatorClass},
        {U':', kTerminatorClass},
        {U']', kTerminatorClass},
        {U'a', kOtherClass},
        {U'z', kOtherClass},
        {U'[', kOtherClass},
        {U' ', kOtherClass},
        {U'\t', kOtherClass},
        {U'\n', kOtherClass},
        {U'.', kOtherClass},
        {U',', kOtherClass},
        {U'-', kOtherClass},
        {U'Ä', kOtherClass},
        {U'ß', kOtherClass},
        {U'\u0661', kOtherClass},
        {U'\uFF11', kOtherClass},
    };
    for (const auto& [c, expected] : cases) EXPECT_EQ(ClassifyChar(c), expected) << static_cast<int>(c);
    EXPECT_EQ(ClassifyAt(U"12", 2), kOtherClass) << "the end of the text";
}

TEST(ReportText, FindsTheSameFirstOccurrencesAsAPlainSearch) {
    std::string all;
    for (const auto& sample : kReportSamples) all += testing::ReadReportSample(sample);
    const std::string texts[] = {
        all,
        std::string(5000, 'C') + "Cupola scudo potenziata 1 Cupola scudo 2",
        "CupolaCupola scudCupola scudo",
        "Gauss Gauss Cannon Gaus Topu Gauss kanon",
        "K\xc3\xbc\xc3\xa7\xc3\xbck Kalkan Kubbes\xc3 K\xc3\xbc\xc3\xa7\xc3\xbck Kalkan Kubbesi",
        "",
    };
    for (const std::string& text : texts) {
        const ReportText report(text);
        const std::u32string characters = DecodeUtf8(text);
        for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
            const std::size_t plain =
                std::u32string_view(characters).find(DecodeUtf8(kReportKeywords[row].text));
            const std::optional<std::size_t> expected =
                plain == std::u32string_view::npos ? std::nullopt : std::optional<std::size_t>(plain);
            EXPECT_EQ(report.FirstOccurrence(row), expected) << kReportKeywords[row].text;
        }
    }
}

TEST(ReadReportNames, TakesTheHeadersNamesInEveryLanguageAndNoneWithoutThem) {
    for (const auto& sample : kReportSamples) {
        EXPECT_EQ(ReadReport(testing::ReadReportSample(sample)).names, sample.names) << sample.file;
    }
    const std::pair<std::string, ReportNames> cases[] = {
        {"Resources at Moon [4:130:2]\nRocket Launcher\t12", {"", "Moon"}},
        {"<chat> see\nResources at  Far Away  [1:2:3](Player 'O'Neil') on 03-14", {"O'Neil", "Far Away"}},
        {"Resources at Base [1:2:3] on 03-14 (Player 'A')", {"", "Base"}},
        {"Metal mines at Base [1:2:3] (Player 'A')", {"A", ""}},
        {"[quote]Tom's[/quote] Resources at X [1:2:3] (Player 'A')", {}},
        {"Resources at " + std::string(80, 'x') + " [1:2:3]", {"", std::string(kLongestReportName, 'x')}},
    };
    for (const auto& [text, names] : cases) EXPECT_EQ(ReadReport(text).names, names) << text;
}

}  // namespace
}  // namespace quorvel
