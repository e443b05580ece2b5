#include "plan/attack_record.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

AttackRecordWords Words(std::string_view heading = "Attack") {
    AttackRecordWords words;
    words.heading = heading;
    words.missilesCaption = "Missiles:";
    words.defenceLabel = {"RL", "LL", "HL", "GC", "IC", "PT", "SSD", "LSD"};
    words.abmLabel = "ABM";
    words.primaryTargetLabel = "Primary target";
    return words;
}

std::string Line(const std::string& record, int index) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) begin = record.find('\n', begin) + 1;
    return record.substr(begin, record.find('\n', begin) - begin);
}

TEST(AttackRecord, WholeRecordLayout) {
    AttackRecordFacts facts;
    facts.number = 1;
    facts.in.primaryTarget = 3;
    facts.in.counts = {5, 10, 0, 7, 0, 0, 1, 1};
    facts.out.destroyed = {3, 0, 0, 7, 0, 0, 0, 1};
    facts.in.interceptors = 2;
    facts.in.missiles = 10;
    facts.out.missilesFired = 10;
    EXPECT_EQ(FormatAttackRecord(Words(), facts),
              "1. Attack\n"
              "=========\n"
              "Primary target: GC\n"
              "Missiles: 10\n"
              "\n"
              "RL 2 (-3)\n"
              "LL 10 (*)\n"
              "HL 0 (*)\n"
              "GC 0 (-7)\n"
              "IC 0 (*)\n"
              "PT 0 (*)\n"
              "SSD 1 (*)\n"
              "LSD 0 (-1)\n"
              "ABM 0 (-2)\n"
              "\n"
              "\n");
}

struct UnderlineCase {
    const char* name;
    std::int64_t number;
    const char* heading;
    std::size_t underline;
};

class AttackRecordUnderline : public ::testing::TestWithParam<UnderlineCase> {};

TEST_P(AttackRecordUnderline, CountsCharactersOfTheHeading) {
    const UnderlineCase& c = GetParam();
    AttackRecordFacts facts;
    facts.number = c.number;
    const std::string record = FormatAttackRecord(Words(c.heading), facts);
    EXPECT_EQ(Line(record, 0), std::to_string(c.number) + ". " + c.heading);
    EXPECT_EQ(Line(record, 1), std::string(c.underline, '='));
}

INSTANTIATE_TEST_SUITE_P(Cases, AttackRecordUnderline,
                         ::testing::Values(UnderlineCase{"FirstRecord", 1, "Attack", 9},
                                           UnderlineCase{"NinthRecord", 9, "Attack", 9},
                                           UnderlineCase{"TenthRecord", 10, "Attack", 10},
                                           UnderlineCase{"HundredthRecordKeepsFourMore", 100, "Attack", 10},
                                           // "Saldırı": 7 characters in 9 bytes.
                                           UnderlineCase{"MultiByteHeading", 1, "Sald\xC4\xB1r\xC4\xB1", 10},
                                           UnderlineCase{"MultiByteHeadingTenth", 12,
                                                         "\xC3\x9C"
                                                         "berfall",
                                                         12},
                                           UnderlineCase{"EmptyHeading", 1, "", 3}),
                         [](const ::testing::TestParamInfo<UnderlineCase>& info) {
                             return std::string(info.param.name);
                         });

struct TargetCase {
    const char* name;
    int primaryTarget;
    const char* lineAfterUnderline;
};

class AttackRecordPrimaryTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(AttackRecordPrimaryTarget, LineOnlyForASingleType) {
    AttackRecordFacts facts;
    facts.in.primaryTarget = GetParam().primaryTarget;
    facts.out.missilesFired = 4;
    EXPECT_EQ(Line(FormatAttackRecord(Words(), facts), 2), GetParam().lineAfterUnderline);
}

INSTANTIATE_TEST_SUITE_P(Cases, AttackRecordPrimaryTarget,
                         ::testing::Values(TargetCase{"RocketLauncher", 0, "Primary target: RL"},
                                           TargetCase{"LargeShieldDome", 7, "Primary target: LSD"},
                                           TargetCase{"ShieldDomesFirst", 8, "Missiles: 4"},
                                           TargetCase{"NoSelection", -1, "Missiles: 4"}),
                         [](const ::testing::TestParamInfo<TargetCase>& info) {
                             return std::string(info.param.name);
                         });

struct InterceptorCase {
    const char* name;
    std::int32_t abmAtStart;
    std::int64_t missilesAtStart;
    std::int64_t missilesFired;
    const char* line;
};

class AttackRecordInterceptors : public ::testing::TestWithParam<InterceptorCase> {};

TEST_P(AttackRecordInterceptors, LastLineAndTwoEmptyLines) {
    const InterceptorCase& c = GetParam();
    AttackRecordFacts facts;
    facts.in.interceptors = c.abmAtStart;
    facts.in.missiles = c.missilesAtStart;
    facts.out.missilesFired = c.missilesFired;
    const std::string record = FormatAttackRecord(Words(), facts);
    const std::string ending = std::string(c.line) + "\n\n\n";
    ASSERT_GE(record.size(), ending.size());
    EXPECT_EQ(record.substr(record.size() - ending.size()), ending);
    EXPECT_EQ(record.substr(record.size() - ending.size() - 1, 1), "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AttackRecordInterceptors,
    ::testing::Values(InterceptorCase{"NoInterceptorsAtAll", 0, 5, 2, "ABM 0 (*)"},
                      InterceptorCase{"FewerThanMissilesNoneFired", 3, 5, 0, "ABM 0 (*)"},
                      InterceptorCase{"FewerThanMissilesAllUsedUp", 3, 5, 5, "ABM 0 (-3)"},
                      InterceptorCase{"EnoughNoneFired", 5, 0, 0, "ABM 5 (*)"},
                      InterceptorCase{"EnoughSomeFired", 8, 5, 5, "ABM 3 (-5)"},
                      InterceptorCase{"ExactlyEnough", 5, 5, 5, "ABM 0 (-5)"}),
    [](const ::testing::TestParamInfo<InterceptorCase>& info) { return std::string(info.param.name); });

TEST(AttackRecord, NegativeCountsArePrintedWithTheirSign) {
    AttackRecordFacts facts;
    facts.in.counts[0] = -4;
    facts.in.counts[1] = 6;
    facts.out.destroyed[1] = -2;
    facts.out.missilesFired = -1;
    const std::string record = FormatAttackRecord(Words(), facts);
    EXPECT_EQ(Line(record, 3), "Missiles: -1");
    EXPECT_EQ(Line(record, 5), "RL -4 (*)");
    EXPECT_EQ(Line(record, 6), "LL 8 (--2)");
}

}  // namespace
}  // namespace quorvel
