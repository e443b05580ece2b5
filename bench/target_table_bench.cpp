// Splitting and ranking a page of 200 espionage reports (about 300 KB: the nine sample reports in turn,
// each followed by chat lines as a forum page has them). Bar: well under 20 ms per page.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "plan/target_table.h"
#include "sample_reports.h"

namespace {

using namespace quorvel;

constexpr int kReports = 200;
constexpr std::size_t kPageBytes = 300 * 1024;
using bench::kSampleReports;
using bench::ReadSampleReport;

std::string Page() {
    std::string reports;
    for (int i = 0; i < kReports; ++i) reports += ReadSampleReport(kSampleReports[i % 9]) + '\x01';
    const std::size_t fillerPerReport = (kPageBytes - std::min(kPageBytes, reports.size())) / kReports;
    std::string filler;
    while (filler.size() < fillerPerReport) filler += "<Kartal> that one [quote] has lasers, send 40 now\n";
    std::string page;
    for (const char c : reports) page += c == '\x01' ? filler : std::string(1, c);
    return page;
}

void BM_SplitAndRank(benchmark::State& state) {
    const std::string page = Page();
    TargetSettings settings;
    settings.weaponsLevel = 14;
    settings.impulseDriveLevel = 7;
    settings.start = Position{4, 100, 1};
    if (ComputeTargetTable(page, settings).size() != kReports) state.SkipWithError("a report was lost");
    for (auto _ : state) {
        std::vector<TargetRow> rows = ComputeTargetTable(page, settings);
        std::sort(rows.begin(), rows.end(), [](const TargetRow& a, const TargetRow& b) {
            return a.resourcesPerMissile > b.resourcesPerMissile;
        });
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
    state.counters["page_bytes"] = static_cast<double>(page.size());
}
BENCHMARK(BM_SplitAndRank)->Unit(benchmark::kMillisecond);

}  // namespace
