#include "fileio/file_error.h"

#include <cerrno>
#include <string>

#include "text/placeholders.h"

namespace quorvel {

std::string FileErrorReason(const FileErrorTexts& texts, int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return texts.diskFull;
        case EACCES:
        case EPERM:
            return texts.permissionDenied;
        case EROFS:
            return texts.readOnlyFileSystem;
        case EDQUOT:
            return texts.quotaExceeded;
        case EISDIR:
            return texts.isFolder;
        case EINVAL:
            return texts.invalid;
        case ENOENT:
        case ENOTDIR:
            return texts.folderMissing;
        case EWOULDBLOCK:
            return texts.busy;
        case EIO:
            return texts.inputOutput;
        case ELOOP:
            return texts.tooManyLinks;
        case ENAMETOOLONG:
            return texts.nameTooLong;
        case ENXIO:
            return texts.noDevice;
        case EEXIST:
            return texts.exists;
        case kNotOrdinaryFileError:
            return texts.notRegularFile;
        default:
            break;
    }
    // No system text: it would be English inside a translated box.
    return FillPlaceholders(texts.systemError, {std::to_string(errorNumber)});
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
