// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_statistics.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
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

std::string_view textOf(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(statement, column)))
                : std::string_view();
}

struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};

struct Totals {
    qint64 calls = 0;
    qint64 seconds = 0;
};

using NumberMap = std::unordered_map<std::string, Totals, Hash, std::equal_to<>>;

// The ten numbers first by calls (bySeconds false) or by talk time, ties
// by number; kept as a short sorted list while the totals pass by.
class TopTen {
public:
    explicit TopTen(bool bySeconds) : m_bySeconds(bySeconds) {}
    void offer(const std::string& number, const Totals& totals)
    {
        if (m_list.size() == kTopNumbers && !before(number, totals, m_list.back()))
            return;
        auto at = std::find_if(m_list.begin(), m_list.end(), [&](const Entry& e) {
            return before(number, totals, e);
        });
        m_list.insert(at, Entry{&number, totals});
        if (m_list.size() > kTopNumbers)
            m_list.pop_back();
    }
    QVector<NumberFigures> figures() const
    {
        QVector<NumberFigures> out;
        for (const Entry& e : m_list)
            out.push_back({QString::fromStdString(*e.number), e.totals.calls, e.totals.seconds});
        return out;
    }

private:
    struct Entry {
        const std::string* number;
        Totals totals;
    };
    bool before(const std::string& number, const Totals& totals, const Entry& e) const
    {
        const qint64 x = m_bySeconds ? totals.seconds : totals.calls;
        const qint64 y = m_bySeconds ? e.totals.seconds : e.totals.calls;
        return x != y ? x > y : number < *e.number;
    }
    bool m_bySeconds;
    std::vector<Entry> m_list;
};

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
    std::map<std::string, DayFigures, std::less<>> days;
    std::map<std::string, PortFigures, std::less<>> ports;
    NumberMap numbers;
    // Calls come mostly in start order: the day and port of the last call
    // are most often those of the next.
    std::string lastDay, lastPort;
    DayFigures* day = nullptr;
    PortFigures* port = nullptr;
    int step = SQLITE_DONE;
    if (bind(statement, condition.values)) {
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            const bool outgoing = sqlite3_column_int(statement, 2) != 0;
            const bool lost = sqlite3_column_int(statement, 3) != 0;
            const qint64 seconds = sqlite3_column_int64(statement, 5);
            const std::string_view dayText = textOf(statement, 0);
            if (!day || dayText != lastDay) {
                lastDay = dayText;
                day = &days[lastDay];
            }
            (outgoing ? day->outgoing : day->incoming) += 1;
            day->lost += lost;
            const std::string_view portText = textOf(statement, 1);
            if (!port || portText != lastPort) {
                lastPort = portText;
                port = &ports[lastPort];
            }
            port->calls += 1;
            port->seconds += seconds;
            const std::string_view numberText = textOf(statement, 4);
            auto found = numbers.find(numberText);
            if (found == numbers.end())
                found = numbers.emplace(std::string(numberText), Totals()).first;
            Totals& number = found->second;
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
    TopTen mostCalls(false), longestTalk(true);
    for (const auto& [number, totals] : numbers) {
        mostCalls.offer(number, totals);
        longestTalk.offer(number, totals);
    }
    out.mostCalls = mostCalls.figures();
    out.longestTalk = longestTalk.figures();
    return true;
}

} // namespace ql310::calllog
