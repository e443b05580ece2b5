#pragma once

// The frame every calculating handler runs in (simulator_dialog.cpp runs it): empty numeric fields
// become "0", every numeric field is read, the handler runs, and fields showing "0" are emptied.

#include <optional>

#include "app/control_id.h"
#include "app/main_form.h"
#include "app/simulator_state.h"

namespace quorvel {

// What ReadInputs made of the fields. On failure `values` holds the fields before the first
// unreadable one and the previous values from there on, the report text included.
struct InputsRead {
    InputValues values;
    std::optional<ControlId> unreadable;  // the first numeric field that holds no integer
};

// Empty numeric fields become "0" on the form and 0 in `inputs`.
void NormaliseEmptyInputs(MainForm& form, InputValues& inputs);
// Every numeric field in exchange order, then the report text; stops at the first field that holds
// no whole number from 0 to 2147483647. Shows nothing: what a failure means is the caller's to say.
[[nodiscard]] InputsRead ReadInputs(const MainForm& form, const InputValues& previous);
// Fields showing exactly "0" become empty; the values are not touched.
void ClearZeroInputs(MainForm& form);
// The reverse of reading: every numeric value and the report text into its field.
void WriteBackInputs(MainForm& form, const InputValues& inputs);

}  // namespace quorvel
