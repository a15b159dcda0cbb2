// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_statistics.h"

#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ql310::calllog {

namespace {

// One pass over the calls through the store: the figures are summed here
// rather than in grouped queries, each call's duration worked out from its
// four date and time texts.
const char* const kColumns =
    "SELECT StartDate, StartTime, EndDate, EndTime, Port, InOut, Lost, PhoneNumber FROM Data";
enum Column { StartDate, StartTime, EndDate, EndTime, Port, InOut, Lost, PhoneNumber };

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

// Texts looked up as views, without making a string of each.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};
using TextTable = std::unordered_map<std::string, Totals, TextHash, std::equal_to<>>;

Totals& totalsOf(TextTable& table, std::string_view number)
{
    const auto found = table.find(number);
    return found != table.end() ? found->second : table.emplace(number, Totals()).first->second;
}

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
        totalsOf(m_table, number).count(seconds, lost);
        return m_table.size() < m_limit || spill();
    }

    // Runs `f(number, totals)` once for each number; false when a
    // temporary file cannot be read.
    template<class F>
    bool forEach(F f)
    {
        auto each = [&f](const TextTable& table) {
            for (const auto& [number, totals] : table)
                f(std::string_view(number), totals);
        };
        if (m_parts.empty()) {
            each(m_table);
            return true;
        }
        if (!spill())
            return false;
        for (std::FILE* part : m_parts) {
            std::rewind(part);
            TextTable sums; // a part's numbers only: a small table
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
                totalsOf(sums, number).add(totals);
            }
            if (std::ferror(part))
                return false;
            each(sums);
        }
        return true;
    }

private:
    bool spill()
    {
        if (!m_parts.open())
            return false;
        bool ok = true;
        for (const auto& [number, totals] : m_table) {
            std::FILE* part = m_parts.partOf(TextHash()(number) >> 24);
            // Numbers are at most 26 characters; a longer text is cut.
            const unsigned char size = static_cast<unsigned char>(std::min<size_t>(number.size(), 255));
            ok = ok && std::fwrite(&size, 1, 1, part) == 1 &&
                 std::fwrite(number.data(), 1, size, part) == size &&
                 std::fwrite(&totals, sizeof totals, 1, part) == 1;
        }
        m_table.clear();
        return ok;
    }

    size_t m_limit;
    TextTable m_table;
    SpillFiles m_parts;
};

// The numbers of digits only (nearly all) packed into 64 bits: the digits
// as a value below 10^18 and the length above them, so that "0301" and "301"
// differ. 0 is no key.
namespace packed {

constexpr size_t kMaxDigits = 18;

quint64 keyOf(std::string_view number)
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
std::string_view numberOf(quint64 key, char* buffer)
{
    const size_t size = size_t(key >> 60);
    quint64 value = key & ((quint64(1) << 60) - 1);
    for (size_t i = size; i-- > 0; value /= 10)
        buffer[i] = char('0' + value % 10);
    return std::string_view(buffer, size);
}

// The part a key is spilled to (of 256, taken modulo the files): the top
// bits of a mix of the key.
size_t partOf(quint64 key) { return size_t((key * 0xC2B2AE3D27D4EB4Full) >> 56); }

// A key and its totals as they are spilled.
struct Entry {
    quint64 key = 0;
    Totals totals;
};

// The totals of packed keys, their entries and buckets taken from one
// block of memory that emptying gives back whole: a log of a million
// numbers makes neither a million allocations nor a million frees.
class Table {
public:
    using Map = std::pmr::unordered_map<quint64, Totals>;

    // Room for `size` keys before the block grows.
    explicit Table(size_t size)
        : m_block(size * kBytesPerKey), m_memory(m_block.data(), m_block.size()), m_size(size)
    {
        clear();
    }
    Totals& operator[](quint64 key) { return (*m_map)[key]; }
    size_t size() const { return m_map->size(); }
    auto begin() const { return m_map->begin(); }
    auto end() const { return m_map->end(); }
    void clear()
    {
        m_map.reset();
        m_memory.release();
        m_map.emplace(&m_memory);
        m_map->reserve(m_size);
    }

private:
    // An entry and its share of the buckets, with room to spare.
    static constexpr size_t kBytesPerKey = 64;
    std::vector<std::byte> m_block;
    std::pmr::monotonic_buffer_resource m_memory;
    std::optional<Map> m_map;
    size_t m_size;
};

} // namespace packed

// The totals of every number in bounded memory: numbers of digits only in
// a PackedTable, others in a NumberTable, each spilled (as in TextTotals) to
// temporary files by its hash when the table is full, and summed file by
// file in the end.
class NumberTotals {
public:
    explicit NumberTotals(size_t limit) : m_limit(limit), m_table(limit), m_texts(limit) {}

    bool add(std::string_view number, qint64 seconds, bool lost)
    {
        const quint64 key = packed::keyOf(number);
        if (key == 0)
            return m_texts.add(number, seconds, lost);
        m_table[key].count(seconds, lost);
        return m_table.size() < m_limit || spill();
    }

    template<class F>
    bool forEach(F f)
    {
        char buffer[packed::kMaxDigits];
        auto each = [&](const packed::Table& table) {
            for (const auto& [key, totals] : table)
                f(packed::numberOf(key, buffer), totals);
        };
        if (!m_parts.empty()) {
            if (!spill())
                return false;
            // A part's numbers only, one part after another.
            packed::Table sums(m_limit);
            for (std::FILE* part : m_parts) {
                std::rewind(part);
                packed::Entry buffer[1024];
                while (const size_t read = std::fread(buffer, sizeof buffer[0], std::size(buffer), part))
                    for (size_t i = 0; i < read; ++i)
                        sums[buffer[i].key].add(buffer[i].totals);
                if (std::ferror(part))
                    return false;
                each(sums);
                sums.clear();
            }
        } else {
            each(m_table);
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
        for (const auto& [key, totals] : m_table)
            m_byPart[packed::partOf(key) % SpillFiles::kParts].push_back({key, totals});
        m_table.clear();
        bool ok = true;
        for (size_t i = 0; i < m_byPart.size(); ++i) {
            std::vector<packed::Entry>& gathered = m_byPart[i];
            // A part with nothing gathered has no buffer to hand to fwrite.
            ok = ok && (gathered.empty() ||
                        std::fwrite(gathered.data(), sizeof(packed::Entry), gathered.size(),
                                    m_parts.partOf(i)) == gathered.size());
            gathered.clear();
        }
        return ok;
    }

    size_t m_limit;
    packed::Table m_table;
    std::vector<std::vector<packed::Entry>> m_byPart;
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

// The figures of a run of calls, call by call. Calls come mostly in start
// order: the day and port of the last call are most often those of the next.
class Tally {
public:
    explicit Tally(size_t numbersInMemory) : m_numbers(std::max<size_t>(numbersInMemory, 1)) {}

    // False when the call's duration cannot be had or a temporary file not
    // written.
    bool add(const RowView& row)
    {
        const bool outgoing = row.integer(InOut) != 0;
        const bool lost = row.integer(Lost) != 0;
        // A lost call's end is the moment of the fetch that missed it: it
        // adds no talk time; a call never adds less than none.
        qint64 seconds = 0;
        if (!lost) {
            const std::optional<qint64> duration = row.duration(StartDate);
            if (!duration)
                return false;
            seconds = std::max<qint64>(*duration, 0);
        }
        DayFigures& day = dayOf(row.text(StartDate));
        (outgoing ? day.outgoing : day.incoming) += 1;
        day.lost += lost;
        PortFigures& port = portOf(row.text(Port));
        port.calls += 1;
        port.seconds += seconds;
        m_calls.count(seconds, lost);
        return m_numbers.add(row.text(PhoneNumber), seconds, lost);
    }

    // The figures of the calls added; false when a temporary file cannot be
    // read.
    bool finish(CallStatistics& out)
    {
        out.calls = m_calls.calls;
        out.lost = m_calls.calls - m_calls.talks;
        out.seconds = m_calls.seconds;
        for (auto& [text, day] : m_days) {
            day.day = QDate::fromString(QString::fromStdString(text), Qt::ISODate);
            out.days.push_back(day);
        }
        for (auto& [text, port] : m_ports) {
            port.port = QString::fromStdString(text);
            out.ports.push_back(port);
        }
        TopTen mostCalls(false), longestTalk(true);
        const bool summed = m_numbers.forEach([&](std::string_view number, const Totals& totals) {
            mostCalls.offer(number, totals);
            longestTalk.offer(number, totals);
        });
        out.mostCalls = mostCalls.figures();
        out.longestTalk = longestTalk.figures();
        return summed;
    }

private:
    DayFigures& dayOf(std::string_view text)
    {
        if (!m_day || text != m_lastDay) {
            m_lastDay = text;
            m_day = &m_days[m_lastDay];
        }
        return *m_day;
    }
    PortFigures& portOf(std::string_view text)
    {
        if (!m_port || text != m_lastPort) {
            m_lastPort = text;
            m_port = &m_ports[m_lastPort];
        }
        return *m_port;
    }

    Totals m_calls;
    std::map<std::string, DayFigures, std::less<>> m_days;
    std::map<std::string, PortFigures, std::less<>> m_ports;
    NumberTotals m_numbers;
    std::string m_lastDay, m_lastPort;
    DayFigures* m_day = nullptr;
    PortFigures* m_port = nullptr;
};

} // namespace

bool callStatistics(CallLogStore& store, const RowCondition& condition, CallStatistics& out,
                    size_t numbersInMemory)
{
    out = CallStatistics();
    QString sql = kColumns;
    if (!condition.isEmpty())
        sql += " WHERE (" + condition.sql + ")";
    Tally tally(numbersInMemory);
    bool counted = true;
    const bool read = store.forEachRow(sql, condition.values, [&](const RowView& row) {
        return counted = tally.add(row);
    });
    if (!read || !counted || !tally.finish(out)) {
        out = CallStatistics();
        return false;
    }
    return true;
}

} // namespace ql310::calllog
