#include "fileio/file_error.h"

#include <cerrno>
#include <cstring>

#include "text/placeholders.h"

namespace quorvel {

std::string FileErrorReason(const FileErrorTexts& texts, int errorNumber) {
    switch (errorNumber) {
        case ENOSPC: return texts.diskFull;
        case EACCES:
        case EPERM: return texts.permissionDenied;
        case EROFS: return texts.readOnlyFileSystem;
        case EDQUOT: return texts.quotaExceeded;
        case EISDIR: return texts.isFolder;
        case EINVAL: return texts.notRegularFile;
        case ENOENT:
        case ENOTDIR: return texts.folderMissing;
        case EWOULDBLOCK: return texts.busy;
        case EIO: return texts.inputOutput;
        default: break;
    }
    char buffer[256];
    // The GNU strerror_r returns the text, which need not be in buffer.
    return ::strerror_r(errorNumber, buffer, sizeof buffer);
}

std::string FileErrorMessage(const FileErrorTexts& texts, std::string_view pattern, std::string_view fileName,
                             int errorNumber) {
    std::string message = FillPlaceholders(pattern, {fileName, FileErrorReason(texts, errorNumber)});
    // A translation that lost its %1 still says which file failed.
    if (pattern.find("%1") == std::string_view::npos) {
        message += ' ';
        message += fileName;
    }
    return message;
}

}  // namespace quorvel
