// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_statistics.h"

#include "engine_access.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ql310::calllog {

namespace {

// One pass over the calls, straight through SQLite: the figures are summed
// here rather than in grouped queries. Each call's length is worked out
// here from its four date and time texts (see Duration).
const char* const kColumns =
    "SELECT StartDate, StartTime, EndDate, EndTime, Port, InOut, Lost, PhoneNumber FROM Data";
enum Column { StartDate, StartTime, EndDate, EndTime, Port, InOut, Lost, PhoneNumber };

// The engine's own reckoning, for the texts the quick path leaves alone.
const char* const kDurationOf =
    "SELECT MAX(unixepoch(?3 || ' ' || ?4) - unixepoch(?1 || ' ' || ?2), 0)";

std::string_view textOf(sqlite3_stmt* statement, int column)
{
    // One call into the statement, then the value's own text and length.
    sqlite3_value* value = sqlite3_column_value(statement, column);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

struct Totals {
    qint64 calls = 0;
    qint64 seconds = 0;
    qint64 talks = 0; // the calls that were not lost

    // One more call; a lost call comes with no talk time.
    void count(qint64 seconds, bool lost)
    {
        calls += 1;
        this->seconds += seconds;
        talks += !lost;
    }

    void add(const Totals& other)
    {
        calls += other.calls;
        seconds += other.seconds;
        talks += other.talks;
    }
};

// The temporary files that totals spill into when their table is full:
// kParts of them, made at the first spill, each number always going to
// the same one by its hash; gone when closed.
class SpillFiles {
public:
    static constexpr size_t kParts = 64;

    SpillFiles() = default;
    ~SpillFiles()
    {
        for (std::FILE* part : m_parts)
            std::fclose(part);
    }
    SpillFiles(const SpillFiles&) = delete;
    SpillFiles& operator=(const SpillFiles&) = delete;

    bool empty() const { return m_parts.empty(); }
    // Makes the files at the first call; false when one cannot be made.
    bool open()
    {
        while (m_parts.size() < kParts) {
            std::FILE* part = std::tmpfile();
            if (!part)
                return false;
            m_parts.push_back(part);
        }
        return true;
    }
    std::FILE* partOf(size_t hash) const { return m_parts[hash % kParts]; }
    auto begin() const { return m_parts.begin(); }
    auto end() const { return m_parts.end(); }

private:
    std::vector<std::FILE*> m_parts;
};

// The totals of each number, in one flat table: the numbers' texts one
// after another in one string, open addressing over their entries. A log
// with a million numbers makes neither a million allocations nor a million
// frees.
class NumberTable {
public:
    NumberTable() : m_slots(1024, 0) {}

    Totals& operator[](std::string_view number)
    {
        const size_t hash = std::hash<std::string_view>()(number);
        size_t mask = m_slots.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const quint32 slot = m_slots[at];
            if (slot == 0)
                break;
            Entry& e = m_entries[slot - 1];
            if (e.hash == hash && textOf(e) == number)
                return e.totals;
        }
        if ((m_entries.size() + 1) * 2 > m_slots.size()) {
            grow();
            mask = m_slots.size() - 1;
        }
        m_entries.push_back({hash, m_text.size(), number.size(), Totals()});
        m_text.append(number);
        size_t at = hash & mask;
        while (m_slots[at] != 0)
            at = (at + 1) & mask;
        m_slots[at] = quint32(m_entries.size());
        return m_entries.back().totals;
    }

    template<class F>
    void forEach(F f) const
    {
        for (const Entry& e : m_entries)
            f(textOf(e), e.totals, e.hash);
    }
    size_t size() const { return m_entries.size(); }
    // Empty again, keeping its room.
    void clear()
    {
        m_text.clear();
        m_entries.clear();
        std::fill(m_slots.begin(), m_slots.end(), 0);
    }

private:
    struct Entry {
        size_t hash;
        size_t offset;
        size_t size;
        Totals totals;
    };
    std::string_view textOf(const Entry& e) const
    {
        return std::string_view(m_text).substr(e.offset, e.size);
    }
    void grow()
    {
        std::vector<quint32> table(m_slots.size() * 2, 0);
        const size_t mask = table.size() - 1;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            size_t at = m_entries[i].hash & mask;
            while (table[at] != 0)
                at = (at + 1) & mask;
            table[at] = quint32(i + 1);
        }
        m_slots.swap(table);
    }
    std::string m_text;
    std::vector<Entry> m_entries;
    std::vector<quint32> m_slots; // an entry's place plus one, 0 when free
};

// The totals of numbers in bounded memory: when the table holds `limit`
// numbers, their totals go to temporary files, each number always to the
// same one of kParts (by its hash), and the table starts empty; in the end
// each file's totals are summed in a table of their own.
class TextTotals {
public:
    explicit TextTotals(size_t limit) : m_limit(limit) {}

    // False when a temporary file cannot be written.
    bool add(std::string_view number, qint64 seconds, bool lost)
    {
        m_table[number].count(seconds, lost);
        return m_table.size() < m_limit || spill();
    }

    // Runs `f(number, totals)` once for each number; false when a
    // temporary file cannot be read.
    template<class F>
    bool forEach(F f)
    {
        auto each = [&f](std::string_view number, const Totals& totals, size_t) { f(number, totals); };
        if (m_parts.empty()) {
            m_table.forEach(each);
            return true;
        }
        if (!spill())
            return false;
        for (std::FILE* part : m_parts) {
            std::rewind(part);
            NumberTable sums; // a part's numbers only: a small table
            std::string number;
            for (;;) {
                unsigned char size = 0;
                Totals totals;
                if (std::fread(&size, 1, 1, part) != 1)
                    break;
                number.resize(size);
                if (std::fread(number.data(), 1, size, part) != size ||
                    std::fread(&totals, sizeof totals, 1, part) != 1)
                    return false;
                sums[number].add(totals);
            }
            if (std::ferror(part))
                return false;
            sums.forEach(each);
        }
        return true;
    }

private:
    bool spill()
    {
        if (!m_parts.open())
            return false;
        bool ok = true;
        m_table.forEach([&](std::string_view number, const Totals& totals, size_t hash) {
            std::FILE* part = m_parts.partOf(hash >> 24);
            // Numbers are at most 26 characters; a longer text is cut.
            const unsigned char size = static_cast<unsigned char>(std::min<size_t>(number.size(), 255));
            ok = ok && std::fwrite(&size, 1, 1, part) == 1 &&
                 std::fwrite(number.data(), 1, size, part) == size &&
                 std::fwrite(&totals, sizeof totals, 1, part) == 1;
        });
        m_table.clear();
        return ok;
    }

    size_t m_limit;
    NumberTable m_table;
    SpillFiles m_parts;
};

// The totals of the numbers of digits only (nearly all), keyed by the
// number packed into 64 bits: its digits as a value below 10^18 and its
// length above them, so that "0301" and "301" differ. One slot holds the key
// and the totals, so a look-up touches one cache line. 0 is no key.
class PackedTable {
public:
    struct Slot {
        quint64 key = 0;
        Totals totals;
    };
    static constexpr size_t kMaxDigits = 18;

    static quint64 keyOf(std::string_view number)
    {
        if (number.empty() || number.size() > kMaxDigits)
            return 0;
        quint64 value = 0;
        for (const char c : number) {
            if (c < '0' || c > '9')
                return 0;
            value = value * 10 + quint64(c - '0');
        }
        return quint64(number.size()) << 60 | value;
    }
    // The number of `key` in `buffer` (at least kMaxDigits long).
    static std::string_view numberOf(quint64 key, char* buffer)
    {
        const size_t size = size_t(key >> 60);
        quint64 value = key & ((quint64(1) << 60) - 1);
        for (size_t i = size; i-- > 0; value /= 10)
            buffer[i] = char('0' + value % 10);
        return std::string_view(buffer, size);
    }
    // The part a key is spilled to (of 256, taken modulo the files): the
    // top bits of another mix than the table's.
    static size_t partOf(quint64 key) { return size_t((key * 0xC2B2AE3D27D4EB4Full) >> 56); }

    PackedTable() : m_slots(1024) {}
    Totals& operator[](quint64 key)
    {
        if ((m_size + 1) * 2 > m_slots.size())
            grow();
        Slot& slot = find(m_slots, key);
        if (slot.key == 0) {
            slot.key = key;
            ++m_size;
        }
        return slot.totals;
    }
    size_t size() const { return m_size; }
    template<class F>
    void forEach(F f) const
    {
        for (const Slot& slot : m_slots)
            if (slot.key != 0)
                f(slot);
    }
    void clear()
    {
        std::fill(m_slots.begin(), m_slots.end(), Slot());
        m_size = 0;
    }

private:
    // The key's slot: the top bits of its Fibonacci mix, then the next free.
    static Slot& find(std::vector<Slot>& table, quint64 key)
    {
        const size_t mask = table.size() - 1;
        const int shift = 64 - std::countr_zero(table.size());
        for (size_t at = size_t((key * 0x9E3779B97F4A7C15ull) >> shift);; at = (at + 1) & mask)
            if (table[at].key == key || table[at].key == 0)
                return table[at];
    }
    void grow()
    {
        std::vector<Slot> table(m_slots.size() * 2);
        for (const Slot& slot : m_slots)
            if (slot.key != 0)
                find(table, slot.key) = slot;
        m_slots.swap(table);
    }
    std::vector<Slot> m_slots;
    size_t m_size = 0;
};

// The totals of every number in bounded memory: numbers of digits only in
// a PackedTable, others in a NumberTable, each spilled (as in TextTotals) to
// temporary files by its hash when the table is full, and summed file by
// file in the end.
class NumberTotals {
public:
    explicit NumberTotals(size_t limit) : m_limit(limit), m_texts(limit) {}

    bool add(std::string_view number, qint64 seconds, bool lost)
    {
        const quint64 key = PackedTable::keyOf(number);
        if (key == 0)
            return m_texts.add(number, seconds, lost);
        m_table[key].count(seconds, lost);
        return m_table.size() < m_limit || spill();
    }

    template<class F>
    bool forEach(F f)
    {
        char buffer[PackedTable::kMaxDigits];
        auto each = [&](const PackedTable::Slot& slot) {
            f(PackedTable::numberOf(slot.key, buffer), slot.totals);
        };
        if (!m_parts.empty()) {
            if (!spill())
                return false;
            PackedTable sums; // a part's numbers only, one part after another
            for (std::FILE* part : m_parts) {
                std::rewind(part);
                PackedTable::Slot buffer[1024];
                while (const size_t read = std::fread(buffer, sizeof buffer[0], std::size(buffer), part))
                    for (size_t i = 0; i < read; ++i)
                        sums[buffer[i].key].add(buffer[i].totals);
                if (std::ferror(part))
                    return false;
                sums.forEach(each);
                sums.clear();
            }
        } else {
            m_table.forEach(each);
        }
        return m_texts.forEach(f);
    }

private:
    bool spill()
    {
        if (!m_parts.open())
            return false;
        // Gathered by part, each written with one call.
        m_byPart.resize(SpillFiles::kParts);
        m_table.forEach([&](const PackedTable::Slot& slot) {
            m_byPart[PackedTable::partOf(slot.key) % SpillFiles::kParts].push_back(slot);
        });
        m_table.clear();
        bool ok = true;
        for (size_t i = 0; i < m_byPart.size(); ++i) {
            std::vector<PackedTable::Slot>& gathered = m_byPart[i];
            // A part with nothing gathered has no buffer to hand to fwrite.
            ok = ok && (gathered.empty() ||
                        std::fwrite(gathered.data(), sizeof(PackedTable::Slot), gathered.size(),
                                    m_parts.partOf(i)) == gathered.size());
            gathered.clear();
        }
        return ok;
    }

    size_t m_limit;
    PackedTable m_table;
    std::vector<std::vector<PackedTable::Slot>> m_byPart;
    SpillFiles m_parts;
    TextTotals m_texts;
};

// The ten numbers first by calls (bySeconds false) or by talk time, ties
// by number; kept as a short sorted list while the totals pass by.
class TopTen {
public:
    explicit TopTen(bool bySeconds) : m_bySeconds(bySeconds) {}
    void offer(std::string_view number, const Totals& totals)
    {
        // A number whose calls were all lost never talked.
        if (m_bySeconds && totals.talks == 0)
            return;
        if (m_list.size() == kTopNumbers && !before(number, totals, m_list.back()))
            return;
        auto at = std::find_if(m_list.begin(), m_list.end(), [&](const Entry& e) {
            return before(number, totals, e);
        });
        m_list.insert(at, Entry{std::string(number), totals});
        if (m_list.size() > kTopNumbers)
            m_list.pop_back();
    }
    QVector<NumberFigures> figures() const
    {
        QVector<NumberFigures> out;
        for (const Entry& e : m_list)
            out.push_back({QString::fromUtf8(e.number.data(), qsizetype(e.number.size())),
                           e.totals.calls, e.totals.seconds});
        return out;
    }

private:
    struct Entry {
        std::string number;
        Totals totals;
    };
    bool before(std::string_view number, const Totals& totals, const Entry& e) const
    {
        const qint64 x = m_bySeconds ? totals.seconds : totals.calls;
        const qint64 y = m_bySeconds ? e.totals.seconds : e.totals.calls;
        return x != y ? x > y : number < e.number;
    }
    bool m_bySeconds;
    std::vector<Entry> m_list;
};

// The two digits at `at` of `text`, or -1.
int twoDigits(std::string_view text, size_t at)
{
    const unsigned a = unsigned(text[at] - '0'), b = unsigned(text[at + 1] - '0');
    return a <= 9 && b <= 9 ? int(a * 10 + b) : -1;
}

// The days from 1 January 1970 to a real date "YYYY-MM-DD" of the years 1
// to 9999, or nothing for any other text.
std::optional<qint64> dayNumber(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const int high = twoDigits(text, 0), low = twoDigits(text, 2);
    const int month = twoDigits(text, 5), day = twoDigits(text, 8);
    if (high < 0 || low < 0 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const qint64 year = high * 100 + low;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    static const int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || day > kLength[month - 1] + (month == 2 && leap))
        return std::nullopt;
    // Days from civil: years begin in March, eras are 400 years.
    const qint64 y = year - (month <= 2);
    const qint64 era = y / 400;
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The seconds since midnight of a time "HH:MM:SS" of one day, or nothing.
std::optional<qint64> secondOfDay(std::string_view text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    const int h = twoDigits(text, 0), m = twoDigits(text, 3), s = twoDigits(text, 6);
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

// A call's length in whole seconds, never below zero, as the engine's
// unixepoch() gives it: worked out here for the texts the log holds, and
// by the engine itself for any other value. Calls follow each other mostly
// within a day, so the last dates read are kept.
class Duration {
public:
    explicit Duration(sqlite3* db) : m_db(db) {}
    ~Duration() { sqlite3_finalize(m_engine); }
    Duration(const Duration&) = delete;
    Duration& operator=(const Duration&) = delete;

    // False when the engine fails.
    // (A number's text never reads as a date or a time of day, so any value
    // that does is read by the engine the same way: as that text.)
    bool of(sqlite3_stmt* row, qint64& seconds)
    {
        const std::optional<qint64> startDay = m_start.of(textOf(row, StartDate));
        const std::optional<qint64> endDay = m_end.of(textOf(row, EndDate));
        const std::optional<qint64> start = secondOfDay(textOf(row, StartTime));
        const std::optional<qint64> end = secondOfDay(textOf(row, EndTime));
        if (startDay && endDay && start && end) {
            seconds = std::max<qint64>((*endDay - *startDay) * 86400 + *end - *start, 0);
            return true;
        }
        return byEngine(row, seconds);
    }

private:
    struct LastDay {
        std::string text;
        std::optional<qint64> number;
        bool read = false;
        std::optional<qint64> of(std::string_view day)
        {
            if (!read || day != text) {
                text = day;
                number = dayNumber(day);
                read = true;
            }
            return number;
        }
    };
    bool byEngine(sqlite3_stmt* row, qint64& seconds)
    {
        if (!m_engine && sqlite3_prepare_v2(m_db, kDurationOf, -1, &m_engine, nullptr) != SQLITE_OK)
            return false;
        sqlite3_reset(m_engine);
        for (int column : {StartDate, StartTime, EndDate, EndTime})
            if (sqlite3_bind_value(m_engine, column + 1, sqlite3_column_value(row, column)) !=
                SQLITE_OK)
                return false;
        if (sqlite3_step(m_engine) != SQLITE_ROW)
            return false;
        seconds = sqlite3_column_int64(m_engine, 0);
        return true;
    }
    sqlite3* m_db;
    sqlite3_stmt* m_engine = nullptr;
    LastDay m_start, m_end;
};

} // namespace

std::optional<qint64> callLength(std::string_view startDate, std::string_view startTime,
                                 std::string_view endDate, std::string_view endTime)
{
    const std::optional<qint64> startDay = dayNumber(startDate), endDay = dayNumber(endDate);
    const std::optional<qint64> start = secondOfDay(startTime), end = secondOfDay(endTime);
    if (!startDay || !endDay || !start || !end)
        return std::nullopt;
    return (*endDay - *startDay) * 86400 + *end - *start;
}

bool callStatistics(CallLogStore& store, const RowCondition& condition, CallStatistics& out,
                    size_t numbersInMemory)
{
    out = CallStatistics();
    sqlite3* db = engineHandle(store.logDatabase());
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
    NumberTotals numbers(std::max<size_t>(numbersInMemory, 1));
    Duration duration(db);
    // Calls come mostly in start order: the day and port of the last call
    // are most often those of the next.
    std::string lastDay, lastPort;
    DayFigures* day = nullptr;
    PortFigures* port = nullptr;
    int step = SQLITE_DONE;
    if (bindValues(statement, condition.values)) {
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            const bool outgoing = sqlite3_column_int(statement, InOut) != 0;
            const bool lost = sqlite3_column_int(statement, Lost) != 0;
            // A lost call's end is the moment of the fetch that missed it:
            // it adds no talk time.
            qint64 seconds = 0;
            if (!lost && !duration.of(statement, seconds)) {
                step = SQLITE_ERROR;
                break;
            }
            const std::string_view dayText = textOf(statement, StartDate);
            if (!day || dayText != lastDay) {
                lastDay = dayText;
                day = &days[lastDay];
            }
            (outgoing ? day->outgoing : day->incoming) += 1;
            day->lost += lost;
            const std::string_view portText = textOf(statement, Port);
            if (!port || portText != lastPort) {
                lastPort = portText;
                port = &ports[lastPort];
            }
            port->calls += 1;
            port->seconds += seconds;
            if (!numbers.add(textOf(statement, PhoneNumber), seconds, lost)) {
                step = SQLITE_ERROR;
                break;
            }
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
    const bool summed = numbers.forEach([&](std::string_view number, const Totals& totals) {
        mostCalls.offer(number, totals);
        longestTalk.offer(number, totals);
    });
    if (!summed) {
        out = CallStatistics();
        return false;
    }
    out.mostCalls = mostCalls.figures();
    out.longestTalk = longestTalk.figures();
    return true;
}

} // namespace ql310::calllog
