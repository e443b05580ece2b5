#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fileio/file_error.h"

namespace quorvel {

enum class PlanExportOutcome {
    Written,         // the export file holds the plan
    NoPlan,          // there is no plan file, or it is empty: nothing was written
    CannotCreate,    // the export file could not be created; an existing one is untouched
    WriteFailed,     // writing or replacing failed; an existing export file is untouched
    PlanUnreadable,  // the plan file is there but could not be read whole; nothing was written
};

// Copies the plan file's text unchanged into exportFile, replacing an existing file atomically.
// Temporaries that killed exports left in the export folder are removed first. On a failure,
// errorNumber (when given) receives the reason.
PlanExportOutcome ExportPlan(const std::filesystem::path& planFile, const std::filesystem::path& exportFile,
                             int* errorNumber = nullptr);

// The error box text for a failed export: the export file as the player chose it, or the plan file
// when that could not be read, and the reason; nothing when the outcome is no failure.
std::optional<std::string> PlanExportError(PlanExportOutcome outcome, std::string_view fileName,
                                           std::string_view planFileName, int errorNumber,
                                           const FileErrorTexts& texts);

}  // namespace quorvel
