#include "app/panels/report_fields.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "report/report_samples.h"

namespace quorvel {

inline void PrintTo(const FieldWrite& write, std::ostream* out) {
    *out << "{" << ToInt(write.field) << ", " << write.value << "}";
}

namespace {

// What importing the sample alone writes: its items in item order, then its position.
std::vector<FieldWrite> ExpectedWrites(const testing::ReportSample& sample) {
    std::vector<FieldWrite> writes;
    for (std::size_t item = 0; item < kReportItemCount; ++item) {
        if (sample.items[item] != testing::kNotInReport)
            writes.push_back({kReportItemFields[item], sample.items[item]});
    }
    writes.push_back({ControlId::TargetGalaxyInput, sample.target.galaxy});
    writes.push_back({ControlId::TargetSystemInput, sample.target.system});
    writes.push_back({ControlId::TargetPlanetInput, sample.target.planet});
    return writes;
}

using testing::kReportSamples;
using C = ControlId;

// What the fields hold after applying the writes of an import in order.
std::map<ControlId, std::int32_t> FieldsAfter(const std::string& report) {
    std::map<ControlId, std::int32_t> fields;
    for (const FieldWrite& write : ReportFieldWrites(ReadReport(report))) fields[write.field] = write.value;
    return fields;
}

std::optional<std::int32_t> FieldAfter(const std::string& report, ControlId id) {
    const auto fields = FieldsAfter(report);
    const auto it = fields.find(id);
    if (it == fields.end()) return std::nullopt;
    return it->second;
}

TEST(ReportSamples, EachLanguageFillsItsTenItemsAndThePosition) {
    for (std::size_t block = 0; block < kReportSamples.size(); ++block) {
        const testing::ReportSample& sample = kReportSamples[block];
        const std::string text = testing::ReadReportSample(sample);
        ASSERT_FALSE(text.empty()) << sample.file;
        // Exactly the writes of its own block: no keyword of another language hits by accident.
        EXPECT_EQ(ReportFieldWrites(ReadReport(text)), ExpectedWrites(sample)) << sample.file;
    }
}

TEST(ReportSamples, TheLaterLanguageBlockWinsWhicheverComesFirstInTheText) {
    const std::string german = testing::ReadReportSample(kReportSamples[0]);
    const std::string english = testing::ReadReportSample(kReportSamples[1]);
    const std::string portuguese = testing::ReadReportSample(kReportSamples[8]);
    for (const std::string& text : {german + english, english + german}) {
        const auto fields = FieldsAfter(text);
        for (std::size_t item = 0; item < kReportItemCount; ++item) {
            EXPECT_EQ(fields.at(kReportItemFields[item]), kReportSamples[1].items[item]) << item;
        }
    }
    // The position comes from the first "[" of the text, whichever language that is.
    EXPECT_EQ(FieldsAfter(english + german).at(C::TargetGalaxyInput), kReportSamples[1].target.galaxy);
    EXPECT_EQ(FieldsAfter(german + english).at(C::TargetGalaxyInput), kReportSamples[0].target.galaxy);
    // A Dutch report has no large shield dome line, so that item keeps the German number.
    const std::string dutch = testing::ReadReportSample(kReportSamples[2]);
    EXPECT_EQ(FieldsAfter(german + dutch).at(C::LargeShieldDomeInput), kReportSamples[0].items[9]);
    EXPECT_EQ(FieldsAfter(portuguese + german).at(C::RocketLauncherInput), 12345);
}

TEST(ReadKeywordNumber, ReadsTheNumberAfterTheKeyword) {
    const struct {
        const char* text;
        ControlId field;
        std::int32_t value;
    } cases[] = {
        {"Raketenwerfer 12345", C::RocketLauncherInput, 12345},  // the end of the text ends it
        {"Raketenwerfer 1234567", C::RocketLauncherInput, 1234567},
        {"Raketenwerfer 0000000000000000000000042", C::RocketLauncherInput, 42},
        {"Raketenwerfer 2147483647", C::RocketLauncherInput, 2147483647},
        {"Raketenwerfer 2147483648", C::RocketLauncherInput, 2147483647},
        {"Raketenwerfer 99999999999999999999999999", C::RocketLauncherInput, 2147483647},
        {"Raketenwerfer 1.234", C::RocketLauncherInput, 1234},
        {"Raketenwerfer 1,234 Metall", C::RocketLauncherInput, 1234},
        {"Raketenwerfer 1.234.567", C::RocketLauncherInput, 1234567},
        {"Raketenwerfer 1.234,567", C::RocketLauncherInput, 1234567},
        {"Raketenwerfer 1.234x", C::RocketLauncherInput, 1234},
        {"Raketenwerfer 1.23", C::RocketLauncherInput, 1},
        {"Raketenwerfer 1.2345", C::RocketLauncherInput, 1},
        {"Raketenwerfer 12.345.6789", C::RocketLauncherInput, 12345},
        {"Raketenwerfer 1..234", C::RocketLauncherInput, 1},
        {"Raketenwerfer 1. 234", C::RocketLauncherInput, 1},
        {"Raketenwerfer  .234", C::RocketLauncherInput, 0},  // a separator needs a digit before it
        {"Raketenwerfer", C::RocketLauncherInput, 0},
        {"Raketenwerfer ", C::RocketLauncherInput, 0},
        {"Raketenwerfer:5", C::RocketLauncherInput, 5},
        {"Raketenwerfer\t7\n", C::RocketLauncherInput, 7},
        {"Raketenwerfer x5", C::RocketLauncherInput, 5},  // any non-digit first character counts as 0
        {"Raketenwerfer 5A3", C::RocketLauncherInput, 5},
        {"Raketenwerfer 12-3", C::RocketLauncherInput, 12},
        {"Raketenwerfer \u0661\u0662", C::RocketLauncherInput, 0},  // only ASCII digits are digits
        {"Abfangraketen 12", C::AbmInput, 12},  // the skip lands on the "n", the blank is a leading 0
        {"Abfangraketen 1.500", C::AbmInput, 1500},
        {"Raumschiffpanzerung 10", C::ArmourInput, 10},
        // The skip counts characters, not bytes.
        {"Leichtes Lasergeschütz 77", C::LightLaserInput, 77},
        {"Gaußkanone 8", C::GaussCannonInput, 8},
        {"Ciężkie działo laserowe: 60", C::HeavyLaserInput, 60},
        {"Mała powłoka ochronna 1", C::SmallShieldDomeInput, 1},
        {"Küçük Kalkan Kubbesi 3", C::SmallShieldDomeInput, 3},
        {"Cúpula pequeña de protección 4", C::SmallShieldDomeInput, 4},
        {"Tecnología de blindaje 12", C::ArmourInput, 12},
        // Invalid bytes before the keyword are one character each and change nothing after it.
        {"\xff\xfe\x80 Raketenwerfer 31", C::RocketLauncherInput, 31},
        // Only the first occurrence is read.
        {"Raketenwerfer 5\nRaketenwerfer 9", C::RocketLauncherInput, 5},
    };
    for (const auto& c : cases) EXPECT_EQ(FieldAfter(c.text, c.field), c.value) << c.text;
}

TEST(ReadKeywordNumber, TheSmallItalianDomeHitsInsideTheLargeOne) {
    const auto fields = FieldsAfter("Cupola scudo potenziata 5");
    EXPECT_EQ(fields.at(C::SmallShieldDomeInput), 0);  // reads the "p" as 0 and stops at the "o"
    EXPECT_EQ(fields.at(C::LargeShieldDomeInput), 5);
    const auto both = FieldsAfter("Cupola scudo 2\nCupola scudo potenziata 5");
    EXPECT_EQ(both.at(C::SmallShieldDomeInput), 2);
    EXPECT_EQ(both.at(C::LargeShieldDomeInput), 5);
}

TEST(ReadKeywordNumber, CaseAndAccentsMatter) {
    for (const char* text : {"raketenwerfer 5", "RAKETENWERFER 5", "Gausskanone 5", "Cañon Gauss 5",
                             "Dzialo Gaussa 5", "Rocket launcher 5", "Kucuk Kalkan Kubbesi 5"}) {
        EXPECT_TRUE(ReportFieldWrites(ReadReport(text)).empty()) << text;
    }
}

TEST(ReadKeywordNumber, TheLaterRowWinsOverTheEarlierOne) {
    EXPECT_EQ(FieldAfter("Rocket Launcher 7\nRaketenwerfer 5", C::RocketLauncherInput), 7);
    EXPECT_EQ(FieldAfter("Raketenwerfer 5\nRocket Launcher 7", C::RocketLauncherInput), 7);
    EXPECT_EQ(FieldAfter("Lançador de Mísseis 3\nRoketatar 4\nLanzamisiles 6", C::RocketLauncherInput), 3);
    // A keyword at the very end still writes its 0 over an earlier block's number.
    EXPECT_EQ(FieldAfter("Raketenwerfer 5\nRocket Launcher", C::RocketLauncherInput), 0);
}

TEST(ReadTargetPosition, ReadsOnlyAWellFormedPositionAfterTheFirstBracket) {
    const struct {
        const char* text;
        std::optional<Position> position;
    } cases[] = {
        {"Planet [1:234:5] (Player)", Position{1, 234, 5}},
        {"Planet [12:34:15] (Player)", Position{12, 34, 15}},
        {"[1:2:3]", Position{1, 2, 3}},
        {"Planet [1:234:5]", Position{1, 234, 5}},  // the text ends right after "]"
        {"Planet [1:234:5", Position{1, 234, 5}},
        {"[99:999:99]", Position{99, 999, 99}},
        {"[01:002:03]", Position{1, 2, 3}},
        {"[1:2:3] later [4:5:6]", Position{1, 2, 3}},
        {"no position here", std::nullopt},
        {"[1 :2:3] followed by text", std::nullopt},
        {"[1: 2:3]", std::nullopt},
        {"[123:4:5]", std::nullopt},
        {"[1:2345:6]", std::nullopt},
        {"[1:2:345]", std::nullopt},
        {"[:1:2]", std::nullopt},
        {"[1::2]", std::nullopt},
        {"[1:2:]", std::nullopt},
        {"[1:2]", std::nullopt},
        {"[1]2:3]", std::nullopt},
        {"[A:1:2]", std::nullopt},
        {"[1:2:x]", std::nullopt},
        {"[", std::nullopt},
        {"[1", std::nullopt},
        {"[1:", std::nullopt},
        {"[1\xef\xbc\x9a"
         "2\xef\xbc\x9a"
         "3]",
         std::nullopt},                 // full-width colons
        {"[x] [1:2:3]", std::nullopt},  // only the first "[" counts
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadTargetPosition(DecodeUtf8(c.text)), c.position) << c.text;
        // A malformed position writes no part of itself.
        const auto fields = FieldsAfter(c.text);
        EXPECT_EQ(fields.count(C::TargetGalaxyInput), c.position ? 1u : 0u) << c.text;
        EXPECT_EQ(fields.count(C::TargetSystemInput), fields.count(C::TargetGalaxyInput)) << c.text;
        EXPECT_EQ(fields.count(C::TargetPlanetInput), fields.count(C::TargetGalaxyInput)) << c.text;
    }
}

}  // namespace
}  // namespace quorvel
