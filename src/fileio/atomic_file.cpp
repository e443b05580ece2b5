#include "fileio/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quorvel {
namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Temporaries are named <target name>.tmp-<pid>-<counter>.
std::string TemporaryPrefix(const std::filesystem::path& target) { return target.filename().string() + ".tmp-"; }

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::ostringstream name;
    name << TemporaryPrefix(target) << ::getpid() << '-' << counter++;
    return target.parent_path() / name.str();
}

// The process id in a temporary's name, or nothing when the name is not one of ours.
std::optional<long> TemporaryOwner(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    const std::string rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9) return std::nullopt;
    long pid = 0;
    for (std::size_t i = 0; i < dash; ++i) {
        if (rest[i] < '0' || rest[i] > '9') return std::nullopt;
        pid = pid * 10 + (rest[i] - '0');
    }
    return pid;
}

}  // namespace

WriteOutcome ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content) {
    const std::filesystem::path temporary = TemporaryBeside(target);
    // 0666 before the umask, like any file the user's programs create.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return WriteOutcome::CannotCreate;
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return WriteOutcome::WriteFailed;
    }
    // Make the rename itself durable; a folder that cannot be synced is no reason to fail.
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return WriteOutcome::Ok;
}

void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::optional<long> owner = TemporaryOwner(entry.path().filename().string(), prefix);
        if (!owner || *owner == ::getpid()) continue;
        // A process that still runs may be about to rename it.
        if (std::filesystem::exists("/proc/" + std::to_string(*owner), error)) continue;
        std::filesystem::remove(entry.path(), error);
    }
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace quorvel
