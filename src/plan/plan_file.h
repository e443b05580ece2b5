#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Every window keeps its own attack plan beside the shared plan name: "IRakAttackPlan.tmp" becomes
// "IRakAttackPlan-<pid>-<8 hex digits>.tmp". The random part keeps two windows apart even when both
// have the same process id (each in its own pid namespace). While the file exists, its window holds
// a lock (flock) on it; a plan file whose lock can be taken belongs to no running window.
bool IsPlanFileName(std::string_view name, const std::filesystem::path& sharedPlanFile);

// An abandoned plan file (one of a window that was killed, crashed or closed) is taken over by a
// start (PlanWriter::TakeOverAbandoned), one start for each, and is never removed while it holds
// a record. This removes the empty ones, which hold nothing to lose. Plan files of running windows
// and every other file are left alone.
void HandleAbandonedPlanFiles(const std::filesystem::path& sharedPlanFile);

// The writer on a window's own plan file: a new plan empties the file, each record is appended and
// reaches the disk at once. A record that cannot be written whole is taken back out, so the file
// always holds whole records. The writer holds the file's lock from the first Start until it is
// destroyed, also between plans.
class PlanWriter {
public:
    PlanWriter();
    ~PlanWriter();
    PlanWriter(const PlanWriter&) = delete;
    PlanWriter& operator=(const PlanWriter&) = delete;

    // This window's plan file beside the shared plan name; the same name for the writer's life.
    std::filesystem::path FileBeside(const std::filesystem::path& sharedPlanFile) const;

    // Creates or empties the file (an ordinary file only) and locks it. False with errorNumber set
    // on failure.
    bool Start(const std::filesystem::path& file, int* errorNumber);
    // Takes over the plan of an ended window: the newest abandoned plan file beside sharedPlanFile
    // that holds something (one whose lock is free) becomes this writer's own file by a rename, and
    // the plan goes on in it (IsWriting) as it stands. Every abandoned plan file is locked while the
    // folder is listed and stays locked until the rename, so no other start takes or removes one
    // meanwhile; of two windows starting together only one gets a plan, and the plans not taken
    // stay for the next start. Its text, or nothing when there was none.
    std::optional<std::string> TakeOverAbandoned(const std::filesystem::path& sharedPlanFile);
    // Starts a plan that already holds text: the text goes to a new file that then replaces the
    // old one, so a crash or a failed write leaves the old plan whole, never an emptied file. The
    // writer holds the new file's lock from before the rename on. False with errorNumber set on
    // failure; the old file is then as it was.
    bool Replace(const std::filesystem::path& file, std::string_view text, int* errorNumber);
    // A plan was started and not closed since.
    bool IsWriting() const { return m_writing; }
    // False with errorNumber set when the record could not be written whole; the file then holds
    // what it held before.
    bool Append(std::string_view record, int* errorNumber);
    // Ends the plan being written; the file and its lock stay until the writer is destroyed.
    void Close();

private:
    std::string m_token;  // "<pid>-<8 hex digits>"
    std::filesystem::path m_file;
    int m_fd = -1;
    bool m_writing = false;
    std::int64_t m_size = 0;
};

}  // namespace quorvel
