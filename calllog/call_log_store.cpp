// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_store.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

#include <atomic>

namespace ql310::calllog {

namespace {

// Dates and times are kept as ISO text, so that they compare and sort in
// time order and the view can format them with the engine's date functions.
const char* const kDateFormat = "yyyy-MM-dd";
const char* const kTimeFormat = "HH:mm:ss";

const char* const kCreateTable =
    "CREATE TABLE IF NOT EXISTS Data ("
    "`Index` INTEGER PRIMARY KEY AUTOINCREMENT, "
    "Port TEXT(8), InOut INTEGER, PhoneNumber TEXT(26), Recording INTEGER, Lost INTEGER, "
    "StartDate TEXT, StartTime TEXT, EndDate TEXT, EndTime TEXT)";

const char* const kInsert =
    "INSERT INTO Data (Port, InOut, PhoneNumber, Recording, StartDate, StartTime, EndDate, "
    "EndTime) VALUES (?, ?, ?, ?, ?, ?, ?, ?)";

// The view's seven columns over the rows of Data with their duration `d`
// in seconds: whole days between the dates plus the time of day between
// the times.
const char* const kViewColumns[] = {
    "InOut",
    "Port",
    "PhoneNumber",
    "' ' || StartTime || '  ' || strftime('%m / %d / %Y', StartDate) || ' '",
    "' ' || EndTime || '  ' || strftime('%m / %d / %Y', EndDate) || ' '",
    "printf('%02d:%02d:%02d', d / 3600, (d / 60) % 60, d % 60)",
    "`Index`",
};
constexpr int kViewColumnCount = 7;

const char* const kDuration =
    "CAST(round(julianday(EndDate) - julianday(StartDate)) AS INTEGER) * 86400 "
    "+ (strftime('%s', '2000-01-01 ' || EndTime) - strftime('%s', '2000-01-01 ' || StartTime))";

// Calls with the same start keep the order of their insertion.
const char* const kStartOrder = " ORDER BY StartDate, StartTime, `Index`";

// The start order, the range delete and the duplicate test go through the
// first index, the search for calls in progress through the second.
const char* const kCreateIndexes[] = {
    "CREATE INDEX IF NOT EXISTS DataStart ON Data (StartDate, StartTime)",
    "CREATE INDEX IF NOT EXISTS DataOpen ON Data (Recording) WHERE Recording = 1",
};

QString viewSql(const QStringList& columns, const QString& where, const QString& tail)
{
    return "SELECT " + columns.join(", ") + " FROM (SELECT *, " + kDuration + " AS d FROM Data" +
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

QVariant dateValue(const QDate& date) { return date.toString(kDateFormat); }
QVariant timeValue(const QTime& time) { return time.toString(kTimeFormat); }

QString uniqueSuffix()
{
    static std::atomic<int> counter{0};
    return QString::number(++counter);
}

QSqlDatabase open(const QString& connection, const QString& path)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
    }
    if (!db.isOpen())
        db.open();
    return db;
}

bool createTable(const QString& path)
{
    const QString connection = "ql310-create-" + uniqueSuffix();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(kCreateTable);
            for (const char* index : kCreateIndexes)
                ok = query.exec(index) && ok;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

// Runs a query with its "?" values bound in order.
bool run(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

LogRow rowOf(const QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    LogRow row;
    auto field = [&](const char* name) { return record.indexOf(name); };
    auto value = [&](const char* name) {
        const int i = field(name);
        return i >= 0 ? query.value(i) : QVariant();
    };
    row.index = value("Index").toLongLong();
    row.port = value("Port").toString();
    row.inOut = value("InOut").toInt() != 0;
    row.phoneNumber = value("PhoneNumber").toString();
    row.recording = value("Recording").toInt() != 0;
    row.lost = value("Lost").toInt() != 0; // never set reads as false
    row.startDate = QDate::fromString(value("StartDate").toString(), kDateFormat);
    row.startTime = QTime::fromString(value("StartTime").toString(), kTimeFormat);
    row.endDate = QDate::fromString(value("EndDate").toString(), kDateFormat);
    row.endTime = QTime::fromString(value("EndTime").toString(), kTimeFormat);
    return row;
}

} // namespace

CallLogStore::CallLogStore(const QString& dataDirectory)
    : m_directory(dataDirectory),
      m_dataConnection("DataConnection-" + uniqueSuffix()),
      m_tempConnection("TempConnection-" + uniqueSuffix())
{
}

CallLogStore::~CallLogStore()
{
    for (const QString& name : {m_dataConnection, m_tempConnection}) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

QString CallLogStore::callLogPath() const { return QDir(m_directory).filePath(kCallLogFile); }
QString CallLogStore::scratchLogPath() const { return QDir(m_directory).filePath(kScratchLogFile); }
QString CallLogStore::templatePath() const { return QDir(m_directory).filePath(kTemplateFile); }

bool CallLogStore::ensureFiles()
{
    if (!QDir().mkpath(m_directory))
        return false;
    bool ok = true;
    for (const QString& path : {callLogPath(), templatePath()})
        if (!QFile::exists(path))
            ok = createTable(path) && ok;
    return ok;
}

bool CallLogStore::replaceScratchFromTemplate()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_tempConnection, false);
        if (db.isValid())
            db.close();
    }
    m_tempTuned = false;
    const QString scratch = scratchLogPath();
    if (QFile::exists(scratch) && !QFile::remove(scratch))
        return false;
    return QFile::copy(templatePath(), scratch);
}

bool CallLogStore::fail()
{
    m_failed = true;
    return false;
}

QSqlDatabase CallLogStore::dataDb()
{
    QSqlDatabase db = open(m_dataConnection, callLogPath());
    if (db.isOpen() && !m_indexed) {
        // A log made before the indexes existed gets them now.
        QSqlQuery query(db);
        m_indexed = true;
        for (const char* index : kCreateIndexes)
            m_indexed = query.exec(index) && m_indexed;
    }
    return db;
}

QSqlDatabase CallLogStore::tempDb()
{
    QSqlDatabase db = open(m_tempConnection, scratchLogPath());
    if (db.isOpen() && !m_tempTuned) {
        // The scratch log is made again at every fetch: it need not survive
        // a crash, so its writes do not wait for the disk.
        QSqlQuery query(db);
        query.exec("PRAGMA synchronous = OFF");
        query.exec("PRAGMA journal_mode = MEMORY");
        m_tempTuned = true;
    }
    return db;
}

bool CallLogStore::execute(const QString& connection, const QString& sql,
                           const QVariantList& values)
{
    QSqlDatabase db = connection == m_dataConnection ? dataDb() : tempDb();
    if (!db.isOpen())
        return fail();
    QSqlQuery query(db);
    return run(query, sql, values) || fail();
}

QVector<LogRow> CallLogStore::select(const QSqlDatabase& db, const QString& sql,
                                     const QVariantList& values)
{
    QVector<LogRow> rows;
    if (!db.isOpen()) {
        fail();
        return rows;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query, sql, values)) {
        fail();
        return rows;
    }
    while (query.next())
        rows.push_back(rowOf(query));
    return rows;
}

bool CallLogStore::beginLogTransaction()
{
    QSqlDatabase db = dataDb();
    return (db.isOpen() && db.transaction()) || fail();
}

bool CallLogStore::commitLogTransaction() { return dataDb().commit() || fail(); }

void CallLogStore::rollbackLogTransaction() { dataDb().rollback(); }

bool CallLogStore::insert(const QString& connection, const LogRow& row)
{
    // The decoding brings every date into range; anything else is refused.
    if (!row.startDate.isValid() || !row.startTime.isValid() || !row.endDate.isValid() ||
        !row.endTime.isValid())
        return fail();
    return execute(connection, kInsert,
                   {row.port, row.inOut ? 1 : 0, row.phoneNumber, row.recording ? 1 : 0,
                    dateValue(row.startDate), timeValue(row.startTime), dateValue(row.endDate),
                    timeValue(row.endTime)});
}


bool CallLogStore::tempDelAll() { return execute(m_tempConnection, "DELETE FROM Data", {}); }

bool CallLogStore::tempInsData(const LogRow& row) { return insert(m_tempConnection, row); }

QVector<LogRow> CallLogStore::tempRecordingFind(const QString& port, const QString& phoneNumber,
                                                const QDate& startDate, const QTime& startTime)
{
    return select(tempDb(),
                  "SELECT Port, PhoneNumber, InOut, Recording, StartDate, StartTime, EndDate, "
                  "EndTime, `Index` FROM Data WHERE (Port = ?) AND (PhoneNumber = ?) AND "
                  "(StartDate = ?) AND (StartTime = ?) ORDER BY `Index`",
                  {port, phoneNumber, dateValue(startDate), timeValue(startTime)});
}

QVector<LogRow> CallLogStore::tempData()
{
    return select(tempDb(),
                  "SELECT EndDate, EndTime, InOut, PhoneNumber, Port, Recording, StartDate, "
                  "StartTime FROM Data ORDER BY `Index`",
                  {});
}

bool CallLogStore::tempDel(qint64 index)
{
    return execute(m_tempConnection, "DELETE FROM Data WHERE (`Index` = ?)", {index});
}

QVector<LogRow> CallLogStore::dataIsRecording()
{
    return select(dataDb(),
                  "SELECT InOut, PhoneNumber, Port, StartDate, StartTime, `Index` FROM Data "
                  "WHERE (Recording = 1) ORDER BY `Index`",
                  {});
}

bool CallLogStore::dataUpdateStatusFalse(qint64 index)
{
    return execute(m_dataConnection, "UPDATE Data SET Recording = 0, Lost = 1 WHERE (`Index` = ?)",
                   {index});
}

bool CallLogStore::dataUpdateStatusTime(bool recording, const QDate& endDate,
                                        const QTime& endTime, qint64 index)
{
    return execute(m_dataConnection,
                   "UPDATE Data SET Recording = ?, EndDate = ?, EndTime = ? WHERE (`Index` = ?)",
                   {recording ? 1 : 0, dateValue(endDate), timeValue(endTime), index});
}

bool CallLogStore::dataIns(const LogRow& row) { return insert(m_dataConnection, row); }

QVector<LogRow> CallLogStore::dataCheck()
{
    return select(dataDb(),
                  QStringLiteral("SELECT `Index`, InOut, Lost, Recording FROM Data") + kStartOrder, {});
}

QVector<ViewRow> CallLogStore::selectView(const QString& where, const QString& tail,
                                          const QVariantList& values)
{
    QVector<ViewRow> rows;
    QSqlDatabase db = dataDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!db.isOpen() || !run(query, viewSql(allViewColumns(), where, tail), values)) {
        fail();
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

QVector<ViewRow> CallLogStore::dataView(qint64 limit, qint64 offset)
{
    if (limit < 0)
        return selectView({}, {}, {});
    return selectView({}, " LIMIT ? OFFSET ?", {limit, offset});
}

qint64 CallLogStore::dataViewCount()
{
    QSqlDatabase db = dataDb();
    QSqlQuery query(db);
    if (!db.isOpen() || !query.exec("SELECT COUNT(*) FROM Data") || !query.next()) {
        fail();
        return 0;
    }
    return query.value(0).toLongLong();
}

QVector<ViewRow> CallLogStore::dataViewOf(const QVector<qint64>& indexes)
{
    if (indexes.isEmpty())
        return {};
    return selectView(indexIn(indexes.size()), {}, variants(indexes));
}

QHash<qint64, LogRow> CallLogStore::dataCheckOf(const QVector<qint64>& indexes)
{
    QHash<qint64, LogRow> rows;
    if (indexes.isEmpty())
        return rows;
    const QVector<LogRow> found =
        select(dataDb(), "SELECT `Index`, InOut, Lost, Recording FROM Data" + indexIn(indexes.size()),
               variants(indexes));
    rows.reserve(found.size());
    for (const LogRow& row : found)
        rows.insert(row.index, row);
    return rows;
}

QVector<CallLogStore::ColumnCell> CallLogStore::dataViewColumn(int column)
{
    QVector<ColumnCell> cells;
    if (column < 1 || column > kViewColumnCount)
        return cells;
    QSqlDatabase db = dataDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QStringList columns = {"`Index`", "InOut", "Recording", kViewColumns[column - 1]};
    if (!db.isOpen() || !run(query, viewSql(columns, {}, {}), {})) {
        fail();
        return cells;
    }
    while (query.next())
        cells.push_back({query.value(0).toLongLong(), query.value(1).toInt() != 0,
                         query.value(2).toInt() != 0, query.value(3).toString()});
    return cells;
}

bool CallLogStore::dataHasCall(const LogRow& row)
{
    QSqlDatabase db = dataDb();
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
        return fail();
    return query.next();
}

bool CallLogStore::dataDelAll() { return execute(m_dataConnection, "DELETE FROM Data", {}); }

bool CallLogStore::dataDel(const QDate& first, const QDate& last)
{
    return execute(m_dataConnection, "DELETE FROM Data WHERE (StartDate BETWEEN ? AND ?)",
                   {dateValue(first), dateValue(last)});
}

QVector<LogRow> CallLogStore::dataExport(const QDate& first, const QDate& last)
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
    return select(dataDb(), sql + " ORDER BY StartDate, StartTime, `Index`", values);
}

QString dataDirectory()
{
    const QString chosen = qEnvironmentVariable("QL310SET_DATA_DIR");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ql310set");
}

} // namespace ql310::calllog
