// Arbitrary bytes as a pasted share code: decoding must neither crash nor hang nor take memory
// beyond a multiple of the text, must give values only within their fields' ranges, and a code it
// takes must come back unchanged from writing its data again. Loaded into the program, a refused
// code changes nothing on the form, and a taken one writes nothing but digits into the fields.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "app/control_table.h"
#include "app/form_contents.h"
#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "plan/share_code.h"

namespace {

using namespace quorvel;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Within(std::int64_t value, std::int64_t most) { return value >= 0 && value <= most; }

void CheckRanges(const ShareCode& code) {
    constexpr std::int64_t kField = 2147483647;
    if (const auto* strike = std::get_if<StrikeCode>(&code)) {
        for (const std::int32_t count : strike->counts) Check(Within(count, kField));
        Check(Within(strike->primaryTarget, 8) && Within(strike->neededTarget, 8));
        Check(Within(strike->missiles, kField) && Within(strike->siloLevel, kField));
    } else if (const auto* plan = std::get_if<PlanCode>(&code)) {
        Check(!plan->records.empty() && plan->records.size() <= kMostPlanRecords);
        for (const StrikeInput& in : plan->records)
            Check(Within(in.primaryTarget, 8) && Within(in.missiles, kField));
    } else {
        const auto& list = std::get<TargetCode>(code);
        Check(!list.rows.empty() && list.rows.size() <= kMostTargetRows);
        for (const TargetCodeRow& row : list.rows) {
            if (row.target) Check(Within(row.target->galaxy, 99) && Within(row.target->system, 999));
            for (const auto& item : row.items) Check(!item || Within(*item, kField));
        }
    }
}

bool HasWhiteSpace(std::string_view text) { return text.find_first_of(" \t\r\n") != std::string_view::npos; }

void CheckLoading(std::string_view text, bool taken) {
    MemoryForm form;
    CSimulatorDlg dlg(form, "/nonexistent-quorvel-home");
    dlg.OnMainWindowInit();
    const FormContents before = TakeFormContents(form);
    form.QueuePlanAnswer(PlanLoadChoice::Extend);
    dlg.Run(Action::OpenCode, ActionInput(0, std::string(text)));
    if (!taken) {
        Check(TakeFormContents(form) == before);
        return;
    }
    for (const ControlId id : kNumericInputs) {
        for (const char c : form.GetText(id)) Check(c >= '0' && c <= '9');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string_view> found = FindShareCode(text);
    const DecodedShareCode decoded = DecodeShareCode(found.value_or(text));
    if (!decoded.refusal) {
        CheckRanges(decoded.code);
        const EncodedShareCode again = EncodeShareCode(decoded.code);
        Check(!again.refusal);
        // Every value has one code: a code without white space is written again as it was.
        if (found && !HasWhiteSpace(*found)) Check(again.text == *found);
        Check(DecodeShareCode(again.text).code == decoded.code);
    }
    if (found) CheckLoading(text, !decoded.refusal);
    return 0;
}
