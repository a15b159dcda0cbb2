#include "call_statistics.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace ql310::calllog {

namespace {

const char* const kTalk = "MAX(d, 0)";

} // namespace

bool callStatistics(CallLogStore& store, const RowCondition& condition, CallStatistics& out)
{
    out = CallStatistics();
    QSqlDatabase db = store.logDatabase();
    if (!db.isOpen())
        return false;
    const QString rows = conditionedRowsSql(condition);
    QSqlQuery query(db);
    query.setForwardOnly(true);

    if (!runBound(query,
                  "SELECT StartDate, SUM(InOut = 0), SUM(InOut <> 0), SUM(Lost = 1) FROM " + rows +
                      " GROUP BY StartDate ORDER BY StartDate",
                  condition.values))
        return false;
    while (query.next()) {
        DayFigures day;
        day.day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        day.incoming = query.value(1).toLongLong();
        day.outgoing = query.value(2).toLongLong();
        day.lost = query.value(3).toLongLong();
        out.calls += day.incoming + day.outgoing;
        out.lost += day.lost;
        out.days.push_back(day);
    }

    if (!runBound(query,
                  QStringLiteral("SELECT Port, COUNT(*), SUM(%1) FROM ").arg(kTalk) + rows +
                      " GROUP BY Port ORDER BY Port",
                  condition.values))
        return false;
    while (query.next()) {
        const PortFigures port{query.value(0).toString(), query.value(1).toLongLong(),
                               query.value(2).toLongLong()};
        out.seconds += port.seconds;
        out.ports.push_back(port);
    }

    // Both lists of numbers from one pass over the numbers.
    const QString numbers =
        QStringLiteral("WITH n AS MATERIALIZED (SELECT PhoneNumber AS number, COUNT(*) AS calls, "
                       "SUM(%1) AS seconds FROM ")
            .arg(kTalk) +
        rows +
        " GROUP BY PhoneNumber) "
        "SELECT 0, * FROM (SELECT * FROM n ORDER BY calls DESC, number LIMIT ?) "
        "UNION ALL SELECT 1, * FROM (SELECT * FROM n ORDER BY seconds DESC, number LIMIT ?)";
    QVariantList values = condition.values;
    values << kTopNumbers << kTopNumbers;
    if (!runBound(query, numbers, values))
        return false;
    while (query.next()) {
        const NumberFigures figures{query.value(1).toString(), query.value(2).toLongLong(),
                                    query.value(3).toLongLong()};
        (query.value(0).toInt() == 0 ? out.mostCalls : out.longestTalk).push_back(figures);
    }
    return true;
}

} // namespace ql310::calllog
