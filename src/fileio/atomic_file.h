#pragma once

// Replacing files: content -> a temporary beside the target -> fsync -> rename over the target, so a
// crash leaves either the old file or the new one. Used by the book, the saved choice, the export.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

enum class WriteOutcome {
    Ok,
    CannotCreate,  // the temporary file beside the target could not be created
    WriteFailed,   // writing, flushing or renaming failed; the target is as it was
};

// Replaces target with content so that a crash or a full disk leaves either the old file or the
// new one, never half of one: the text goes to a temporary file beside target, is synced, and is
// then renamed over it.
WriteOutcome ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content);

// Removes temporary files that a rewrite of target left behind when its process was killed before
// the rename. Temporaries of processes still running are left alone.
void RemoveAbandonedTemporaries(const std::filesystem::path& target);

// The whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace quorvel
