#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Every process keeps its own attack plan beside the shared plan name: "IRakAttackPlan.tmp"
// becomes "IRakAttackPlan-<pid>.tmp", so that two windows on one data folder never write into
// one file.
std::filesystem::path PlanFileOfProcess(const std::filesystem::path& sharedPlanFile, long pid);

// Removes the plan files of processes that no longer run, and a leftover of this process's own id
// (an earlier process with the same id), so that a new plan never exports old records.
void RemoveAbandonedPlanFiles(const std::filesystem::path& sharedPlanFile);

// Whether the plan file of this owner was abandoned (its window ended). The one place of the rule:
// today, the process named in the file name no longer runs.
bool PlanFileAbandoned(const std::filesystem::path& planFile, long owner);

// Takes over the plan of an ended window: the newest abandoned plan file beside sharedPlanFile
// becomes this process's own (ownFile) by one rename, so that of two windows starting together
// only one gets it. Its text, or nothing when there was none to take.
std::optional<std::string> TakeOverAbandonedPlan(const std::filesystem::path& sharedPlanFile,
                                                 const std::filesystem::path& ownFile);

// The writer on the plan file: a new plan empties the file, each record is appended and reaches
// the disk at once. A record that cannot be written whole is taken back out, so the file always
// holds whole records.
class PlanWriter {
public:
    PlanWriter() = default;
    ~PlanWriter();
    PlanWriter(const PlanWriter&) = delete;
    PlanWriter& operator=(const PlanWriter&) = delete;

    // Creates or empties the file (a regular file only). False with errorNumber set on failure.
    bool Start(const std::filesystem::path& file, int* errorNumber);
    bool IsOpen() const { return m_fd >= 0; }
    // False with errorNumber set when the record could not be written whole; the file then holds
    // what it held before.
    bool Append(std::string_view record, int* errorNumber);
    void Close();

private:
    int m_fd = -1;
    std::int64_t m_size = 0;
};

}  // namespace quorvel
