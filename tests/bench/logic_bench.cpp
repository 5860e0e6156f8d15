// Figures for the monitor's per-tick logic: one state-table step and one status-register decode.
// Printed by `make bench`; never part of a pass/fail test.
#include "monitor/app/status_machine.h"
#include "monitor/port/parallel_decode.h"

#include <benchmark/benchmark.h>

namespace {

void StateTableStep(benchmark::State& state) {
    const std::string name = "QRV KDP 225 Voyager";
    // A parallel port that cycles through ready, paper out and no link, so rows on every level are tried.
    const monitor::StatusInputs inputs[] = {
        {0, -1, "LPT", 2, false}, {0, 0x10, "LPT", 3, false}, {0, -1, "LPT", 1, false}, {0, -1, "USB", -1, true}};
    monitor::StatusMemory memory;
    size_t i = 0;
    for (auto _ : state) {
        monitor::StatusStep step = monitor::StepStatus(inputs[i++ & 3], memory, name);
        memory = step.memory;
        benchmark::DoNotOptimize(step);
    }
}
BENCHMARK(StateTableStep);

void SteadyStateStep(benchmark::State& state) {
    // The common case: the state does not change, so no texts are composed.
    const std::string name = "QRV KDP 225 Voyager";
    const monitor::StatusInputs ready{0, -1, "USB", -1, true};
    monitor::StatusMemory memory = monitor::StepStatus(ready, {}, name).memory;
    for (auto _ : state) {
        monitor::StatusStep step = monitor::StepStatus(ready, memory, name);
        benchmark::DoNotOptimize(step);
    }
}
BENCHMARK(SteadyStateStep);

void DecodeStatusRegister(benchmark::State& state) {
    uint8_t byte = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(monitor::DecodeParallelStatus(byte++));
    }
}
BENCHMARK(DecodeStatusRegister);

} // namespace

BENCHMARK_MAIN();
