#include "call_log_store.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

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

// The duration in seconds: whole days between the dates plus the time of
// day between the times.
const char* const kViewSelect =
    "SELECT InOut, Port, PhoneNumber, "
    "' ' || StartTime || '  ' || strftime('%m / %d / %Y', StartDate) || ' ', "
    "' ' || EndTime || '  ' || strftime('%m / %d / %Y', EndDate) || ' ', "
    "printf('%02d:%02d:%02d', d / 3600, (d / 60) % 60, d % 60), `Index` "
    "FROM (SELECT *, CAST(round(julianday(EndDate) - julianday(StartDate)) AS INTEGER) * 86400 "
    "+ (strftime('%s', '2000-01-01 ' || EndTime) - strftime('%s', '2000-01-01 ' || StartTime)) "
    "AS d FROM Data) ORDER BY StartDate, StartTime";

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
    const QString scratch = scratchLogPath();
    if (QFile::exists(scratch) && !QFile::remove(scratch))
        return false;
    return QFile::copy(templatePath(), scratch);
}

bool CallLogStore::execute(const QString& connection, const QString& sql,
                           const QVariantList& values)
{
    const QString path = connection == m_dataConnection ? callLogPath() : scratchLogPath();
    QSqlDatabase db = open(connection, path);
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    return run(query, sql, values);
}

bool CallLogStore::insert(const QString& connection, const LogRow& row)
{
    // A record with an impossible date or time is not stored.
    if (!row.startDate.isValid() || !row.startTime.isValid() || !row.endDate.isValid() ||
        !row.endTime.isValid())
        return false;
    return execute(connection, kInsert,
                   {row.port, row.inOut ? 1 : 0, row.phoneNumber, row.recording ? 1 : 0,
                    dateValue(row.startDate), timeValue(row.startTime), dateValue(row.endDate),
                    timeValue(row.endTime)});
}

namespace {

QVector<LogRow> select(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QVector<LogRow> rows;
    if (!db.isOpen())
        return rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query, sql, values))
        return rows;
    while (query.next())
        rows.push_back(rowOf(query));
    return rows;
}

} // namespace

bool CallLogStore::tempDelAll() { return execute(m_tempConnection, "DELETE FROM Data", {}); }

bool CallLogStore::tempInsData(const LogRow& row) { return insert(m_tempConnection, row); }

QVector<LogRow> CallLogStore::tempRecordingFind(const QString& port, const QString& phoneNumber,
                                                const QDate& startDate, const QTime& startTime)
{
    return select(open(m_tempConnection, scratchLogPath()),
                  "SELECT Port, PhoneNumber, InOut, Recording, StartDate, StartTime, EndDate, "
                  "EndTime, `Index` FROM Data WHERE (Port = ?) AND (PhoneNumber = ?) AND "
                  "(StartDate = ?) AND (StartTime = ?) ORDER BY `Index`",
                  {port, phoneNumber, dateValue(startDate), timeValue(startTime)});
}

QVector<LogRow> CallLogStore::tempData()
{
    return select(open(m_tempConnection, scratchLogPath()),
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
    return select(open(m_dataConnection, callLogPath()),
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
    return select(open(m_dataConnection, callLogPath()),
                  "SELECT `Index`, InOut, Lost, Recording FROM Data ORDER BY StartDate, StartTime",
                  {});
}

QVector<ViewRow> CallLogStore::dataView()
{
    QVector<ViewRow> rows;
    QSqlDatabase db = open(m_dataConnection, callLogPath());
    if (!db.isOpen())
        return rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query, kViewSelect, {}))
        return rows;
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

bool CallLogStore::dataDelAll() { return execute(m_dataConnection, "DELETE FROM Data", {}); }

bool CallLogStore::dataDel(const QDate& first, const QDate& last)
{
    return execute(m_dataConnection, "DELETE FROM Data WHERE (StartDate BETWEEN ? AND ?)",
                   {dateValue(first), dateValue(last)});
}

QVector<LogRow> CallLogStore::dataExport(const QDate& first, const QDate& last, bool& ok)
{
    QVector<LogRow> rows;
    QSqlDatabase db = open(m_dataConnection, callLogPath());
    ok = db.isOpen();
    if (!ok)
        return rows;
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
    sql += " ORDER BY StartDate, StartTime, `Index`";
    QSqlQuery query(db);
    query.setForwardOnly(true);
    ok = run(query, sql, values);
    while (ok && query.next())
        rows.push_back(rowOf(query));
    return rows;
}

} // namespace ql310::calllog
