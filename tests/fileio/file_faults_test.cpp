// Odd files and failing writes at the file level: reads never block or throw, rewrites keep what
// the player set up (mode, symlink, read-only) and say why they failed.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "fileio/atomic_file.h"
#include "fileio/file_error.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

using testing::TestHome;

unsigned Mode(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

int FilesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(ReadRegularFile, OddFilesAreUnreadableWithTheirReason) {
    TestHome home;
    std::filesystem::create_directories(home / "data/folder");
    ASSERT_EQ(::mkfifo((home / "data/fifo").c_str(), 0600), 0);
    const struct {
        const char* name;
        int error;
    } cases[] = {{"data/folder", EISDIR},
                 {"data/fifo", kNotOrdinaryFileError},
                 {"data/missing", ENOENT},
                 {"/dev/null", kNotOrdinaryFileError}};
    for (const auto& c : cases) {
        int error = 0;
        const std::filesystem::path path = c.name[0] == '/' ? std::filesystem::path(c.name) : home / c.name;
        EXPECT_FALSE(ReadRegularFile(path, 100, &error).has_value()) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    home.Write("data/file", "0123456789");
    EXPECT_EQ(ReadRegularFile(home / "data/file", 4), "0123");
    EXPECT_EQ(ReadRegularFile(home / "data/file"), "0123456789");
}

TEST(ReplaceFileAtomically, KeepsThePermissionBits) {
    TestHome home;
    for (const unsigned mode : {0600u, 0640u, 0604u}) {
        home.Write("data/f", "old");
        ASSERT_EQ(::chmod((home / "data/f").c_str(), mode), 0);
        EXPECT_EQ(ReplaceFileAtomically(home / "data/f", "new"), WriteOutcome::Ok);
        EXPECT_EQ(Mode(home / "data/f"), mode);
        EXPECT_EQ(home.Read("data/f"), "new");
    }
}

TEST(ReplaceFileAtomically, WritesThroughSymlinksAndKeepsThem) {
    TestHome home;
    home.Write("real/book.dat", "old");
    ASSERT_EQ(::chmod((home / "real/book.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("../real/book.dat", home / "data/link");   // relative
    std::filesystem::create_symlink(home / "data/link", home / "data/chain");  // link to a link
    EXPECT_EQ(ReplaceFileAtomically(home / "data/chain", "new"), WriteOutcome::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(home / "data/chain"));
    EXPECT_TRUE(std::filesystem::is_symlink(home / "data/link"));
    EXPECT_EQ(home.Read("real/book.dat"), "new");
    EXPECT_EQ(Mode(home / "real/book.dat"), 0600u);
    // A dangling link creates the file it points at.
    std::filesystem::create_symlink("../real/new.dat", home / "data/dangling");
    EXPECT_EQ(ReplaceFileAtomically(home / "data/dangling", "x"), WriteOutcome::Ok);
    EXPECT_EQ(home.Read("real/new.dat"), "x");
    EXPECT_TRUE(std::filesystem::is_symlink(home / "data/dangling"));
}

TEST(ReplaceFileAtomically, LeavesAReadOnlyFileAlone) {
    TestHome home;
    home.Write("data/f", "old");
    std::filesystem::permissions(home / "data", std::filesystem::perms::all);
    ASSERT_EQ(::chmod((home / "data/f").c_str(), 0444), 0);
    testing::RunWithFilePermissions(home, [&] {
        int error = 0;
        EXPECT_EQ(ReplaceFileAtomically(home / "data/f", "new", &error), WriteOutcome::CannotCreate);
        EXPECT_EQ(error, EACCES);
        EXPECT_EQ(home.Read("data/f"), "old");
    });
}

// A rewrite never puts an ordinary file in place of a FIFO, a device (a scratch node, never /dev) or
// a folder, as root neither; a link to one is followed and refused the same way.
TEST(ReplaceFileAtomically, RefusesWhatIsNoOrdinaryFile) {
    TestHome home;
    std::filesystem::create_directories(home / "data/folder");
    ASSERT_EQ(::mkfifo((home / "data/fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("loop", home / "data/loop");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::mknod((home / "data/null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        std::filesystem::create_symlink(home / "data/null", home / "data/LanguageSave.dat");
    }
    const struct {
        const char* name;
        int error;
        bool needsRoot;
    } cases[] = {{"data/fifo", kNotOrdinaryFileError, false},
                 {"data/folder", EISDIR, false},
                 {"data/loop", ELOOP, false},
                 {"data/null", kNotOrdinaryFileError, true},
                 {"data/LanguageSave.dat", kNotOrdinaryFileError, true}};
    for (const auto& c : cases) {
        if (c.needsRoot && !root) continue;
        int error = 0;
        EXPECT_NE(ReplaceFileAtomically(home / c.name, "281 bytes", &error), WriteOutcome::Ok) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(home / "data/fifo") &&
                std::filesystem::is_symlink(home / "data/loop"));
    EXPECT_TRUE(!root || std::filesystem::is_character_file(home / "data/null"));
    EXPECT_EQ(FilesIn(home / "data"), root ? 5 : 3) << "no temporary is left";
}

// A folder that could not be made because its parent is not writable (an unwritable
// XDG_DATA_HOME) is "permission denied", not a missing file.
TEST(ReplaceFileAtomically, AFolderThatCouldNotBeMadeIsPermissionDenied) {
    TestHome home;
    for (const char* folder : {"locked", "open"}) std::filesystem::create_directories(home / folder);
    ASSERT_EQ(::chmod((home / "locked").c_str(), 0555), 0);
    ASSERT_EQ(::chmod((home / "open").c_str(), 0777), 0);
    testing::RunWithFilePermissions(home, [&] {
        for (const auto& [file, reason] : {std::pair{"locked/quorvel/LanguageSave.dat", EACCES},
                                           std::pair{"open/quorvel/LanguageSave.dat", ENOENT}}) {
            int error = 0;
            EXPECT_EQ(ReplaceFileAtomically(home / file, "3", &error), WriteOutcome::CannotCreate) << file;
            EXPECT_EQ(error, reason) << file;
        }
    });
}

// The seam makes writes fail as a full disk or a locked folder would; the old file stays whole and
// no temporary is left.
TEST(ReplaceFileAtomically, InjectedFaultsKeepTheOldFileAndGiveTheReason) {
    for (const int fault : {ENOSPC, EACCES, EIO, EDQUOT}) {
        TestHome home;
        home.Write("data/f", "old");
        int error = 0;
        {
            const ScopedWriteFault failing(fault);
            EXPECT_NE(ReplaceFileAtomically(home / "data/f", std::string(10000, 'n'), &error),
                      WriteOutcome::Ok);
        }
        EXPECT_EQ(error, fault);
        EXPECT_EQ(home.Read("data/f"), "old");
        EXPECT_EQ(FilesIn(home / "data"), 1);
        EXPECT_EQ(ReplaceFileAtomically(home / "data/f", "new"), WriteOutcome::Ok) << "the seam is gone";
    }
}

// The player's own files that look like temporaries stay; only the program's own names go, and only
// when no writer holds their lock.
TEST(RemoveAbandonedTemporariesIn, RemovesOnlyTheProgramsAbandonedTemporaries) {
    TestHome home;
    const std::string held = ".quorvel-00000000000000aa.tmp";
    std::filesystem::create_directories(home / "out");
    const int fd = OpenLockedFile(home / ("out/" + held), O_WRONLY | O_CREAT, nullptr);
    ASSERT_GE(fd, 0);
    const std::string kept[] = {"budget.ods.tmp-2024-05", "notes.tmp-20240105-1", "thesis.tex.tmp-31999-2",
                                ".quorvel-00000000000000AA.tmp", ".quorvel-0123.tmp"};
    const std::string removed[] = {".quorvel-0123456789abcdef.tmp", ".quorvel-ffffffffffffffff.tmp"};
    for (const std::string& name : kept) home.Write("out/" + name, "x");
    for (const std::string& name : removed) home.Write("out/" + name, "x");
    std::filesystem::create_directories(home / "out/.quorvel-1111111111111111.tmp");
    RemoveAbandonedTemporariesIn(home / "out");
    for (const std::string& name : kept) EXPECT_TRUE(home.Exists("out/" + name)) << name;
    for (const std::string& name : removed) EXPECT_FALSE(home.Exists("out/" + name)) << name;
    EXPECT_TRUE(home.Exists("out/" + held)) << "its writer holds the lock";
    EXPECT_TRUE(std::filesystem::is_directory(home / "out/.quorvel-1111111111111111.tmp")) << "only files go";
    ::close(fd);
}

TEST(FileErrorMessage, NamesTheFileAndTheReason) {
    const FileErrorTexts english;
    const struct {
        int error;
        const char* message;
    } cases[] = {
        {ENOSPC, "/h/data/QuorvelData.dat could not be saved: the disk is full."},
        {EACCES, "/h/data/QuorvelData.dat could not be saved: permission denied."},
        {EROFS, "/h/data/QuorvelData.dat could not be saved: the disk is read-only."},
        {EISDIR, "/h/data/QuorvelData.dat could not be saved: it is a folder."},
        {ENOENT, "/h/data/QuorvelData.dat could not be saved: the file or its folder does not exist."},
        {EWOULDBLOCK, "/h/data/QuorvelData.dat could not be saved: another program holds it."},
        {ELOOP, "/h/data/QuorvelData.dat could not be saved: there are too many symbolic links on the way."},
        {ENAMETOOLONG, "/h/data/QuorvelData.dat could not be saved: the name is too long."},
        {ENXIO,
         "/h/data/QuorvelData.dat could not be saved: the device or the program reading it is not there."},
        {EEXIST, "/h/data/QuorvelData.dat could not be saved: a file of that name already exists."},
        {EINVAL, "/h/data/QuorvelData.dat could not be saved: the system refused the request as invalid."},
        {kNotOrdinaryFileError, "/h/data/QuorvelData.dat could not be saved: it is not an ordinary file."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileErrorMessage(english, english.cannotSave, "/h/data/QuorvelData.dat", c.error),
                  c.message);
    }
    // Other errors give their number, never the system's English words; a file name holding "%2"
    // stays as it is.
    EXPECT_EQ(FileErrorMessage(english, english.cannotRead, "a%2b", EMFILE),
              "a%2b could not be read: system error 24.");
}

}  // namespace
}  // namespace quorvel
