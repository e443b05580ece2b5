// Atomic replacement with its leftovers, and the UTF-8 helpers every text limit relies on.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fileio/atomic_file.h"
#include "support/test_home.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

using testing::TestHome;

// The temporary's name does not grow with the target's, so the longest legal name is written too.
TEST(ReplaceFileAtomically, WritesAndReplacesWithoutLeavingTemporaries) {
    TestHome home;
    const auto target = home.Path() / "data" / std::string(255, 'b');
    EXPECT_EQ(ReplaceFileAtomically(target, "1 2 3\n"), WriteOutcome::Ok);
    EXPECT_EQ(ReplaceFileAtomically(target, "4 5 6\n"), WriteOutcome::Ok);
    EXPECT_EQ(ReadWholeFile(target), "4 5 6\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(target.parent_path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(ReplaceFileAtomically, ReportsAFolderThatIsNotThere) {
    TestHome home;
    EXPECT_EQ(ReplaceFileAtomically(home.Path() / "missing" / "x.txt", "x"), WriteOutcome::CannotCreate);
    EXPECT_FALSE(ReadWholeFile(home.Path() / "missing" / "x.txt").has_value());
}

TEST(ReplaceFileAtomically, AFolderInTheWayFailsAndKeepsIt) {
    TestHome home;
    std::filesystem::create_directories(home.Path() / "data" / "taken" / "inside");
    EXPECT_EQ(ReplaceFileAtomically(home.Path() / "data" / "taken", "x"), WriteOutcome::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(home.Path() / "data" / "taken" / "inside"));
}

TEST(RemoveAbandonedTemporaries, RemovesTheAbandonedTemporariesBesideTheTarget) {
    TestHome home;
    const std::string abandoned = "data/.quorvel-0123456789abcdef.tmp";
    for (const char* name : {"data/QuorvelData.dat", "data/QuorvelData.dat.tmp-5-0"}) home.Write(name, "x");
    home.Write(abandoned, "x");
    RemoveAbandonedTemporaries(home.Path() / "data" / "QuorvelData.dat");
    EXPECT_FALSE(home.Exists(abandoned));
    EXPECT_TRUE(home.Exists("data/QuorvelData.dat"));
    EXPECT_TRUE(home.Exists("data/QuorvelData.dat.tmp-5-0")) << "not a name the program gives";
    RemoveAbandonedTemporaries(home.Path() / "nowhere" / "QuorvelData.dat");  // no folder: nothing happens

    // A book that is a symlink is rewritten beside the file it names; its temporaries are found there.
    home.Write("elsewhere/book.txt", "1 1 1\n");
    home.Write("elsewhere/.quorvel-fedcba9876543210.tmp", "x");
    std::filesystem::create_symlink(home.Path() / "elsewhere" / "book.txt",
                                    home.Path() / "data" / "linked.dat");
    RemoveAbandonedTemporaries(home.Path() / "data" / "linked.dat");
    EXPECT_FALSE(home.Exists("elsewhere/.quorvel-fedcba9876543210.tmp"));
}

TEST(Utf8, CountsAndCutsWholeCharacters) {
    const std::string text = "Gau\xC3\x9F\xE2\x82\xAC!";  // "Gauß€!"
    EXPECT_EQ(Utf8Length(text), 6u);
    EXPECT_EQ(Utf8Prefix(text, 4), "Gau\xC3\x9F");
    EXPECT_EQ(Utf8Prefix(text, 5), "Gau\xC3\x9F\xE2\x82\xAC");
    EXPECT_EQ(Utf8Prefix(text, 99), text);
    EXPECT_TRUE(IsValidUtf8(text));
}

TEST(Utf8, InvalidBytesCountAsOneCharacterEach) {
    for (const std::string bad :
         {"\xC3", "\xE2\x82", "\xED\xA0\x80", "\xC0\xAF", "\xF5\x80\x80\x80", "\xFF"}) {
        EXPECT_FALSE(IsValidUtf8(bad));
        EXPECT_EQ(Utf8Length(bad), bad.size());
        EXPECT_EQ(DecodeUtf8(bad), std::u32string(bad.size(), U'\uFFFD'));
    }
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("a\xF0\x9F\x9A\x80z")), "a\xF0\x9F\x9A\x80z");
}

}  // namespace
}  // namespace quorvel
