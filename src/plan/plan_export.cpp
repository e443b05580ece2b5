#include "plan/plan_export.h"

#include <cerrno>

#include "fileio/atomic_file.h"

namespace quorvel {

PlanExportOutcome ExportPlan(const std::filesystem::path& planFile, const std::filesystem::path& exportFile,
                             int* errorNumber) {
    int readError = 0;
    const std::optional<std::string> plan =
        ReadRegularFile(planFile, std::numeric_limits<std::size_t>::max(), &readError);
    if (!plan) {
        if (errorNumber) *errorNumber = readError;
        return readError == ENOENT ? PlanExportOutcome::NoPlan : PlanExportOutcome::PlanUnreadable;
    }
    // A plan whose every record failed to be stored is empty: an export would replace the
    // player's file with nothing.
    if (plan->empty()) return PlanExportOutcome::NoPlan;
    RemoveAbandonedTemporariesIn(exportFile.parent_path().empty() ? std::filesystem::path(".")
                                                                  : exportFile.parent_path());
    switch (ReplaceFileAtomically(exportFile, *plan, errorNumber)) {
        case WriteOutcome::Ok:
            return PlanExportOutcome::Written;
        case WriteOutcome::CannotCreate:
            return PlanExportOutcome::CannotCreate;
        case WriteOutcome::WriteFailed:
            return PlanExportOutcome::WriteFailed;
    }
    return PlanExportOutcome::WriteFailed;
}

std::optional<std::string> PlanExportError(PlanExportOutcome outcome, std::string_view fileName,
                                           std::string_view planFileName, int errorNumber,
                                           const FileErrorTexts& texts) {
    switch (outcome) {
        case PlanExportOutcome::CannotCreate:
        case PlanExportOutcome::WriteFailed:
            return FileErrorMessage(texts, texts.cannotSave, fileName, errorNumber);
        case PlanExportOutcome::PlanUnreadable:
            return FileErrorMessage(texts, texts.cannotRead, planFileName, errorNumber);
        case PlanExportOutcome::Written:
        case PlanExportOutcome::NoPlan:
            break;
    }
    return std::nullopt;
}

}  // namespace quorvel
