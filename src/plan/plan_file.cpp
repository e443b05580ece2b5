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
        [](const std::filesystem::path& file) {
            struct stat named {};
            if (::lstat(file.c_str(), &named) == 0 && named.st_size == 0) ::unlink(file.c_str());
        });
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
    struct Held {
        int fd;
        std::filesystem::path file;
        timespec modified;
    };
    std::vector<Held> held;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(sharedPlanFile.parent_path(), error)) {
        const std::filesystem::path file = entry.path();
        if (!IsPlanFileName(file.filename().string(), sharedPlanFile)) continue;
        // O_NOFOLLOW: a symlink of that name is no window's plan; O_NONBLOCK: neither is a FIFO.
        const int fd = ::open(file.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) continue;
        struct stat opened {};
        // Abandoned: an ordinary file whose lock is free, still under this name. An empty one has
        // nothing to take over.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_size > 0 &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, file)) {
            held.push_back({fd, file, opened.st_mtim});
        } else {
            ::close(fd);
        }
    }
    // The newest first; the first one renamed is this writer's, every other lock is let go after it.
    std::sort(held.begin(), held.end(), [](const Held& a, const Held& b) {
        return a.modified.tv_sec != b.modified.tv_sec ? a.modified.tv_sec > b.modified.tv_sec
                                                      : a.modified.tv_nsec > b.modified.tv_nsec;
    });
    const std::filesystem::path own = FileBeside(sharedPlanFile);
    std::optional<std::string> text;
    for (const Held& candidate : held) {
        if (!text && ::rename(candidate.file.c_str(), own.c_str()) == 0) {
            text = ReadRegularFile(own);
            if (m_fd >= 0) ::close(m_fd);
            m_fd = candidate.fd;
            m_file = own;
            // The plan goes on where the file ends.
            m_writing = text.has_value();
            m_size = text ? static_cast<std::int64_t>(text->size()) : 0;
            continue;
        }
        ::close(candidate.fd);
    }
    return text && !text->empty() ? text : std::nullopt;
}

bool PlanWriter::Replace(const std::filesystem::path& file, std::string_view text, int* errorNumber) {
    Close();
    int kept = -1;
    // A second descriptor on the new file keeps it, and the lock its writer took, past the rename.
    const auto write = [&kept, text](int fd, int* error) {
        if (!WriteWholly(fd, text, error)) return false;
        if (kept >= 0) ::close(kept);
        kept = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        if (kept < 0 && error) *error = errno;
        return kept >= 0;
    };
    if (ReplaceFileAtomicallyWith(file, write, errorNumber) != WriteOutcome::Ok) {
        if (kept >= 0) ::close(kept);
        return false;
    }
    if (m_fd >= 0) ::close(m_fd);
    m_fd = kept;
    m_file = file;
    m_writing = true;
    m_size = static_cast<std::int64_t>(text.size());
    return true;
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
