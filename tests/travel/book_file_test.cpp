#include "travel/book_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/book_text.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

using testing::BookText;

// ---- Reading ---------------------------------------------------------------------------------

struct ParseCase {
    const char* name;
    std::string text;
    BookRecords records;
    int valuesRead;
    BookStop stop;
};

class ParseBookTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseBookTest, ReadsRecordsByTheStopRule) {
    const ParseCase& c = GetParam();
    const BookReading reading = ParseBook(c.text);
    for (int i = 0; i < kBookCapacity; ++i) {
        EXPECT_EQ(reading.records[i], c.records[i]) << "record " << i;
    }
    EXPECT_EQ(reading.valuesRead, c.valuesRead);
    EXPECT_EQ(reading.stop, c.stop);
}

const std::string kNineRecords = "1 1 1\n2 2 2\n3 3 3\n4 4 4\n5 5 5\n6 6 6\n7 7 7\n8 8 8\n9 9 9\n";
const BookRecords kNine = {
    {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}, {7, 7, 7}, {8, 8, 8}, {9, 9, 9}}};

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseBookTest,
    ::testing::Values(
        ParseCase{"empty", "", {}, 0, BookStop::EndOfText},
        ParseCase{"one_line", "1 234 5\n", {{{1, 234, 5}}}, 3, BookStop::EndOfText},
        ParseCase{"short_file_counts_missing_as_zero",
                  "1 2 3\n4 5",
                  {{{1, 2, 3}, {4, 5, 0}}},
                  5,
                  BookStop::EndOfText},
        ParseCase{"digits_then_letters", "12abc 4 5\n", {{{12, 0, 0}}}, 1, BookStop::BadValue},
        ParseCase{"malformed_token_zeroes_the_rest",
                  "1 2 3\n4 x 6\n7 8 9\n",
                  {{{1, 2, 3}, {4, 0, 0}}},
                  4,
                  BookStop::BadValue},
        ParseCase{"beyond_32_bits", "1 2147483648 3\n", {{{1, 0, 0}}}, 1, BookStop::BadValue},
        ParseCase{"below_32_bits", "-2147483649 1 1\n", {}, 0, BookStop::BadValue},
        ParseCase{
            "huge_digit_run", "5 " + std::string(5000, '9') + " 5\n", {{{5, 0, 0}}}, 1, BookStop::BadValue},
        ParseCase{"32_bit_extremes",
                  "2147483647 -2147483648 0\n",
                  {{{2147483647, -2147483648, 0}}},
                  3,
                  BookStop::EndOfText},
        ParseCase{"signs_and_leading_zeros", "+5 -6 007\n", {{{5, -6, 7}}}, 3, BookStop::EndOfText},
        ParseCase{"sign_without_digits", "1 - 2\n", {{{1, 0, 0}}}, 1, BookStop::BadValue},
        ParseCase{"sign_at_end", "1 2 3 +", {{{1, 2, 3}}}, 3, BookStop::BadValue},
        ParseCase{"any_white_space_separates",
                  "1\t2\r\n3\v4\f5     6",
                  {{{1, 2, 3}, {4, 5, 6}}},
                  6,
                  BookStop::EndOfText},
        ParseCase{
            "sign_after_digits_starts_the_next_value", "12-3 4", {{{12, -3, 4}}}, 3, BookStop::EndOfText},
        ParseCase{"byte_order_mark_is_not_a_number",
                  "\xEF\xBB\xBF"
                  "1 2 3\n",
                  {},
                  0,
                  BookStop::BadValue},
        ParseCase{"nine_records", kNineRecords, kNine, 27, BookStop::AllValuesRead},
        ParseCase{"nothing_after_the_27th_value_is_read", kNineRecords + "10 10 10\nrubbish 99999999999\n",
                  kNine, 27, BookStop::AllValuesRead}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(NextFreeRecord, IsWhereAnAppendedLineIsReadBack) {
    const struct {
        std::string text;
        std::optional<int> next;
    } cases[] = {
        {"", 0},
        {"1 2 3", 1},
        {"1 2 3\n4 5 6\n", 2},
        {"1 2 3\n4 5\n", std::nullopt},  // the new line would fill the missing planet
        {"1 2 3\nxyz\n", std::nullopt},  // the reader stops before it
        {"1 2 99999999999\n", std::nullopt},
        {"1 1 1\n2 2 2\n3 3 3\n4 4 4\n5 5 5\n6 6 6\n7 7 7\n8 8 8\n", 8},
        {kNineRecords, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseBook(c.text).NextFreeRecord(), c.next) << c.text;
}

TEST(BookRecordText, ListEntryAndFileLine) {
    EXPECT_EQ(BookEntryText({1, 234, 5}), "1:234:5");
    EXPECT_EQ(BookEntryText({-1, 0, 25}), "-1:0:25");
    EXPECT_EQ(BookLine({1, 234, 5}), "1 234 5\n");
}

TEST(BookRecordRules, ListableAndKeepable) {
    const struct {
        BookRecord record;
        bool listable;
        bool keepable;
    } cases[] = {
        {{5, 5, 5}, true, true},      {{19, 499, 15}, true, true}, {{20, 1, 1}, true, false},
        {{25, 600, 99}, true, false}, {{0, 1, 1}, false, false},   {{1, 0, 1}, false, false},
        {{1, 1, -1}, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsListable(c.record), c.listable) << BookEntryText(c.record);
        EXPECT_EQ(IsKeepable(c.record), c.keepable) << BookEntryText(c.record);
    }
}

TEST(ReadBookRecords, MissingFileGivesZeros) {
    testing::TestHome home;
    EXPECT_EQ(ReadBookRecords(home.BookFile()), BookRecords{});
    home.WriteBook("4 200 8\n");
    EXPECT_EQ(ReadBookRecords(home.BookFile())[0], (BookRecord{4, 200, 8}));
}

// ---- Saving and deleting -----------------------------------------------------------------------

TEST(SaveToBook, KeepsTheOldTextByteForByteAndAddsOneLine) {
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        {"", "7 8 9\n"},
        {"1 2 3\n", "1 2 3\n7 8 9\n"},
        {"1 2 3", "1 2 3\n7 8 9\n"},                  // a missing last line break is added first
        {"1 2 3\r\n", "1 2 3\r\n7 8 9\n"},            // Windows line ends stay as they were
        {"  1\t2 3  \n\n", "  1\t2 3  \n\n7 8 9\n"},  // hand-edited spacing too
        // More than one buffer of the streamed copy, ending without a line break.
        {"1 2 3" + std::string(200000, ' '), "1 2 3" + std::string(200000, ' ') + "\n7 8 9\n"},
    };
    for (const auto& c : cases) {
        testing::TestHome home;
        home.WriteBook(c.before);
        EXPECT_EQ(SaveToBook(home.BookFile(), {7, 8, 9}), BookWrite::Written) << c.before;
        EXPECT_EQ(home.BookText(), c.after);
    }
}

TEST(SaveToBook, WritesNothingWhereTheLineWouldNotBeReadBack) {
    const struct {
        std::string text;
        BookWrite outcome;
    } cases[] = {
        {"7 8 9\n", BookWrite::AlreadyInBook},
        {kNineRecords, BookWrite::NotReachable},
        {"1 2 3\n4 5\n", BookWrite::NotReachable},
        {"1 2 3\nnot a number\n", BookWrite::NotReachable},
        {"1 2 3\n" + std::string(200000, '\0'), BookWrite::NotReachable},  // a sparse file's hole
    };
    for (const auto& c : cases) {
        testing::TestHome home;
        home.WriteBook(c.text);
        EXPECT_EQ(SaveToBook(home.BookFile(), {7, 8, 9}), c.outcome) << c.text;
        EXPECT_EQ(home.BookText(), c.text);
    }
}

TEST(SaveToBook, MissingFileIsNotCreated) {
    testing::TestHome home;
    EXPECT_EQ(SaveToBook(home.BookFile(), {1, 1, 1}), BookWrite::NotWritten);
    EXPECT_EQ(home.BookText(), std::nullopt);
}

TEST(EnsureBookFile, CreatesAnEmptyFileButNeverTruncates) {
    testing::TestHome home;
    EXPECT_TRUE(EnsureBookFile(home.BookFile()));
    EXPECT_EQ(home.BookText(), "");
    home.WriteBook("1 2 3\n");
    EXPECT_TRUE(EnsureBookFile(home.BookFile()));
    EXPECT_EQ(home.BookText(), "1 2 3\n");
    home.RemoveDataFolder();
    EXPECT_FALSE(EnsureBookFile(home.BookFile()));
    EXPECT_FALSE(std::filesystem::exists(home.Path() / "data"));
}

TEST(DeleteFromBook, RewritesOnlyKeepableRecordsOfTheFirstNine) {
    testing::TestHome home;
    home.WriteBook("1 1 1\n25 2 2\n3 3 3\n0 4 4\n5 5 5\n6 6 6\n7 7 7\n8 8 8\n9 9 9\n10 10 10\n");
    EXPECT_EQ(DeleteFromBook(home.BookFile(), 2), BookWrite::Written);
    EXPECT_EQ(home.BookText(), BookText({{1, 1, 1}, {5, 5, 5}, {6, 6, 6}, {7, 7, 7}, {8, 8, 8}, {9, 9, 9}}));
}

TEST(DeleteFromBook, NothingSelectedLeavesTheFileUntouched) {
    // The first record is not listable, so the list is empty; the file keeps every record.
    const std::string text = "0 0 0\n1 2 3\n4 5 6\n";
    for (int index : {-1, 9, 1000}) {
        testing::TestHome home;
        home.WriteBook(text);
        EXPECT_EQ(DeleteFromBook(home.BookFile(), index), BookWrite::NothingSelected);
        EXPECT_EQ(home.BookText(), text);
    }
}

TEST(DeleteFromBook, MissingFileBecomesAnEmptyBook) {
    testing::TestHome home;
    EXPECT_EQ(DeleteFromBook(home.BookFile(), -1), BookWrite::Written);
    EXPECT_EQ(home.BookText(), "");
}

TEST(DeleteFromBook, MissingDataFolderWritesNothing) {
    testing::TestHome home;
    home.RemoveDataFolder();
    EXPECT_EQ(DeleteFromBook(home.BookFile(), 0), BookWrite::NotWritten);
    EXPECT_FALSE(std::filesystem::exists(home.Path() / "data"));
}

TEST(BookFilePermissions, ReadOnlyFileIsNeverReplaced) {
    testing::TestHome home;
    const std::string text = BookText({{1, 1, 1}, {2, 2, 2}});
    home.WriteBook(text);
    using std::filesystem::perms;
    // The folder is open to everyone, so only the file's own permission can stop a replacement.
    std::filesystem::permissions(home.Path() / "data", perms::all);
    std::filesystem::permissions(home.BookFile(), perms::owner_read | perms::group_read | perms::others_read);
    RunWithFilePermissions(home, [&] {
        EXPECT_EQ(SaveToBook(home.BookFile(), {3, 3, 3}), BookWrite::NotWritten);
        EXPECT_EQ(DeleteFromBook(home.BookFile(), 0), BookWrite::NotWritten);
        EXPECT_EQ(home.BookText(), text);
    });
}

TEST(BookFilePermissions, FailedReplacementKeepsTheOldBook) {
    // The file itself may be written, but no new file can be made beside it.
    testing::TestHome home;
    const std::string text = BookText({{1, 1, 1}, {2, 2, 2}});
    home.WriteBook(text);
    using std::filesystem::perms;
    const perms readOnlyFolder = perms::owner_read | perms::owner_exec | perms::group_read |
                                 perms::group_exec | perms::others_read | perms::others_exec;
    std::filesystem::permissions(home.BookFile(), perms::all);
    std::filesystem::permissions(home.Path() / "data", readOnlyFolder);
    RunWithFilePermissions(home, [&] {
        EXPECT_EQ(DeleteFromBook(home.BookFile(), 0), BookWrite::NotWritten);
        EXPECT_EQ(SaveToBook(home.BookFile(), {3, 3, 3}), BookWrite::NotWritten);
        EXPECT_EQ(home.BookText(), text);
        // No temporary file is left behind either.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Path() / "data"),
                                std::filesystem::directory_iterator()),
                  1);
    });
    std::filesystem::permissions(home.Path() / "data", perms::all);
}

}  // namespace
}  // namespace quorvel
