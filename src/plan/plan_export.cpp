#include "plan/plan_export.h"

#include "fileio/atomic_file.h"

namespace quorvel {

PlanExportOutcome ExportPlan(const std::filesystem::path& planFile, const std::filesystem::path& exportFile) {
    const std::optional<std::string> plan = ReadWholeFile(planFile);
    if (!plan) return PlanExportOutcome::NoPlan;
    switch (ReplaceFileAtomically(exportFile, *plan)) {
        case WriteOutcome::Ok: return PlanExportOutcome::Written;
        case WriteOutcome::CannotCreate: return PlanExportOutcome::CannotCreate;
        case WriteOutcome::WriteFailed: return PlanExportOutcome::WriteFailed;
    }
    return PlanExportOutcome::WriteFailed;
}

std::optional<std::string> PlanExportError(PlanExportOutcome outcome, std::string_view fileName) {
    switch (outcome) {
        case PlanExportOutcome::CannotCreate: return "Cannot create " + std::string(fileName) + ".";
        case PlanExportOutcome::WriteFailed:
            return "Disk full while accessing " + std::string(fileName) + ".";
        case PlanExportOutcome::Written:
        case PlanExportOutcome::NoPlan: break;
    }
    return std::nullopt;
}

}  // namespace quorvel
