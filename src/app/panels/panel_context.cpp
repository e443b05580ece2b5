#include "app/panels/panel_context.h"

#include "fileio/file_error.h"

namespace quorvel {

std::filesystem::path PanelContext::HomePath(std::string_view relative) const {
    return folders.Resolve(std::filesystem::path(relative));
}

void PanelContext::ShowFileError(const std::string& pattern, const std::filesystem::path& file,
                                 int errorNumber) const {
    form.ShowError(FileErrorMessage(texts.fileErrors, pattern, file.string(), errorNumber));
}

}  // namespace quorvel
