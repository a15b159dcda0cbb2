// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary call-history buffers and clock readings through the record
// decoding and two fetches into a scratch and a permanent log. An input is
// the 2203-byte buffer followed by the clock: year (2 bytes, little-endian),
// month, day, hour, minute, second; a short input is padded with zeros.
#include "call_history_record.h"
#include "call_log_merge.h"
#include "call_log_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace ql310::calllog;

namespace {

constexpr size_t kClockBytes = 7;

struct Logs {
    QTemporaryDir dir;
    std::unique_ptr<CallLogStore> store;
    Logs()
        // On a memory file system when there is one: the logs commit often.
        : dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/ql310-fuzz-XXXXXX")
                                        : QDir::tempPath() + "/ql310-fuzz-XXXXXX"),
          store(std::make_unique<CallLogStore>(dir.path()))
    {
        if (!dir.isValid() || !store->ensureFiles())
            std::abort();
    }
};

QString portText(ql310::TextId id) { return QStringLiteral("text%1").arg(ql310::textNumber(id)); }

// A valid clock reading from arbitrary bytes: years 1..9999.
void clockOf(const uint8_t* at, Date& today, TimeOfDay& now)
{
    today.year = 1 + (at[0] | at[1] << 8) % 9999;
    today.month = 1 + at[2] % 12;
    today.day = 1 + at[3] % daysInMonth(today.year, today.month);
    now = {at[4] % 24, at[5] % 60, at[6] % 60};
}

int callsIn(const uint8_t* history)
{
    if (recordCount(history) == 0)
        return 0;
    int calls = 0;
    for (int slot = 0; slot < kSlotCount; ++slot)
        calls += (history[kFirstSlotOffset + kSlotSize * slot] & kStateMask) != 0;
    return calls;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_call_history";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Logs logs;

    uint8_t input[kHistorySize + kClockBytes] = {};
    std::memcpy(input, data, size < sizeof input ? size : sizeof input);
    const uint8_t* history = input;
    Date today;
    TimeOfDay now;
    clockOf(input + kHistorySize, today, now);

    CallLogStore& store = *logs.store;
    if (!store.deleteAllCalls())
        std::abort();
    const int calls = callsIn(history);
    // Every call decodes into a date the log can store, so both fetches
    // must go through; the second fetch may only add calls in progress.
    if (!refreshCallLog(store, history, today, now, portText).logUpdated)
        std::abort();
    const qint64 first = store.viewRowCount();
    if (first > calls)
        std::abort();
    TimeOfDay later = now;
    later.second = (now.second + 1) % 60;
    if (!refreshCallLog(store, history, today, later, portText).logUpdated)
        std::abort();
    if (store.viewRowCount() > first + calls)
        std::abort();
    for (const ViewRow& row : store.viewRows())
        if (row.startTime.isEmpty() || row.endTime.isEmpty() || row.diffTime.isEmpty())
            std::abort();
    return 0;
}
