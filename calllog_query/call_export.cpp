// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_export.h"

#include <QDateTime>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace ql310::calllog {

namespace {

const char* const kColumns[] = {"direction", "port",        "number", "start",     "end",
                                "duration",  "lost",        "in progress", "name", "duration_s"};

struct Call {
    bool out = false;
    QString port;
    QString number;
    QString start;
    QString end;
    qint64 seconds = 0;
    bool lost = false;
    bool recording = false;
    QString name;
};

QString yesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

QByteArray csvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    return quoted.join(u',').toUtf8() + "\r\n";
}

QByteArray csvRow(const Call& call)
{
    return csvLine({call.out ? "out" : "in", call.port, call.number, call.start, call.end,
                    isoDuration(call.seconds), yesNo(call.lost), yesNo(call.recording), call.name,
                    QString::number(call.seconds)});
}

QByteArray jsonRow(const Call& call)
{
    QJsonObject object;
    object.insert(kColumns[0], call.out ? "out" : "in");
    object.insert(kColumns[1], call.port);
    object.insert(kColumns[2], call.number);
    object.insert(kColumns[3], call.start);
    object.insert(kColumns[4], call.end);
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
    QString of(const QString& dateText, const QString& timeText)
    {
        if (dateText != m_dayText) {
            m_dayText = dateText;
            m_day = QDate::fromString(dateText, Qt::ISODate);
            m_offset.clear();
            if (m_day.isValid() && m_day.toString(Qt::ISODate) == dateText) {
                const int first = QDateTime(m_day, QTime(0, 0)).offsetFromUtc();
                const int last = QDateTime(m_day, QTime(23, 59, 59)).offsetFromUtc();
                if (first == last)
                    m_offset = offsetText(first);
            }
        }
        const QTime time = QTime::fromString(timeText, Qt::ISODate);
        if (m_offset.isEmpty() || !time.isValid() || time.msec() != 0)
            return isoLocalTime(m_day, time);
        return m_dayText + u'T' + time.toString(QStringLiteral("HH:mm:ss")) + m_offset;
    }

private:
    QString m_dayText;
    QDate m_day;
    QString m_offset; // empty: reckoned call by call
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

QString csvField(const QString& value)
{
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
    QSqlDatabase db = store.logDatabase();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString sql =
        "SELECT InOut, Port, PhoneNumber, StartDate, StartTime, EndDate, EndTime, d, Lost, "
        "Recording FROM " +
        conditionedRowsSql(condition) + orderBySql(order, nameSql);
    if (!db.isOpen() || !runBound(query, sql, condition.values)) {
        error = QStringLiteral("the call log cannot be read: ") + store.callLogPath();
        return false;
    }
    auto write = [&](const QByteArray& bytes) {
        if (out.write(bytes) == bytes.size())
            return true;
        error = out.errorString();
        return false;
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
    while (query.next()) {
        Call call;
        call.out = query.value(0).toInt() != 0;
        call.port = query.value(1).toString();
        call.number = query.value(2).toString();
        call.start = starts.of(query.value(3).toString(), query.value(4).toString());
        call.end = ends.of(query.value(5).toString(), query.value(6).toString());
        call.seconds = query.value(7).toLongLong();
        call.lost = query.value(8).toInt() != 0;
        call.recording = query.value(9).toInt() != 0;
        call.name = nameOf ? nameOf(call.number) : QString();
        const QByteArray row =
            format == ExportFormat::Csv ? csvRow(call) : (first ? "\n" : ",\n") + jsonRow(call);
        if (!write(row))
            return false;
        first = false;
    }
    if (query.lastError().isValid()) {
        error = QStringLiteral("the call log cannot be read: ") + store.callLogPath();
        return false;
    }
    return format == ExportFormat::Csv || write(first ? "]\n" : "\n]\n");
}

} // namespace ql310::calllog
