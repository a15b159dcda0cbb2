// SPDX-License-Identifier: GPL-3.0-or-later
// The rows the call-log grid shows, straight from the log in SQL: a
// condition that limits them, the order of a grid column (the log's indexes
// give each order without reading the whole log), and a block of rows at a
// time. Qt SQL, no widgets.
#pragma once

#include "call_log_store.h"

#include <QString>
#include <QVariantList>
#include <QVector>

#include <Qt>

class QSqlQuery;

namespace ql310::calllog {

// A condition on the rows of Data: SQL over Data's columns with "?" marks,
// and their values in order. Empty: every call.
struct RowCondition {
    QString sql;
    QVariantList values;
    // No index narrows it (text sought in the numbers): its calls are
    // counted and its first screen found in one pass over the log. Else the
    // count and the first screen each take the indexes' shortest way.
    bool readsEveryRow = false;
    bool isEmpty() const { return sql.isEmpty(); }
};

// The order of the rows: by the cells of a grid column (1 In/Out .. 6
// Duration, 7 Index, 8 Name), then by those of the columns `thenBy` in turn,
// or start order (column 0). Times compare as dates and times with the calls
// in progress ("-----") after them, durations by their length, phone
// numbers as numbers after the texts ("*****"); equal cells keep start
// order. Descending is the exact reverse.
struct RowOrder {
    int column = 0;
    Qt::SortOrder order = Qt::AscendingOrder;
    QVector<int> thenBy = {};
    QVector<int> columns() const { return QVector<int>{column} + thenBy; }
};

// "ORDER BY ..." of `order` over the rows of Data; `nameSql` is the SQL of a
// call's name (over PhoneNumber), empty when names have no order: then the
// Name column keeps start order.
QString orderBySql(const RowOrder& order, const QString& nameSql = {});

// Creates the sort indexes that are missing, on the store's own
// connection, and takes the planner's figures (a large log takes a while:
// the program does this off its window's thread, see call_log_indexing.h).
bool ensureOrderIndexes(CallLogStore& store);

struct ShownRow {
    ViewRow view;
    bool lost = false;
    bool recording = false;
};

// The number of calls that meet `condition`; -1 when the log cannot be read.
qint64 countRows(CallLogStore& store, const RowCondition& condition);
// `limit` rows from `offset` of the calls that meet `condition`, in `order`.
// `namedSql`, when given, is SQL over Data that every call with a name
// meets (see namedCallsSql()): the order by name reads only those calls.
QVector<ShownRow> shownRows(CallLogStore& store, const RowCondition& condition,
                            const RowOrder& order, const QString& nameSql, qint64 limit,
                            qint64 offset, const QString& namedSql = {});

// The SQL of shownRows() and its values, but for the last two: the limit
// and the offset.
QString shownRowsSql(const RowCondition& condition, const RowOrder& order, const QString& nameSql,
                     QVariantList& values, const QString& namedSql = {});

// The number of calls that meet `condition` (-1 when the log cannot be
// read) and, from the same single pass over the log, the Index of the
// first `limit` of them in start order, in that order.
qint64 countWithFirstInStartOrder(CallLogStore& store, const RowCondition& condition, int limit,
                                  QVector<qint64>& first);
// The rows of the calls `indexes`, in start order.
QVector<ShownRow> shownRowsOf(CallLogStore& store, const QVector<qint64>& indexes);

// Runs `sql` with its "?" values bound in order on `query`.
bool runBound(QSqlQuery& query, const QString& sql, const QVariantList& values);

// The rows of Data that meet `condition`, with the call's duration in
// seconds as `d`: "(SELECT *, <duration> AS d FROM Data WHERE ...)".
QString conditionedRowsSql(const RowCondition& condition);

} // namespace ql310::calllog
