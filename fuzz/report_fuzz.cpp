// Arbitrary bytes as a pasted espionage report: the reader and the import handler must neither crash
// nor leave 32 bits, the one-pass keyword search must agree with a plain search, and the handler must
// write into the fields exactly what the reader returns.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/memory_form.h"
#include "app/panels/report_fields.h"
#include "app/simulator_dialog.h"
#include "plan/share_code.h"
#include "report/report_reader.h"
#include "report/report_split.h"
#include "report/report_text.h"
#include "text/utf8.h"

namespace {

using namespace quorvel;

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckSearch(std::string_view text) {
    static const std::array<std::u32string, kReportKeywordCount> keywords = [] {
        std::array<std::u32string, kReportKeywordCount> decoded;
        for (std::size_t row = 0; row < kReportKeywordCount; ++row)
            decoded[row] = DecodeUtf8(kReportKeywords[row].text);
        return decoded;
    }();
    const ReportText report(text);
    const std::u32string characters = DecodeUtf8(text);
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        const std::size_t plain = std::u32string_view(characters).find(keywords[row]);
        const std::optional<std::size_t> found = report.FirstOccurrence(row);
        Check(found ? *found == plain : plain == std::u32string_view::npos);
    }
}

void CheckWrites(std::string_view text) {
    const std::vector<FieldWrite> writes = ReportFieldWrites(ReadReport(text));
    std::size_t positionWrites = 0;
    for (const FieldWrite& write : writes) {
        Check(write.value >= 0);  // no sign is ever read
        switch (write.field) {
            case ControlId::TargetGalaxyInput:
                Check(write.value <= 99);
                ++positionWrites;
                break;
            case ControlId::TargetSystemInput:
                Check(write.value <= 999);
                ++positionWrites;
                break;
            case ControlId::TargetPlanetInput:
                Check(write.value <= 99);
                ++positionWrites;
                break;
            default:
                break;
        }
    }
    Check(positionWrites == 0 || positionWrites == 3);

    // The handler applies exactly these writes: the last one to each field is what the field shows.
    // A page of several reports goes to the target list instead, and a share code is loaded as one.
    if (SplitReports(text).size() > 1 || FindShareCode(text)) return;
    MemoryForm form;
    CSimulatorDlg dlg(form, "/nonexistent-quorvel-home");
    form.SetText(ControlId::ReportText, text);
    dlg.Run(Action::ReadReport);
    for (const FieldWrite& write : writes) {
        std::int32_t last = write.value;
        for (const FieldWrite& later : writes) {
            if (later.field == write.field) last = later.value;
        }
        const std::string shown = form.GetText(write.field);
        Check(shown == (last == 0 ? std::string() : std::to_string(last)));
    }
    for (const MemoryForm::Event& event : form.Events()) Check(event.kind != "error");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckSearch(text);
    CheckWrites(text);
    return 0;
}
