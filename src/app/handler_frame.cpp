// Reading and writing the numeric fields for the handler frame: empty fields become "0", all
// numeric fields are read into the inputs, and fields showing "0" are emptied again at the end.

#include "app/handler_frame.h"

#include <array>
#include <optional>
#include <string>

#include "app/control_table.h"
#include "text/decimal.h"
#include "text/utf8.h"

namespace quorvel {
namespace {

// Only this many characters of a field take part in reading it.
constexpr std::size_t kReadableCharacters = 63;

// Leading white space, an optional "+", decimal digits; anything after the digits is ignored.
// Thousands separators as the game shows them ("1.500", "1,500") are read past, as in a report.
// Nothing when there are no digits, the number is negative or it does not fit in 32 bits: no count
// or level below 0 takes part in a calculation.
std::optional<std::int32_t> ParseFieldInteger(std::string_view text) {
    text = Utf8Prefix(text, kReadableCharacters);
    const auto isDigitAt = [text](std::size_t j) {
        return j < text.size() && IsDecimalDigit(static_cast<unsigned char>(text[j]));
    };
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsThousandsSeparatorAt(text, i, isDigitAt)) plain += text[i];
    }
    auto it = plain.cbegin();
    const std::optional<std::int32_t> value = ScanInt32(it, plain.cend());
    if (value && *value < 0) return std::nullopt;
    return value;
}

// One numeric edit and the input field it is read into and written back from.
struct NumericField {
    ControlId id;
    void (*store)(InputValues&, std::int32_t);
    std::int64_t (*stored)(const InputValues&);
};

template <auto Field>
constexpr NumericField Bind(ControlId id) {
    return {id, [](InputValues& in, std::int32_t value) { in.*Field = value; },
            [](const InputValues& in) -> std::int64_t { return in.*Field; }};
}

template <int Type>
constexpr NumericField BindCount() {
    return {kDefenceRows[Type].input,
            [](InputValues& in, std::int32_t value) { in.defenceCount[Type] = value; },
            [](const InputValues& in) -> std::int64_t { return in.defenceCount[Type]; }};
}

// Every numeric edit in exchange order with its field.
constexpr std::array<NumericField, kNumericInputs.size()> kNumericFields = {{
    BindCount<0>(),
    BindCount<1>(),
    BindCount<2>(),
    BindCount<3>(),
    BindCount<4>(),
    BindCount<5>(),
    BindCount<6>(),
    BindCount<7>(),
    Bind<&InputValues::abmCount>(ControlId::AbmInput),
    Bind<&InputValues::armourLevel>(ControlId::ArmourInput),
    Bind<&InputValues::missileCount>(ControlId::MissileInput),
    Bind<&InputValues::weaponsLevel>(ControlId::WeaponsInput),
    Bind<&InputValues::startGalaxy>(ControlId::StartGalaxyInput),
    Bind<&InputValues::startSystem>(ControlId::StartSystemInput),
    Bind<&InputValues::startPlanet>(ControlId::StartPlanetInput),
    Bind<&InputValues::targetGalaxy>(ControlId::TargetGalaxyInput),
    Bind<&InputValues::targetSystem>(ControlId::TargetSystemInput),
    Bind<&InputValues::targetPlanet>(ControlId::TargetPlanetInput),
    Bind<&InputValues::impulseDriveLevel>(ControlId::ImpulseDriveInput),
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kNumericInputs.size(); ++i) {
            if (kNumericFields[i].id != kNumericInputs[i]) return false;
        }
        return true;
    }(),
    "kNumericFields follows the exchange order of kNumericInputs");

}  // namespace

void NormaliseEmptyInputs(MainForm& form, InputValues& inputs) {
    for (const NumericField& field : kNumericFields) {
        if (form.GetText(field.id).empty()) {
            form.SetText(field.id, "0");
            field.store(inputs, 0);
        }
    }
}

InputsRead ReadInputs(const MainForm& form, const InputValues& previous) {
    InputsRead read{previous, std::nullopt};
    for (const NumericField& field : kNumericFields) {
        const std::optional<std::int32_t> value = ParseFieldInteger(form.GetText(field.id));
        if (!value) {
            read.unreadable = field.id;
            return read;
        }
        field.store(read.values, *value);
    }
    read.values.reportText = form.GetText(ControlId::ReportText);
    return read;
}

void ClearZeroInputs(MainForm& form) {
    for (ControlId id : kNumericInputs) {
        if (form.GetText(id) == "0") form.SetText(id, "");
    }
}

void WriteBackInputs(MainForm& form, const InputValues& inputs) {
    for (const NumericField& field : kNumericFields) form.SetInt(field.id, field.stored(inputs));
    form.SetText(ControlId::ReportText, inputs.reportText);
}

}  // namespace quorvel
