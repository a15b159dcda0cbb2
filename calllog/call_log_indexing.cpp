// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_indexing.h"

#include "call_log_store.h"
#include "device_protocol.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

namespace ql310::calllog {

SortIndexBuilder::SortIndexBuilder(QObject* parent) : QObject(parent) {}

SortIndexBuilder::~SortIndexBuilder() { stop(); }

void SortIndexBuilder::start(const QString& path)
{
    if (m_running)
        return;
    if (m_thread.joinable())
        m_thread.join();
    m_running = true;
    m_stop = false;
    m_thread = std::thread([this, path] { run(path); });
}

void SortIndexBuilder::stop()
{
    m_stop = true;
    if (void* handle = m_handle.load())
        sqlite3_interrupt(static_cast<sqlite3*>(handle));
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
}

void SortIndexBuilder::run(const QString& path)
{
    const QStringList steps = CallLogStore::retiredIndexesSql() + CallLogStore::sortIndexesSql();
    const int total = int(steps.size()) + 1;
    const QString connection =
        QStringLiteral("ql310-index-%1").arg(reinterpret_cast<quintptr>(this), 0, 16);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
        // A merge meanwhile waits for one index at a time, not for all.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(device::timeoutMs()));
        if (db.open()) {
            const QVariant handle = db.driver()->handle();
            if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
                m_handle = *static_cast<sqlite3* const*>(handle.data());
            QSqlQuery query(db);
            // Room for an index's pages until it is made: the window's
            // reads of the log wait for a spill of the build's pages into
            // the file (some 32 MB at most).
            query.exec(QStringLiteral("PRAGMA cache_size = -32768"));
            ok = true;
            for (int i = 0; ok && i < steps.size(); ++i) {
                ok = !m_stop && query.exec(steps[i]);
                if (ok)
                    emit progress(i + 1, total);
            }
            // The planner's figures, so that a filter's plan takes the new indexes.
            ok = ok && !m_stop && query.exec("PRAGMA analysis_limit = 1000") &&
                 query.exec("ANALYZE Data");
            m_handle = nullptr;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok)
        emit progress(total, total);
    // Told on the builder's own thread; the thread is joined at the next
    // start or stop.
    QMetaObject::invokeMethod(this, [this, ok] {
        m_running = false;
        emit finished(ok);
    }, Qt::QueuedConnection);
}

} // namespace ql310::calllog
