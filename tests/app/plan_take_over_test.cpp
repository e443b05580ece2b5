// The plan of an ended window: the next window takes it over, records and attack number, and of
// two windows starting together only one does.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "fileio/atomic_file.h"
#include "plan/attack_record.h"
#include "support/dialog_probe.h"
#include "support/test_home.h"

namespace quorvel {
namespace {

// A plan file no window holds the lock of.
constexpr const char* kAbandonedPlan = "data/IRakAttackPlan-999999999-0123abcd.tmp";
constexpr const char* kTwoRecords =
    "1. Attack\n=========\nInterplanetary missiles: 3\n\n\n2. Attack\n=========\nInterplanetary missiles: "
    "1\n\n\n";

// A quorvel-batch on the home, started now; its output once it ends.
class Batch {
public:
    // linger: seconds the batch stays open after the script, as a window that is still running.
    Batch(const testing::TestHome& home, const std::string& script, double linger = 0) {
        const std::string command = std::string("(printf '") + script + "'; sleep " + std::to_string(linger) +
                                    ") | " + QUORVEL_BATCH_PROGRAM + " --home '" + home.Path().string() + "'";
        m_pipe = ::popen(command.c_str(), "r");
    }
    std::string Output() {
        std::string text;
        char buffer[4096];
        while (m_pipe && std::fgets(buffer, sizeof buffer, m_pipe)) text += buffer;
        if (m_pipe) ::pclose(m_pipe);
        m_pipe = nullptr;
        return text;
    }

private:
    FILE* m_pipe = nullptr;
};

TEST(PlanTakeOver, TheNextWindowKeepsTheRecordsAndGoesOnNumbering) {
    testing::TestHome home;
    home.Write(kAbandonedPlan, kTwoRecords);
    Batch batch(
        home,
        "get 1185\\ncopy plan bbcode\\nset 1001 100\\nset 1012 3\\npress 1029\\npress 1165\\nget 1185\\n");
    const std::string output = batch.Output();
    // The copies hold the records taken over.
    EXPECT_EQ(output.rfind("1185\t2\nclipboard\t[b]1. Attack[/b]", 0), 0U) << output;
    EXPECT_NE(output.find("[b]2. Attack[/b]"), std::string::npos) << output;
    EXPECT_TRUE(output.ends_with("\n1185\t3\n")) << output;
    EXPECT_FALSE(home.Exists(kAbandonedPlan));
}

TEST(PlanTakeOver, OfTwoWindowsStartingTogetherOnlyOneTakesThePlan) {
    // Both stay open for a moment: a plan whose window has ended is free for the next one.
    for (int round = 0; round < 5; ++round) {
        testing::TestHome home;
        home.Write(kAbandonedPlan, kTwoRecords);
        Batch first(home, "get 1185\\n", 0.3);
        Batch second(home, "get 1185\\n", 0.3);
        const std::string outputs = first.Output() + second.Output();
        EXPECT_TRUE(outputs == "1185\t2\n1185\t0\n" || outputs == "1185\t0\n1185\t2\n") << outputs;
    }
}

TEST(PlanTakeOver, TwoEndedPlansGoWholeNewestFirstToTwoWindowsThatCannotWrite) {
    testing::TestHome home;
    home.Write(kAbandonedPlan, kTwoRecords);
    home.Write("data/IRakAttackPlan-7-89abcdef.tmp", "1. Attack\n=========\n\n\n");
    std::filesystem::last_write_time(home / kAbandonedPlan,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    MemoryForm forms[2];
    CSimulatorDlg first(forms[0], home.Path()), second(forms[1], home.Path());
    {
        const ScopedWriteFault full(ENOSPC);  // a taken plan is not written again
        first.OnMainWindowInit();
        second.OnMainWindowInit();
    }
    EXPECT_EQ(forms[0].GetText(ControlId::PlanCount) + forms[1].GetText(ControlId::PlanCount), "12");
    EXPECT_EQ(ReadWholeFile(DialogProbe::Plan(second).File()), kTwoRecords);
    EXPECT_EQ(ReadWholeFile(DialogProbe::Plan(first).File()), "1. Attack\n=========\n\n\n");
}

TEST(CountPlanRecords, CountsUnderlinedHeadingsAndTakesTheLastNumber) {
    EXPECT_EQ(CountPlanRecords("12. Angriff\n===========\n").lastNumber, 12);
    EXPECT_EQ(CountPlanRecords("x. Attack\n=====\n1. no underline\n\n").count, 0);
}

}  // namespace
}  // namespace quorvel
