#include "plan/plan_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>
#include <system_error>

#include "fileio/atomic_file.h"

namespace quorvel {
namespace {

// The process id in a per-process plan file name, or nothing when the name is no such file.
std::optional<long> PlanOwner(std::string_view name, const std::string& stem, const std::string& extension) {
    const std::string prefix = stem + '-';
    if (name.size() <= prefix.size() + extension.size() || !name.starts_with(prefix) || !name.ends_with(extension)) {
        return std::nullopt;
    }
    return ProcessIdText(name.substr(prefix.size(), name.size() - prefix.size() - extension.size()));
}

}  // namespace

std::filesystem::path PlanFileOfProcess(const std::filesystem::path& sharedPlanFile, long pid) {
    return sharedPlanFile.parent_path() /
           (sharedPlanFile.stem().string() + '-' + std::to_string(pid) + sharedPlanFile.extension().string());
}

void RemoveAbandonedPlanFiles(const std::filesystem::path& sharedPlanFile) {
    const std::string stem = sharedPlanFile.stem().string();
    const std::string extension = sharedPlanFile.extension().string();
    RemoveFilesOfEndedProcesses(
        sharedPlanFile.parent_path(), [&](std::string_view name) { return PlanOwner(name, stem, extension); },
        OwnProcessFiles::Remove);
}

bool PlanFileAbandoned(const std::filesystem::path& planFile, long owner) {
    static_cast<void>(planFile);
    return owner != ::getpid() && !ProcessIsRunning(owner);
}

std::optional<std::string> TakeOverAbandonedPlan(const std::filesystem::path& sharedPlanFile,
                                                 const std::filesystem::path& ownFile) {
    const std::string stem = sharedPlanFile.stem().string();
    const std::string extension = sharedPlanFile.extension().string();
    const std::filesystem::path folder = sharedPlanFile.parent_path().empty() ? "." : sharedPlanFile.parent_path();
    std::error_code error;
    std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> abandoned;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::optional<long> owner = PlanOwner(entry.path().filename().string(), stem, extension);
        std::error_code ignored;
        if (!owner || !entry.is_regular_file(ignored) || !PlanFileAbandoned(entry.path(), *owner)) continue;
        abandoned.emplace_back(entry.last_write_time(ignored), entry.path());
    }
    // The newest first; a file another window renamed away first is simply gone.
    std::sort(abandoned.begin(), abandoned.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& candidate : abandoned) {
        if (::rename(candidate.second.c_str(), ownFile.c_str()) != 0) continue;
        std::optional<std::string> text = ReadRegularFile(ownFile);
        if (text && !text->empty()) return text;
    }
    return std::nullopt;
}

PlanWriter::~PlanWriter() { Close(); }

bool PlanWriter::Start(const std::filesystem::path& file, int* errorNumber) {
    Close();
    if (const int fault = InjectedCreateFault(); fault != 0) {
        if (errorNumber) *errorNumber = fault;
        return false;
    }
    // O_NONBLOCK: a FIFO in its place must not block; it is refused right after.
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    struct stat info {};
    int reason = 0;
    if (fd < 0) {
        reason = errno;
    } else if (::fstat(fd, &info) != 0) {
        reason = errno;
    } else if (!S_ISREG(info.st_mode)) {
        reason = EINVAL;
    } else if (::ftruncate(fd, 0) != 0) {
        reason = errno;
    }
    if (reason != 0) {
        if (fd >= 0) ::close(fd);
        if (errorNumber) *errorNumber = reason;
        return false;
    }
    m_fd = fd;
    m_size = 0;
    return true;
}

bool PlanWriter::Append(std::string_view record, int* errorNumber) {
    if (m_fd < 0) {
        if (errorNumber) *errorNumber = EBADF;
        return false;
    }
    if (::lseek(m_fd, m_size, SEEK_SET) < 0 || !WriteWholly(m_fd, record, errorNumber)) {
        if (errorNumber && *errorNumber == 0) *errorNumber = errno;
        // Half a record would make the export tell a strike that was never recorded.
        if (::ftruncate(m_fd, m_size) != 0) {
            // The file keeps the part; the export still holds every whole record before it.
        }
        return false;
    }
    m_size += static_cast<std::int64_t>(record.size());
    return true;
}

void PlanWriter::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_size = 0;
}

}  // namespace quorvel
