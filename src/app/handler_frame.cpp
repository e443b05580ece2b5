// The frame every calculating handler runs in: empty fields become "0", all numeric fields are
// read into the state record, and fields showing "0" are emptied again at the end.

#include <cctype>
#include <charconv>
#include <limits>
#include <optional>

#include "app/control_table.h"
#include "app/program_files.h"
#include "app/simulator_dialog.h"
#include "fileio/utf8.h"

namespace quorvel {
namespace {

// Only this many characters of a field take part in reading it.
constexpr std::size_t kReadableCharacters = 63;

// Leading white space, an optional sign, decimal digits; anything after the digits is ignored.
// Nothing when there are no digits or the number does not fit in 32 bits.
std::optional<std::int32_t> ParseFieldInteger(std::string_view text) {
    text = Utf8Prefix(text, kReadableCharacters);
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
        ++i;
    }
    if (i == digitsStart) return std::nullopt;
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void StoreInput(SimulatorState& s, ControlId id, std::int32_t value) {
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        if (kDefenceRows[t].input == id) {
            s.m_defenceCount[t] = value;
            return;
        }
    }
    switch (id) {
        case ControlId::AbmInput: s.m_abmCount = value; break;
        case ControlId::ArmourInput: s.m_armourLevel = value; break;
        case ControlId::MissileInput: s.m_missileCount = value; break;
        case ControlId::WeaponsInput: s.m_weaponsLevel = value; break;
        case ControlId::StartGalaxyInput: s.m_startGalaxy = value; break;
        case ControlId::StartSystemInput: s.m_startSystem = value; break;
        case ControlId::StartPlanetInput: s.m_startPlanet = value; break;
        case ControlId::TargetGalaxyInput: s.m_targetGalaxy = value; break;
        case ControlId::TargetSystemInput: s.m_targetSystem = value; break;
        case ControlId::TargetPlanetInput: s.m_targetPlanet = value; break;
        case ControlId::ImpulseDriveInput: s.m_impulseDriveLevel = value; break;
        default: break;
    }
}

std::int64_t StoredInput(const SimulatorState& s, ControlId id) {
    for (int t = 0; t < kDefenceTypeCount; ++t) {
        if (kDefenceRows[t].input == id) return s.m_defenceCount[t];
    }
    switch (id) {
        case ControlId::AbmInput: return s.m_abmCount;
        case ControlId::ArmourInput: return s.m_armourLevel;
        case ControlId::MissileInput: return s.m_missileCount;
        case ControlId::WeaponsInput: return s.m_weaponsLevel;
        case ControlId::StartGalaxyInput: return s.m_startGalaxy;
        case ControlId::StartSystemInput: return s.m_startSystem;
        case ControlId::StartPlanetInput: return s.m_startPlanet;
        case ControlId::TargetGalaxyInput: return s.m_targetGalaxy;
        case ControlId::TargetSystemInput: return s.m_targetSystem;
        case ControlId::TargetPlanetInput: return s.m_targetPlanet;
        case ControlId::ImpulseDriveInput: return s.m_impulseDriveLevel;
        default: return 0;
    }
}

}  // namespace

void CSimulatorDlg::NormaliseEmptyInputs() {
    for (ControlId id : kNumericInputs) {
        if (m_form.GetText(id).empty()) {
            m_form.SetText(id, "0");
            StoreInput(m_state, id, 0);
        }
    }
}

bool CSimulatorDlg::ReadInputs() {
    for (ControlId id : kNumericInputs) {
        const std::optional<std::int32_t> value = ParseFieldInteger(m_form.GetText(id));
        if (!value) {
            m_form.ShowMessage(m_texts.msgIntegerPrompt);
            m_form.FocusField(id);
            return false;
        }
        StoreInput(m_state, id, *value);
    }
    m_state.m_reportText = m_form.GetText(ControlId::ReportText);
    return true;
}

void CSimulatorDlg::ClearZeroInputs() {
    for (ControlId id : kNumericInputs) {
        if (m_form.GetText(id) == "0") m_form.SetText(id, "");
    }
}

void CSimulatorDlg::WriteBackInputs() {
    for (ControlId id : kNumericInputs) m_form.SetInt(id, StoredInput(m_state, id));
    m_form.SetText(ControlId::ReportText, m_state.m_reportText);
}

}  // namespace quorvel
