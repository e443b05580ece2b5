#include "plan/share_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "text/utf8.h"

namespace quorvel {
namespace {

const ShareWords& Words() {
    static const ShareWords words = [] {
        ShareWords w;
        w.record.heading = "Attack";
        w.record.missilesCaption = "Missiles:";
        w.record.defenceLabel = {"RL", "LL", "HL", "Gau\xc3\x9f", "Ion", "PT", "SSD", "LSD"};
        w.record.abmLabel = "ABM";
        w.record.primaryTargetLabel = "Target";
        w.strikeHeading = "Strike";
        w.beforeHeading = "Before";
        w.destroyedHeading = "Destroyed";
        w.remainingHeading = "Left";
        w.defenderLosses = "Def";
        w.attackerLosses = "Att";
        w.resource = {"M", "C", "D"};
        w.missilesFired = "Fired";
        w.missilesIntercepted = "Intercepted";
        w.missilesLeft = "Spare";
        w.lostMoreMark = "+more";
        w.lostLessMark = "-less";
        return w;
    }();
    return words;
}

// The worked example: 100 rocket launchers, 10 light lasers, 2 interceptors, 10 missiles; 4 fired
// (2 of them intercepted), 6 left.
AttackRecordFacts WorkedExample() {
    AttackRecordFacts facts;
    facts.in.counts = {100, 10, 0, 0, 0, 0, 0, 0};
    facts.out.destroyed = {100, 10, 0, 0, 0, 0, 0, 0};
    facts.in.interceptors = 2;
    facts.in.missiles = 10;
    facts.out.missilesFired = 4;
    facts.out.defenderLoss = {231000, 5000, 4000};
    facts.out.attackerLoss = {50000, 10000, 40000};
    facts.out.missilesLeft = 6;
    return facts;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ShareText, PlainTextIsTheAttackRecord) {
    const AttackRecordFacts facts = WorkedExample();
    EXPECT_EQ(FormatStrikeShare(ShareFormat::Text, Words(), facts),
              FormatAttackRecord(Words().record, facts));
}

TEST(ShareText, BBCodeCarriesEveryPartAndTheBalanceInColourAndWord) {
    EXPECT_EQ(
        FormatStrikeShare(ShareFormat::BBCode, Words(), WorkedExample()),
        "[b]Strike[/b]\n"
        "[b]Target:[/b] RL\n"
        "[b]Fired:[/b] 4 \xc2\xb7 [b]Intercepted:[/b] 2 \xc2\xb7 [b]Spare:[/b] 6\n"
        "[list]\n"
        "[*][b]RL[/b]: Before 100 \xc2\xb7 Destroyed 100 \xc2\xb7 Left 0\n"
        "[*][b]LL[/b]: Before 10 \xc2\xb7 Destroyed 10 \xc2\xb7 Left 0\n"
        "[*][b]ABM[/b]: Before 2 \xc2\xb7 Destroyed 2 \xc2\xb7 Left 0\n"
        "[/list]\n"
        "[b]Def[/b]: M [color=red]231.000 +more[/color] \xc2\xb7 C [color=green]5.000 -less[/color] \xc2\xb7 "
        "D [color=green]4.000 -less[/color]\n"
        "[b]Att[/b]: M [color=green]50.000 -less[/color] \xc2\xb7 C [color=red]10.000 +more[/color] \xc2\xb7 "
        "D [color=red]40.000 +more[/color]\n");
}

TEST(ShareText, EqualLossesHaveNeitherColourNorMarkAndNoDefencesNoList) {
    AttackRecordFacts facts;
    facts.in.primaryTarget = 8;  // shield domes first: no target line
    const std::string text = FormatStrikeShare(ShareFormat::BBCode, Words(), facts);
    EXPECT_EQ(text.find("[color"), std::string::npos) << text;
    EXPECT_EQ(text.find("[list]"), std::string::npos) << text;
    EXPECT_EQ(text.find("Target"), std::string::npos) << text;
    EXPECT_NE(text.find("[b]Def[/b]: M 0 \xc2\xb7 C 0 \xc2\xb7 D 0\n"), std::string::npos) << text;
}

TEST(ShareText, MarkdownIsACodeBlockWhoseColumnsLineUpByCharacters) {
    AttackRecordFacts facts = WorkedExample();
    facts.in.counts[3] = 1234567;  // a two-byte letter in the label and a grouped count
    facts.out.destroyed[3] = 7;
    const std::vector<std::string> lines = Lines(FormatStrikeShare(ShareFormat::Markdown, Words(), facts));
    ASSERT_GE(lines.size(), 12U);
    EXPECT_EQ(lines[0], "**Strike**");
    EXPECT_EQ(lines[1], "```");
    EXPECT_EQ(lines.back(), "```");
    EXPECT_EQ(lines[5], "         Before  Destroyed       Left");
    EXPECT_EQ(lines[6], "RL          100        100          0");
    EXPECT_EQ(lines[8], "Gau\xc3\x9f  1.234.567          7  1.234.560");
    EXPECT_EQ(lines[9], "ABM           2          2          0");
    // Right-aligned columns end in the same character column.
    EXPECT_EQ(Utf8Length(lines[8]), Utf8Length(lines[5]));
    EXPECT_EQ(lines[lines.size() - 3], "Def  231.000 +more   5.000 -less   4.000 -less");
    EXPECT_EQ(lines[lines.size() - 2], "Att   50.000 -less  10.000 +more  40.000 +more");
}

TEST(ShareText, PlanFormsNumberEveryRecordAndListEveryType) {
    AttackRecordFacts first = WorkedExample();
    AttackRecordFacts second = first;
    second.number = 2;
    second.in.counts = {};
    second.out.destroyed = {};
    second.in.interceptors = 0;
    const std::vector<AttackRecordFacts> records = {first, second};

    const std::string bbcode = FormatPlanShare(ShareFormat::BBCode, Words(), "", records);
    EXPECT_NE(
        bbcode.find("[b]1. Attack[/b]\n[b]Target:[/b] RL\n[b]Missiles:[/b] 4\n[list]\n[*]RL 0 (-100)\n"),
        std::string::npos)
        << bbcode;
    EXPECT_NE(bbcode.find("[*]ABM 0 (-2)\n[/list]\n\n[b]2. Attack[/b]"), std::string::npos) << bbcode;

    const std::string markdown = FormatPlanShare(ShareFormat::Markdown, Words(), "", records);
    EXPECT_NE(markdown.find("**2. Attack**\n```\n"), std::string::npos) << markdown;
    EXPECT_NE(markdown.find("RL    0  (-100)\nLL    0   (-10)\nHL    0     (*)\n"), std::string::npos)
        << markdown;

    // No word breaks the list or the code block.
    ShareWords odd = Words();
    odd.record.defenceLabel[0] = "RL[/list][b]";
    odd.record.defenceLabel[1] = "LL````";
    EXPECT_NE(FormatPlanShare(ShareFormat::BBCode, odd, "", records)
                  .find("[*]RL[\xE2\x80\x8B/list][\xE2\x80\x8B"
                        "b] 0"),
              std::string::npos);
    EXPECT_NE(FormatPlanShare(ShareFormat::Markdown, odd, "", records).find("**1. Attack**\n`````\n"),
              std::string::npos);
    odd.record.heading = "At*ta_ck`";
    EXPECT_EQ(FormatPlanShare(ShareFormat::Markdown, odd, "", records).rfind("**1. At\\*ta\\_ck\\`**\n", 0),
              0U);

    std::string text;
    for (const AttackRecordFacts& facts : records) text += FormatAttackRecord(Words().record, facts);
    EXPECT_EQ(FormatPlanShare(ShareFormat::Text, Words(), "", records), text);

    // The records taken over from an ended window lead, in its words, numbers grouped.
    const std::string takenOver =
        "7. Angriff\n==========\nRaketen: 1200\n\nRaketenwerfer 5 (-1500)\nAbfangrakete 0 (*)\n\n\n";
    EXPECT_EQ(FormatPlanShare(ShareFormat::Text, Words(), takenOver, records), takenOver + text);
    EXPECT_EQ(FormatPlanShare(ShareFormat::BBCode, Words(), takenOver, records)
                  .rfind("[b]7. Angriff[/b]\n[b]Raketen:[/b] 1.200\n[list]\n[*]Raketenwerfer 5 (-1.500)\n"
                         "[*]Abfangrakete 0 (*)\n[/list]\n\n[b]1. Attack[/b]\n",
                         0),
              0U);
    EXPECT_EQ(FormatPlanShare(ShareFormat::Markdown, Words(), takenOver, records)
                  .rfind("**7. Angriff**\n```\nRaketen: 1.200\n\nRaketenwerfer  5  (-1.500)\n"
                         "Abfangrakete   0       (*)\n```\n\n**1. Attack**\n",
                         0),
              0U);
}

TargetListWords ListWords() {
    TargetListWords w;
    w.title = "Targets";
    w.heading = {"Pos, \"g:s:p\"", "Units",  "Value", "ABM", "Arm",    "Need",  "Loss", "Per",
                 "Dist",           "Flight", "At",    "In",  "Player", "Planet"};
    w.resource = {"M", "C", "D"};
    w.yes = "yes";
    w.no = "no";
    return w;
}

// 4:127:9 with every column filled, a row with only its counts and one in another galaxy.
std::vector<TargetRow> ListRows() {
    TargetRow full;
    full.target = Position{4, 127, 9};
    full.report.names = {"Corvanth", "Hyperion"};
    full.defenceUnits = 1234567;
    full.defenceValue = {3905000, 415000, 40000};
    full.interceptors = 20;
    full.armourLevel = 15;
    full.missilesNeeded = 64;
    full.loss = Resources{3905000, 415000, 40000};
    full.resourcesPerMissile = 67890;
    full.systems = 27;
    full.flightSeconds = 27 * 60 + 30;
    full.arrivalSecondOfDay = 17 * 60 + 30;
    full.inRange = true;
    TargetRow bare;
    bare.defenceUnits = 5;
    TargetRow far;
    far.otherGalaxy = true;
    return {full, bare, far};
}

TEST(ShareText, TargetListCsvQuotesDoublesAndEndsLinesInCrLf) {
    const std::vector<TargetRow> rows = ListRows();
    const std::vector<std::size_t> order = {1, 0, 2};
    EXPECT_EQ(FormatTargetListCsv(ListWords(), rows, order),
              "\"Pos, \"\"g:s:p\"\"\",Player,Planet,Units,Value M,Value C,Value D,ABM,Arm,Need,Loss M,Loss C,"
              "Loss D,Per,Dist,Flight,At,In\r\n"
              ",,,5,0,0,0,0,0,0,,,,,,,,\r\n"
              "4:127:9,Corvanth,Hyperion,1234567,3905000,415000,40000,20,15,64,3905000,415000,40000,67890,27,"
              "0:27:30,00:17:30,yes\r\n"
              ",,,0,0,0,0,0,0,0,,,,,,,,no\r\n");
    // In the list, a target in another galaxy has no flight, and is out of range.
    const auto far = TargetCells(rows[2], ListWords());
    for (TargetColumn column : {TargetColumn::Systems, TargetColumn::FlightTime, TargetColumn::Arrival})
        EXPECT_EQ(far[static_cast<std::size_t>(column)], "\u2014");
    EXPECT_EQ(far[static_cast<std::size_t>(TargetColumn::InRange)], "no");
}

TEST(ShareText, TargetListTextBBCodeAndMarkdownGroupAsTheWindowDoes) {
    const std::vector<TargetRow> rows = ListRows();
    const std::vector<std::size_t> order = {0};
    TargetListWords words = ListWords();
    words.heading[0] = "Pos";
    const std::vector<std::string> text = Lines(FormatTargetListShare(ShareFormat::Text, words, rows, order));
    ASSERT_EQ(text.size(), 3U);
    EXPECT_EQ(text[0], "Targets");
    EXPECT_EQ(text[2].substr(0, 49), "4:127:9  Corvanth  Hyperion  1.234.567  3.905.000");
    EXPECT_EQ(Utf8Length(text[1]), Utf8Length(text[2])) << "right-aligned columns";
    EXPECT_EQ(FormatTargetListShare(ShareFormat::Markdown, words, rows, order),
              "**Targets**\n```\n" + text[1] + '\n' + text[2] + "\n```\n");
    words.heading[1] = "[b]Units";
    const std::string bbcode = FormatTargetListShare(ShareFormat::BBCode, words, rows, order);
    EXPECT_TRUE(
        bbcode.starts_with("[b]Targets[/b]\n[list]\n[*][b]4:127:9[/b]: Player Corvanth \xc2\xb7 Planet "
                           "Hyperion \xc2\xb7 [\xE2\x80\x8B"
                           "b]Units 1.234.567 \xc2\xb7 Value M 3.905.000 \xc2\xb7 "))
        << bbcode;
}

}  // namespace
}  // namespace quorvel
