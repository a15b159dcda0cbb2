// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_gaps.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>

namespace ql310::collection {

namespace {

// Moments are kept as ISO text, which sorts in time order.
const char* const kMomentFormat = "yyyy-MM-dd HH:mm:ss";

const char* const kCreateGaps =
    "CREATE TABLE IF NOT EXISTS Gaps (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "GapFrom TEXT NOT NULL, GapTo TEXT NOT NULL, Found TEXT NOT NULL, "
    "Dismissed INTEGER NOT NULL DEFAULT 0)";

QString moment(const QDateTime& at) { return at.toString(kMomentFormat); }
QDateTime momentOf(const QVariant& value)
{
    return QDateTime::fromString(value.toString(), kMomentFormat);
}
QDateTime startOf(const calllog::LogRow& row) { return QDateTime(row.startDate, row.startTime); }

bool hasGapsTable(QSqlDatabase db)
{
    QSqlQuery query(db);
    return query.exec("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Gaps'") &&
           query.next();
}

// Gaps in the order found, from a query that selects them all.
bool readGaps(QSqlDatabase db, const QString& tail, QVector<Gap>& out)
{
    out.clear();
    if (!hasGapsTable(db))
        return db.isOpen();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec("SELECT Id, GapFrom, GapTo, Found, Dismissed FROM Gaps" + tail))
        return false;
    while (query.next())
        out.append({query.value(0).toLongLong(), momentOf(query.value(1)), momentOf(query.value(2)),
                    momentOf(query.value(3)), query.value(4).toInt() != 0});
    return true;
}

} // namespace

std::optional<Gap> findGap(calllog::CallLogStore& store, const QDateTime& now)
{
    const QVector<calllog::LogRow> fetched = store.scratchCalls();
    if (fetched.size() < kAdapterMemory)
        return std::nullopt;
    QSqlQuery newest(store.logDatabase());
    if (!newest.exec("SELECT StartDate, StartTime FROM Data ORDER BY StartDate DESC, StartTime DESC "
                     "LIMIT 1") ||
        !newest.next())
        return std::nullopt; // an empty log has nothing to miss
    const QDateTime logged(QDate::fromString(newest.value(0).toString(), Qt::ISODate),
                           QTime::fromString(newest.value(1).toString(), Qt::ISODate));
    const auto oldest = std::min_element(
        fetched.begin(), fetched.end(),
        [](const calllog::LogRow& a, const calllog::LogRow& b) { return startOf(a) < startOf(b); });
    if (!logged.isValid() || startOf(*oldest) <= logged)
        return std::nullopt;
    Gap gap;
    gap.from = logged;
    gap.to = startOf(*oldest);
    gap.found = now;
    return gap;
}

bool recordGap(calllog::CallLogStore& store, const Gap& gap)
{
    QSqlQuery query(store.logDatabase());
    if (!query.exec(kCreateGaps))
        return false;
    query.prepare("INSERT INTO Gaps (GapFrom, GapTo, Found) VALUES (?, ?, ?)");
    query.addBindValue(moment(gap.from));
    query.addBindValue(moment(gap.to));
    query.addBindValue(moment(gap.found));
    return query.exec();
}

bool allGaps(calllog::CallLogStore& store, QVector<Gap>& out)
{
    return readGaps(store.logDatabase(), " ORDER BY Id", out);
}

std::optional<Gap> newestGap(calllog::CallLogStore& store)
{
    QVector<Gap> gaps;
    if (!readGaps(store.logDatabase(), " WHERE Dismissed = 0 ORDER BY Id DESC LIMIT 1", gaps) ||
        gaps.isEmpty())
        return std::nullopt;
    return gaps.first();
}

bool dismissGap(calllog::CallLogStore& store, qint64 id)
{
    QSqlQuery query(store.logDatabase());
    query.prepare("UPDATE Gaps SET Dismissed = 1 WHERE Id = ?");
    query.addBindValue(id);
    return query.exec();
}

QString gapMessage(const Gap& gap)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm");
    return QCoreApplication::translate("ql310::CallGaps",
                                       "calls between %1 and %2 are missing: the adapter's memory of %3 calls "
                                       "overflowed before it was read")
        .arg(gap.from.toString(format), gap.to.toString(format))
        .arg(kAdapterMemory);
}

QVector<QDate> gapDays(calllog::CallLogStore& store, const QDate& first, const QDate& last)
{
    QVector<Gap> gaps;
    QVector<QDate> days;
    if (!allGaps(store, gaps))
        return days;
    for (QDate day = first; day.isValid() && day <= last; day = day.addDays(1))
        for (const Gap& gap : gaps)
            if (gap.from.date() <= day && day <= gap.to.date()) {
                days.append(day);
                break;
            }
    return days;
}

} // namespace ql310::collection
