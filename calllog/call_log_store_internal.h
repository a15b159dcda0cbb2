// SPDX-License-Identifier: GPL-3.0-or-later
// What the parts of CallLogStore share (call_log_store.cpp, the files in
// call_log_files.cpp, the named queries in call_log_queries.cpp): the forms
// of dates and times in the log, its permanent indexes, the modes of its
// files and the opening and running of queries.
#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QTime>
#include <QVariant>

#include <sys/types.h>

class QSqlQuery;

namespace ql310::calllog::internal {

// Dates and times are kept as ISO text, so that they compare and sort in
// time order and the view can format them with the engine's date functions.
inline constexpr const char* kDateFormat = "yyyy-MM-dd";
inline constexpr const char* kTimeFormat = "HH:mm:ss";

// The start order, the range delete and the duplicate test go through the
// first index, the search for calls in progress through the second.
inline constexpr const char* kCreateIndexes[] = {
    "CREATE INDEX IF NOT EXISTS DataStart ON Data (StartDate, StartTime)",
    "CREATE INDEX IF NOT EXISTS DataOpen ON Data (Recording) WHERE Recording = 1",
};

// Every call made since the user's first fetch is in these files: the
// folder and the files are the user's alone, whatever the umask.
inline constexpr mode_t kFolderMode = 0700;
inline constexpr mode_t kFileMode = 0600;

inline QVariant dateValue(const QDate& date) { return date.toString(kDateFormat); }
inline QVariant timeValue(const QTime& time) { return time.toString(kTimeFormat); }

// A number no other connection of the process has, for connection names.
QString uniqueSuffix();
QString systemReason(int error);
// The connect option by which a second writer waits for the first one's
// transaction, within the library's bound.
QString busyTimeoutOption();
// The connection `connection` to the database at `path`, opened.
QSqlDatabase openConnection(const QString& connection, const QString& path);

// A file or folder of the user that others may write loses that right; a
// shared folder with the sticky bit (as /tmp) is left as it is.
void removeWriteForOthers(const QByteArray& path);
// Creates the missing folders of `directory`, private to the user.
bool makePrivateFolder(const QString& directory, QString& reason);

// The engine's own reason why `query` on `db` failed, with the file.
QString queryFailure(const QSqlDatabase& db, const QSqlQuery& query);
// Runs a query with its "?" values bound in order.
bool run(QSqlQuery& query, const QString& sql, const QVariantList& values);

} // namespace ql310::calllog::internal
