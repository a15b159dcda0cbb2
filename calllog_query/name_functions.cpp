// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_functions.h"

#include "call_log_store.h"
#include "phone_book_names.h"

#include <QSqlDriver>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

#include <string_view>

namespace ql310::calllog {

namespace {

using Names = std::shared_ptr<const numbers::PhoneBookNames>;

const numbers::PhoneBookNames* namesOf(sqlite3_context* context)
{
    return static_cast<Names*>(sqlite3_user_data(context))->get();
}

std::string_view numberOf(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

void entryFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    const numbers::PhoneBookNames* names = namesOf(context);
    const int entry = names ? names->entryOf(numberOf(args[0])) : -1;
    if (entry < 0)
        sqlite3_result_null(context);
    else
        sqlite3_result_int(context, entry);
}

void nameFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    const numbers::PhoneBookNames* names = namesOf(context);
    if (!names) {
        sqlite3_result_text(context, "", 0, SQLITE_STATIC);
        return;
    }
    const std::string& name = names->nameOf(numberOf(args[0]));
    // The names live as long as the function's phone book.
    sqlite3_result_text(context, name.c_str(), int(name.size()), SQLITE_STATIC);
}

void release(void* data)
{
    delete static_cast<Names*>(data);
}

} // namespace

QString namedCallsSql(const numbers::PhoneBookNames& names)
{
    // A number of digits ends in its last six characters; a shorter tail
    // (an entry of fewer digits) stands for every six characters, and every
    // shorter number, that end in it.
    constexpr int kTail = 6;
    constexpr size_t kShortestTail = 3;
    QStringList keys;
    for (const std::string& tail : names.tails()) {
        if (tail.size() < kShortestTail)
            return {};
        const QString digits = QString::fromStdString(tail);
        for (int length = 0, count = 1; length <= kTail - int(tail.size()); ++length, count *= 10)
            for (int before = 0; before < count; ++before)
                keys << "'" + (length ? QString::number(before).rightJustified(length, u'0') : QString()) +
                            digits + "'";
    }
    const QString otherSigns = "(" + CallLogStore::numberKindSql() + " = 0 AND CAST(PhoneNumber AS REAL) ";
    return (keys.isEmpty() ? QStringLiteral("0") : "substr(PhoneNumber, -6) IN (" + keys.join(", ") + ")") +
           " OR " + otherSigns + "= 0 AND PhoneNumber > '') OR " + otherSigns + "> 0) OR " +
           otherSigns + "< 0)";
}

bool registerNameFunctions(const QSqlDatabase& db, Names names)
{
    if (!db.isOpen() || !db.driver())
        return false;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.data());
    if (!connection)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    const int entry = sqlite3_create_function_v2(connection, "ql310_entry", 1, flags,
                                                 new Names(names), entryFunction, nullptr,
                                                 nullptr, release);
    const int name = sqlite3_create_function_v2(connection, "ql310_name", 1, flags,
                                                new Names(std::move(names)), nameFunction,
                                                nullptr, nullptr, release);
    return entry == SQLITE_OK && name == SQLITE_OK;
}

} // namespace ql310::calllog
