#include "call_statistics.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>

namespace ql310::calllog {

namespace {

// One pass over the calls, straight through SQLite: the figures are summed
// here rather than in three grouped queries, which would each compute every
// call's duration and sort the log by number.
const char* const kColumns =
    "SELECT StartDate, Port, InOut, Lost, PhoneNumber, "
    "MAX(unixepoch(EndDate || ' ' || EndTime) - unixepoch(StartDate || ' ' || StartTime), 0) "
    "FROM Data";

sqlite3* handleOf(const QSqlDatabase& db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

bool bind(sqlite3_stmt* statement, const QVariantList& values)
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

std::string textOf(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, size_t(sqlite3_column_bytes(statement, column))) : std::string();
}

struct Totals {
    qint64 calls = 0;
    qint64 seconds = 0;
};

QVector<NumberFigures> topTen(const std::unordered_map<std::string, Totals>& numbers,
                              bool bySeconds)
{
    using Entry = std::pair<const std::string*, Totals>;
    std::vector<Entry> all;
    all.reserve(numbers.size());
    for (const auto& [number, totals] : numbers)
        all.emplace_back(&number, totals);
    auto before = [bySeconds](const Entry& a, const Entry& b) {
        const qint64 x = bySeconds ? a.second.seconds : a.second.calls;
        const qint64 y = bySeconds ? b.second.seconds : b.second.calls;
        return x != y ? x > y : *a.first < *b.first;
    };
    const size_t count = std::min<size_t>(all.size(), kTopNumbers);
    std::partial_sort(all.begin(), all.begin() + qsizetype(count), all.end(), before);
    QVector<NumberFigures> top;
    for (size_t i = 0; i < count; ++i)
        top.push_back({QString::fromStdString(*all[i].first), all[i].second.calls,
                       all[i].second.seconds});
    return top;
}

} // namespace

bool callStatistics(CallLogStore& store, const RowCondition& condition, CallStatistics& out)
{
    out = CallStatistics();
    sqlite3* db = handleOf(store.logDatabase());
    if (!db)
        return false;
    QByteArray sql = kColumns;
    if (!condition.isEmpty())
        sql += " WHERE (" + condition.sql.toUtf8() + ")";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return false;
    std::map<std::string, DayFigures> days;
    std::map<std::string, PortFigures> ports;
    std::unordered_map<std::string, Totals> numbers;
    int step = SQLITE_DONE;
    if (bind(statement, condition.values)) {
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            const bool outgoing = sqlite3_column_int(statement, 2) != 0;
            const bool lost = sqlite3_column_int(statement, 3) != 0;
            const qint64 seconds = sqlite3_column_int64(statement, 5);
            DayFigures& day = days[textOf(statement, 0)];
            (outgoing ? day.outgoing : day.incoming) += 1;
            day.lost += lost;
            PortFigures& port = ports[textOf(statement, 1)];
            port.calls += 1;
            port.seconds += seconds;
            Totals& number = numbers[textOf(statement, 4)];
            number.calls += 1;
            number.seconds += seconds;
            out.calls += 1;
            out.lost += lost;
            out.seconds += seconds;
        }
    } else {
        step = SQLITE_ERROR;
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) {
        out = CallStatistics();
        return false;
    }
    for (auto& [text, day] : days) {
        day.day = QDate::fromString(QString::fromStdString(text), Qt::ISODate);
        out.days.push_back(day);
    }
    for (auto& [text, port] : ports) {
        port.port = QString::fromStdString(text);
        out.ports.push_back(port);
    }
    out.mostCalls = topTen(numbers, false);
    out.longestTalk = topTen(numbers, true);
    return true;
}

} // namespace ql310::calllog
