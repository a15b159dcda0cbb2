// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_rows.h"

#include "engine_access.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace ql310::calllog {

namespace {

// The keys of each column's order, ascending, before the start order that
// decides between equal cells. The store's sort indexes hold exactly these
// keys (CallLogStore::sortIndexesSql()).
QStringList keysOf(int column, const QString& nameSql)
{
    switch (column) {
    case 1: return {"InOut"};
    case 2: return {"Port"};
    case 3: return {CallLogStore::numberKindSql(), "CAST(PhoneNumber AS REAL)", "PhoneNumber"};
    // "-----" after every dated call.
    case 4: return {"(Recording = 1)"};
    case 5: return {"(Recording = 1)", "EndDate", "EndTime"};
    case 6: return {CallLogStore::durationSql()};
    case 8:
        if (!nameSql.isEmpty())
            return {nameSql};
        return {};
    default: return {};
    }
}

// The view's duration text of `d` seconds, as the view's own SQL writes it
// ("-00:00:49" for a call that started after the PC's clock; nothing
// known: "00:00:00").
QString durationText(const QVariant& d)
{
    const double value = d.isNull() ? 0 : d.toDouble();
    const double length = value < 0 ? -value : value;
    const bool whole = d.typeId() != QMetaType::Double;
    const qint64 seconds = whole ? qAbs(d.toLongLong()) : qint64(length);
    const qint64 hours = whole ? seconds / 3600 : qint64(length / 3600);
    const qint64 minutes = (whole ? seconds / 60 : qint64(length / 60)) % 60;
    return QStringLiteral("%1%2:%3:%4")
        .arg(value < 0 ? QStringLiteral("-") : QString())
        .arg(hours, 2, 10, QChar(u'0'))
        .arg(minutes, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

ShownRow shownRowOf(const QSqlQuery& query)
{
    ShownRow row;
    row.view.inOut = query.value(0).toInt() != 0;
    row.view.port = query.value(1).toString();
    row.view.phoneNumber = query.value(2).toString();
    row.view.startTime = query.value(3).toString();
    row.view.endTime = query.value(4).toString();
    row.view.diffTime = durationText(query.value(5));
    row.view.index = query.value(6).toLongLong();
    row.lost = query.value(7).toInt() != 0;
    row.recording = query.value(8).toInt() != 0;
    return row;
}

QString shownColumnsSql()
{
    // The duration as seconds, written out above: its expression is then
    // reckoned once a row, not once for each of the text's four parts.
    QStringList columns = CallLogStore::viewColumnsSql();
    columns[5] = QStringLiteral("d");
    return "SELECT " + columns.join(", ") + ", Lost, Recording FROM ";
}

} // namespace

qint64 countWithFirstInStartOrder(CallLogStore& store, const RowCondition& condition, int limit,
                                  QVector<qint64>& first)
{
    first.clear();
    sqlite3* db = engineHandle(store.logDatabase());
    if (!db)
        return -1;
    // The rows in the order they are stored (mostly start order), read
    // once: all are counted, and the first by start are kept in a heap
    // whose top is the latest of them.
    QByteArray sql = "SELECT StartDate, StartTime, `Index` FROM Data";
    if (!condition.isEmpty())
        sql += " WHERE (" + condition.sql.toUtf8() + ")";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return -1;
    using Key = std::tuple<std::string, std::string, qint64>;
    std::vector<Key> heap;
    heap.reserve(size_t(std::max(limit, 0)) + 1);
    auto text = [statement](int column) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return t ? std::string(t, size_t(sqlite3_column_bytes(statement, column))) : std::string();
    };
    auto compareText = [statement](int column, const std::string& than) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        const std::string_view v = t ? std::string_view(t, size_t(sqlite3_column_bytes(statement, column)))
                                     : std::string_view();
        return v.compare(than);
    };
    qint64 count = 0;
    int step = SQLITE_DONE;
    if (bindValues(statement, condition.values)) {
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            ++count;
            if (limit <= 0)
                continue;
            if (int(heap.size()) == limit) {
                // Most rows come after the latest kept one: one comparison.
                const Key& latest = heap.front();
                int c = compareText(0, std::get<0>(latest));
                if (c == 0)
                    c = compareText(1, std::get<1>(latest));
                if (c > 0 || (c == 0 && sqlite3_column_int64(statement, 2) > std::get<2>(latest)))
                    continue;
                std::pop_heap(heap.begin(), heap.end());
                heap.pop_back();
            }
            heap.emplace_back(text(0), text(1), sqlite3_column_int64(statement, 2));
            std::push_heap(heap.begin(), heap.end());
        }
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE)
        return -1;
    std::sort_heap(heap.begin(), heap.end());
    first.reserve(qsizetype(heap.size()));
    for (const Key& key : heap)
        first << std::get<2>(key);
    return count;
}

QVector<ShownRow> shownRowsOf(CallLogStore& store, const QVector<qint64>& indexes)
{
    QVector<ShownRow> rows;
    if (indexes.isEmpty())
        return rows;
    QSqlDatabase db = store.logDatabase();
    if (!db.isOpen())
        return rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // The indexes are numbers the log gave: written into the SQL, they
    // spare binding a parameter each (the driver looks each one up by name).
    QStringList numbers;
    numbers.reserve(indexes.size());
    for (qint64 index : indexes)
        numbers << QString::number(index);
    const RowCondition condition{"`Index` IN (" + numbers.join(u',') + ")", {}};
    if (!runBound(query, shownColumnsSql() + conditionedRowsSql(condition) + orderBySql({}), {}))
        return rows;
    rows.reserve(indexes.size());
    while (query.next())
        rows.push_back(shownRowOf(query));
    return rows;
}

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
    QStringList keys;
    if (order.column == 7) {
        keys << "`Index`"; // the Index alone
    } else {
        for (int column : order.columns()) {
            for (const QString& key : keysOf(column, nameSql))
                if (!keys.contains(key))
                    keys << key;
        }
        keys << "StartDate" << "StartTime" << "`Index`";
    }
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
    for (const QString& index : CallLogStore::retiredIndexesSql() + CallLogStore::sortIndexesSql())
        ok = query.exec(index) && ok;
    return store.refreshPlannerStatistics(true) && ok;
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
    if (condition.isEmpty())
        return store.callCount();
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
                            qint64 offset, const QString& namedSql)
{
    QVector<ShownRow> rows;
    QSqlDatabase db = store.logDatabase();
    if (!db.isOpen())
        return rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QVariantList values;
    const QString sql = shownRowsSql(condition, order, nameSql, values, namedSql);
    values << limit << offset;
    if (!runBound(query, sql, values))
        return rows;
    rows.reserve(int(limit));
    while (query.next())
        rows.push_back(shownRowOf(query));
    return rows;
}

QString shownRowsSql(const RowCondition& condition, const RowOrder& order, const QString& nameSql,
                     QVariantList& values, const QString& namedSql)
{
    const QString select = shownColumnsSql() + conditionedRowsSql(condition);
    QString sql = select + orderBySql(order, nameSql) + " LIMIT ? OFFSET ?";
    values = condition.values;
    if (order.column == 8 && order.thenBy.isEmpty() && !nameSql.isEmpty()) {
        // By name: the calls without a name are most of a large log and come
        // first (ascending) in start order, straight from the start index;
        // only the named calls need sorting by name, and only the calls
        // that can have a name are read for them (through their indexes).
        const bool ascending = order.order == Qt::AscendingOrder;
        const QString unnamed = "SELECT * FROM (" + select + " WHERE " + nameSql + " = ''" +
                                orderBySql({0, order.order}) + ")";
        const QString candidates = namedSql.isEmpty() ? QString() : "(" + namedSql + ") AND ";
        const QString named = "SELECT * FROM (" + select + " WHERE " + candidates + nameSql +
                              " <> ''" + orderBySql(order, nameSql) + ")";
        sql = (ascending ? unnamed + " UNION ALL " + named : named + " UNION ALL " + unnamed) +
              " LIMIT ? OFFSET ?";
        values << condition.values;
    }
    return sql;
}

} // namespace ql310::calllog
