// SPDX-License-Identifier: GPL-3.0-or-later
// Times the call log over logs of 10,000, 100,000 and 1,000,000 calls:
// (a) showing the log until the first screenful is formatted, (b) one fetch
// of 90 calls merged into the log, (c) deleting the calls of one day,
// (d) sorting by the phone number; (a) also in the grid itself. Each figure comes with the peak resident
// memory of the process during the runs ("peak_MB").
// Run: build/bin/bench_call_log
#include "call_history_record.h"
#include "call_log_grid.h"
#include "call_log_merge.h"
#include "call_log_model.h"
#include "call_log_store.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <map>
#include <memory>
#include <string>

using namespace ql310::calllog;

namespace {

constexpr int kCallsPerDay = 500;
constexpr int kScreenRows = 40;

struct Log {
    QTemporaryDir dir;
    std::unique_ptr<CallLogStore> store;
};

// Fills the log with `calls` calls, `kCallsPerDay` a day from 1 January 2000.
void fill(const QString& path, int calls)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral(
            "WITH RECURSIVE c(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM c WHERE x < %1) "
            "INSERT INTO Data (Port, InOut, PhoneNumber, Recording, Lost, StartDate, StartTime, "
            "EndDate, EndTime) SELECT 'Port' || (1 + x % 4), x % 2, CAST(1000000 + (x * 7919) % "
            "9000000 AS TEXT), x % 100000 = 0, 0, date('2000-01-01', '+' || (x / %2) || ' days'), "
            "time((x % %2) * 170, 'unixepoch'), date('2000-01-01', '+' || (x / %2) || ' days'), "
            "time((x % %2) * 170 + 60, 'unixepoch') FROM c")
                       .arg(calls - 1)
                       .arg(kCallsPerDay));
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
}

Log& logOf(int calls)
{
    static std::map<int, std::unique_ptr<Log>> logs;
    auto& log = logs[calls];
    if (!log) {
        log = std::make_unique<Log>();
        log->store = std::make_unique<CallLogStore>(log->dir.path());
        log->store->ensureFiles();
        fill(log->store->callLogPath(), calls);
    }
    return *log;
}

// The peak resident memory starts again from the present one.
void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void showFirstScreen(CallLogModel& model, CallLogStore& store)
{
    model.bind(&store);
    for (int row = 0; row < kScreenRows && row < model.rowCount(); ++row)
        for (int column = 0; column < CallLogModel::kColumnCount; ++column)
            benchmark::DoNotOptimize(model.cellText(row, column));
}

void ShowCallLog(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogModel model;
    resetPeakMemory();
    for (auto _ : state)
        showFirstScreen(model, *log.store);
    state.counters["peak_MB"] = peakMegabytes();
}

// The same in the grid, drawn once off screen at 1000 x 800 pixels.
void ShowCallLogInGrid(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogGrid grid;
    grid.resize(1000, 800);
    resetPeakMemory();
    for (auto _ : state) {
        grid.callLogModel()->bind(log.store.get());
        benchmark::DoNotOptimize(grid.grab());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// 90 calls of one day, a tenth of them in progress.
std::array<uint8_t, kHistorySize> ninetyCalls(int day)
{
    std::array<uint8_t, kHistorySize> history{};
    history[kRecordCountOffset] = kSlotCount;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        uint8_t* record = history.data() + kFirstSlotOffset + kSlotSize * slot;
        record[kFlagsOffset] = uint8_t((slot % 8) << 5 | (slot % 10 == 0 ? 0x04 : 0x08));
        record[kNumberOffset] = uint8_t(0x11 + slot % 9);
        record[kNumberOffset + 1] = 0x2A;
        const uint8_t start[5] = {uint8_t(1 + day / 28 % 12), uint8_t(1 + day % 28),
                                  uint8_t(slot / 4), uint8_t(slot % 60), 0};
        std::copy(start, start + 5, record + kStartOffset);
        std::copy(start, start + 5, record + kEndOffset);
        record[kEndOffset + 4] = 30;
    }
    return history;
}

void MergeFetch(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    int day = 0;
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        const auto history = ninetyCalls(day++);
        state.ResumeTiming();
        const RefreshResult result = refreshCallLog(*log.store, history.data(), {2030, 6, 1},
                                                    {12, 0, 0}, [](int id) { return QString::number(id); });
        if (!result.logUpdated)
            state.SkipWithError("merge failed");
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void DeleteOneDay(benchmark::State& state)
{
    const int calls = int(state.range(0));
    Log& log = logOf(calls);
    QDate day(2000, 1, 1);
    resetPeakMemory();
    for (auto _ : state) {
        if (!log.store->dataDel(day, day))
            state.SkipWithError("delete failed");
        day = day.addDays(1);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void SortByNumber(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogModel model;
    model.bind(log.store.get());
    bool ascending = true;
    resetPeakMemory();
    for (auto _ : state) {
        model.sort(3, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        for (int row = 0; row < kScreenRows; ++row)
            benchmark::DoNotOptimize(model.cellText(row, 3));
        ascending = !ascending;
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(ShowCallLog)->Apply(sizes);
BENCHMARK(ShowCallLogInGrid)->Apply(sizes);
BENCHMARK(MergeFetch)->Apply(sizes);
BENCHMARK(DeleteOneDay)->Apply(sizes)->Iterations(10);
BENCHMARK(SortByNumber)->Apply(sizes)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
