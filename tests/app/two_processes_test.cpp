// Two quorvel-batch processes on one home folder, released together again and again: saves and
// deletes of one must never undo or misdirect those of the other.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fileio/atomic_file.h"
#include "support/book_text.h"
#include "support/test_home.h"
#include "travel/book_file.h"

namespace quorvel {
namespace {

// One quorvel-batch reading its commands from a pipe.
class BatchProcess {
public:
    explicit BatchProcess(const std::filesystem::path& home) {
        int toChild[2];
        int fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(toChild[0], STDIN_FILENO);
            ::dup2(fromChild[1], STDOUT_FILENO);
            for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) ::close(fd);
            ::execl(QUORVEL_BATCH_PROGRAM, QUORVEL_BATCH_PROGRAM, "--home", home.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        m_in = toChild[1];
        m_out = ::fdopen(fromChild[0], "r");
    }
    ~BatchProcess() {
        if (m_in >= 0) ::close(m_in);  // the end of the script ends the program
        if (m_out) std::fclose(m_out);
        if (m_pid > 0) ::waitpid(m_pid, nullptr, 0);
    }
    BatchProcess(const BatchProcess&) = delete;
    BatchProcess& operator=(const BatchProcess&) = delete;

    bool Started() const { return m_pid > 0 && m_in >= 0 && m_out; }

    void Send(const std::string& commands) {
        std::string_view rest = commands;
        while (!rest.empty()) {
            const ssize_t n = ::write(m_in, rest.data(), rest.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return;
            rest.remove_prefix(static_cast<std::size_t>(n));
        }
    }

    // Waits until every command sent so far has run (the title line answers the last one); the
    // error boxes printed meanwhile.
    int ErrorsUntilDone() {
        Send("title\n");
        int errors = 0;
        char line[4096];
        while (std::fgets(line, sizeof line, m_out)) {
            const std::string_view text(line);
            if (text.starts_with("title\t")) return errors;
            if (text.starts_with("error\t")) ++errors;
        }
        ADD_FAILURE() << "quorvel-batch ended early";
        return errors;
    }

private:
    pid_t m_pid = -1;
    int m_in = -1;
    FILE* m_out = nullptr;
};

std::string SaveCommands(const Position& p) {
    return "set 1087 " + std::to_string(p.galaxy) + "\nset 1089 " + std::to_string(p.system) + "\nset 1090 " +
           std::to_string(p.planet) + "\npress 1122\n";
}

std::string DeleteCommands(int entry) { return "select 1114 " + std::to_string(entry) + "\npress 1123\n"; }

// A save of a position outside the universe writes nothing and shows the book as it is now.
const std::string kRefresh = SaveCommands({0, 0, 0});

bool InBook(const BookRecords& book, const Position& p) {
    return std::find(book.begin(), book.end(), p) != book.end();
}

struct Tally {
    int lostSaves = 0;
    int undoneDeletes = 0;
    int wrongDeletes = 0;
    int errorBoxes = 0;
};

TEST(TwoProcesses, SavesAndDeletesAtTheSameMomentAreNeverLostUndoneOrMisdirected) {
    testing::TestHome home;
    // Entries both lists show when a round begins; deletes pick them by list position.
    const Position kFirst{9, 9, 9};
    const Position kSecond{8, 8, 8};
    const Position kThird{7, 7, 7};
    home.WriteBook("");
    BatchProcess a(home.Path());
    BatchProcess b(home.Path());
    ASSERT_TRUE(a.Started() && b.Started());

    constexpr int kRounds = 100;
    Tally tally;
    const auto start = std::chrono::steady_clock::now();
    for (const char* kind : {"save/save", "save/delete", "delete/delete"}) {
        for (int round = 0; round < kRounds; ++round) {
            const std::string kindName = kind;
            home.WriteBook(testing::BookText({kFirst, kSecond, kThird}));
            // Both lists show the book as the round begins it.
            a.Send(kRefresh);
            b.Send(kRefresh);
            tally.errorBoxes += a.ErrorsUntilDone() + b.ErrorsUntilDone();

            const Position savedByA{1, round + 1, 1};
            const Position savedByB{2, round + 1, 2};
            const bool sameEntry = round % 2 == 1;
            std::string forA;
            std::string forB;
            if (kindName == "save/save") {
                forA = SaveCommands(savedByA);
                forB = SaveCommands(savedByB);
            } else if (kindName == "save/delete") {
                forA = SaveCommands(savedByA);
                forB = DeleteCommands(0);
            } else {
                forA = DeleteCommands(0);
                forB = DeleteCommands(sameEntry ? 0 : 1);
            }
            // Both wait on their input; the commands release them at once.
            a.Send(forA);
            b.Send(forB);
            tally.errorBoxes += a.ErrorsUntilDone() + b.ErrorsUntilDone();

            const BookRecords book = ReadBookRecords(home.BookFile());
            if (kindName == "save/save") {
                tally.lostSaves += !InBook(book, savedByA) + !InBook(book, savedByB);
                tally.wrongDeletes += !InBook(book, kFirst) + !InBook(book, kSecond) + !InBook(book, kThird);
            } else if (kindName == "save/delete") {
                tally.lostSaves += !InBook(book, savedByA);
                tally.undoneDeletes += InBook(book, kFirst);
                tally.wrongDeletes += !InBook(book, kSecond) + !InBook(book, kThird);
            } else {
                tally.undoneDeletes += InBook(book, kFirst) + (!sameEntry && InBook(book, kSecond));
                tally.wrongDeletes += (sameEntry && !InBook(book, kSecond)) + !InBook(book, kThird);
            }
        }
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(tally.lostSaves, 0);
    EXPECT_EQ(tally.undoneDeletes, 0);
    EXPECT_EQ(tally.wrongDeletes, 0);
    EXPECT_EQ(tally.errorBoxes, 0);
    RecordProperty("seconds", std::to_string(seconds));
    std::printf("%d rounds in %.2f s\n", 3 * kRounds, seconds);
}

}  // namespace
}  // namespace quorvel
