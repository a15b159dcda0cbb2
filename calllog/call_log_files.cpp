// SPDX-License-Identifier: GPL-3.0-or-later
// The store's files: the data directory, the permanent log and the
// template made whole where they are missing or broken, and the scratch log
// copied from the template.
#include "call_log_store.h"

#include "atomic_file.h"
#include "call_log_store_internal.h"
#include "crash_point.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql310::calllog {

using namespace internal;

namespace {

const char* const kCreateTable =
    "CREATE TABLE IF NOT EXISTS Data ("
    "`Index` INTEGER PRIMARY KEY AUTOINCREMENT, "
    "Port TEXT(8), InOut INTEGER, PhoneNumber TEXT(26), Recording INTEGER, Lost INTEGER, "
    "StartDate TEXT, StartTime TEXT, EndDate TEXT, EndTime TEXT)";

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

} // namespace

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
        QSqlDatabase db = QSqlDatabase::database(m_scratchConnection, false);
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

} // namespace ql310::calllog
