#include "fileio/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <system_error>
#include <thread>

#include "fileio/file_error.h"

namespace quorvel {
namespace {

std::atomic<int> g_writeFault{0};

bool IsPermissionError(int errorNumber) {
    return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
}

void SetError(int* errorNumber, int value) {
    if (errorNumber) *errorNumber = value;
}

constexpr std::string_view kTemporaryStart = ".quorvel-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr int kTemporaryDigits = 16;

bool IsLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

std::string TemporaryName() {
    return std::string(kTemporaryStart) + RandomHexDigits(kTemporaryDigits) + std::string(kTemporaryEnd);
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

namespace {

// A new temporary in folder, locked and empty; -1 with errorNumber set when none can be made. An
// unnamed file (O_TMPFILE) is preferred: a crash while it is written leaves nothing behind.
int CreateTemporary(const std::filesystem::path& folder, mode_t mode, bool unnamed,
                    std::filesystem::path& name, int* errorNumber) {
    name.clear();
    if (unnamed) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);  // no one else can reach it yet, so this never waits
            return fd;
        }
        // Not every file system has unnamed files; any real problem shows again below.
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::filesystem::path candidate = folder / TemporaryName();
        int error = 0;
        const int fd = OpenLockedFile(candidate, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, &error);
        if (fd >= 0) {
            name = candidate;
            return fd;
        }
        if (error != EEXIST) {
            SetError(errorNumber, error);
            return -1;
        }
    }
    SetError(errorNumber, EEXIST);
    return -1;
}

// Gives the unnamed temporary fd a temporary's name in folder; false when the system cannot.
bool NameTemporary(int fd, const std::filesystem::path& folder, std::filesystem::path& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::filesystem::path candidate = folder / TemporaryName();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name = candidate;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// Fills fd and makes it durable. The content is written into a file that the umask may have
// narrowed, so an existing file's bits are set again.
bool FillTemporary(int fd, bool restoreMode, mode_t mode, const ContentWriter& write, int* errorNumber) {
    if (restoreMode && ::fchmod(fd, mode) != 0) {
        SetError(errorNumber, errno);
        return false;
    }
    if (!write(fd, errorNumber)) return false;
    if (::fsync(fd) != 0) {
        SetError(errorNumber, errno);
        return false;
    }
    return true;
}

}  // namespace

WriteOutcome ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content,
                                   int* errorNumber) {
    return ReplaceFileAtomicallyWith(
        target, [content](int fd, int* error) { return WriteWholly(fd, content, error); }, errorNumber);
}

WriteOutcome ReplaceFileAtomicallyWith(const std::filesystem::path& target, const ContentWriter& write,
                                       int* errorNumber) {
    const std::filesystem::path file = FinalLinkTarget(target);
    const std::filesystem::path folder = FolderOf(file);
    // An existing file keeps its permission bits; a new one gets 0666 before the umask, like any
    // file the user's programs create.
    mode_t mode = 0666;
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    // Only a missing file may be made; a link loop (ELOOP) or an unreadable folder stays as it is.
    if (!exists && errno != ENOENT) {
        SetError(errorNumber, errno);
        return WriteOutcome::CannotCreate;
    }
    if (exists) {
        // A rename would put an ordinary file in place of a folder, device, FIFO or socket: the
        // device node would be gone and a reader waiting on the FIFO would get nothing.
        if (!S_ISREG(existing.st_mode)) {
            SetError(errorNumber, S_ISDIR(existing.st_mode) ? EISDIR : kNotOrdinaryFileError);
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
    std::filesystem::path temporary;
    int fd = CreateTemporary(folder, mode, true, temporary, errorNumber);
    if (fd < 0) {
        if (errorNumber) *errorNumber = ReasonForCreateError(file, *errorNumber);
        return WriteOutcome::CannotCreate;
    }
    bool ok = FillTemporary(fd, exists, mode, write, errorNumber);
    if (ok && temporary.empty() && !NameTemporary(fd, folder, temporary)) {
        // No way to name an unnamed file here (no /proc): write a named one instead.
        ::close(fd);
        fd = CreateTemporary(folder, mode, false, temporary, errorNumber);
        if (fd < 0) return WriteOutcome::CannotCreate;
        ok = FillTemporary(fd, exists, mode, write, errorNumber);
    }
    if (ok && ::rename(temporary.c_str(), file.c_str()) != 0) {
        SetError(errorNumber, errno);
        ok = false;
    }
    if (!ok && !temporary.empty()) ::unlink(temporary.c_str());
    // Closing ends the lock, after the temporary's name is gone.
    if (::close(fd) != 0 && ok) {
        SetError(errorNumber, errno);
        ok = false;
    }
    if (!ok) return WriteOutcome::WriteFailed;
    // Make the rename itself durable; a folder that cannot be synced is no reason to fail.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return WriteOutcome::Ok;
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryStart.size() + kTemporaryDigits + kTemporaryEnd.size()) return false;
    if (!name.starts_with(kTemporaryStart) || !name.ends_with(kTemporaryEnd)) return false;
    const std::string_view digits = name.substr(kTemporaryStart.size(), kTemporaryDigits);
    return std::all_of(digits.begin(), digits.end(), IsLowerHex);
}

void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
    // A rewrite through a symlink leaves its temporaries beside the file the link names.
    RemoveAbandonedTemporariesIn(FolderOf(FinalLinkTarget(target)));
}

void RemoveAbandonedTemporariesIn(const std::filesystem::path& folder) {
    ForEachAbandonedFile(folder, IsTemporaryName,
                         [](const std::filesystem::path& file) { ::unlink(file.c_str()); });
}

void ForEachAbandonedFile(const std::filesystem::path& folder,
                          const std::function<bool(std::string_view)>& ours,
                          const std::function<void(const std::filesystem::path&)>& handle) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path path = entry.path();
        if (!ours(path.filename().string())) continue;
        // O_NOFOLLOW: a symlink of that name is nobody's temporary; O_NONBLOCK: neither is a FIFO.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) continue;
        struct stat opened {};
        struct stat named {};
        // Abandoned: an ordinary file whose lock is free, still under this name.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            handle(path);
        }
        ::close(fd);
    }
}

int OpenLockedFile(const std::filesystem::path& path, int flags, int* errorNumber) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        // O_NONBLOCK: a FIFO in the file's place must not block; it is refused right after.
        const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0) {
            SetError(errorNumber, errno);
            return -1;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            SetError(errorNumber, S_ISDIR(opened.st_mode) ? EISDIR : kNotOrdinaryFileError);
            ::close(fd);
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return fd;  // no locks on this file system
            // Another process holds it: a clean-up looking at it lets go at once, a window does not.
            ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        // A clean-up may have taken the lock and removed the name between open and flock: this file
        // is then nobody's, and the name is made again.
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && opened.st_nlink > 0 && ::stat(path.c_str(), &named) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            return fd;
        }
        ::close(fd);
    }
    SetError(errorNumber, EWOULDBLOCK);
    return -1;
}

std::string RandomHexDigits(int digits) {
    static std::atomic<std::uint64_t> counter{0};
    std::string text;
    while (static_cast<int>(text.size()) < digits) {
        std::uint64_t value = 0;
        if (::getrandom(&value, sizeof value, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof value)) {
            // No entropy yet: the time, the process and a counter, mixed (splitmix64).
            value = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                    (static_cast<std::uint64_t>(::getpid()) << 32) ^ (counter++ * 0x9E3779B97F4A7C15ull);
            value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
            value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
            value ^= value >> 31;
        }
        for (int i = 0; i < 16 && static_cast<int>(text.size()) < digits; ++i, value >>= 4) {
            text.push_back("0123456789abcdef"[value & 15]);
        }
    }
    return text;
}

int ReasonForCreateError(const std::filesystem::path& file, int errorNumber) {
    if (errorNumber != ENOENT) return errorNumber;
    // The nearest folder that exists decides: when the player may not write there, the missing
    // folders below it could not be made.
    std::filesystem::path folder = FolderOf(file);
    std::error_code error;
    for (int depth = 0; depth < 64 && !folder.empty(); ++depth) {
        if (std::filesystem::is_directory(folder, error)) {
            return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES ? EACCES
                                                                                                   : ENOENT;
        }
        if (folder == folder.parent_path()) break;
        folder = folder.parent_path();
    }
    return ENOENT;
}

int OpenRegularFile(const std::filesystem::path& path, int* errorNumber) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the file type is checked right after.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        SetError(errorNumber, errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        SetError(errorNumber, S_ISDIR(info.st_mode) ? EISDIR : kNotOrdinaryFileError);
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                           int* errorNumber) {
    const int fd = OpenRegularFile(path, errorNumber);
    if (fd < 0) return std::nullopt;
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

bool ReplaceSettingFile(const std::filesystem::path& file, std::string_view content, int* errorNumber,
                        const std::function<bool(std::string_view)>& saved) {
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    const FolderLock lock(file);
    if (lock.Busy()) {
        if (errorNumber) *errorNumber = EWOULDBLOCK;
        return false;
    }
    // A setting file is a few bytes; a large one is judged by its beginning, as it is read.
    if (const std::optional<std::string> old = ReadRegularFile(file, 4096); old && saved && saved(*old))
        return true;
    return ReplaceFileAtomically(file, content, errorNumber) == WriteOutcome::Ok;
}

}  // namespace quorvel
