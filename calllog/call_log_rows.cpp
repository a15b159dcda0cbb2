// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_rows.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace ql310::calllog {

namespace {

// A phone number that is all digits compares as a number, after the texts.
const char* const kNumberKind = "(PhoneNumber <> '' AND PhoneNumber NOT GLOB '*[^0-9]*')";

// The keys of each column's order, ascending, before the start order that
// decides between equal cells. The indexes below hold exactly these keys.
QStringList keysOf(int column, const QString& nameSql)
{
    switch (column) {
    case 1: return {"InOut"};
    case 2: return {"Port"};
    case 3: return {kNumberKind, "CAST(PhoneNumber AS REAL)", "PhoneNumber"};
    case 4: return {"(Recording = 0)"};
    case 5: return {"(Recording = 0)", "EndDate", "EndTime"};
    case 6: return {CallLogStore::durationSql()};
    case 8:
        if (!nameSql.isEmpty())
            return {nameSql};
        return {};
    default: return {};
    }
}

QStringList orderIndexes()
{
    const QString start = QStringLiteral(", StartDate, StartTime)");
    return {
        "CREATE INDEX IF NOT EXISTS DataOrderInOut ON Data (InOut" + start,
        "CREATE INDEX IF NOT EXISTS DataOrderPort ON Data (Port" + start,
        QStringLiteral("CREATE INDEX IF NOT EXISTS DataOrderNumber ON Data (") + kNumberKind +
            ", CAST(PhoneNumber AS REAL), PhoneNumber" + start,
        "CREATE INDEX IF NOT EXISTS DataOrderStart ON Data ((Recording = 0)" + start,
        "CREATE INDEX IF NOT EXISTS DataOrderEnd ON Data ((Recording = 0), EndDate, EndTime" + start,
        "CREATE INDEX IF NOT EXISTS DataOrderDuration ON Data ((" + CallLogStore::durationSql() +
            ")" + start,
        // The few lost calls, found without reading the others.
        "CREATE INDEX IF NOT EXISTS DataLost ON Data (StartDate, StartTime) WHERE Lost = 1",
    };
}

} // namespace

bool runBound(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

QString orderBySql(const RowOrder& order, const QString& nameSql)
{
    QStringList keys = keysOf(order.column, nameSql);
    if (order.column == 7)
        keys.clear(); // the Index alone
    else
        keys << "StartDate" << "StartTime";
    keys << "`Index`";
    if (order.order == Qt::DescendingOrder)
        for (QString& key : keys)
            key += QStringLiteral(" DESC");
    return " ORDER BY " + keys.join(", ");
}

bool ensureOrderIndexes(CallLogStore& store)
{
    QSqlDatabase db = store.logDatabase();
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    bool ok = true;
    for (const QString& index : orderIndexes())
        ok = query.exec(index) && ok;
    return ok;
}

QString conditionedRowsSql(const RowCondition& condition)
{
    QString sql = "(SELECT *, " + CallLogStore::durationSql() + " AS d FROM Data";
    if (!condition.isEmpty())
        sql += " WHERE (" + condition.sql + ")";
    return sql + ")";
}

qint64 countRows(CallLogStore& store, const RowCondition& condition)
{
    QSqlDatabase db = store.logDatabase();
    if (!db.isOpen())
        return -1;
    QSqlQuery query(db);
    QString sql = QStringLiteral("SELECT COUNT(*) FROM Data");
    if (!condition.isEmpty())
        sql += " WHERE (" + condition.sql + ")";
    if (!runBound(query, sql, condition.values) || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

QVector<ShownRow> shownRows(CallLogStore& store, const RowCondition& condition,
                            const RowOrder& order, const QString& nameSql, qint64 limit,
                            qint64 offset)
{
    QVector<ShownRow> rows;
    QSqlDatabase db = store.logDatabase();
    if (!db.isOpen())
        return rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString select = "SELECT " + CallLogStore::viewColumnsSql().join(", ") +
                           ", Lost, Recording FROM " + conditionedRowsSql(condition);
    QString sql = select + orderBySql(order, nameSql) + " LIMIT ? OFFSET ?";
    QVariantList values = condition.values;
    if (order.column == 8 && !nameSql.isEmpty()) {
        // By name: the calls without a name are most of a large log and come
        // first (ascending) in start order, straight from the start index;
        // only the named calls need sorting by name.
        const bool ascending = order.order == Qt::AscendingOrder;
        const QString unnamed = "SELECT * FROM (" + select + " WHERE " + nameSql + " = ''" +
                                orderBySql({0, order.order}) + ")";
        const QString named = "SELECT * FROM (" + select + " WHERE " + nameSql + " <> ''" +
                              orderBySql(order, nameSql) + ")";
        sql = (ascending ? unnamed + " UNION ALL " + named : named + " UNION ALL " + unnamed) +
              " LIMIT ? OFFSET ?";
        values << condition.values;
    }
    values << limit << offset;
    if (!runBound(query, sql, values))
        return rows;
    rows.reserve(int(limit));
    while (query.next()) {
        ShownRow row;
        row.view.inOut = query.value(0).toInt() != 0;
        row.view.port = query.value(1).toString();
        row.view.phoneNumber = query.value(2).toString();
        row.view.startTime = query.value(3).toString();
        row.view.endTime = query.value(4).toString();
        row.view.diffTime = query.value(5).toString();
        row.view.index = query.value(6).toLongLong();
        row.lost = query.value(7).toInt() != 0;
        row.recording = query.value(8).toInt() != 0;
        rows.push_back(row);
    }
    return rows;
}

} // namespace ql310::calllog
