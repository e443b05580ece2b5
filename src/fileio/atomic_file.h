#pragma once

// Replacing files: content -> a temporary beside the target -> fsync -> rename over the target, so a
// crash leaves either the old file or the new one. Used by the book, the saved choice, the export.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

enum class WriteOutcome {
    Ok,
    CannotCreate,  // the temporary file beside the target could not be created, or the target is
                   // read-only or a folder; the target is as it was
    WriteFailed,   // writing, flushing or renaming failed; the target is as it was
};

// Replaces target with content so that a crash or a full disk leaves either the old file or the
// new one, never half of one: the text goes to a temporary file beside target, is synced, and is
// then renamed over it. A symlink is written through (the link stays, its final target is
// replaced), an existing file keeps its permission bits, and a file the user may not write is left
// alone. On failure, errorNumber (when given) receives the errno value that explains it.
WriteOutcome ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content,
                                   int* errorNumber = nullptr);

// Removes temporary files that a rewrite of target left behind when its process was killed before
// the rename. Temporaries of processes still running are left alone.
void RemoveAbandonedTemporaries(const std::filesystem::path& target);

// The same for the temporaries of every file in folder.
void RemoveAbandonedTemporariesIn(const std::filesystem::path& folder);

// Whether a process of that id exists.
bool ProcessIsRunning(long pid);

// A process id written in a file name: one to nine decimal digits and nothing else.
std::optional<long> ProcessIdText(std::string_view digits);

// Which process a file in a folder belongs to, read from its name; nothing for other files.
using ProcessOfName = std::function<std::optional<long>(std::string_view name)>;
enum class OwnProcessFiles { Keep, Remove };

// Removes the regular files of folder that belong to a process no longer running. A file named for
// this process is kept, or removed as the leftover of an earlier process with the same id.
void RemoveFilesOfEndedProcesses(const std::filesystem::path& folder, const ProcessOfName& processOf,
                                 OwnProcessFiles ownFiles);

// The file's bytes, at most `limit` of them. Only a regular file is read: a folder, FIFO or device
// counts as unreadable, and opening never blocks. Nothing when the file cannot be opened or read;
// errorNumber (when given) then receives the reason (EISDIR for a folder, kNotOrdinaryFileError for other
// non-regular files).
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::size_t limit = std::numeric_limits<std::size_t>::max(),
                                           int* errorNumber = nullptr);

// The whole file as bytes; nothing when it cannot be opened or read (see ReadRegularFile).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes all of content to fd; false with errorNumber set when a write fails.
bool WriteWholly(int fd, std::string_view content, int* errorNumber = nullptr);

// The file a path names once every symlink on its last component is followed; the path itself when
// it is no link. A dangling link gives the missing file it points at.
std::filesystem::path FinalLinkTarget(const std::filesystem::path& path);

// An exclusive advisory lock (flock) on the folder that holds a file, held for the object's
// lifetime, so that processes sharing the folder do their read-modify-write of its files one after
// the other. The folder of the file's final link target is the one locked, since that is where the
// rename happens. A file system without locks is used unlocked; a lock that another process holds
// for more than about ten seconds counts as busy.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& file);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // True when the wait ran out: the caller should not touch the files.
    bool Busy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_busy = false;
};

// Test seam: while one exists, writes of this process fail with errorNumber. Permission-like
// errors (EACCES, EPERM, EROFS) hit the creation of a file, every other error the writing of bytes.
class ScopedWriteFault {
public:
    explicit ScopedWriteFault(int errorNumber);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

// The fault a ScopedWriteFault injects into creating a file for writing, 0 for none.
int InjectedCreateFault();

}  // namespace quorvel
