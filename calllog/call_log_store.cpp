// SPDX-License-Identifier: GPL-3.0-or-later
// The store's connections, commands that change the log, its transactions
// and the lock that fetches take; the files are made and mended in
// call_log_files.cpp, the named queries run in call_log_queries.cpp.
#include "call_log_store.h"

#include "atomic_file.h"
#include "call_log_store_internal.h"
#include "device_protocol.h"
#include "engine_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql310::calllog {

using namespace internal;

namespace {

const char* const kInsert =
    "INSERT INTO Data (Port, InOut, PhoneNumber, Recording, StartDate, StartTime, EndDate, "
    "EndTime) VALUES (?, ?, ?, ?, ?, ?, ?, ?)";

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

namespace internal {

QString uniqueSuffix()
{
    static std::atomic<int> counter{0};
    return QString::number(++counter);
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString busyTimeoutOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(device::timeoutMs());
}

QSqlDatabase openConnection(const QString& connection, const QString& path)
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

void removeWriteForOthers(const QByteArray& path)
{
    struct stat status {};
    if (::stat(path.constData(), &status) == 0 && status.st_uid == ::geteuid() &&
        (status.st_mode & S_IWOTH) && !(S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX)))
        ::chmod(path.constData(), status.st_mode & 07777 & ~S_IWOTH);
}

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

QString queryFailure(const QSqlDatabase& db, const QSqlQuery& query)
{
    const QSqlError error = db.isOpen() ? query.lastError() : db.lastError();
    return db.databaseName() + ": " + error.text();
}

bool run(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace internal

CallLogStore::CallLogStore(const QString& dataDirectory)
    : m_directory(dataDirectory),
      m_logConnection("DataConnection-" + uniqueSuffix()),
      m_scratchConnection("TempConnection-" + uniqueSuffix())
{
}

CallLogStore::~CallLogStore()
{
    closeConnections();
    for (const QString& name : {m_logConnection, m_scratchConnection})
        QSqlDatabase::removeDatabase(name);
    while (m_lockDepth > 0)
        unlockFetch();
}

void CallLogStore::closeConnections()
{
    for (const QString& name : {m_logConnection, m_scratchConnection}) {
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

QSqlDatabase CallLogStore::logDb()
{
    QSqlDatabase db = openConnection(m_logConnection, callLogPath());
    if (db.isOpen() && !m_indexed) {
        // A log made before the indexes existed gets them now.
        QSqlQuery query(db);
        m_indexed = true;
        for (const char* index : kCreateIndexes)
            m_indexed = query.exec(index) && m_indexed;
    }
    return db;
}

QSqlDatabase CallLogStore::scratchDb()
{
    QSqlDatabase db = openConnection(m_scratchConnection, scratchLogPath());
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
    QSqlDatabase db = connection == m_logConnection ? logDb() : scratchDb();
    if (!db.isOpen())
        return fail(db.databaseName() + ": " + db.lastError().text());
    QSqlQuery query(db);
    sqlite3* engine = connection == m_logConnection ? engineHandle(db) : nullptr;
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
    QSqlDatabase db = logDb();
    if (!db.isOpen())
        return fail(db.databaseName() + ": " + db.lastError().text());
    // Taken for writing now, not at the first change: two merges that both
    // read the calls in progress before either writes would append them twice.
    QSqlQuery query(db);
    return query.exec("BEGIN IMMEDIATE") || fail(db.databaseName() + ": " + query.lastError().text());
}

bool CallLogStore::commitLogTransaction()
{
    QSqlDatabase db = logDb();
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
    logDb().rollback();
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


qint64 CallLogStore::callCount()
{
    QSqlDatabase db = logDb();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // PRAGMA data_version changes with every commit of another connection,
    // the connection's total of changed rows with each of its own.
    if (!db.isOpen() || !query.exec("PRAGMA data_version") || !query.next())
        return m_callCount = -1;
    const qint64 version = query.value(0).toLongLong();
    sqlite3* connection = engineHandle(db);
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

QSqlDatabase CallLogStore::logDatabase() { return logDb(); }

QString dataDirectory()
{
    const QString chosen = qEnvironmentVariable("QL310SET_DATA_DIR");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ql310set");
}

} // namespace ql310::calllog
