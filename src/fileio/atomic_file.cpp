#include "fileio/atomic_file.h"
#include "fileio/file_error.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <sstream>
#include <system_error>
#include <thread>

#include "text/decimal.h"

namespace quorvel {
namespace {

std::atomic<int> g_writeFault{0};

bool IsPermissionError(int errorNumber) {
    return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
}

void SetError(int* errorNumber, int value) {
    if (errorNumber) *errorNumber = value;
}

// Temporaries are named <target name>.tmp-<pid>-<counter>.
constexpr std::string_view kTemporaryMark = ".tmp-";

std::string TemporaryPrefix(const std::filesystem::path& target) {
    return target.filename().string() + std::string(kTemporaryMark);
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::ostringstream name;
    name << TemporaryPrefix(target) << ::getpid() << '-' << counter++;
    return target.parent_path() / name.str();
}

// The process id in a temporary's name ("<prefix><pid>-<counter>"), or nothing when the name is
// not one of ours.
std::optional<long> TemporaryOwner(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return std::nullopt;
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::string_view counter = rest.substr(dash + 1);
    const bool counted = !counter.empty() && std::all_of(counter.begin(), counter.end(), [](char c) {
        return IsDecimalDigit(static_cast<unsigned char>(c));
    });
    return counted ? ProcessIdText(rest.substr(0, dash)) : std::nullopt;
}

// Temporaries in folder whose name begins with prefix (any name with a temporary mark when prefix
// is empty) and whose process is gone.
void RemoveTemporaries(const std::filesystem::path& folder, const std::string& prefix) {
    RemoveFilesOfEndedProcesses(
        folder,
        [&prefix](std::string_view name) -> std::optional<long> {
            if (!prefix.empty()) return TemporaryOwner(name, prefix);
            const std::size_t mark = name.rfind(kTemporaryMark);
            if (mark == std::string_view::npos || mark == 0) return std::nullopt;
            return TemporaryOwner(name, name.substr(0, mark + kTemporaryMark.size()));
        },
        OwnProcessFiles::Keep);
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

}  // namespace

bool WriteWholly(int fd, std::string_view content, int* errorNumber) {
    if (const int fault = g_writeFault.load(); fault != 0 && !IsPermissionError(fault)) {
        // Half of it first, as a disk that fills up in the middle would.
        if (::write(fd, content.data(), content.size() / 2) < 0) {
            // The fault is what the test asked for, whatever this write did.
        }
        SetError(errorNumber, fault);
        return false;
    }
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            SetError(errorNumber, errno);
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::filesystem::path FinalLinkTarget(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    // As many hops as the kernel follows; a loop ends there and fails later like any bad path.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error)) return current;
        const std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error) return current;
        current = link.is_absolute() ? link : FolderOf(current) / link;
    }
    return current;
}

WriteOutcome ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content, int* errorNumber) {
    const std::filesystem::path file = FinalLinkTarget(target);
    // An existing file keeps its permission bits; a new one gets 0666 before the umask, like any
    // file the user's programs create.
    mode_t mode = 0666;
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            SetError(errorNumber, EISDIR);
            return WriteOutcome::WriteFailed;
        }
        // A file the user made read-only stays as it is, although its folder would let a rename
        // replace it.
        if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
            SetError(errorNumber, errno);
            return WriteOutcome::CannotCreate;
        }
        mode = existing.st_mode & 07777;
    }
    if (const int fault = InjectedCreateFault(); fault != 0) {
        SetError(errorNumber, fault);
        return WriteOutcome::CannotCreate;
    }
    const std::filesystem::path temporary = TemporaryBeside(file);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        SetError(errorNumber, errno);
        return WriteOutcome::CannotCreate;
    }
    // The umask narrowed the bits of the new file; the old file's bits are what the user chose.
    bool ok = !exists || ::fchmod(fd, mode) == 0;
    if (!ok) SetError(errorNumber, errno);
    ok = ok && WriteWholly(fd, content, errorNumber);
    if (ok && ::fsync(fd) != 0) {
        SetError(errorNumber, errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        SetError(errorNumber, errno);
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), file.c_str()) != 0) {
        SetError(errorNumber, errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return WriteOutcome::WriteFailed;
    }
    // Make the rename itself durable; a folder that cannot be synced is no reason to fail.
    const int dirFd = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return WriteOutcome::Ok;
}

void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
    // A rewrite through a symlink leaves its temporaries beside the file the link names.
    const std::filesystem::path file = FinalLinkTarget(target);
    RemoveTemporaries(FolderOf(file), TemporaryPrefix(file));
}

void RemoveAbandonedTemporariesIn(const std::filesystem::path& folder) { RemoveTemporaries(folder, ""); }

std::optional<long> ProcessIdText(std::string_view digits) {
    auto it = digits.begin();
    const DigitRun run = ScanDigits(it, digits.end(), 999'999'999, 10);
    if (run.digits == 0 || run.digits > 9 || it != digits.end()) return std::nullopt;
    return static_cast<long>(run.value);
}

void RemoveFilesOfEndedProcesses(const std::filesystem::path& folder, const ProcessOfName& processOf,
                                 OwnProcessFiles ownFiles) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::optional<long> owner = processOf(entry.path().filename().string());
        if (!owner) continue;
        const bool mine = *owner == ::getpid();
        if (mine ? ownFiles == OwnProcessFiles::Keep : ProcessIsRunning(*owner)) continue;
        std::error_code ignored;
        if (entry.is_regular_file(ignored) && !entry.is_symlink(ignored)) std::filesystem::remove(entry.path(), ignored);
    }
}

bool ProcessIsRunning(long pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    // EPERM: it exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit, int* errorNumber) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the file type is checked right after.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        SetError(errorNumber, errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        SetError(errorNumber, S_ISDIR(info.st_mode) ? EISDIR : kNotOrdinaryFileError);
        ::close(fd);
        return std::nullopt;
    }
    std::string content;
    char buffer[65536];
    while (content.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - content.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0) {
            if (errno == EINTR) continue;
            SetError(errorNumber, errno);
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) { return ReadRegularFile(path); }

FolderLock::FolderLock(const std::filesystem::path& file) {
    m_fd = ::open(FolderOf(FinalLinkTarget(file)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) return;  // no folder: the write that follows fails and says why
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(10);
    auto pause = microseconds(200);
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) return;
        if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks on this file system
        if (steady_clock::now() >= deadline) {
            m_busy = true;
            break;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min<microseconds>(pause * 2, milliseconds(20));
    }
    ::close(m_fd);
    m_fd = -1;
}

FolderLock::~FolderLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}

ScopedWriteFault::ScopedWriteFault(int errorNumber) { g_writeFault.store(errorNumber); }

ScopedWriteFault::~ScopedWriteFault() { g_writeFault.store(0); }

int InjectedCreateFault() {
    const int fault = g_writeFault.load();
    return IsPermissionError(fault) ? fault : 0;
}

}  // namespace quorvel
