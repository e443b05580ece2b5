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

std::optional<std::string> PlanExportError(PlanExportOutcome outcome, std::string_view fileName,
                                           const PlanExportMessages& messages) {
    // Every %1 of the message becomes the file name; a message without one gets the name after it,
    // so that the box always says which file failed.
    const auto naming = [fileName](const std::string& message) {
        if (message.find("%1") == std::string::npos) return message + " " + std::string(fileName);
        std::string text;
        for (std::size_t i = 0; i < message.size(); ++i) {
            if (message.compare(i, 2, "%1") == 0) {
                text += fileName;
                ++i;
            } else {
                text += message[i];
            }
        }
        return text;
    };
    switch (outcome) {
        case PlanExportOutcome::CannotCreate: return naming(messages.cannotCreate);
        case PlanExportOutcome::WriteFailed: return naming(messages.writeFailed);
        case PlanExportOutcome::Written:
        case PlanExportOutcome::NoPlan: break;
    }
    return std::nullopt;
}

}  // namespace quorvel
