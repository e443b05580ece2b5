#include "plan/plan_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "fileio/atomic_file.h"
#include "fileio/file_error.h"

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
        reason = kNotOrdinaryFileError;
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
