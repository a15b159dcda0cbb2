// SPDX-License-Identifier: GPL-3.0-or-later
// The engine behind Qt's SQLite driver, for the store's passes over the
// whole log (CallLogStore::forEachRow(), the shown rows' first screen) that
// read rows straight from it. For calllog/ alone: nothing else speaks to
// SQLite itself.
#pragma once

#include <QVariantList>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

namespace ql310::calllog {

// The open database's engine handle; null when it is closed or not SQLite.
sqlite3* engineHandle(const QSqlDatabase& db);

// Binds `values` to parameters 1..n of `statement`: texts as UTF-8, any
// other value as a whole number. False when the engine refused one.
bool bindValues(sqlite3_stmt* statement, const QVariantList& values);

} // namespace ql310::calllog
