// SPDX-License-Identifier: GPL-3.0-or-later
// Times the call log over logs of 10,000, 100,000 and 1,000,000 calls (and
// 10,000,000 with QL310_BENCH_LARGE=1): showing the log until the first
// screenful is formatted (also in a grid shown off screen, header views
// included), the first start with a log without sort indexes (until it is
// shown), one fetch of 90 new calls merged into the log, deleting the
// calls of the earliest day, sorting by each column in each direction (also
// in the grid), a filter change until its first screen, its count alone,
// "Lost only" sorted by Phone Number, the grid shown again after a merge,
// a filter cleared in the grid, a search for digits anywhere in the number,
// the statistics of the whole log and a full CSV export. Each repetition
// does real work: it deletes a day still there and merges calls
// not yet merged. Each figure comes with the peak resident memory of the
// process during the runs ("peak_MB").
// The logs are made in $QL310_BENCH_DIR when it is set (and kept there for
// the next run and for bench/compare_sqlite.sh), else in a temporary folder.
// Run: build/bin/bench_call_log [--benchmark_filter=...]
#include "call_history_record.h"
#include "call_log_grid.h"
#include "call_log_merge.h"
#include "call_log_model.h"
#include "call_log_store.h"
#include "call_export.h"
#include "call_filter.h"
#include "call_log_indexing.h"
#include "call_statistics.h"
#include "name_functions.h"
#include "phone_book_names.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
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
    std::unique_ptr<QTemporaryDir> temporary;
    QString dir;
    std::unique_ptr<CallLogStore> store;
    std::shared_ptr<ql310::numbers::PhoneBookNames> names;
};

// Fills the log with `calls` calls, `kCallsPerDay` a day from 1 January
// 2000, every thousandth lost, every hundred-thousandth in progress.
void fill(const QString& path, int calls)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec("PRAGMA journal_mode = OFF");
        query.exec("PRAGMA synchronous = OFF");
        query.exec(QStringLiteral(
            "WITH RECURSIVE c(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM c WHERE x < %1) "
            "INSERT INTO Data (Port, InOut, PhoneNumber, Recording, Lost, StartDate, StartTime, "
            "EndDate, EndTime) SELECT 'Port' || (1 + x % 4), x % 2, CAST(1000000 + (x * 7919) % "
            "9000000 AS TEXT), x % 100000 = 0, x % 1000 = 7, date('2000-01-01', '+' || (x / %2) || ' days'), "
            "time((x % %2) * 170, 'unixepoch'), date('2000-01-01', '+' || (x / %2) || ' days'), "
            "time((x % %2) * 170 + 60, 'unixepoch') FROM c")
                       .arg(calls - 1)
                       .arg(kCallsPerDay));
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
}

// The logs made so far, closed before the program's Qt SQL goes away.
std::map<int, std::unique_ptr<Log>>& logs()
{
    static std::map<int, std::unique_ptr<Log>> made;
    return made;
}

QString folderOf(int calls)
{
    return QDir(qEnvironmentVariable("QL310_BENCH_DIR")).filePath(QString::number(calls));
}

Log& logOf(int calls)
{
    auto& log = logs()[calls];
    if (!log) {
        log = std::make_unique<Log>();
        if (qEnvironmentVariableIsEmpty("QL310_BENCH_DIR")) {
            log->temporary = std::make_unique<QTemporaryDir>();
            log->dir = log->temporary->path();
        } else {
            log->dir = folderOf(calls);
        }
        log->store = std::make_unique<CallLogStore>(log->dir);
        const bool made = !QFile::exists(log->store->callLogPath());
        log->store->ensureFiles();
        if (made || log->store->viewRowCount() == 0) {
            // Filled without the sort indexes, which are then built at once
            // (as the program builds them for an older log).
            QSqlQuery query(log->store->logDatabase());
            for (const QString& index : CallLogStore::sortIndexesSql())
                query.exec("DROP INDEX IF EXISTS " + index.section(u' ', 5, 5));
            fill(log->store->callLogPath(), calls);
        }
        ensureOrderIndexes(*log->store);
        std::vector<ql310::numbers::PhoneBookEntry> book;
        for (int i = 0; i < 40; ++i)
            book.push_back({std::to_string(1000000 + i * 7919), "Name " + std::to_string(i)});
        log->names = std::make_shared<ql310::numbers::PhoneBookNames>(book, "DE");
        registerNameFunctions(*log->store, log->names);
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

// The grid shown off screen at 1000 x 800 pixels, drawn once the queued
// work of its header views is done.
void drawGrid(CallLogGrid& grid)
{
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(grid.grab());
}

void ShowCallLogInGrid(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogGrid grid;
    grid.resize(1000, 800);
    grid.show();
    resetPeakMemory();
    for (auto _ : state) {
        grid.callLogModel()->bind(log.store.get());
        drawGrid(grid);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// The first start with a log of an earlier version, without sort indexes:
// the log opened and shown in the grid; the indexes are built meanwhile on
// a thread of their own (stopped here, so that each repetition starts from
// the same unindexed copy).
void FirstStartUnindexed(benchmark::State& state)
{
    const int calls = int(state.range(0));
    Log& log = logOf(calls);
    const QString folder = log.dir + QStringLiteral("-unindexed");
    if (!QFile::exists(QDir(folder).filePath(kCallLogFile))) {
        QDir().mkpath(folder);
        QFile::copy(log.store->callLogPath(), QDir(folder).filePath(kCallLogFile));
        CallLogStore old(folder);
        QSqlQuery query(old.logDatabase());
        for (const QString& index : CallLogStore::sortIndexesSql())
            query.exec("DROP INDEX IF EXISTS " + index.section(u' ', 5, 5));
        query.exec("DROP TABLE IF EXISTS sqlite_stat1");
    }
    resetPeakMemory();
    for (auto _ : state) {
        CallLogStore store(folder);
        store.ensureFiles();
        SortIndexBuilder builder;
        CallLogGrid grid;
        grid.resize(1000, 800);
        grid.show();
        grid.callLogModel()->bind(&store);
        drawGrid(grid);
        // Then, as in the program, the build begins.
        if (store.missingSortIndexes() > 0)
            builder.start(store.callLogPath());
        state.PauseTiming();
        builder.stop();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// "1" to "99999999" as a record's packed dial digits from `at` (0 is 0x0A).
void packDigits(uint8_t* field, const std::string& digits)
{
    for (size_t i = 0; i < digits.size(); ++i) {
        const uint8_t nibble = digits[i] == '0' ? 0x0A : uint8_t(digits[i] - '0');
        field[i / 2] = i % 2 ? uint8_t(field[i / 2] | nibble) : uint8_t(nibble << 4);
    }
}

// 90 calls of one day, a tenth of them in progress, with numbers that no
// earlier fetch of this run or of an earlier run has merged.
std::array<uint8_t, kHistorySize> ninetyCalls(int day, qint64 fetch)
{
    std::array<uint8_t, kHistorySize> history{};
    history[kRecordCountOffset] = kSlotCount;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        uint8_t* record = history.data() + kFirstSlotOffset + kSlotSize * slot;
        record[kFlagsOffset] = uint8_t((slot % 8) << 5 | (slot % 10 == 0 ? 0x04 : 0x08));
        packDigits(record + kNumberOffset, "9" + std::to_string(fetch) + std::to_string(100 + slot));
        const uint8_t start[5] = {uint8_t(1 + day / 28 % 12), uint8_t(1 + day % 28),
                                  uint8_t(slot / 4), uint8_t(slot % 60), 0};
        std::copy(start, start + 5, record + kStartOffset);
        std::copy(start, start + 5, record + kEndOffset);
        record[kEndOffset + 4] = 30;
    }
    return history;
}

// The merge of a fetch of 90 calls no earlier fetch merged.
RefreshResult mergeNewCalls(CallLogStore& store)
{
    static qint64 fetch = QDateTime::currentSecsSinceEpoch() % 100000000;
    ++fetch;
    const auto history = ninetyCalls(int(fetch % 336), fetch % 100000000);
    return refreshCallLog(store, history.data(), {2030, 6, 1}, {12, 0, 0},
                          [](ql310::TextId id) { return QString::number(ql310::textNumber(id)); });
}

void MergeFetch(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        const qint64 before = log.store->viewRowCount();
        state.ResumeTiming();
        const RefreshResult result = mergeNewCalls(*log.store);
        state.PauseTiming();
        if (!result.logUpdated || log.store->viewRowCount() < before + 90 - 9) {
            state.SkipWithError("merge failed or merged nothing new");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// The calls of the earliest day still in the log.
void DeleteOneDay(benchmark::State& state)
{
    const int calls = int(state.range(0));
    Log& log = logOf(calls);
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        QSqlQuery query(log.store->logDatabase());
        query.exec("SELECT min(StartDate) FROM Data");
        const QDate day = query.next() ? QDate::fromString(query.value(0).toString(), Qt::ISODate) : QDate();
        const qint64 before = log.store->viewRowCount();
        state.ResumeTiming();
        const bool deleted = log.store->deleteDays(day, day);
        state.PauseTiming();
        // A case that failed stops: timing calls after an error abort the run.
        if (!deleted || log.store->viewRowCount() >= before) {
            state.SkipWithError(deleted ? "nothing deleted" : "delete failed");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void readScreen(CallLogModel& model)
{
    for (int row = 0; row < kScreenRows && row < model.rowCount(); ++row)
        for (int column = 1; column < CallLogModel::kColumnCount; ++column)
            benchmark::DoNotOptimize(model.cellText(row, column));
}

// Sorting by column range(1) in direction range(2) (0 ascending), from
// start order each time.
void SortByColumn(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogModel model;
    model.setNameLookup([&log](const QString& number) {
        return QString::fromStdString(log.names->nameOf(number.toStdString()));
    }, kNameSql, namedCallsSql(*log.names));
    model.bind(log.store.get());
    const Qt::SortOrder order = state.range(2) ? Qt::DescendingOrder : Qt::AscendingOrder;
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        model.sort(CallLogModel::kIndexColumn, Qt::AscendingOrder);
        state.ResumeTiming();
        model.sort(int(state.range(1)), order);
        readScreen(model);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// The same in the grid shown off screen, drawn with its header views.
void SortInGrid(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogGrid grid;
    grid.resize(1000, 800);
    grid.show();
    grid.callLogModel()->setNameLookup([&log](const QString& number) {
        return QString::fromStdString(log.names->nameOf(number.toStdString()));
    }, kNameSql, namedCallsSql(*log.names));
    grid.callLogModel()->bind(log.store.get());
    drawGrid(grid);
    const Qt::SortOrder order = state.range(2) ? Qt::DescendingOrder : Qt::AscendingOrder;
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        grid.callLogModel()->sort(CallLogModel::kIndexColumn, Qt::AscendingOrder);
        drawGrid(grid);
        state.ResumeTiming();
        grid.callLogModel()->sort(int(state.range(1)), order);
        drawGrid(grid);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// The log shown again in the grid after a fetch merged 90 new calls (the
// merge itself not timed), until the grid is drawn.
void ShowMergedInGrid(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogGrid grid;
    grid.resize(1000, 800);
    grid.show();
    grid.callLogModel()->bind(log.store.get());
    drawGrid(grid);
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        const int before = grid.callLogModel()->rowCount();
        mergeNewCalls(*log.store);
        state.ResumeTiming();
        grid.callLogModel()->bind(log.store.get());
        drawGrid(grid);
        state.PauseTiming();
        if (grid.callLogModel()->rowCount() <= before) {
            state.SkipWithError("no new calls shown");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// A filter ("Lost only") cleared in the grid shown off screen, until the
// whole log is drawn again.
void ClearFilterInGrid(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogGrid grid;
    grid.resize(1000, 800);
    grid.show();
    grid.callLogModel()->bind(log.store.get());
    drawGrid(grid);
    CallFilter lost;
    lost.lostOnly = true;
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        grid.callLogModel()->setCondition(conditionOf(lost, nullptr));
        drawGrid(grid);
        state.ResumeTiming();
        grid.callLogModel()->setCondition({});
        drawGrid(grid);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// "Lost only" sorted by Phone Number: the count and the first screen.
void FilterSortedFirstScreen(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogModel model;
    model.bind(log.store.get());
    model.sort(3, Qt::AscendingOrder);
    CallFilter lost;
    lost.lostOnly = true;
    resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        model.setCondition({});
        state.ResumeTiming();
        model.setCondition(conditionOf(lost, nullptr));
        readScreen(model);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// Every call as CSV, in start order, into the null device (the disk's
// speed is not measured).
void ExportCsv(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    resetPeakMemory();
    for (auto _ : state) {
        QFile out(QStringLiteral("/dev/null"));
        out.open(QIODevice::WriteOnly);
        QString error;
        if (!exportCalls(*log.store, {}, {}, {}, {}, ExportFormat::Csv, out, error))
            state.SkipWithError("export failed");
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// The filters the bar changes in turn: a direction and a port, a range of
// days, lost calls, calls in progress.
CallFilter filterNumber(int i)
{
    CallFilter f;
    switch (i % 4) {
    case 0:
        f.direction = CallFilter::Direction::Out;
        f.port = QStringLiteral("Port2");
        break;
    case 1:
        f.from = QDate(2000, 3, 1);
        f.to = QDate(2000, 3, 31);
        break;
    case 2: f.lostOnly = true; break;
    default: f.inProgressOnly = true; break;
    }
    return f;
}

// A filter change until its first screen is formatted, the count included.
void FilterFirstScreen(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallLogModel model;
    model.bind(log.store.get());
    int i = 0;
    resetPeakMemory();
    for (auto _ : state) {
        model.setCondition(conditionOf(filterNumber(i++), nullptr));
        readScreen(model);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void FilterCount(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    int i = 0;
    resetPeakMemory();
    for (auto _ : state)
        benchmark::DoNotOptimize(countRows(*log.store, conditionOf(filterNumber(i++), nullptr)));
    state.counters["peak_MB"] = peakMegabytes();
}

// A search for digits anywhere in the number, until the first screen is
// formatted, the count included.
void SearchDigits(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    const ql310::numbers::PhoneBookNames names({{"01000000", "Name"}}, "DE");
    CallLogModel model;
    model.bind(log.store.get());
    const char* const searches[] = {"4567", "99", "123456", "0815"};
    int i = 0;
    resetPeakMemory();
    for (auto _ : state) {
        CallFilter f;
        f.search = QString::fromLatin1(searches[i++ % 4]);
        model.setCondition(conditionOf(f, &names));
        readScreen(model);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void Statistics(benchmark::State& state)
{
    Log& log = logOf(int(state.range(0)));
    CallStatistics figures;
    resetPeakMemory();
    for (auto _ : state)
        if (!callStatistics(*log.store, {}, figures))
            state.SkipWithError("statistics failed");
    state.counters["peak_MB"] = peakMegabytes();
}

bool large() { return qEnvironmentVariableIntValue("QL310_BENCH_LARGE") != 0; }

std::vector<int64_t> sizeList()
{
    std::vector<int64_t> list = {10'000, 100'000, 1'000'000};
    if (large())
        list.push_back(10'000'000);
    return list;
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (int64_t calls : sizeList())
        b->Arg(calls);
    b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

void sortCases(benchmark::internal::Benchmark* b)
{
    b->ArgsProduct({sizeList(), {1, 2, 3, 4, 5, 6, 8}, {0, 1}})
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

// The repetitions of a case: `n`, or $QL310_BENCH_ITERATIONS for a quick
// run of every case (a machine shared with other work).
int times(int n)
{
    const int chosen = qEnvironmentVariableIntValue("QL310_BENCH_ITERATIONS");
    return chosen > 0 ? chosen : n;
}

BENCHMARK(ShowCallLog)->Apply(sizes)->Iterations(times(20));
BENCHMARK(ShowCallLogInGrid)->Apply(sizes)->Iterations(times(10));
BENCHMARK(FirstStartUnindexed)->Apply(sizes)->Iterations(times(2));
BENCHMARK(MergeFetch)->Apply(sizes)->Iterations(times(10));
BENCHMARK(DeleteOneDay)->Apply(sizes)->Iterations(times(10));
BENCHMARK(SortByColumn)->Apply(sortCases)->Iterations(times(3));
BENCHMARK(SortInGrid)->Apply(sortCases)->Iterations(times(3));
BENCHMARK(FilterFirstScreen)->Apply(sizes)->Iterations(times(8));
BENCHMARK(ShowMergedInGrid)->Apply(sizes)->Iterations(times(8));
BENCHMARK(ClearFilterInGrid)->Apply(sizes)->Iterations(times(8));
BENCHMARK(FilterSortedFirstScreen)->Apply(sizes)->Iterations(times(8));
BENCHMARK(FilterCount)->Apply(sizes)->Iterations(times(8));
BENCHMARK(SearchDigits)->Apply(sizes)->Iterations(times(8));
BENCHMARK(Statistics)->Apply(sizes)->Iterations(times(3));
BENCHMARK(ExportCsv)->Apply(sizes)->Iterations(times(1));

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    logs().clear();
    return 0;
}
