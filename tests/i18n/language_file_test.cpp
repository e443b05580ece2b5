#include "i18n/language_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_home.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

using testing::NumberedLine;
using testing::NumberedLines;

LanguageLines Parse(std::string_view bytes) {
    return ParseLanguageLines(bytes, SingleByteCodepage::Windows1252);
}

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A numbered file whose line `n` is replaced by `text`.
std::string WithLine(int n, const std::string& text) {
    std::string file;
    for (int k = 1; k <= kLanguageLineCount; ++k) file += (k == n ? text : NumberedLine("t", k)) + "\n";
    return file;
}

void ExpectNumbered(const LanguageLines& lines, int first, int last) {
    for (int n = first; n <= last; ++n) EXPECT_EQ(LineText(lines, n), NumberedLine("t", n)) << "line " << n;
}

void ExpectEmpty(const LanguageLines& lines, int first, int last) {
    for (int n = first; n <= last; ++n) EXPECT_EQ(LineText(lines, n), "") << "line " << n;
}

TEST(LanguageFileLineRule, EveryLineOfTheLayoutIsReadAndALineMoreChangesNothing) {
    const LanguageLines exact = Parse(NumberedLines("t"));
    ExpectNumbered(exact, 1, kLanguageLineCount);
    EXPECT_EQ(Parse(NumberedLines("t", kLanguageLineCount + 1)), exact);
    EXPECT_EQ(Parse(NumberedLines("t", 500)), exact);
}

TEST(LanguageFileLineRule, LineEndsAndTheEndOfTheFile) {
    const LanguageLines expected = Parse(NumberedLines("t"));
    EXPECT_EQ(Parse(NumberedLines("t", kLanguageLineCount, "\r\n")), expected) << "CR LF";
    std::string noFinalEnd = NumberedLines("t");
    noFinalEnd.pop_back();
    EXPECT_EQ(Parse(noFinalEnd), expected) << "no line end after the last line";
    EXPECT_EQ(Parse("\xEF\xBB\xBF" + NumberedLines("t")), expected) << "byte-order mark";

    // A carriage return anywhere else, like every control character but the tab (C0, DEL, C1, the
    // bidirectional ones, the line and paragraph separators), is dropped; blanks are never trimmed.
    const LanguageLines kept =
        Parse(" a\rb \n\n\tc\x1B[31m\x7F\xC2\x9B!\xE2\x80\xAE\xE2\x80\xA8\xD8\x9C\xE2\x80\x93\n");
    EXPECT_EQ(LineText(kept, 1), " ab ");
    EXPECT_EQ(LineText(kept, 2), "");
    EXPECT_EQ(LineText(kept, 3), "\tc[31m!\xE2\x80\x93");
}

TEST(LanguageFileLineRule, LinesPastTheEndOfTheFileAreEmpty) {
    const LanguageLines lines = Parse(NumberedLines("t", 65));
    ExpectNumbered(lines, 1, 65);
    ExpectEmpty(lines, 66, kLanguageLineCount);
    ExpectEmpty(Parse(""), 1, kLanguageLineCount);
}

TEST(LanguageFileLineRule, AnOverLongLineIsCutAndEndsTheReading) {
    const std::string line10 = Repeat("abcdefghij", 30);  // 300 characters
    const LanguageLines lines = Parse(WithLine(10, line10));
    ExpectNumbered(lines, 1, 9);
    EXPECT_EQ(LineText(lines, 10), line10.substr(0, kMaxTextCharacters));
    ExpectEmpty(lines, 11, kLanguageLineCount);

    // 255 characters are still a whole line.
    const LanguageLines fits = Parse(WithLine(10, line10.substr(0, 255)));
    EXPECT_EQ(LineText(fits, 10), line10.substr(0, 255));
    ExpectNumbered(fits, 11, kLanguageLineCount);
}

TEST(LanguageFileLineRule, TheLimitCountsCharactersAndNeverCutsOne) {
    struct Case {
        const char* name;
        std::string line;
        std::string kept;
        bool endsReading;
    };
    const std::string e = "\xC3\xA9";               // é, 2 bytes
    const std::string euro = "\xE2\x82\xAC";        // €, 3 bytes
    const std::string rocket = "\xF0\x9F\x9A\x80";  // U+1F680, 4 bytes
    const Case cases[] = {
        {"255 two-byte characters", Repeat(e, 255), Repeat(e, 255), false},
        {"256 two-byte characters", Repeat(e, 256), Repeat(e, 255), true},
        {"255 four-byte characters", Repeat(rocket, 255), Repeat(rocket, 255), false},
        {"254 letters and a euro sign", Repeat("a", 254) + euro, Repeat("a", 254) + euro, false},
        {"254 letters, a euro sign and one more", Repeat("a", 254) + euro + "b", Repeat("a", 254) + euro,
         true},
        {"a four-byte character as the 256th", Repeat("a", 255) + rocket, Repeat("a", 255), true},
    };
    for (const Case& c : cases) {
        const LanguageLines lines = Parse(WithLine(5, c.line));
        EXPECT_EQ(LineText(lines, 5), c.kept) << c.name;
        EXPECT_EQ(LineText(lines, 6), c.endsReading ? "" : NumberedLine("t", 6)) << c.name;
    }
}

TEST(LanguageFileDecoding, AFileThatIsNotUtf8IsReadAsWindows1252) {
    const LanguageLines lines = Parse(
        "Fran\xE7"
        "ais\nEspa\xF1ol\n\x80 5 \x93ok\x94\nT\xFCrk\xE7"
        "e\n");
    EXPECT_EQ(LineText(lines, 1),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(LineText(lines, 2), "Espa\xC3\xB1ol");
    EXPECT_EQ(LineText(lines, 3), "\xE2\x82\xAC 5 \xE2\x80\x9Cok\xE2\x80\x9D");
    EXPECT_EQ(LineText(lines, 4),
              "T\xC3\xBCrk\xC3\xA7"
              "e");
}

TEST(LanguageFileDecoding, OneStrayByteMakesTheWholeFileSingleByte) {
    // Line 1 would be "é" as UTF-8, but line 40 shows the file is Windows-1252.
    std::string file = WithLine(40, "Gau\xDF");
    file.replace(0, file.find('\n'), "\xC3\xA9");
    const LanguageLines lines = Parse(file);
    EXPECT_EQ(LineText(lines, 1), "\xC3\x83\xC2\xA9");  // "Ã©"
    EXPECT_EQ(LineText(lines, 40), "Gau\xC3\x9F");
}

TEST(LanguageFileDecoding, BytesThatAreNeverReadDoNotDecideTheEncoding) {
    const LanguageLines afterLastLine = Parse(NumberedLines("\xC3\xA9") + "\xE7\n");
    EXPECT_EQ(LineText(afterLastLine, 1), "\xC3\xA9 1");

    const std::string overLong = Repeat("\xC3\xA9", 300) + "\xE7";
    const LanguageLines afterTheCut = Parse(WithLine(3, overLong) + "\xE7\n");
    EXPECT_EQ(LineText(afterTheCut, 3), Repeat("\xC3\xA9", 255));
}

TEST(LanguageFileDecoding, AWindows1252LineIsLimitedBySingleByteCharacters) {
    // 255 bytes of "é" are 255 characters but 510 bytes of UTF-8: kept whole.
    const LanguageLines fits = Parse(WithLine(2, Repeat("\xE9", 255)));
    EXPECT_EQ(LineText(fits, 2), Repeat("\xC3\xA9", 255));
    EXPECT_EQ(LineText(fits, 3), NumberedLine("t", 3));

    // 150 two-byte characters would fit as UTF-8; one stray byte makes them 300 single-byte ones.
    const LanguageLines cut = Parse(WithLine(2, Repeat("\xC3\xA9", 150) + "\x80"));
    EXPECT_EQ(Utf8Length(LineText(cut, 2)), kMaxTextCharacters);
    EXPECT_EQ(LineText(cut, 3), "");
}

TEST(LanguageFileDecoding, ThePolishFileIsReadAsWindows1250) {
    testing::TestHome home;
    const std::string bytes = "\xB9\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xCA\xA3\xD1\xD3\x8C\x8F\xAF\n";
    home.Write("languages/pl_lang.dat", bytes);
    home.Write("languages/fr_lang.dat", bytes);

    const std::optional<LanguageLines> polish = ReadLanguageFile(home / "languages/pl_lang.dat");
    ASSERT_TRUE(polish);
    EXPECT_EQ(LineText(*polish, 1),
              "\xC4\x85\xC4\x99\xC5\x82\xC5\x84\xC3\xB3\xC5\x9B\xC5\xBA\xC5\xBC "
              "\xC4\x84\xC4\x98\xC5\x81\xC5\x83\xC3\x93\xC5\x9A\xC5\xB9\xC5\xBB");  // ąęłńóśźż ĄĘŁŃÓŚŹŻ

    const std::optional<LanguageLines> french = ReadLanguageFile(home / "languages/fr_lang.dat");
    ASSERT_TRUE(french);
    EXPECT_EQ(LineText(*french, 1).substr(0, 4), "\xC2\xB9\xC3\xAA");  // "¹ê" in Windows-1252

    // A Polish file in UTF-8 stays as it is.
    home.Write("languages/pl_lang.dat", "Wyrzutnia rakiet \xC5\x82\n");
    EXPECT_EQ(LineText(*ReadLanguageFile(home / "languages/pl_lang.dat"), 1), "Wyrzutnia rakiet \xC5\x82");
}

TEST(LanguageFileReading, AFileThatCannotBeOpenedGivesNothing) {
    testing::TestHome home;
    EXPECT_FALSE(ReadLanguageFile(home / "languages/none_lang.dat"));
    EXPECT_FALSE(ReadLanguageFile(home / "languages"));
}

TEST(LanguageFileReading, FromAFileTheSameAsFromMemory) {
    testing::TestHome home;
    const std::string file = WithLine(30, Repeat("\xC5\x82", 400));
    home.Write("languages/eng_lang.dat", file);
    EXPECT_EQ(ReadLanguageFile(home / "languages/eng_lang.dat"), Parse(file));
}

TEST(LanguageFileReading, AHugeFileIsReadOnlyAsFarAsTheLinesGo) {
    testing::TestHome home;
    home.Write("languages/eng_lang.dat", std::string(8 << 20, 'x'));
    const std::optional<LanguageLines> lines = ReadLanguageFile(home / "languages/eng_lang.dat");
    ASSERT_TRUE(lines);
    EXPECT_EQ(LineText(*lines, 1), std::string(kMaxTextCharacters, 'x'));
    ExpectEmpty(*lines, 2, kLanguageLineCount);

    // Seventy-two lines of the longest kind still fit in what is read.
    const std::string longest = Repeat("\xF0\x9F\x9A\x80", 255);
    std::string file;
    for (int n = 0; n < kLanguageLineCount; ++n) file += longest + "\r\n";
    home.Write("languages/eng_lang.dat", file + std::string(1 << 20, 'y'));
    const std::optional<LanguageLines> full = ReadLanguageFile(home / "languages/eng_lang.dat");
    ASSERT_TRUE(full);
    EXPECT_EQ(LineText(*full, kLanguageLineCount), longest);
}

}  // namespace
}  // namespace quorvel
