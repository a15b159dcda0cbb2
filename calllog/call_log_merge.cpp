#include "call_log_merge.h"

namespace ql310::calllog {

int loadHistoryToTemp(CallLogStore& store, const uint8_t* history, const Date& today,
                      const TimeOfDay& now, const TextLookup& text)
{
    store.replaceScratchFromTemplate(); // a failure leaves the old scratch log, emptied next
    store.tempDelAll();
    const int count = recordCount(history);
    for (const CallRow& call : decodeCallHistory(history, today, now)) {
        LogRow row;
        row.port = text(call.portTextId);
        row.inOut = call.outgoing;
        row.phoneNumber = QString::fromStdString(call.phoneNumber);
        row.recording = call.recording;
        row.startDate = QDate(call.startDate.year, call.startDate.month, call.startDate.day);
        row.startTime = QTime(call.startTime.hour, call.startTime.minute, call.startTime.second);
        row.endDate = QDate(call.endDate.year, call.endDate.month, call.endDate.day);
        row.endTime = QTime(call.endTime.hour, call.endTime.minute, call.endTime.second);
        store.tempInsData(row);
    }
    return count;
}

void mergeHistoryIntoLog(CallLogStore& store)
{
    for (const LogRow& open : store.dataIsRecording()) {
        const QVector<LogRow> found =
            store.tempRecordingFind(open.port, open.phoneNumber, open.startDate, open.startTime);
        if (found.isEmpty()) {
            // The call vanished from the adapter while it was going on.
            store.dataUpdateStatusFalse(open.index);
            continue;
        }
        const LogRow& now = found.first();
        store.dataUpdateStatusTime(now.recording, now.endDate, now.endTime, open.index);
        store.tempDel(now.index);
    }
    for (const LogRow& call : store.tempData())
        store.dataIns(call);
}

} // namespace ql310::calllog
