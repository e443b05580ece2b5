#include "fileio/file_error.h"

#include <cerrno>
#include <cstring>

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
    const std::string reason = FileErrorReason(texts, errorNumber);
    std::string message;
    // One pass, so a file name holding "%2" stays as it is.
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            message += pattern[i + 1] == '1' ? std::string(fileName) : reason;
            ++i;
        } else {
            message += pattern[i];
        }
    }
    // A translation that lost its %1 still says which file failed.
    if (pattern.find("%1") == std::string_view::npos) {
        message += ' ';
        message += fileName;
    }
    return message;
}

}  // namespace quorvel
