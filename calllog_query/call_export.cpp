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
        const QDate startDate = QDate::fromString(query.value(3).toString(), Qt::ISODate);
        const QTime startTime = QTime::fromString(query.value(4).toString(), Qt::ISODate);
        const QDate endDate = QDate::fromString(query.value(5).toString(), Qt::ISODate);
        const QTime endTime = QTime::fromString(query.value(6).toString(), Qt::ISODate);
        call.start = isoLocalTime(startDate, startTime);
        call.end = isoLocalTime(endDate, endTime);
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
