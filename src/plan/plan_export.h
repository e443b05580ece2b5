#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

enum class PlanExportOutcome {
    Written,       // the export file holds the plan
    NoPlan,        // there is no readable plan file: nothing was written
    CannotCreate,  // the export file could not be created; an existing one is untouched
    WriteFailed,   // writing or replacing failed; an existing export file is untouched
};

// Copies the plan file's text unchanged into exportFile, replacing an existing file atomically.
PlanExportOutcome ExportPlan(const std::filesystem::path& planFile, const std::filesystem::path& exportFile);

// The error box texts of a failed export; %1 stands for the file name.
struct PlanExportMessages {
    std::string cannotCreate = "Cannot create %1.";
    std::string writeFailed = "Disk full while accessing %1.";
};

// The error box text for a failed export naming the file as the player chose it; nothing when the
// outcome is no failure.
std::optional<std::string> PlanExportError(PlanExportOutcome outcome, std::string_view fileName,
                                           const PlanExportMessages& messages = {});

}  // namespace quorvel
