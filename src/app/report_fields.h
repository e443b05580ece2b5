#pragma once

// Which input each part of an espionage report fills.

#include <array>
#include <cstdint>
#include <vector>

#include "app/control_id.h"
#include "report/report_reader.h"

namespace quorvel {

// The input each item of a report's language block fills, in item order: armour technology,
// anti-ballistic missiles, then the eight defence types in their usual order.
inline constexpr std::array<ControlId, kReportItemCount> kReportItemFields = {
    ControlId::ArmourInput,          ControlId::AbmInput,          ControlId::RocketLauncherInput,
    ControlId::LightLaserInput,      ControlId::HeavyLaserInput,   ControlId::GaussCannonInput,
    ControlId::IonCannonInput,       ControlId::PlasmaTurretInput, ControlId::SmallShieldDomeInput,
    ControlId::LargeShieldDomeInput,
};

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
