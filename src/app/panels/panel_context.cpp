#include "app/panels/panel_context.h"

#include <ctime>

#include "fileio/file_error.h"

namespace quorvel {

std::int32_t LocalSecondsOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

std::filesystem::path PanelContext::HomePath(std::string_view relative) const {
    return folders.Resolve(std::filesystem::path(relative));
}

void PanelContext::ShowFileError(const std::string& pattern, const std::filesystem::path& file,
                                 int errorNumber) const {
    form.ShowError(FileErrorMessage(texts.fileErrors, pattern, file.string(), errorNumber));
}

}  // namespace quorvel
