// SPDX-License-Identifier: GPL-3.0-or-later
// The store's named commands on the scratch log and the permanent log, the
// view's rows and columns, and the sort indexes with the planner's figures.
#include "call_log_store.h"

#include "call_duration.h"
#include "call_log_store_internal.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace ql310::calllog {

using namespace internal;

namespace {

// The view's seven columns over the rows of Data with the call's duration
// `d` in seconds (kDurationSql).
const char* const kViewColumns[] = {
    "InOut",
    "Port",
    "PhoneNumber",
    "' ' || StartTime || '  ' || strftime('%m / %d / %Y', StartDate) || ' '",
    "' ' || EndTime || '  ' || strftime('%m / %d / %Y', EndDate) || ' '",
    // A call in progress that started after the PC's clock shows one sign
    // before its length: "-00:00:49".
    "printf('%s%02d:%02d:%02d', CASE WHEN d < 0 THEN '-' ELSE '' END, abs(d) / 3600, "
    "(abs(d) / 60) % 60, abs(d) % 60)",
    "`Index`",
};
constexpr int kViewColumnCount = 7;

// Calls with the same start keep the order of their insertion.
const char* const kStartOrder = " ORDER BY StartDate, StartTime, `Index`";

// A phone number that is all digits compares as a number, after the texts.
const char* const kNumberKind = "(PhoneNumber <> '' AND PhoneNumber NOT GLOB '*[^0-9]*')";

// The sort indexes: the keys of each grid column's order, then the start
// that decides between equal cells (the row's Index comes with every index).
// The calls in progress ("-----") sort after the dated calls.
struct SortIndex {
    const char* name;
    const char* keys; // null: the duration's expression
    const char* where = nullptr;
};
const SortIndex kSortIndexes[] = {
    {"DataOrderInOut", "InOut"},
    {"DataOrderPort", "Port"},
    {"DataOrderNumber", "(PhoneNumber <> '' AND PhoneNumber NOT GLOB '*[^0-9]*'), "
                        "CAST(PhoneNumber AS REAL), PhoneNumber"},
    {"DataSortStart", "(Recording = 1)"},
    {"DataSortEnd", "(Recording = 1), EndDate, EndTime"},
    {"DataOrderDuration", nullptr},
    // The few lost calls, found without reading the others.
    {"DataLost", nullptr, "Lost = 1"},
    // The calls a phone-book entry can name, by the last six digits of their
    // number (sorting by Name reads only those).
    {"DataSortName", "substr(PhoneNumber, -6)"},
};
// Sort indexes of earlier versions, in another order.
const char* const kRetiredIndexes[] = {"DataOrderStart", "DataOrderEnd"};

QString viewSql(const QStringList& columns, const QString& where, const QString& tail)
{
    return "SELECT " + columns.join(", ") + " FROM (SELECT *, " + kDurationSql + " AS d FROM Data" +
           where + ")" + kStartOrder + tail;
}

QStringList allViewColumns()
{
    QStringList columns;
    for (const char* column : kViewColumns)
        columns << column;
    return columns;
}

// " WHERE (`Index` IN (?, ?, ...))" for `count` values.
QString indexIn(qsizetype count)
{
    QStringList marks(count, QStringLiteral("?"));
    return " WHERE (`Index` IN (" + marks.join(", ") + "))";
}

QVariantList variants(const QVector<qint64>& values)
{
    QVariantList list;
    list.reserve(values.size());
    for (qint64 value : values)
        list << value;
    return list;
}

bool storableDay(const QDate& date) { return date.isValid() && date.year() >= 1 && date.year() <= 9999; }

} // namespace

bool CallLogStore::clearScratch() { return execute(m_scratchConnection, "DELETE FROM Data", {}); }

bool CallLogStore::insertScratch(const LogRow& row) { return insert(m_scratchConnection, row); }

QVector<LogRow> CallLogStore::findScratchCall(const QString& port, const QString& phoneNumber,
                                              const QDate& startDate, const QTime& startTime)
{
    return select(scratchDb(),
                  "SELECT Port, PhoneNumber, InOut, Recording, StartDate, StartTime, EndDate, "
                  "EndTime, `Index` FROM Data WHERE (Port = ?) AND (PhoneNumber = ?) AND "
                  "(StartDate = ?) AND (StartTime = ?) ORDER BY `Index`",
                  {port, phoneNumber, dateValue(startDate), timeValue(startTime)});
}

QVector<LogRow> CallLogStore::scratchCalls()
{
    return select(scratchDb(),
                  "SELECT EndDate, EndTime, InOut, PhoneNumber, Port, Recording, StartDate, "
                  "StartTime FROM Data ORDER BY `Index`",
                  {});
}

bool CallLogStore::deleteScratchCall(qint64 index)
{
    return execute(m_scratchConnection, "DELETE FROM Data WHERE (`Index` = ?)", {index});
}

QVector<LogRow> CallLogStore::callsInProgress()
{
    return select(logDb(),
                  "SELECT InOut, PhoneNumber, Port, StartDate, StartTime, `Index` FROM Data "
                  "WHERE (Recording = 1) ORDER BY `Index`",
                  {});
}

bool CallLogStore::markLost(qint64 index)
{
    return execute(m_logConnection, "UPDATE Data SET Recording = 0, Lost = 1 WHERE (`Index` = ?)",
                   {index});
}

bool CallLogStore::updateCallEnd(bool recording, const QDate& endDate, const QTime& endTime,
                                 qint64 index)
{
    return execute(m_logConnection,
                   "UPDATE Data SET Recording = ?, EndDate = ?, EndTime = ? WHERE (`Index` = ?)",
                   {recording ? 1 : 0, dateValue(endDate), timeValue(endTime), index});
}

bool CallLogStore::insertLog(const LogRow& row) { return insert(m_logConnection, row); }

QVector<LogRow> CallLogStore::callFlags()
{
    return select(logDb(),
                  QStringLiteral("SELECT `Index`, InOut, Lost, Recording FROM Data") + kStartOrder, {});
}

QVector<ViewRow> CallLogStore::selectView(const QString& where, const QString& tail,
                                          const QVariantList& values)
{
    QVector<ViewRow> rows;
    QSqlDatabase db = logDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!db.isOpen() || !run(query, viewSql(allViewColumns(), where, tail), values)) {
        fail(queryFailure(db, query));
        return rows;
    }
    while (query.next()) {
        ViewRow row;
        row.inOut = query.value(0).toInt() != 0;
        row.port = query.value(1).toString();
        row.phoneNumber = query.value(2).toString();
        row.startTime = query.value(3).toString();
        row.endTime = query.value(4).toString();
        row.diffTime = query.value(5).toString();
        row.index = query.value(6).toLongLong();
        rows.push_back(row);
    }
    return rows;
}

QVector<ViewRow> CallLogStore::viewRows(qint64 limit, qint64 offset)
{
    if (limit < 0)
        return selectView({}, {}, {});
    return selectView({}, " LIMIT ? OFFSET ?", {limit, offset});
}

qint64 CallLogStore::viewRowCount()
{
    const qint64 count = callCount();
    if (count < 0) {
        QSqlDatabase db = logDb();
        fail(db.databaseName() + ": " + db.lastError().text());
        return 0;
    }
    return count;
}

QVector<ViewRow> CallLogStore::viewRowsOf(const QVector<qint64>& indexes)
{
    if (indexes.isEmpty())
        return {};
    return selectView(indexIn(indexes.size()), {}, variants(indexes));
}

QHash<qint64, LogRow> CallLogStore::callFlagsOf(const QVector<qint64>& indexes)
{
    QHash<qint64, LogRow> rows;
    if (indexes.isEmpty())
        return rows;
    const QVector<LogRow> found =
        select(logDb(), "SELECT `Index`, InOut, Lost, Recording FROM Data" + indexIn(indexes.size()),
               variants(indexes));
    rows.reserve(found.size());
    for (const LogRow& row : found)
        rows.insert(row.index, row);
    return rows;
}

QVector<CallLogStore::ColumnCell> CallLogStore::viewColumn(int column)
{
    QVector<ColumnCell> cells;
    if (column < 1 || column > kViewColumnCount)
        return cells;
    QSqlDatabase db = logDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QStringList columns = {"`Index`", "InOut", "Recording", kViewColumns[column - 1]};
    if (!db.isOpen() || !run(query, viewSql(columns, {}, {}), {})) {
        fail(queryFailure(db, query));
        return cells;
    }
    while (query.next())
        cells.push_back({query.value(0).toLongLong(), query.value(1).toInt() != 0,
                         query.value(2).toInt() != 0, query.value(3).toString()});
    return cells;
}

bool CallLogStore::hasCall(const LogRow& row)
{
    QSqlDatabase db = logDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const bool ok =
        db.isOpen() &&
        run(query,
            "SELECT 1 FROM Data WHERE (StartDate = ?) AND (StartTime = ?) AND (Port = ?) AND "
            "(InOut = ?) AND (PhoneNumber = ?) AND (EndDate = ?) AND (EndTime = ?) LIMIT 1",
            {dateValue(row.startDate), timeValue(row.startTime), row.port, row.inOut ? 1 : 0,
             row.phoneNumber, dateValue(row.endDate), timeValue(row.endTime)});
    if (!ok)
        return fail(queryFailure(db, query));
    return query.next();
}

bool CallLogStore::deleteAllCalls() { return execute(m_logConnection, "DELETE FROM Data", {}); }

bool CallLogStore::deleteDays(const QDate& first, const QDate& last)
{
    // Days are kept as "yyyy-MM-dd", which compares in date order only with
    // a four-digit year: a day outside years 1..9999 deletes nothing.
    if (!storableDay(first) || !storableDay(last))
        return fail();
    return execute(m_logConnection, "DELETE FROM Data WHERE (StartDate BETWEEN ? AND ?)",
                   {dateValue(first), dateValue(last)});
}

QVector<LogRow> CallLogStore::callsBetween(const QDate& first, const QDate& last)
{
    QString sql = "SELECT `Index`, Port, InOut, PhoneNumber, Recording, Lost, StartDate, StartTime, "
                  "EndDate, EndTime FROM Data WHERE 1 = 1";
    QVariantList values;
    if (first.isValid()) {
        sql += " AND StartDate >= ?";
        values << dateValue(first);
    }
    if (last.isValid()) {
        sql += " AND StartDate <= ?";
        values << dateValue(last);
    }
    return select(logDb(), sql + " ORDER BY StartDate, StartTime, `Index`", values);
}

QStringList CallLogStore::sortIndexesSql()
{
    QStringList statements;
    for (const SortIndex& index : kSortIndexes) {
        QString keys = index.where ? QString()
                       : index.keys ? QString::fromLatin1(index.keys) + ", "
                                    : "(" + durationSql() + "), ";
        QString sql = QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON Data (%2StartDate, StartTime)")
                          .arg(QLatin1String(index.name), keys);
        if (index.where)
            sql += QStringLiteral(" WHERE ") + QLatin1String(index.where);
        statements << sql;
    }
    return statements;
}

QStringList CallLogStore::retiredIndexesSql()
{
    QStringList statements;
    for (const char* name : kRetiredIndexes)
        statements << QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(name));
    return statements;
}

QString CallLogStore::numberKindSql() { return QString::fromLatin1(kNumberKind); }

int CallLogStore::missingSortIndexes()
{
    QSqlDatabase db = logDb();
    QSqlQuery query(db);
    if (!db.isOpen() || !query.exec("SELECT name FROM sqlite_master WHERE type = 'index'")) {
        fail(queryFailure(db, query));
        return -1;
    }
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    int missing = 0;
    for (const SortIndex& index : kSortIndexes)
        missing += !present.contains(QLatin1String(index.name));
    for (const char* name : kRetiredIndexes)
        missing += present.contains(QLatin1String(name));
    return missing;
}

bool CallLogStore::refreshPlannerStatistics(bool always)
{
    QSqlDatabase db = logDb();
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    if (!always) {
        // The planner's row count of the log against its highest Index
        // (rows are only appended): a tenth more, and it is counted again.
        qint64 known = -1;
        if (query.exec("SELECT stat FROM sqlite_stat1 WHERE tbl = 'Data' AND idx = 'DataStart'") &&
            query.next())
            known = query.value(0).toString().section(u' ', 0, 0).toLongLong();
        if (!query.exec("SELECT max(`Index`) FROM Data") || !query.next())
            return false;
        const qint64 highest = query.value(0).toLongLong();
        if (known >= 0 ? highest <= known + known / 10 : highest < 1000)
            return true;
    }
    // A sample of each index is enough to choose between plans, and takes
    // the same short time at any size.
    return query.exec("PRAGMA analysis_limit = 1000") && query.exec("ANALYZE Data");
}

QStringList CallLogStore::viewColumnsSql() { return allViewColumns(); }

QString CallLogStore::durationSql() { return QString::fromLatin1(kDurationSql); }

} // namespace ql310::calllog
