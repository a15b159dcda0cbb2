// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_store.h"

#include "atomic_file.h"
#include "crash_point.h"
#include "device_protocol.h"
#include "engine_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // A call in progress that started after the PC's clock shows one sign
    // before its length: "-00:00:49".
    "printf('%s%02d:%02d:%02d', CASE WHEN d < 0 THEN '-' ELSE '' END, abs(d) / 3600, "
    "(abs(d) / 60) % 60, abs(d) % 60)",
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

bool storableDay(const QDate& date) { return date.isValid() && date.year() >= 1 && date.year() <= 9999; }
QVariant timeValue(const QTime& time) { return time.toString(kTimeFormat); }

QString uniqueSuffix()
{
    static std::atomic<int> counter{0};
    return QString::number(++counter);
}

// Every call made since the user's first fetch is in these files: the
// folder and the files are the user's alone, whatever the umask.
constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A second writer waits this long for the first one's transaction.
QString busyTimeoutOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(device::timeoutMs());
}

QSqlDatabase open(const QString& connection, const QString& path)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
        db.setConnectOptions(busyTimeoutOption());
    }
    if (!db.isOpen())
        db.open();
    return db;
}

// A file or folder of the user that others may write loses that right; a
// shared folder with the sticky bit (as /tmp) is left as it is.
void removeWriteForOthers(const QByteArray& path)
{
    struct stat status {};
    if (::stat(path.constData(), &status) == 0 && status.st_uid == ::geteuid() &&
        (status.st_mode & S_IWOTH) && !(S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX)))
        ::chmod(path.constData(), status.st_mode & 07777 & ~S_IWOTH);
}

// Creates the missing folders of `directory`, private to the user.
bool makePrivateFolder(const QString& directory, QString& reason)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(QDir(directory).absolutePath()));
    for (qsizetype i = 1; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '/')
            ::mkdir(path.left(i).constData(), kFolderMode);
    struct stat status {};
    const int error = ::stat(path.constData(), &status) != 0 ? errno
                      : S_ISDIR(status.st_mode)              ? 0
                                                             : ENOTDIR;
    if (error != 0) {
        reason = directory + ": " + systemReason(error);
        return false;
    }
    removeWriteForOthers(path);
    return true;
}

enum class TableState { Missing, Complete, NoTables, OtherTables, NotADatabase };

// What the database file at `path` holds; `reason` says why it is not one.
TableState tableState(const QString& path, QString& reason)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return TableState::Missing;
        reason = path + ": " + systemReason(errno);
        return TableState::NotADatabase;
    }
    if (!S_ISREG(status.st_mode)) {
        // A named pipe would hold the engine's open for ever.
        reason = path + ": not a regular file";
        return TableState::NotADatabase;
    }
    const QString connection = "ql310-check-" + uniqueSuffix();
    TableState state = TableState::NotADatabase;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
        db.setConnectOptions(busyTimeoutOption());
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec("SELECT name FROM sqlite_master WHERE type = 'table'")) {
                state = TableState::NoTables;
                while (query.next()) {
                    if (query.value(0).toString().compare("Data", Qt::CaseInsensitive) == 0)
                        state = TableState::Complete;
                    else if (state == TableState::NoTables)
                        state = TableState::OtherTables;
                }
                if (state == TableState::OtherTables)
                    reason = path + ": holds no table Data";
            } else {
                reason = path + ": " + query.lastError().text();
            }
        } else {
            reason = path + ": " + db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return state;
}

// Makes the database file at `path` whole, with table Data and its
// indexes, in a temporary file renamed over `path`: a kill leaves the old
// file (or none) or the complete new one.
bool createDatabase(const QString& path, bool sortIndexes, QString& reason)
{
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    if (!UniqueFd(::mkstemp(temporary.data()))) { // the user's alone
        reason = path + ": " + systemReason(errno);
        return false;
    }
    QL310_CRASH_POINT("create-empty");
    const QString connection = "ql310-create-" + uniqueSuffix();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(QFile::decodeName(temporary));
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(kCreateTable);
            for (const char* index : kCreateIndexes)
                ok = ok && query.exec(index);
            // A new log grows its sort indexes with every merge.
            if (sortIndexes)
                for (const QString& index : CallLogStore::sortIndexesSql())
                    ok = ok && query.exec(index);
            if (!ok)
                reason = path + ": " + query.lastError().text();
        } else {
            reason = path + ": " + db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok) {
        UniqueFd sync(::open(temporary.constData(), O_RDONLY | O_CLOEXEC));
        ok = sync && ::fsync(sync.get()) == 0;
        sync.reset();
        QL310_CRASH_POINT("create-before-rename");
        ok = ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0;
        if (!ok)
            reason = path + ": " + systemReason(errno);
    }
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}

// The engine's own reason why `query` on `db` failed, with the file.
QString queryFailure(const QSqlDatabase& db, const QSqlQuery& query)
{
    const QSqlError error = db.isOpen() ? query.lastError() : db.lastError();
    return db.databaseName() + ": " + error.text();
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
    closeConnections();
    for (const QString& name : {m_dataConnection, m_tempConnection})
        QSqlDatabase::removeDatabase(name);
    while (m_lockDepth > 0)
        unlockFetch();
}

void CallLogStore::closeConnections()
{
    for (const QString& name : {m_dataConnection, m_tempConnection}) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isValid())
            db.close();
    }
    m_indexed = false;
    m_tempTuned = false;
    m_callCount = -1;
}

QString CallLogStore::callLogPath() const { return QDir(m_directory).filePath(kCallLogFile); }
QString CallLogStore::scratchLogPath() const { return QDir(m_directory).filePath(kScratchLogFile); }
QString CallLogStore::templatePath() const { return QDir(m_directory).filePath(kTemplateFile); }

bool CallLogStore::ensureFiles()
{
    QString reason;
    if (!makePrivateFolder(m_directory, reason))
        return fail(reason);
    for (const QString& path : {callLogPath(), templatePath(), scratchLogPath()}) {
        removeWriteForOthers(QFile::encodeName(path));
        // What writes killed before their rename left behind.
        removeStaleTemporaries(QFile::encodeName(path).toStdString());
    }
    if (filesComplete())
        return true;
    // Made or mended by one process at a time, as a fetch.
    FetchLock lock(*this);
    return lock.held() && repairFiles();
}

bool CallLogStore::filesComplete()
{
    QString reason;
    return tableState(callLogPath(), reason) == TableState::Complete &&
           tableState(templatePath(), reason) == TableState::Complete;
}

bool CallLogStore::repairFiles()
{
    QString reason;
    bool ok = true;
    bool replaced = false;
    // The template holds no calls: whatever is not a complete one is made again.
    if (tableState(templatePath(), reason) != TableState::Complete) {
        replaced = true;
        ok = createDatabase(templatePath(), false, reason) || fail(reason);
        // The scratch log copied from a broken template goes with it.
        ok = ok && replaceScratchFromTemplate();
    }
    // The permanent log is made again only when it holds no table at all:
    // it never loses a call.
    switch (tableState(callLogPath(), reason)) {
    case TableState::Complete:
        break;
    case TableState::Missing:
    case TableState::NoTables:
        replaced = true;
        ok = (createDatabase(callLogPath(), true, reason) || fail(reason)) && ok;
        break;
    case TableState::OtherTables:
    case TableState::NotADatabase:
        ok = fail(reason);
        break;
    }
    if (replaced)
        closeConnections(); // opened again on the new files
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
    QFile source(templatePath());
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    // A new file, so that the scratch log is the user's to write (and the
    // user's alone) whatever mode the template has.
    const std::string scratch = QFile::encodeName(scratchLogPath()).toStdString();
    if (::unlink(scratch.c_str()) != 0 && errno != ENOENT)
        return false;
    std::string reason;
    return replaceFileAtomically(scratch, reinterpret_cast<const uint8_t*>(content.constData()),
                                 static_cast<size_t>(content.size()), kFileMode, reason);
}

CallLogStore::FetchLock::FetchLock(CallLogStore& store) : m_store(store)
{
    m_held = m_store.lockForFetch();
}

CallLogStore::FetchLock::~FetchLock()
{
    if (m_held)
        m_store.unlockFetch();
}

bool CallLogStore::lockForFetch()
{
    if (m_lockDepth > 0) {
        ++m_lockDepth;
        return true;
    }
    QString reason;
    if (!makePrivateFolder(m_directory, reason))
        return fail(reason);
    UniqueFd lock(::open(QFile::encodeName(m_directory).constData(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!lock)
        return fail(m_directory + ": " + systemReason(errno));
    const LockResult result = lockWithin(lock.get(), device::timeoutMs());
    if (result != LockResult::Locked)
        return fail(m_directory + ": "
                    + (result == LockResult::TimedOut ? QCoreApplication::translate(
                           "ql310::CallLogStore", "another fetch kept the call log busy")
                                                      : systemReason(errno)));
    m_lockFd = lock.release();
    m_lockDepth = 1;
    return true;
}

void CallLogStore::unlockFetch()
{
    if (m_lockDepth == 0 || --m_lockDepth > 0)
        return;
    ::flock(m_lockFd, LOCK_UN);
    // Closing the folder gives the lock back.
    const UniqueFd lock(std::exchange(m_lockFd, -1));
}

bool CallLogStore::fail(const QString& reason)
{
    m_failed = true;
    if (!reason.isEmpty())
        m_failure = reason;
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
        return fail(db.databaseName() + ": " + db.lastError().text());
    QSqlQuery query(db);
    sqlite3* engine = connection == m_dataConnection ? engineHandle(db) : nullptr;
    const qint64 changesBefore = engine ? sqlite3_total_changes64(engine) : -1;
    if (!run(query, sql, values))
        return fail(db.databaseName() + ": " + query.lastError().text());
    if (engine) {
        // The kept number of calls follows the log's own inserts and
        // deletes, when it was current before them; else it is counted anew.
        const int sign = sql.startsWith(QLatin1String("INSERT")) ? 1
                         : sql.startsWith(QLatin1String("DELETE")) ? -1 : 0;
        if (m_callCount >= 0 && changesBefore == m_countedChanges) {
            m_callCount += sign * sqlite3_changes64(engine);
            m_countedChanges = sqlite3_total_changes64(engine);
        }
    }
    return true;
}

QVector<LogRow> CallLogStore::select(const QSqlDatabase& db, const QString& sql,
                                     const QVariantList& values)
{
    QVector<LogRow> rows;
    if (!db.isOpen()) {
        fail(db.databaseName() + ": " + db.lastError().text());
        return rows;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query, sql, values)) {
        fail(db.databaseName() + ": " + query.lastError().text());
        return rows;
    }
    while (query.next())
        rows.push_back(rowOf(query));
    return rows;
}

bool CallLogStore::beginLogTransaction()
{
    QSqlDatabase db = dataDb();
    if (!db.isOpen())
        return fail(db.databaseName() + ": " + db.lastError().text());
    // Taken for writing now, not at the first change: two merges that both
    // read the calls in progress before either writes would append them twice.
    QSqlQuery query(db);
    return query.exec("BEGIN IMMEDIATE") || fail(db.databaseName() + ": " + query.lastError().text());
}

bool CallLogStore::commitLogTransaction()
{
    QSqlDatabase db = dataDb();
    if (db.commit())
        return true;
    m_callCount = -1;
    return fail(db.databaseName() + ": " + db.lastError().text());
}

void CallLogStore::rollbackLogTransaction()
{
    // Rolled-back changes still count among the connection's changes: the
    // number of calls is counted again.
    m_callCount = -1;
    dataDb().rollback();
}

bool CallLogStore::insert(const QString& connection, const LogRow& row)
{
    // The decoding brings every date into range; anything else is refused.
    if (!row.startDate.isValid() || !row.startTime.isValid() || !row.endDate.isValid() ||
        !row.endTime.isValid())
        return fail(QCoreApplication::translate("ql310::CallLogStore", "a call with an impossible date or time"));
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

QVector<ViewRow> CallLogStore::dataView(qint64 limit, qint64 offset)
{
    if (limit < 0)
        return selectView({}, {}, {});
    return selectView({}, " LIMIT ? OFFSET ?", {limit, offset});
}

qint64 CallLogStore::dataViewCount()
{
    const qint64 count = callCount();
    if (count < 0) {
        QSqlDatabase db = dataDb();
        fail(db.databaseName() + ": " + db.lastError().text());
        return 0;
    }
    return count;
}

qint64 CallLogStore::callCount()
{
    QSqlDatabase db = dataDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // PRAGMA data_version changes with every commit of another connection,
    // the connection's total of changed rows with each of its own.
    if (!db.isOpen() || !query.exec("PRAGMA data_version") || !query.next())
        return m_callCount = -1;
    const qint64 version = query.value(0).toLongLong();
    const QVariant handle = db.driver()->handle();
    sqlite3* connection = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                              ? *static_cast<sqlite3* const*>(handle.data())
                              : nullptr;
    const qint64 changes = connection ? sqlite3_total_changes64(connection) : -1;
    if (m_callCount >= 0 && changes >= 0 && version == m_countedVersion &&
        changes == m_countedChanges)
        return m_callCount;
    if (!query.exec("SELECT COUNT(*) FROM Data") || !query.next())
        return m_callCount = -1;
    m_countedVersion = version;
    m_countedChanges = changes;
    return m_callCount = query.value(0).toLongLong();
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
        fail(queryFailure(db, query));
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
        return fail(queryFailure(db, query));
    return query.next();
}

bool CallLogStore::dataDelAll() { return execute(m_dataConnection, "DELETE FROM Data", {}); }

bool CallLogStore::dataDel(const QDate& first, const QDate& last)
{
    // Days are kept as "yyyy-MM-dd", which compares in date order only with
    // a four-digit year: a day outside years 1..9999 deletes nothing.
    if (!storableDay(first) || !storableDay(last))
        return fail();
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

QSqlDatabase CallLogStore::logDatabase() { return dataDb(); }

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
    QSqlDatabase db = dataDb();
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
    QSqlDatabase db = dataDb();
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

QString CallLogStore::durationSql() { return QString::fromLatin1(kDuration); }

QString dataDirectory()
{
    const QString chosen = qEnvironmentVariable("QL310SET_DATA_DIR");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ql310set");
}

} // namespace ql310::calllog
