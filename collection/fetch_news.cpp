// SPDX-License-Identifier: GPL-3.0-or-later
#include "fetch_news.h"

#include <QSqlQuery>

namespace ql310::collection {

namespace {

// The calls of the log after `index`, in start order.
QVector<calllog::LogRow> callsAfter(calllog::CallLogStore& store, qint64 index)
{
    QVector<calllog::LogRow> rows;
    QSqlQuery query(store.logDatabase());
    query.setForwardOnly(true);
    query.prepare("SELECT `Index`, Port, InOut, PhoneNumber, Recording, Lost, StartDate, StartTime, "
                  "EndDate, EndTime FROM Data WHERE `Index` > ? ORDER BY StartDate, StartTime, `Index`");
    query.addBindValue(index);
    if (!query.exec())
        return rows;
    while (query.next()) {
        calllog::LogRow row;
        row.index = query.value(0).toLongLong();
        row.port = query.value(1).toString();
        row.inOut = query.value(2).toInt() != 0;
        row.phoneNumber = query.value(3).toString();
        row.recording = query.value(4).toInt() != 0;
        row.lost = query.value(5).toInt() != 0;
        row.startDate = QDate::fromString(query.value(6).toString(), Qt::ISODate);
        row.startTime = QTime::fromString(query.value(7).toString(), Qt::ISODate);
        row.endDate = QDate::fromString(query.value(8).toString(), Qt::ISODate);
        row.endTime = QTime::fromString(query.value(9).toString(), Qt::ISODate);
        rows.append(row);
    }
    return rows;
}

} // namespace

qint64 newestIndex(calllog::CallLogStore& store)
{
    QSqlQuery query(store.logDatabase());
    if (!query.exec("SELECT COALESCE(MAX(`Index`), 0) FROM Data") || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

FetchNews collectHistory(calllog::CallLogStore& store, const uint8_t* history, const QDateTime& now,
                         const calllog::TextLookup& text)
{
    FetchNews news;
    calllog::CallLogStore::FetchLock lock(store);
    news.refresh.recordCount = calllog::recordCount(history);
    if (!lock.held())
        return news;
    store.ensureFiles();
    store.clearFailure();
    const qint64 before = newestIndex(store);
    const QVector<calllog::LogRow> open = store.callsInProgress();
    const calllog::Date today{now.date().year(), now.date().month(), now.date().day()};
    const calllog::TimeOfDay time{now.time().hour(), now.time().minute(), now.time().second()};
    news.refresh.recordCount = calllog::loadHistoryToTemp(store, history, today, time, text);
    // A scratch log that was not filled whole is not merged (its missing
    // calls would mark the log's calls in progress lost).
    if (store.failed() || before < 0)
        return news;
    news.gap = findGap(store, now);
    news.refresh.logUpdated = calllog::mergeHistoryIntoLog(store);
    if (!news.refresh.logUpdated)
        return news;
    news.gapRecorded = news.gap && recordGap(store, *news.gap);
    news.newCalls = callsAfter(store, before);
    QVector<qint64> openIndexes;
    for (const calllog::LogRow& row : open)
        openIndexes.append(row.index);
    if (openIndexes.isEmpty())
        return news;
    const QHash<qint64, calllog::LogRow> settled = store.callFlagsOf(openIndexes);
    for (const calllog::LogRow& row : open)
        if (settled.value(row.index).lost)
            news.lostCalls.append(row);
    return news;
}

} // namespace ql310::collection
