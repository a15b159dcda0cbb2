// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log store: the permanent log "CallHistory.mdb" and the scratch log
// "CHTemp.mdb" (re-made from the template "Empty.mdb" at every fetch), all
// SQLite databases with table Data in the program's data directory, and the
// named commands that every other part of the call log goes through.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QTime>
#include <QVariant>
#include <QVector>

class QSqlDatabase;

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

class CallLogStore {
public:
    explicit CallLogStore(const QString& dataDirectory);
    ~CallLogStore();
    CallLogStore(const CallLogStore&) = delete;
    CallLogStore& operator=(const CallLogStore&) = delete;

    QString callLogPath() const;
    QString scratchLogPath() const;
    QString templatePath() const;

    // Creates the permanent log and the template with an empty table Data
    // where they are missing. False when the directory cannot hold them.
    bool ensureFiles();

    // Deletes the scratch log and copies the template in its place; the
    // scratch connection is closed meanwhile. A failure leaves whatever
    // scratch file there is, which the next TempDelAll empties.
    bool replaceScratchFromTemplate();

    // The named commands. Those that change data return false on failure;
    // those that return rows return none on failure.
    // A command that fails marks the store failed until clearFailure(), so
    // that a run of commands can be judged as a whole.
    bool failed() const { return m_failed; }
    void clearFailure() { m_failed = false; }

    // One transaction on the permanent log: every change between begin and
    // commit lands together, or none does after a rollback.
    bool beginLogTransaction();
    bool commitLogTransaction();
    void rollbackLogTransaction();

    bool tempDelAll();
    bool tempInsData(const LogRow& row);
    QVector<LogRow> tempRecordingFind(const QString& port, const QString& phoneNumber,
                                      const QDate& startDate, const QTime& startTime);
    QVector<LogRow> tempData();
    bool tempDel(qint64 index);
    QVector<LogRow> dataIsRecording();
    bool dataUpdateStatusFalse(qint64 index);
    bool dataUpdateStatusTime(bool recording, const QDate& endDate, const QTime& endTime,
                              qint64 index);
    bool dataIns(const LogRow& row);
    QVector<LogRow> dataCheck();
    // The view in start order, all rows or `limit` rows from `offset` on.
    QVector<ViewRow> dataView(qint64 limit = -1, qint64 offset = 0);
    qint64 dataViewCount();
    // The view rows of the calls `indexes`, in start order.
    QVector<ViewRow> dataViewOf(const QVector<qint64>& indexes);
    // The check rows (Index, InOut, Lost, Recording) of the calls `indexes`.
    QHash<qint64, LogRow> dataCheckOf(const QVector<qint64>& indexes);
    // One view column (1 InOut .. 7 Index) of every call in start order, as
    // text, with each call's Index, InOut and Recording.
    struct ColumnCell {
        qint64 index = 0;
        bool inOut = false;
        bool recording = false;
        QString text;
    };
    QVector<ColumnCell> dataViewColumn(int column);
    // True when the log holds a call with the same Port, InOut, PhoneNumber,
    // start and end as `row`.
    bool dataHasCall(const LogRow& row);
    bool dataDelAll();
    bool dataDel(const QDate& first, const QDate& last);
    // Every column of the calls that started between `first` and `last`
    // (both included; a null date leaves that side open), in start order.
    QVector<LogRow> dataExport(const QDate& first, const QDate& last);

private:
    bool insert(const QString& connection, const LogRow& row);
    bool execute(const QString& connection, const QString& sql, const QVariantList& values);
    bool fail();
    // The permanent log's connection, opened with its indexes in place.
    QSqlDatabase dataDb();
    QSqlDatabase tempDb();
    QVector<LogRow> select(const QSqlDatabase& db, const QString& sql, const QVariantList& values);
    QVector<ViewRow> selectView(const QString& where, const QString& tail,
                                const QVariantList& values);

    QString m_directory;
    QString m_dataConnection;
    QString m_tempConnection;
    bool m_failed = false;
    bool m_indexed = false;
    bool m_tempTuned = false;
};

} // namespace ql310::calllog
