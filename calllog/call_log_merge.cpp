// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_merge.h"

#include "crash_point.h"

namespace ql310::calllog {

namespace {

QDate qDate(const Date& date) { return QDate(date.year, date.month, date.day); }
QTime qTime(const TimeOfDay& time) { return QTime(time.hour, time.minute, time.second); }

void settleOpenCalls(CallLogStore& store)
{
    for (const LogRow& open : store.callsInProgress()) {
        const QVector<LogRow> found =
            store.findScratchCall(open.port, open.phoneNumber, open.startDate, open.startTime);
        if (found.isEmpty()) {
            // The call vanished from the adapter while it was going on.
            store.markLost(open.index);
            continue;
        }
        const LogRow& now = found.first();
        store.updateCallEnd(now.recording, now.endDate, now.endTime, open.index);
        QL310_CRASH_POINT("merge-settled");
        store.deleteScratchCall(now.index);
    }
}

void appendNewCalls(CallLogStore& store)
{
    for (const LogRow& call : store.scratchCalls()) {
        // A finished call seen by an earlier fetch is in the log already.
        if (!call.recording && store.hasCall(call))
            continue;
        store.insertLog(call);
        QL310_CRASH_POINT("merge-appended");
    }
}

} // namespace

int loadHistoryToTemp(CallLogStore& store, const uint8_t* history, const Date& today,
                      const TimeOfDay& now, const TextLookup& text)
{
    // A failure to replace the file leaves the old scratch log, emptied next.
    store.replaceScratchFromTemplate();
    store.clearScratch();
    const int count = recordCount(history);
    for (const CallRow& call : decodeCallHistory(history, today, now)) {
        LogRow row;
        row.port = text(call.portTextId);
        row.inOut = call.outgoing;
        row.phoneNumber = QString::fromStdString(call.phoneNumber);
        row.recording = call.recording;
        row.startDate = qDate(call.startDate);
        row.startTime = qTime(call.startTime);
        row.endDate = qDate(call.endDate);
        row.endTime = qTime(call.endTime);
        store.insertScratch(row);
    }
    return count;
}

bool mergeHistoryIntoLog(CallLogStore& store)
{
    store.clearFailure();
    if (!store.beginLogTransaction())
        return false;
    settleOpenCalls(store);
    if (!store.failed())
        appendNewCalls(store);
    if (store.failed() || !store.commitLogTransaction()) {
        store.rollbackLogTransaction();
        return false;
    }
    // The planner's figures follow a growing log (at most once a tenth).
    store.refreshPlannerStatistics();
    return true;
}

RefreshResult refreshCallLog(CallLogStore& store, const uint8_t* history, const Date& today,
                             const TimeOfDay& now, const TextLookup& text)
{
    RefreshResult result;
    // One fetch at a time, across processes: they share the scratch log.
    CallLogStore::FetchLock lock(store);
    result.recordCount = recordCount(history);
    if (!lock.held())
        return result;
    store.ensureFiles();
    store.clearFailure();
    result.recordCount = loadHistoryToTemp(store, history, today, now, text);
    result.logUpdated = !store.failed() && mergeHistoryIntoLog(store);
    return result;
}

} // namespace ql310::calllog
