// A process that rewrites the book is killed at random moments; whatever it was doing, the file
// must afterwards hold a complete book, the one before the rewrite or the one after it.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "support/book_text.h"
#include "support/program.h"
#include "travel/book_file.h"

namespace quorvel {
namespace {

using C = ControlId;

const std::vector<Position> kRecords = {{1, 111, 1}, {2, 222, 2}, {3, 333, 3}, {4, 444, 4}, {5, 55, 5},
                                        {6, 66, 6},  {7, 77, 7},  {8, 88, 8},  {9, 99, 9}};

void SaveStart(MemoryForm& form, CSimulatorDlg& dlg, const Position& p) {
    form.SetText(C::StartGalaxyInput, std::to_string(p.galaxy));
    form.SetText(C::StartSystemInput, std::to_string(p.system));
    form.SetText(C::StartPlanetInput, std::to_string(p.planet));
    dlg.Run(Action::BookSave);
}

void Report(int fd, char c) {
    while (::write(fd, &c, 1) < 0 && errno == EINTR) {
    }
}

// Runs in the child until it is killed: first completes the book again if the last child was killed
// between a delete and a save, then turns the book round and round, deleting entry 0 and saving it
// again at the end. It reports 'r' when the turning starts and '.' after every rewrite.
[[noreturn]] void TurnTheBookForever(const testing::TestHome& home, int reportFd) {
    MemoryForm form;
    CSimulatorDlg dlg(form, home.Path());
    const BookRecords present = ReadBookRecords(home.BookFile());
    for (const Position& p : kRecords) {
        if (std::find(present.begin(), present.end(), p) == present.end()) SaveStart(form, dlg, p);
    }
    dlg.Run(Action::BookFileChanged);
    Report(reportFd, 'r');
    for (;;) {
        const BookRecord first = ReadBookRecords(home.BookFile())[0];
        form.SelectListItem(C::BookList, 0);
        dlg.Run(Action::BookDelete);
        Report(reportFd, '.');
        SaveStart(form, dlg, first);
        Report(reportFd, '.');
    }
}

// Reads what the child reported until it is gone; the number of rewrites it finished.
int FinishedRewrites(int fd) {
    int rewrites = 0;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return rewrites;
        rewrites += static_cast<int>(std::count(buffer, buffer + n, '.'));
    }
}

TEST(BookCrashSafety, KilledRewriteLeavesACompleteBook) {
    // Every book the turning can leave: the nine records in any rotation, or the eight after entry 0
    // of a rotation was deleted.
    std::set<std::string> complete;
    for (std::size_t i = 0; i < kRecords.size(); ++i) {
        std::vector<Position> rotation = kRecords;
        std::rotate(rotation.begin(), rotation.begin() + static_cast<std::ptrdiff_t>(i), rotation.end());
        complete.insert(testing::BookText(rotation));
        complete.insert(testing::BookText({rotation.begin() + 1, rotation.end()}));
    }

    testing::TestHome home;
    home.WriteBook(testing::BookText(kRecords));
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    int rewrites = 0;

    constexpr int kRounds = 40;
    for (int round = 0; round < kRounds; ++round) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(report[0]);
            TurnTheBookForever(home, report[1]);
        }
        ::close(report[1]);

        // The kill comes at a random moment after the turning has started.
        char ready = 0;
        const bool started = ::read(report[0], &ready, 1) == 1 && ready == 'r';
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        rewrites += FinishedRewrites(report[0]);
        ::close(report[0]);
        ASSERT_TRUE(started) << "the child ended before it began";
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended on its own";

        const std::optional<std::string> text = home.BookText();
        ASSERT_TRUE(text.has_value()) << "round " << round << ": the book is gone";
        ASSERT_EQ(complete.count(*text), 1U) << "round " << round << " (seed " << seed << ") left:\n"
                                             << *text;
    }
    // The children did rewrite the book, so kills could land in the middle of rewrites.
    EXPECT_GT(rewrites, 0);
}

}  // namespace
}  // namespace quorvel
