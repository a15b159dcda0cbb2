// SPDX-License-Identifier: GPL-3.0-or-later
// The store's passes over the log and its SQL functions, straight through
// the engine behind Qt's SQLite driver.
#include "engine_access.h"

#include "call_duration.h"
#include "call_log_store.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <memory>

namespace ql310::calllog {

sqlite3* engineHandle(const QSqlDatabase& db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

bool bindValues(sqlite3_stmt* statement, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values[i];
        int result;
        if (value.typeId() == QMetaType::QString) {
            const QByteArray text = value.toString().toUtf8();
            result = sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()),
                                       SQLITE_TRANSIENT);
        } else {
            result = sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        }
        if (result != SQLITE_OK)
            return false;
    }
    return true;
}

// What one pass keeps beside its rows: the last days of the C++ reckoning
// of durations, and the engine's reckoning for any other text.
struct RowView::Pass {
    explicit Pass(sqlite3* db) : db(db) {}
    ~Pass() { sqlite3_finalize(duration); }
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

    // kDurationSql of the values of the row's four columns from `first` on.
    std::optional<qint64> byEngine(sqlite3_stmt* row, int first)
    {
        if (!duration) {
            const QByteArray sql = "SELECT " + CallLogStore::durationSql()
                                                   .replace("StartDate", "?1")
                                                   .replace("StartTime", "?2")
                                                   .replace("EndDate", "?3")
                                                   .replace("EndTime", "?4")
                                                   .toUtf8();
            if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &duration, nullptr) != SQLITE_OK)
                return std::nullopt;
        }
        sqlite3_reset(duration);
        for (int i = 0; i < 4; ++i)
            if (sqlite3_bind_value(duration, i + 1, sqlite3_column_value(row, first + i)) != SQLITE_OK)
                return std::nullopt;
        if (sqlite3_step(duration) != SQLITE_ROW)
            return std::nullopt;
        return sqlite3_column_int64(duration, 0);
    }

    sqlite3* db;
    sqlite3_stmt* duration = nullptr;
    CallDurations durations;
};

std::string_view RowView::text(int column) const
{
    // One call into the statement, then the value's own text and length.
    sqlite3_value* value = sqlite3_column_value(m_row, column);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

qint64 RowView::integer(int column) const { return sqlite3_column_int64(m_row, column); }

std::optional<qint64> RowView::duration(int startDate) const
{
    // A number's text never reads as a date or a time of day, so any value
    // that does is read by the engine the same way: as that text.
    const std::optional<qint64> seconds = m_pass->durations.of(
        text(startDate), text(startDate + 1), text(startDate + 2), text(startDate + 3));
    return seconds ? seconds : m_pass->byEngine(m_row, startDate);
}

bool CallLogStore::forEachRow(const QString& sql, const QVariantList& values,
                              const std::function<bool(const RowView&)>& visit)
{
    sqlite3* db = engineHandle(logDb());
    if (!db)
        return false;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
        return false;
    RowView::Pass pass(db);
    const RowView row(statement, pass);
    int step = SQLITE_ERROR;
    if (bindValues(statement, values)) {
        while ((step = sqlite3_step(statement)) == SQLITE_ROW)
            if (!visit(row)) {
                step = SQLITE_DONE;
                break;
            }
    }
    sqlite3_finalize(statement);
    return step == SQLITE_DONE;
}

namespace {

std::string_view argumentOf(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

template<class Function>
Function& functionOf(sqlite3_context* context)
{
    return *static_cast<Function*>(sqlite3_user_data(context));
}

void callNumberFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    const std::optional<qint64> result =
        functionOf<CallLogStore::NumberFunction>(context)(argumentOf(args[0]));
    if (result)
        sqlite3_result_int64(context, *result);
    else
        sqlite3_result_null(context);
}

void callTextFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    const std::string_view result = functionOf<CallLogStore::TextFunction>(context)(argumentOf(args[0]));
    // The text lives as long as the function.
    sqlite3_result_text(context, result.empty() ? "" : result.data(), int(result.size()), SQLITE_STATIC);
}

template<class Function>
void release(void* function)
{
    delete static_cast<Function*>(function);
}

template<class Function>
bool addFunction(sqlite3* db, const char* name, Function function,
                 void (*call)(sqlite3_context*, int, sqlite3_value**))
{
    if (!db)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    // The engine owns the function from here on, and frees it when it is
    // replaced or the connection closes (also when it cannot be added).
    return sqlite3_create_function_v2(db, name, 1, flags, new Function(std::move(function)), call,
                                      nullptr, nullptr, release<Function>) == SQLITE_OK;
}

} // namespace

bool CallLogStore::addNumberFunction(const char* name, NumberFunction function)
{
    return addFunction(engineHandle(logDb()), name, std::move(function), callNumberFunction);
}

bool CallLogStore::addTextFunction(const char* name, TextFunction function)
{
    return addFunction(engineHandle(logDb()), name, std::move(function), callTextFunction);
}

} // namespace ql310::calllog
