// SPDX-License-Identifier: GPL-3.0-or-later
// Times a full read (both images) and a full write against the simulated
// adapter. Run: build/bin/bench_transfer
#include "simulated_adapter.h"
#include "ql310.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

std::unique_ptr<ql310::test::SimulatedAdapter> g_adapter;

std::array<uint8_t, QL310_TABLE_BLOCK_SIZE> g_table;
std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> g_setting;
std::array<uint8_t, QL310_CALL_HISTORY_SIZE> g_history;

void FullRead(benchmark::State& state)
{
    for (auto _ : state)
        if (QL310_LoadSetting(g_table.data(), g_setting.data()) != QL310_OK)
            state.SkipWithError("read failed");
}
BENCHMARK(FullRead);

void FullWrite(benchmark::State& state)
{
    for (auto _ : state)
        if (QL310_SaveSetting(g_table.data(), g_setting.data()) != QL310_OK)
            state.SkipWithError("write failed");
}
BENCHMARK(FullWrite);

void HistoryFetch(benchmark::State& state)
{
    for (auto _ : state)
        if (QL_GetCallHistoryData(g_history.data()) != QL310_OK)
            state.SkipWithError("fetch failed");
}
BENCHMARK(HistoryFetch);

} // namespace

int main(int argc, char** argv)
{
    g_adapter = std::make_unique<ql310::test::SimulatedAdapter>(QL310_ADAPTER_PATH);
    if (!g_adapter->start())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_adapter.reset();
    return 0;
}
