// Importing a 100 KB espionage report that holds all 90 keywords, through the pure reader and through
// the import handler on the in-memory form. The keywords sit at the end, after filler that contains
// none of them, so every keyword search crosses the whole text. Bar: well under 5 ms per import.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "report/report_reader.h"
#include "report/report_text.h"
#include "sample_reports.h"

namespace {

using namespace quorvel;

constexpr std::size_t kReportBytes = 100 * 1024;
using bench::kSampleReports;
using bench::ReadSampleReport;

// `filler` repeated up to 100 KB, then the nine sample reports and the three large shield domes that
// the Dutch, Polish and Turkish samples lack: all 90 keywords.
std::string LongReport(const std::string& filler) {
    std::string samples;
    for (const char* name : kSampleReports) samples += ReadSampleReport(name);
    samples += "Grote planetaire schildkoepel: 1\nDuża powłoka ochronna: 1\nBüyük Kalkan Kubbesi 1\n";
    std::string text;
    while (text.size() + filler.size() + samples.size() <= kReportBytes) text += filler;
    return text + samples;
}

// Lines as a report's other sections have them: many capitals that begin keywords, none a keyword.
std::string OrdinaryFiller() {
    return "Metal:\t1,204,331\tCrystal:\t412,870\tDeuterium:\t98,112\n"
           "Combat Ship\t14\tLight Fighter\t120\tCruiser\t9\tColony Ship\t1\tRecycler\t6\n"
           "Robotics Factory\t10\tShipyard\t8\tResearch Lab\t9\tAlliance Depot\t2\tMissile Silo\t4\n"
           "Kristallspeicher\t7\tGroßer Transporter\t6\tLeichter Jäger\t80\tSchlachtkreuzer\t2\n"
           "Cañones y láseres: ninguno\tCúpula de radar\tLanceur\tPlasma\tGauss\tIon\n";
}

bool HoldsAnyKeyword(const std::string& text) {
    const ReportText report(text);
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        if (report.FirstOccurrence(row)) return true;
    }
    return false;
}

// Every keyword without its last character, over and over: the worst case for the keyword search,
// which compares almost a whole keyword at many places and finds nothing. ("Cupola scudo potenziat"
// is left out: it holds the small dome's keyword.)
std::string NearMissFiller() {
    std::string filler;
    for (const ReportKeyword& row : kReportKeywords) {
        std::string_view text = row.text;
        text.remove_suffix(1);
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.remove_suffix(1);
        const std::string piece = std::string(text) + ' ';
        if (!HoldsAnyKeyword(piece)) filler += piece;
    }
    return filler;
}

bool AllKeywordsFound(const std::string& text) {
    const ReportText report(text);
    for (std::size_t row = 0; row < kReportKeywordCount; ++row) {
        if (!report.FirstOccurrence(row)) return false;
    }
    return true;
}

void ReadReportBench(benchmark::State& state, const std::string& filler) {
    const std::string text = LongReport(filler);
    if (HoldsAnyKeyword(filler)) state.SkipWithError("the filler holds a keyword");
    if (!AllKeywordsFound(text)) state.SkipWithError("the report lacks a keyword");
    for (auto _ : state) benchmark::DoNotOptimize(ReadReport(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ReadReport(benchmark::State& state) { ReadReportBench(state, OrdinaryFiller()); }
BENCHMARK(BM_ReadReport)->Unit(benchmark::kMicrosecond);

void BM_ReadReportNearMisses(benchmark::State& state) { ReadReportBench(state, NearMissFiller()); }
BENCHMARK(BM_ReadReportNearMisses)->Unit(benchmark::kMicrosecond);

void BM_OnReadReport(benchmark::State& state) {
    const std::string text = LongReport(OrdinaryFiller());
    MemoryForm form;
    CSimulatorDlg dlg(form, std::filesystem::temp_directory_path());
    form.SetText(ControlId::ReportText, text);
    for (auto _ : state) dlg.Run(Action::ReadReport);
    if (form.GetText(ControlId::LargeShieldDomeInput) != "1") state.SkipWithError("the import read nothing");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_OnReadReport)->Unit(benchmark::kMicrosecond);

}  // namespace
