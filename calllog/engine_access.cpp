// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_access.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

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

} // namespace ql310::calllog
