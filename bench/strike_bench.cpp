// Simulate and Required missiles on the in-memory form, for the worked example and for extreme
// inputs. Both must stay well under 20 microseconds, the extreme ones within twice the ordinary.
// The Strike... benchmarks time the pure calculation alone, without reading and writing cells.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

#include "app/memory_form.h"
#include "app/simulator_dialog.h"
#include "strike/strike.h"

namespace {

using quorvel::ControlId;

const std::map<ControlId, const char*> kWorkedExample = {
    {ControlId::MissileInput, "10"},
    {ControlId::AbmInput, "2"},
    {ControlId::RocketLauncherInput, "100"},
    {ControlId::LightLaserInput, "10"},
};

std::map<ControlId, const char*> ExtremeInputs(const char* level) {
    std::map<ControlId, const char*> inputs = {{ControlId::MissileInput, "2147483647"},
                                               {ControlId::ArmourInput, level},
                                               {ControlId::WeaponsInput, level}};
    for (ControlId id :
         {ControlId::RocketLauncherInput, ControlId::LightLaserInput, ControlId::HeavyLaserInput,
          ControlId::GaussCannonInput, ControlId::IonCannonInput, ControlId::PlasmaTurretInput,
          ControlId::SmallShieldDomeInput, ControlId::LargeShieldDomeInput}) {
        inputs[id] = "2147483647";
    }
    return inputs;
}

void RunHandler(benchmark::State& state, const std::map<ControlId, const char*>& inputs,
                quorvel::Action action) {
    quorvel::MemoryForm form;
    quorvel::CSimulatorDlg dlg(form, std::filesystem::temp_directory_path());
    for (const auto& [id, text] : inputs) form.SetText(id, text);
    for (auto _ : state) {
        dlg.Run(action);
        benchmark::ClobberMemory();
    }
}

void BM_SimulateWorkedExample(benchmark::State& s) {
    RunHandler(s, kWorkedExample, quorvel::Action::Simulate);
}
void BM_SimulateExtremeHighLevels(benchmark::State& s) {
    RunHandler(s, ExtremeInputs("2147483647"), quorvel::Action::Simulate);
}
void BM_SimulateExtremeLowLevels(benchmark::State& s) {
    RunHandler(s, ExtremeInputs("-2147483648"), quorvel::Action::Simulate);
}
void BM_RequiredWorkedExample(benchmark::State& s) {
    RunHandler(s, kWorkedExample, quorvel::Action::RequiredMissiles);
}
void BM_RequiredExtremeHighLevels(benchmark::State& s) {
    RunHandler(s, ExtremeInputs("2147483647"), quorvel::Action::RequiredMissiles);
}
void BM_RequiredExtremeLowLevels(benchmark::State& s) {
    RunHandler(s, ExtremeInputs("-2147483648"), quorvel::Action::RequiredMissiles);
}

constexpr std::int32_t kMaxInt = 2147483647;
const quorvel::StrikeInput kWorkedExampleInput{{100, 10, 0, 0, 0, 0, 0, 0}, 2, 10, 0, 0, 0};

quorvel::StrikeInput ExtremeInput(std::int32_t level) {
    quorvel::StrikeInput input{{}, 0, kMaxInt, level, level, 0};
    input.counts.fill(kMaxInt);
    return input;
}

void RunStrike(benchmark::State& state, const quorvel::StrikeInput& input) {
    for (auto _ : state) {
        quorvel::StrikeResult result = quorvel::SimulateStrike(input);
        benchmark::DoNotOptimize(result);
    }
}

void RunRequired(benchmark::State& state, const quorvel::StrikeInput& input) {
    for (auto _ : state) {
        quorvel::RequiredMissilesResult result = quorvel::RequiredMissiles(input, 0);
        benchmark::DoNotOptimize(result);
    }
}

void BM_StrikeWorkedExample(benchmark::State& s) { RunStrike(s, kWorkedExampleInput); }
void BM_StrikeExtremeHighLevels(benchmark::State& s) { RunStrike(s, ExtremeInput(kMaxInt)); }
void BM_StrikeExtremeLowLevels(benchmark::State& s) { RunStrike(s, ExtremeInput(-kMaxInt - 1)); }
void BM_StrikeRequiredExtreme(benchmark::State& s) { RunRequired(s, ExtremeInput(kMaxInt)); }

BENCHMARK(BM_SimulateWorkedExample);
BENCHMARK(BM_SimulateExtremeHighLevels);
BENCHMARK(BM_SimulateExtremeLowLevels);
BENCHMARK(BM_RequiredWorkedExample);
BENCHMARK(BM_RequiredExtremeHighLevels);
BENCHMARK(BM_RequiredExtremeLowLevels);
BENCHMARK(BM_StrikeWorkedExample);
BENCHMARK(BM_StrikeExtremeHighLevels);
BENCHMARK(BM_StrikeExtremeLowLevels);
BENCHMARK(BM_StrikeRequiredExtreme);

}  // namespace
