// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_export.h"

#include <QDateTime>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>

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

// Text of the log as UTF-8: as it is when it is ASCII, else through Qt's
// decoder (a malformed sequence becomes the replacement character).
void utf8Into(std::string& out, std::string_view text)
{
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        out.assign(text);
    else
        out = QString::fromUtf8(text.data(), qsizetype(text.size())).toStdString();
}

// The columns of the calls read.
enum Column { InOut, Port, PhoneNumber, StartDate, StartTime, EndDate, EndTime, Lost, Recording };

// The call of `row`; false when its duration cannot be had.
bool readCall(const RowView& row, Call& call, LocalTimes& starts, LocalTimes& ends)
{
    call.out = row.integer(InOut) != 0;
    utf8Into(call.port, row.text(Port));
    utf8Into(call.number, row.text(PhoneNumber));
    call.start = starts.of(row.text(StartDate), row.text(StartTime));
    call.end = ends.of(row.text(EndDate), row.text(EndTime));
    const std::optional<qint64> seconds = row.duration(StartDate);
    call.seconds = seconds.value_or(0);
    call.lost = row.integer(Lost) != 0;
    call.recording = row.integer(Recording) != 0;
    return seconds.has_value();
}

QByteArray csvHeader()
{
    QStringList header;
    for (const char* column : kColumns)
        header << QString::fromLatin1(column);
    return csvLine(header);
}

// The export's bytes on their way to `out`, gathered and written some ten
// thousand rows at a time; CSV rows are made in the buffer itself, without
// Qt's texts. A failure to write keeps its reason in `error`.
class ExportWriter {
public:
    ExportWriter(QIODevice& out, QString& error) : m_out(out), m_error(error)
    {
        m_pending.reserve(size_t(kChunk) + 4096);
    }

    bool add(const QByteArray& bytes)
    {
        m_pending.append(bytes.constData(), size_t(bytes.size()));
        return writeFull();
    }
    bool addCsvRow(const Call& call)
    {
        appendCsvRow(m_pending, call);
        return writeFull();
    }
    // Writes what is gathered.
    bool flush()
    {
        const bool written = m_out.write(m_pending.data(), qint64(m_pending.size())) == qint64(m_pending.size());
        m_pending.clear();
        if (!written)
            m_error = m_out.errorString();
        return written;
    }

private:
    static constexpr qsizetype kChunk = 1 << 20;
    bool writeFull() { return qsizetype(m_pending.size()) < kChunk || flush(); }

    QIODevice& m_out;
    QString& m_error;
    std::string m_pending;
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
    const QString sql =
        "SELECT InOut, Port, PhoneNumber, StartDate, StartTime, EndDate, EndTime, Lost, "
        "Recording FROM " +
        conditionedRowsSql(condition) + orderBySql(order, nameSql);
    ExportWriter writer(out, error);
    const bool csv = format == ExportFormat::Csv;
    if (!(csv ? writer.add(csvHeader()) : writer.add("[")))
        return false;
    bool first = true, written = true, read = true;
    LocalTimes starts, ends;
    Call call;
    const bool passed = store.forEachRow(sql, condition.values, [&](const RowView& row) {
        if (!(read = readCall(row, call, starts, ends)))
            return false;
        call.name = nameOf ? nameOf(qtext(call.number)) : QString();
        written = csv ? writer.addCsvRow(call) : writer.add((first ? "\n" : ",\n") + jsonRow(call));
        first = false;
        return written;
    });
    if (!written)
        return false;
    if (!passed || !read) {
        error = QStringLiteral("the call log cannot be read: ") + store.callLogPath();
        return false;
    }
    if (!csv && !writer.add(first ? "]\n" : "\n]\n"))
        return false;
    return writer.flush();
}

} // namespace ql310::calllog
