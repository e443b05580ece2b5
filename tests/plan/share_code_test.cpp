#include "plan/share_code.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// The codes below were written by a second implementation that follows docs/share-codes.md alone.
constexpr const char* kWorkedExample = "QV1.SF2QKAAAAAAAAAgAKAAAAAAAAAAAAAAACndyhIQ";

StrikeCode WorkedExample() {
    StrikeCode strike;
    strike.counts = {100, 10, 0, 0, 0, 0, 0, 0};
    strike.interceptors = 2;
    strike.missiles = 10;
    return strike;
}

TEST(ShareCode, TheWorkedExampleIsTheFormatPagesCode) {
    EXPECT_EQ(EncodeShareCode(WorkedExample()).text, kWorkedExample);
    const DecodedShareCode decoded = DecodeShareCode(kWorkedExample);
    ASSERT_FALSE(decoded.refusal);
    EXPECT_EQ(std::get<StrikeCode>(decoded.code), WorkedExample());
}

TEST(ShareCode, EveryKindComesBackAsItWent) {
    StrikeCode strike;
    strike.counts = {2147483647, 1, 127, 128, 16383, 16384, 0, 5};
    strike.primaryTarget = 8;
    strike.neededTarget = 8;
    strike.siloLevel = 30;
    strike.start = {1, 499, 15};
    strike.target = {19, 1, 7};
    strike.impulseDriveLevel = 17;
    strike.rangeRule = RangeRule::FiveTimesLevel;
    PlanCode plan;
    plan.records.resize(kMostPlanRecords);
    plan.records.back().missiles = 2147483647;
    TargetCode list;
    list.rows.resize(3);
    list.rows[0].target = Position{99, 999, 99};
    list.rows[0].items[1] = 0;
    list.rows[2].items = {1, 2, 3, 4, 5, 6, 7, 8, 9, 2147483647};
    for (const ShareCode& code : {ShareCode(strike), ShareCode(plan), ShareCode(list)}) {
        const EncodedShareCode encoded = EncodeShareCode(code);
        ASSERT_FALSE(encoded.refusal) << code.index();
        EXPECT_EQ(DecodeShareCode(encoded.text).code, code) << encoded.text.substr(0, 40);
    }
}

TEST(ShareCode, HandWrittenCodesOfEachKindRead) {
    StrikeInput first;
    first.counts[0] = 5;
    first.interceptors = 1;
    first.armourLevel = 2;
    first.weaponsLevel = 3;
    first.primaryTarget = 8;
    first.missiles = 7;
    EXPECT_EQ(DecodeShareCode("QV1.PGwIFAAAAAAAAAAECAwgHAAAAAAAAAAAAAAAAAEdwurM").code,
              ShareCode(PlanCode{{first, StrikeInput{}}}));
    TargetCodeRow located;
    located.target = Position{1, 2, 3};
    located.items[1] = 9;
    TargetCodeRow bare;
    bare.items[2] = 0;
    EXPECT_EQ(DecodeShareCode("QV1.TCAIFAQIDCQgAnJFaKg").code, ShareCode(TargetCode{{located, bare}}));
}

TEST(ShareCode, RefusalsSayWhatIsWrong) {
    const std::string code = kWorkedExample;
    std::string changed = code;
    changed[20] = changed[20] == 'A' ? 'B' : 'A';
    const struct {
        const char* name;
        std::string code;
        CodeRefusal refusal;
    } cases[] = {
        {"one character changed", changed, CodeRefusal::Damaged},
        {"a character outside the alphabet", code.substr(0, 20) + "!" + code.substr(20),
         CodeRefusal::Damaged},
        {"an unknown kind", "QV1.X" + code.substr(5), CodeRefusal::Damaged},
        {"a version with a leading zero", "QV01." + code.substr(4), CodeRefusal::Damaged},
        {"a number not in its shortest form", "QV1.SGIAACgAAAAAAAAIACgAAAAAAAAAAAAAAAuFSdzk",
         CodeRefusal::Damaged},
        {"a byte after the last value", "QV1.SGGQKAAAAAAAAAgAKAAAAAAAAAAAAAAACAHytTG0", CodeRefusal::Damaged},
        {"a value missing", "QV1.SFmQKAAAAAAAAAgAKAAAAAAAAAAAAAACazxR1", CodeRefusal::Damaged},
        {"the last characters cut", code.substr(0, code.size() - 4), CodeRefusal::Truncated},
        {"cut after the version", "QV1", CodeRefusal::Truncated},
        {"version 2", "QV2.S" + code.substr(5), CodeRefusal::NewerVersion},
        {"a plan of 1001 records", "QV1.PAukH-BXZ1g", CodeRefusal::TooLarge},
        {"a list of 10001 rows", "QV1.TApFOn5FESw", CodeRefusal::TooLarge},
        {"more than 1 MiB", "QV1.S" + std::string(kMostCodeCharacters, 'A'), CodeRefusal::TooLarge},
        {"primary target 9", "QV1.SF2QKAAAAAAAAAgAKAAkAAAAAAAAAAAAC5pGfpA", CodeRefusal::OutOfRange},
        {"range rule 3", "QV1.SF2QKAAAAAAAAAgAKAAAAAAAAAAAAAAAD6tuRtw", CodeRefusal::OutOfRange},
        {"a count of 2^31", "QV1.SG4CAgIAICgAAAAAAAAIACgAAAAAAAAAAAAAAAo0WZQ8", CodeRefusal::OutOfRange},
        {"galaxy 100 in a target row", "QV1.TBQEBZAEBviWvlw", CodeRefusal::OutOfRange},
        {"a plan of no records", "QV1.PAQCK5sbj", CodeRefusal::OutOfRange},
    };
    for (const auto& c : cases) {
        const DecodedShareCode decoded = DecodeShareCode(c.code);
        ASSERT_TRUE(decoded.refusal) << c.name;
        EXPECT_EQ(*decoded.refusal, c.refusal) << c.name;
    }
    StrikeCode outside = WorkedExample();
    outside.primaryTarget = -1;
    EXPECT_EQ(EncodeShareCode(outside).refusal, CodeRefusal::OutOfRange);
    PlanCode large;
    large.records.resize(kMostPlanRecords + 1);
    EXPECT_EQ(EncodeShareCode(large).refusal, CodeRefusal::TooLarge);
}

TEST(ShareCode, TextsHoldACodeOnlyAtTheirStartOrInALinksFragment) {
    const std::string code = kWorkedExample;
    const struct {
        const char* name;
        std::string text;
        const char* found;  // nullptr: no code
    } cases[] = {
        {"a code with white space around", "\n  " + code + " \r\n", kWorkedExample},
        {"a link", "https://example.org/q/index.html?x=1#" + code, kWorkedExample},
        {"a link with white space inside", "see https://example.org/#" + code, nullptr},
        {"a report that names the prefix", "[1:2:3] QV1.S Rocket Launcher 5", nullptr},
        {"the prefix without a digit", "QVx.S" + code.substr(5), nullptr},
        {"a link to another fragment", "https://example.org/#top", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::string_view> found = FindShareCode(c.text);
        EXPECT_EQ(found.value_or("(none)"), c.found ? c.found : "(none)") << c.name;
    }
    // A chat program's line breaks inside a code are passed over.
    EXPECT_FALSE(DecodeShareCode(code.substr(0, 20) + "\r\n " + code.substr(20)).refusal);
}

TEST(ShareCode, PageAddressesAreTakenOnlyWhenALinkCanCarryThem) {
    const struct {
        const char* text;
        const char* address;  // nullptr: none
    } cases[] = {
        {"  https://example.org/quorvel/\n", "https://example.org/quorvel/"},
        {"HTTP://example.org/q#old", "HTTP://example.org/q"},
        {"example.org/quorvel", nullptr},
        {"javascript:alert(1)", nullptr},
        {"https://example.org/a b", nullptr},
        {"https://example.org/[x]", nullptr},
        {"https://example.org/\"onload=", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> address = PageAddressOf(c.text);
        EXPECT_EQ(address.value_or("(none)"), c.address ? c.address : "(none)") << c.text;
    }
}

}  // namespace
}  // namespace quorvel
