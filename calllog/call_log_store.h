// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log store: the permanent log "CallHistory.mdb" and the scratch log
// "CHTemp.mdb" (re-made from the template "Empty.mdb" at every fetch), all
// SQLite databases with table Data in the program's data directory, and the
// named commands that every other part of the call log goes through.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>
#include <string_view>

class QSqlDatabase;
struct sqlite3_stmt;

namespace ql310::calllog {

// The program's data directory, which holds the database files:
// $QL310SET_DATA_DIR, else the user's data location of ql310set.
QString dataDirectory();

inline constexpr const char* kCallLogFile = "CallHistory.mdb";
inline constexpr const char* kScratchLogFile = "CHTemp.mdb";
inline constexpr const char* kTemplateFile = "Empty.mdb";

// A row of table Data; which fields are filled depends on the command.
struct LogRow {
    qint64 index = 0;
    QString port;
    bool inOut = false; // true for an outgoing call
    QString phoneNumber;
    bool recording = false;
    bool lost = false;
    QDate startDate;
    QTime startTime;
    QDate endDate;
    QTime endTime;
};

// A row of the view: the texts the call-log grid shows.
struct ViewRow {
    bool inOut = false;
    QString port;
    QString phoneNumber;
    QString startTime; // " hh:nn:ss  mm / dd / yyyy "
    QString endTime;
    QString diffTime;  // hh:nn:ss of the duration, hours may have more digits
    qint64 index = 0;
};

// One row of a pass over the log (CallLogStore::forEachRow()), read where
// the engine holds it: texts are UTF-8, valid until the visit returns.
class RowView {
public:
    std::string_view text(int column) const;
    qint64 integer(int column) const;
    // The duration in seconds of the call whose StartDate, StartTime,
    // EndDate and EndTime are the four columns from `startDate` on, as
    // CallLogStore::durationSql() reckons it; nothing when the engine fails.
    std::optional<qint64> duration(int startDate) const;

private:
    friend class CallLogStore;
    struct Pass;
    RowView(sqlite3_stmt* row, Pass& pass) : m_row(row), m_pass(&pass) {}
    sqlite3_stmt* m_row;
    Pass* m_pass;
};

class CallLogStore {
public:
    explicit CallLogStore(const QString& dataDirectory);
    ~CallLogStore();
    CallLogStore(const CallLogStore&) = delete;
    CallLogStore& operator=(const CallLogStore&) = delete;

    QString callLogPath() const;
    QString scratchLogPath() const;
    QString templatePath() const;

    // Creates the data directory (private to the user) and the permanent
    // log and the template with an empty table Data where they are missing,
    // each whole in a temporary file renamed into place (private to the
    // user), so that a kill never leaves a file without its table. A
    // template without its table is made again, and so is a permanent log
    // that holds no table at all; a log with other tables is left alone.
    // Temporary files of killed writes, older than a minute, are removed.
    // False, with the reason in failureReason(), when they cannot be had.
    bool ensureFiles();

    // Replaces the scratch log by a copy of the template, writable by the
    // user whatever the template's mode; the scratch connection is closed
    // meanwhile. A failure leaves whatever scratch file there is, which the
    // next clearScratch() empties.
    bool replaceScratchFromTemplate();

    // Fetches (refilling the scratch log and merging it) run one at a time
    // across processes: an advisory lock on the data directory, waited for
    // no longer than the library's bound ($QL310_TIMEOUT_MS). Readers take
    // no lock. Nested locks of one store count.
    class FetchLock {
    public:
        explicit FetchLock(CallLogStore& store);
        ~FetchLock();
        FetchLock(const FetchLock&) = delete;
        FetchLock& operator=(const FetchLock&) = delete;
        bool held() const { return m_held; }

    private:
        CallLogStore& m_store;
        bool m_held = false;
    };
    bool lockForFetch();
    void unlockFetch();

    // The named commands. Those that change data return false on failure;
    // those that return rows return none on failure.
    // A command that fails marks the store failed until clearFailure(), so
    // that a run of commands can be judged as a whole.
    bool failed() const { return m_failed; }
    void clearFailure()
    {
        m_failed = false;
        m_failure.clear();
    }
    // The database's own words for the latest failure.
    QString failureReason() const { return m_failure; }

    // One transaction on the permanent log, taken for writing at its start
    // (a second writer waits, within the library's bound, for it to end):
    // every change between begin and commit lands together, or none does
    // after a rollback.
    bool beginLogTransaction();
    bool commitLogTransaction();
    void rollbackLogTransaction();

    // The scratch log: emptied, filled with the calls of a fetch, read and
    // taken apart by the merge.
    bool clearScratch();
    bool insertScratch(const LogRow& row);
    // The scratch rows of the call with this port, number and start, in
    // their order.
    QVector<LogRow> findScratchCall(const QString& port, const QString& phoneNumber,
                                    const QDate& startDate, const QTime& startTime);
    QVector<LogRow> scratchCalls();
    bool deleteScratchCall(qint64 index);

    // The permanent log's calls in progress, in their order.
    QVector<LogRow> callsInProgress();
    // A call in progress that vanished from the adapter: lost, no longer
    // in progress.
    bool markLost(qint64 index);
    // A call in progress as the latest fetch saw it: still in progress or
    // not, and its end.
    bool updateCallEnd(bool recording, const QDate& endDate, const QTime& endTime, qint64 index);
    bool insertLog(const LogRow& row);
    // Index, InOut, Lost and Recording of every call, in start order.
    QVector<LogRow> callFlags();
    // The view in start order, all rows or `limit` rows from `offset` on.
    QVector<ViewRow> viewRows(qint64 limit = -1, qint64 offset = 0);
    // The number of calls; 0, marking the store failed, when the log cannot
    // be read.
    qint64 viewRowCount();
    // The number of calls in the log, -1 when it cannot be read. Counted
    // once per change of the log by any other connection (another
    // process's included); this store's own inserts and deletes are added
    // and taken away; asked again, it is known.
    qint64 callCount();
    // The view rows of the calls `indexes`, in start order.
    QVector<ViewRow> viewRowsOf(const QVector<qint64>& indexes);
    // The flags (Index, InOut, Lost, Recording) of the calls `indexes`.
    QHash<qint64, LogRow> callFlagsOf(const QVector<qint64>& indexes);
    // One view column (1 InOut .. 7 Index) of every call in start order, as
    // text, with each call's Index, InOut and Recording.
    struct ColumnCell {
        qint64 index = 0;
        bool inOut = false;
        bool recording = false;
        QString text;
    };
    QVector<ColumnCell> viewColumn(int column);
    // True when the log holds a call with the same Port, InOut, PhoneNumber,
    // start and end as `row`.
    bool hasCall(const LogRow& row);
    bool deleteAllCalls();
    // Deletes the calls that started between the two days, both included.
    // False, deleting nothing, when a day lies outside the years 1..9999.
    bool deleteDays(const QDate& first, const QDate& last);
    // Every column of the calls that started between `first` and `last`
    // (both included; a null date leaves that side open), in start order.
    QVector<LogRow> callsBetween(const QDate& first, const QDate& last);

    // A pass over the rows of `sql` (with its "?" values bound in order) on
    // the permanent log, read where the engine holds them: `visit` is called
    // for each row and ends the pass by returning false. False when the log
    // cannot be read. The store's failure is left as it is.
    bool forEachRow(const QString& sql, const QVariantList& values,
                    const std::function<bool(const RowView&)>& visit);

    // SQL functions of one argument on the permanent log's connection, for
    // the calls' names: deterministic, the argument read as text (NULL as
    // ''). A number function gives a whole number or NULL (nothing); a text
    // function gives text that lives as long as the function. Registering a
    // name again replaces its function. False when the log is not open.
    using NumberFunction = std::function<std::optional<qint64>(std::string_view argument)>;
    using TextFunction = std::function<std::string_view(std::string_view argument)>;
    bool addNumberFunction(const char* name, NumberFunction function);
    bool addTextFunction(const char* name, TextFunction function);

    // For queries beyond the named commands (orders, filters, gaps): the
    // permanent log's connection, and the view's seven columns as SQL over
    // the rows of Data with the call's duration in seconds as `d`.
    QSqlDatabase logDatabase();
    static QStringList viewColumnsSql();
    // The call's duration in seconds over a row of Data: kDurationSql
    // (call_duration.h), the one definition.
    static QString durationSql();
    // 1 for a phone number that is all digits (it sorts as a number), else 0.
    static QString numberKindSql();

    // The sort indexes: one per grid column's order and one on the lost
    // calls. A new log has them from the start; an older one is given them
    // by buildSortIndexes() (call_log_indexing.h), off the window's thread.
    static QStringList sortIndexesSql();
    // Drops the sort indexes of earlier versions.
    static QStringList retiredIndexesSql();
    // How many sort indexes are missing (and retired ones still there);
    // -1 when the log cannot be read.
    int missingSortIndexes();
    // Keeps the query planner's figures of the log current (a sample of
    // each index), so that a filter picks the index that reads fewest rows:
    // when the log grew by a tenth since they were taken, or `always`.
    bool refreshPlannerStatistics(bool always = false);

private:
    bool insert(const QString& connection, const LogRow& row);
    bool execute(const QString& connection, const QString& sql, const QVariantList& values);
    bool fail(const QString& reason = {});
    bool filesComplete();
    bool repairFiles();
    void closeConnections();
    // The permanent log's connection, opened with its indexes in place.
    QSqlDatabase logDb();
    QSqlDatabase scratchDb();
    QVector<LogRow> select(const QSqlDatabase& db, const QString& sql, const QVariantList& values);
    QVector<ViewRow> selectView(const QString& where, const QString& tail,
                                const QVariantList& values);

    QString m_directory;
    QString m_logConnection;
    QString m_scratchConnection;
    bool m_failed = false;
    QString m_failure;
    int m_lockFd = -1;
    int m_lockDepth = 0;
    bool m_indexed = false;
    bool m_tempTuned = false;
    // The latest count of the calls and the log's change marks it was
    // taken at (the connection's own changes, the others' commits).
    qint64 m_callCount = -1;
    qint64 m_countedChanges = -1;
    qint64 m_countedVersion = -1;
};

} // namespace ql310::calllog
