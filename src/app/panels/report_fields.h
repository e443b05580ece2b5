#pragma once

// Which input each part of an espionage report fills.

#include <array>
#include <cstdint>
#include <vector>

#include "app/control_id.h"
#include "app/control_table.h"
#include "report/report_reader.h"

namespace quorvel {

// The input each item of a report's language block fills, in item order: armour technology,
// anti-ballistic missiles, then the eight defence types in their usual order.
constexpr std::array<ControlId, kReportItemCount> ReportItemFields() {
    static_assert(kReportItemCount == 2 + kDefenceTypeCount);
    std::array<ControlId, kReportItemCount> fields{ControlId::ArmourInput, ControlId::AbmInput};
    for (int t = 0; t < kDefenceTypeCount; ++t) fields[2 + t] = kDefenceRows[t].input;
    return fields;
}
inline constexpr std::array<ControlId, kReportItemCount> kReportItemFields = ReportItemFields();

// One input the import fills, with the number it writes there.
struct FieldWrite {
    ControlId field;
    std::int32_t value;

    bool operator==(const FieldWrite&) const = default;
};

// Everything an import writes, in order: the keyword rows in table order (the later of two writes to
// one input wins), then galaxy, system and planet.
std::vector<FieldWrite> ReportFieldWrites(const SpyReport& report);

}  // namespace quorvel
