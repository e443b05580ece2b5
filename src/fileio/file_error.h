#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The error value for a path that is there but is no ordinary file (a FIFO, a device, a socket).
// No errno says that, so it has its own value, outside errno's range.
inline constexpr int kNotOrdinaryFileError = -1;

// The words of an error box about a file. The English texts stand here as the fallback for a
// language file that does not have the lines.
struct FileErrorTexts {
    std::string cannotSave = "%1 could not be saved: %2.";  // %1 the file, %2 the reason
    std::string cannotRead = "%1 could not be read: %2.";
    std::string diskFull = "the disk is full";
    std::string permissionDenied = "permission denied";
    std::string readOnlyFileSystem = "the disk is read-only";
    std::string quotaExceeded = "the disk quota is used up";
    std::string isFolder = "it is a folder";
    std::string notRegularFile = "it is not an ordinary file";
    std::string folderMissing = "the file or its folder does not exist";
    std::string busy = "another program holds it";
    std::string inputOutput = "the disk reported an input/output error";
    std::string tooManyLinks = "there are too many symbolic links on the way";
    std::string nameTooLong = "the name is too long";
    std::string noDevice = "the device or the program reading it is not there";
    std::string exists = "a file of that name already exists";
    std::string invalid = "the system refused the request as invalid";
    std::string systemError = "system error %1";  // %1 the error number
};

// The reason of an errno value in the texts' words; systemError with the number for any other value.
std::string FileErrorReason(const FileErrorTexts& texts, int errorNumber);

// pattern (cannotSave or cannotRead) with %1 replaced by the file name and %2 by the reason.
std::string FileErrorMessage(const FileErrorTexts& texts, std::string_view pattern, std::string_view fileName,
                             int errorNumber);

}  // namespace quorvel
