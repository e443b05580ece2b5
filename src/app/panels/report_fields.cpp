#include "app/panels/report_fields.h"

namespace quorvel {

std::vector<FieldWrite> ReportFieldWrites(const SpyReport& report) {
    std::vector<FieldWrite> writes;
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        if (const std::optional<std::int32_t> value = report.keywordNumbers[row]) {
            writes.push_back({kReportItemFields[row % kReportItemCount], *value});
        }
    }
    if (const std::optional<Position> target = report.target) {
        writes.push_back({ControlId::TargetGalaxyInput, target->galaxy});
        writes.push_back({ControlId::TargetSystemInput, target->system});
        writes.push_back({ControlId::TargetPlanetInput, target->planet});
    }
    return writes;
}

}  // namespace quorvel
