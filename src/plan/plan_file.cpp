#include "plan/plan_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "fileio/atomic_file.h"

namespace quorvel {
namespace {

constexpr int kRandomDigits = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLowerHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }

// Whether fd is still the file path names (a window's export removes its plan file).
bool StillNamed(int fd, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && opened.st_nlink > 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

bool IsPlanFileName(std::string_view name, const std::filesystem::path& sharedPlanFile) {
    const std::string prefix = sharedPlanFile.stem().string() + '-';
    const std::string extension = sharedPlanFile.extension().string();
    if (!name.starts_with(prefix) || !name.ends_with(extension)) return false;
    // "<pid>-<random>" between them: one to ten digits, a dash, the random hex digits.
    const std::string_view token = name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
    const std::size_t dash = token.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 10 ||
        token.size() != dash + 1 + kRandomDigits) {
        return false;
    }
    return std::all_of(token.begin(), token.begin() + static_cast<std::ptrdiff_t>(dash), IsDigit) &&
           std::all_of(token.begin() + static_cast<std::ptrdiff_t>(dash) + 1, token.end(), IsLowerHex);
}

void HandleAbandonedPlanFiles(const std::filesystem::path& sharedPlanFile) {
    ForEachAbandonedFile(
        sharedPlanFile.parent_path(),
        [&sharedPlanFile](std::string_view name) { return IsPlanFileName(name, sharedPlanFile); },
        [](const std::filesystem::path& file) { ::unlink(file.c_str()); });
}

PlanWriter::PlanWriter() : m_token(std::to_string(::getpid()) + '-' + RandomHexDigits(kRandomDigits)) {}

PlanWriter::~PlanWriter() {
    if (m_fd >= 0) ::close(m_fd);
}

std::filesystem::path PlanWriter::FileBeside(const std::filesystem::path& sharedPlanFile) const {
    return sharedPlanFile.parent_path() /
           (sharedPlanFile.stem().string() + '-' + m_token + sharedPlanFile.extension().string());
}

std::optional<std::string> PlanWriter::TakeOverAbandoned(const std::filesystem::path& sharedPlanFile) {
    std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> abandoned;
    ForEachAbandonedFile(
        sharedPlanFile.parent_path(),
        [&sharedPlanFile](std::string_view name) { return IsPlanFileName(name, sharedPlanFile); },
        [&abandoned](const std::filesystem::path& file) {
            std::error_code ignored;
            abandoned.emplace_back(std::filesystem::last_write_time(file, ignored), file);
        });
    // The newest first. Each is renamed while its lock is held and it is still under its name, so
    // a file another window took or removed first is passed over; the lock is never let go.
    std::sort(abandoned.begin(), abandoned.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    const std::filesystem::path own = FileBeside(sharedPlanFile);
    for (const auto& candidate : abandoned) {
        const int fd =
            ::open(candidate.second.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !StillNamed(fd, candidate.second) ||
            ::rename(candidate.second.c_str(), own.c_str()) != 0) {
            ::close(fd);
            continue;
        }
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
        m_file = own;
        std::optional<std::string> text = ReadRegularFile(own);
        if (text && !text->empty()) return text;
    }
    return std::nullopt;
}

bool PlanWriter::Start(const std::filesystem::path& file, int* errorNumber) {
    Close();
    if (const int fault = InjectedCreateFault(); fault != 0) {
        if (errorNumber) *errorNumber = fault;
        return false;
    }
    // The locked file is kept while it is still there under its name; otherwise (the last plan
    // was exported and its file removed) a new one is made and locked.
    if (m_fd < 0 || file != m_file || !StillNamed(m_fd, file)) {
        int reason = 0;
        const int fd = OpenLockedFile(file, O_WRONLY | O_CREAT, &reason);
        if (fd < 0) {
            if (errorNumber) *errorNumber = ReasonForCreateError(file, reason);
            return false;
        }
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
        m_file = file;
    }
    if (::ftruncate(m_fd, 0) != 0) {
        if (errorNumber) *errorNumber = errno;
        return false;
    }
    m_writing = true;
    m_size = 0;
    return true;
}

bool PlanWriter::Append(std::string_view record, int* errorNumber) {
    if (!m_writing) {
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
    m_writing = false;
    m_size = 0;
}

}  // namespace quorvel
