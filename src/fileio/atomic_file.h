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
                   // read-only; the target is as it was
    WriteFailed,   // the target is a folder or no ordinary file, or writing, flushing or renaming
                   // failed; the target is as it was
};

// Replaces target with content so that a crash or a full disk leaves either the old file or the
// new one, never half of one: the text goes to a temporary file beside target, is synced, and is
// then renamed over it. A symlink is written through (the link stays, its final target is
// replaced), an existing file keeps its permission bits, and a file the user may not write is left
// alone, as is anything that is not an ordinary file (a folder, FIFO, device or socket), also for
// root. A hard link to the old file keeps the old text. On failure, errorNumber (when given)
// receives the errno value that explains it (kNotOrdinaryFileError for a FIFO, device or socket).
WriteOutcome ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content,
                                   int* errorNumber = nullptr);

// Writes the new file's whole content into fd; false with errorNumber set on failure. It may be
// called more than once for one replacement (each time into a new, empty file).
using ContentWriter = std::function<bool(int fd, int* errorNumber)>;

// ReplaceFileAtomically with content that a writer produces, so that a large file can be streamed.
WriteOutcome ReplaceFileAtomicallyWith(const std::filesystem::path& target, const ContentWriter& write,
                                       int* errorNumber = nullptr);

// The program's temporaries are named ".quorvel-<16 hex digits>.tmp", a name no other program or
// person chooses and whose length does not depend on the target's. While one is being written, its
// writer holds a lock (flock) on it; one whose lock can be taken is abandoned.
bool IsTemporaryName(std::string_view name);

// Removes the abandoned temporaries beside target (beside its final link target: that is where a
// rewrite writes them). Files of other names are never touched.
void RemoveAbandonedTemporaries(const std::filesystem::path& target);

// The same for the abandoned temporaries in folder.
void RemoveAbandonedTemporariesIn(const std::filesystem::path& folder);

// Calls handle for every ordinary file in folder whose name `ours` accepts and whose lock (flock)
// no process holds: the file is abandoned. The lock is held while handle runs, so no process can
// take the file up meanwhile. On a file system without locks nothing is abandoned.
void ForEachAbandonedFile(const std::filesystem::path& folder,
                          const std::function<bool(std::string_view)>& ours,
                          const std::function<void(const std::filesystem::path&)>& handle);

// Opens path (creating it when flags hold O_CREAT) as an ordinary file locked through the returned
// descriptor (flock, exclusive), the way the program holds its own files. A name that a clean-up
// removed while it was opened is opened again. -1 with errorNumber set on failure: EWOULDBLOCK
// when another process holds the lock, kNotOrdinaryFileError or EISDIR for other files. On a file
// system without locks the file is opened unlocked.
int OpenLockedFile(const std::filesystem::path& path, int flags, int* errorNumber);

// digits random lowercase hexadecimal digits, for names no other process picks.
std::string RandomHexDigits(int digits);

// The reason to give when creating a file failed with errorNumber: a missing folder that could not
// be made because its parent is not writable is "permission denied" (EACCES), not a missing file.
int ReasonForCreateError(const std::filesystem::path& file, int errorNumber);

// The file's bytes, at most `limit` of them. Only a regular file is read: a folder, FIFO or device
// counts as unreadable, and opening never blocks. Nothing when the file cannot be opened or read;
// errorNumber (when given) then receives the reason (EISDIR for a folder, kNotOrdinaryFileError for other
// non-regular files).
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::size_t limit = std::numeric_limits<std::size_t>::max(),
                                           int* errorNumber = nullptr);

// Opens path for reading when it is an ordinary file, without blocking on a FIFO; -1 with
// errorNumber set otherwise (as ReadRegularFile). The caller closes the descriptor.
int OpenRegularFile(const std::filesystem::path& path, int* errorNumber);

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

// A small setting file of the player's (the language choice, the range rule) replaced atomically
// under the lock of its folder, the folder created when missing. False when it could not be written
// (the lock busy: EWOULDBLOCK); the old file then stays and errorNumber receives the reason. When
// `saved` (if given) finds the setting in the file's text already, nothing needs writing: the file
// is left as it is, also a read-only one, and that is no failure.
bool ReplaceSettingFile(const std::filesystem::path& file, std::string_view content,
                        int* errorNumber = nullptr,
                        const std::function<bool(std::string_view)>& saved = nullptr);

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
