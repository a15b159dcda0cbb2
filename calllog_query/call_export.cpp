// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_export.h"

#include "call_statistics.h"
#include "engine_access.h"

#include <QDateTime>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace ql310::calllog {

namespace {

const char* const kColumns[] = {"direction", "port",        "number", "start",     "end",
                                "duration",  "lost",        "in progress", "name", "duration_s"};

// A call's texts are UTF-8.
struct Call {
    bool out = false;
    std::string port;
    std::string number;
    std::string start;
    std::string end;
    qint64 seconds = 0;
    bool lost = false;
    bool recording = false;
    QString name;
};

QByteArray csvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    return quoted.join(u',').toUtf8() + "\r\n";
}

// One CSV field of UTF-8 text, as csvField() gives it: a cell a
// spreadsheet would take for a formula gets an apostrophe before it; a cell
// with a comma, a quote or a line break is quoted.
void appendCsvField(std::string& out, std::string_view value)
{
    const bool formula = !value.empty() && std::string_view("=+-@\t\r").find(value[0]) != value.npos;
    const bool quoted = std::any_of(value.begin(), value.end(), [](char c) {
        return c == ',' || c == '"' || c == '\n' || c == '\r';
    });
    if (quoted)
        out += '"';
    if (formula)
        out += '\'';
    if (!quoted) {
        out.append(value);
        return;
    }
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendNumber(std::string& out, qint64 value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, size_t(end - digits));
}

// isoDuration() of `seconds`, appended.
void appendIsoDuration(std::string& out, qint64 seconds)
{
    out += seconds < 0 ? "-PT" : "PT";
    seconds = std::abs(seconds);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    if (hours) {
        appendNumber(out, hours);
        out += 'H';
    }
    if (minutes) {
        appendNumber(out, minutes);
        out += 'M';
    }
    if (seconds % 60 || (!hours && !minutes)) {
        appendNumber(out, seconds % 60);
        out += 'S';
    }
}

// One CSV line of `call`, appended to `out` (no text of its own on the way).
void appendCsvRow(std::string& out, const Call& call)
{
    out += call.out ? "out," : "in,";
    for (const std::string* text : {&call.port, &call.number, &call.start, &call.end}) {
        appendCsvField(out, *text);
        out += ',';
    }
    appendIsoDuration(out, call.seconds);
    out += call.lost ? ",yes" : ",no";
    out += call.recording ? ",yes," : ",no,";
    if (!call.name.isEmpty())
        appendCsvField(out, call.name.toStdString());
    out += ',';
    appendNumber(out, call.seconds);
    out += "\r\n";
}

QString qtext(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QByteArray jsonRow(const Call& call)
{
    QJsonObject object;
    object.insert(kColumns[0], call.out ? "out" : "in");
    object.insert(kColumns[1], qtext(call.port));
    object.insert(kColumns[2], qtext(call.number));
    object.insert(kColumns[3], qtext(call.start));
    object.insert(kColumns[4], qtext(call.end));
    object.insert(kColumns[5], isoDuration(call.seconds));
    object.insert(kColumns[6], call.lost);
    object.insert(kColumns[7], call.recording);
    object.insert(kColumns[8], call.name);
    object.insert(kColumns[9], call.seconds);
    // One object, indented inside the array.
    QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented).trimmed();
    text.replace("\n", "\n    ");
    return "    " + text;
}

// "+hh:mm" or "-hh:mm" of an offset from UTC in seconds.
QString offsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(QChar(seconds < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The local times of a run of calls with their UTC offset, reckoned once
// for each day (at its first and its last second) rather than for each
// call: the offset comes from the time-zone rules, which are slow to ask.
// A day whose offset changes (a clock change) is reckoned call by call.
class LocalTimes {
public:
    // The local time as UTF-8 text.
    std::string of(std::string_view dateText, std::string_view timeText)
    {
        if (!m_read || dateText != m_dayText) {
            m_read = true;
            m_dayText = dateText;
            m_day = QDate::fromString(QString::fromUtf8(dateText.data(), qsizetype(dateText.size())),
                                      Qt::ISODate);
            m_offset.clear();
            if (m_day.isValid() && m_day.toString(Qt::ISODate).toStdString() == m_dayText) {
                const int first = QDateTime(m_day, QTime(0, 0)).offsetFromUtc();
                const int last = QDateTime(m_day, QTime(23, 59, 59)).offsetFromUtc();
                if (first == last)
                    m_offset = offsetText(first).toStdString();
            }
        }
        if (!m_offset.empty() && isTimeOfDay(timeText)) {
            std::string text;
            text.reserve(m_dayText.size() + 1 + timeText.size() + m_offset.size());
            text.append(m_dayText).append(1, 'T').append(timeText).append(m_offset);
            return text;
        }
        return isoLocalTime(m_day, QTime::fromString(QString::fromUtf8(timeText.data(),
                                                                       qsizetype(timeText.size())),
                                                     Qt::ISODate))
            .toStdString();
    }

private:
    // "HH:MM:SS" of one day.
    static bool isTimeOfDay(std::string_view t)
    {
        auto digit = [](char c) { return c >= '0' && c <= '9'; };
        return t.size() == 8 && t[2] == ':' && t[5] == ':' && digit(t[0]) && digit(t[1]) &&
               digit(t[3]) && digit(t[4]) && digit(t[6]) && digit(t[7]) &&
               (t[0] - '0') * 10 + (t[1] - '0') < 24 && t[3] < '6' && t[6] < '6';
    }
    bool m_read = false;
    std::string m_dayText;
    QDate m_day;
    std::string m_offset; // empty: reckoned call by call
};

std::string_view textAt(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(statement, column)))
                : std::string_view();
}

// Text of the log as UTF-8: as it is when it is ASCII, else through Qt's
// decoder (a malformed sequence becomes the replacement character).
void utf8Into(std::string& out, std::string_view text)
{
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        out.assign(text);
    else
        out = QString::fromUtf8(text.data(), qsizetype(text.size())).toStdString();
}

// The calls read straight through SQLite, a row at a time.
class CallRows {
public:
    CallRows(sqlite3* db, const QByteArray& sql, const QVariantList& values) : m_db(db)
    {
        m_ok = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_rows, nullptr) == SQLITE_OK;
        for (int i = 0; m_ok && i < values.size(); ++i) {
            const QVariant& value = values[i];
            if (value.typeId() == QMetaType::QString) {
                const QByteArray text = value.toString().toUtf8();
                m_ok = sqlite3_bind_text(m_rows, i + 1, text.constData(), int(text.size()),
                                         SQLITE_TRANSIENT) == SQLITE_OK;
            } else {
                m_ok = sqlite3_bind_int64(m_rows, i + 1, value.toLongLong()) == SQLITE_OK;
            }
        }
    }
    ~CallRows()
    {
        sqlite3_finalize(m_rows);
        sqlite3_finalize(m_length);
    }
    CallRows(const CallRows&) = delete;
    CallRows& operator=(const CallRows&) = delete;

    // The next call into `call`; false at the end or on a failure (failed()).
    bool next(Call& call, LocalTimes& starts, LocalTimes& ends)
    {
        if (!m_ok)
            return false;
        const int step = sqlite3_step(m_rows);
        if (step != SQLITE_ROW) {
            m_ok = step == SQLITE_DONE;
            m_done = true;
            return false;
        }
        call.out = sqlite3_column_int(m_rows, 0) != 0;
        utf8Into(call.port, textAt(m_rows, 1));
        utf8Into(call.number, textAt(m_rows, 2));
        const std::string_view startDate = textAt(m_rows, 3), startTime = textAt(m_rows, 4);
        const std::string_view endDate = textAt(m_rows, 5), endTime = textAt(m_rows, 6);
        call.start = starts.of(startDate, startTime);
        call.end = ends.of(endDate, endTime);
        const std::optional<qint64> seconds = callLength(startDate, startTime, endDate, endTime);
        call.seconds = seconds ? *seconds : lengthByEngine();
        call.lost = sqlite3_column_int(m_rows, 7) != 0;
        call.recording = sqlite3_column_int(m_rows, 8) != 0;
        return m_ok;
    }
    bool failed() const { return !m_ok; }

private:
    // The view's own reckoning for texts the quick path leaves alone.
    qint64 lengthByEngine()
    {
        const QByteArray sql = "SELECT " +
                               CallLogStore::durationSql()
                                   .replace("StartDate", "?1")
                                   .replace("StartTime", "?2")
                                   .replace("EndDate", "?3")
                                   .replace("EndTime", "?4")
                                   .toUtf8();
        if (!m_length && sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_length,
                                            nullptr) != SQLITE_OK) {
            m_ok = false;
            return 0;
        }
        sqlite3_reset(m_length);
        for (int i = 0; i < 4; ++i)
            sqlite3_bind_value(m_length, i + 1, sqlite3_column_value(m_rows, 3 + i));
        m_ok = sqlite3_step(m_length) == SQLITE_ROW;
        return m_ok ? sqlite3_column_int64(m_length, 0) : 0;
    }

    sqlite3* m_db;
    sqlite3_stmt* m_rows = nullptr;
    sqlite3_stmt* m_length = nullptr;
    bool m_ok = false;
    bool m_done = false;
};

} // namespace

ExportFormat exportFormatOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? ExportFormat::Json
                                                                        : ExportFormat::Csv;
}

QString isoLocalTime(const QDate& date, const QTime& time)
{
    const QDateTime local(date, time);
    QString text = local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
    // The offset is written even where it is zero.
    if (text.endsWith(u'Z'))
        text.replace(text.size() - 1, 1, QStringLiteral("+00:00"));
    return text;
}

QString isoDuration(qint64 seconds)
{
    QString out = seconds < 0 ? QStringLiteral("-PT") : QStringLiteral("PT");
    seconds = std::abs(seconds);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    if (hours)
        out += QString::number(hours) + u'H';
    if (minutes)
        out += QString::number(minutes) + u'M';
    if (seconds % 60 || (!hours && !minutes))
        out += QString::number(seconds % 60) + u'S';
    return out;
}

QString csvField(const QString& cell)
{
    // A cell a spreadsheet would take for a formula gets an apostrophe
    // before it, as the phone book's CSV export does.
    const QString value =
        !cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell[0]) ? u'\'' + cell : cell;
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool exportCalls(CallLogStore& store, const RowCondition& condition, const RowOrder& order,
                 const QString& nameSql, const NameOf& nameOf, ExportFormat format,
                 QIODevice& out, QString& error)
{
    sqlite3* db = engineHandle(store.logDatabase());
    const QString sql =
        "SELECT InOut, Port, PhoneNumber, StartDate, StartTime, EndDate, EndTime, Lost, "
        "Recording FROM " +
        conditionedRowsSql(condition) + orderBySql(order, nameSql);
    const auto cannotRead = [&] {
        error = QStringLiteral("the call log cannot be read: ") + store.callLogPath();
        return false;
    };
    if (!db)
        return cannotRead();
    CallRows rows(db, sql.toUtf8(), condition.values);
    if (rows.failed())
        return cannotRead();
    // Rows are gathered and written some ten thousand at a time.
    QByteArray pending;
    constexpr qsizetype kChunk = 1 << 20;
    auto write = [&](const QByteArray& bytes, bool flush = false) {
        pending += bytes;
        if (!flush && pending.size() < kChunk)
            return true;
        const bool written = out.write(pending) == pending.size();
        pending.clear();
        if (!written)
            error = out.errorString();
        return written;
    };
    bool first = true;
    LocalTimes starts, ends;
    if (format == ExportFormat::Csv) {
        QStringList header;
        for (const char* column : kColumns)
            header << QString::fromLatin1(column);
        if (!write(csvLine(header)))
            return false;
    } else if (!write("[")) {
        return false;
    }
    Call call;
    // CSV rows are made in a buffer of their own, without Qt's texts.
    std::string csvRows;
    const auto writeCsvRows = [&] {
        if (!write({}, true))
            return false;
        const bool written = out.write(csvRows.data(), qint64(csvRows.size())) == qint64(csvRows.size());
        csvRows.clear();
        if (!written)
            error = out.errorString();
        return written;
    };
    if (format == ExportFormat::Csv)
        csvRows.reserve(size_t(kChunk) + 4096);
    while (rows.next(call, starts, ends)) {
        call.name = nameOf ? nameOf(qtext(call.number)) : QString();
        if (format == ExportFormat::Csv) {
            appendCsvRow(csvRows, call);
            if (qsizetype(csvRows.size()) >= kChunk && !writeCsvRows())
                return false;
        } else if (!write((first ? "\n" : ",\n") + jsonRow(call))) {
            return false;
        }
        first = false;
    }
    if (rows.failed())
        return cannotRead();
    if (format == ExportFormat::Json && !write(first ? "]\n" : "\n]\n"))
        return false;
    return format == ExportFormat::Csv ? writeCsvRows() : write({}, true);
}

} // namespace ql310::calllog
