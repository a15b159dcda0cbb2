// SPDX-License-Identifier: GPL-3.0-or-later
// calllog fetch, export and clear: the program's call log from a terminal,
// through the same store and fold-in as the program's call-log commands.
#include "commands.h"

#include "call_history_record.h"
#include "call_log_merge.h"
#include "call_log_store.h"
#include "exit_codes.h"
#include "configuration.h"
#include "ql310.h"
#include "text_table.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <iostream>

namespace ql310::cli {

namespace {

constexpr int kRecordsText = 394;      // "This time you got"
constexpr int kRecordsTailText = 395;  // "records in Call Logging."
constexpr int kFetchFailText = 172;

using calllog::dataDirectory;

bool openStore(calllog::CallLogStore& store)
{
    if (store.ensureFiles())
        return true;
    complain("the call log cannot be created in " + dataDirectory().toStdString());
    return false;
}

// A day given as YYYY-MM-DD.
bool parseDate(const QString& value, QDate& date, const char* option)
{
    date = QDate::fromString(value, Qt::ISODate);
    if (date.isValid())
        return true;
    complain(std::string("--") + option + ": not a date (YYYY-MM-DD): " + value.toStdString());
    return false;
}

int fetch(const QStringList& args)
{
    QCommandLineParser parser;
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    std::array<uint8_t, QL310_CALL_HISTORY_SIZE> history{};
    const uint8_t result = QL_GetCallHistoryData(history.data());
    if (result != QL310_OK) {
        complain(transferMessage(kFetchFailText, result));
        return exitCodeOfTransfer(result);
    }
    calllog::CallLogStore store(dataDirectory());
    if (!openStore(store))
        return kDatabaseError;
    const QDateTime now = QDateTime::currentDateTime();
    const calllog::Date today{now.date().year(), now.date().month(), now.date().day()};
    const calllog::TimeOfDay time{now.time().hour(), now.time().minute(), now.time().second()};
    const calllog::RefreshResult refresh =
        calllog::refreshCallLog(store, history.data(), today, time, [](int id) { return text(id); });
    complain((text(kRecordsText) + ' ' + QString::number(refresh.recordCount) + ' ' + text(kRecordsTailText))
                 .toStdString());
    if (!refresh.logUpdated) {
        complain("the call log could not be updated: " + store.callLogPath().toStdString());
        return kDatabaseError;
    }
    return kSuccess;
}

QString isoDateTime(const QDate& date, const QTime& time)
{
    return QDateTime(date, time).toString(Qt::ISODate);
}

// The call's length as an ISO 8601 duration, "PT1H2M3S"; a call that ends
// before it starts gets a leading minus.
QString isoDuration(const calllog::LogRow& row)
{
    qint64 seconds = QDateTime(row.startDate, row.startTime).secsTo(QDateTime(row.endDate, row.endTime));
    QString out = seconds < 0 ? QStringLiteral("-PT") : QStringLiteral("PT");
    seconds = std::abs(seconds);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    if (hours)
        out += QString::number(hours) + 'H';
    if (minutes)
        out += QString::number(minutes) + 'M';
    if (seconds % 60 || (!hours && !minutes))
        out += QString::number(seconds % 60) + 'S';
    return out;
}

// One CSV field (RFC 4180): quoted when it holds a comma, a quote or a line break.
QString csvField(const QString& value)
{
    if (!value.contains(',') && !value.contains('"') && !value.contains('\n') && !value.contains('\r'))
        return value;
    QString quoted = value;
    quoted.replace('"', QStringLiteral("\"\""));
    return '"' + quoted + '"';
}

const char* const kColumns[] = {"direction", "port", "number", "start", "end", "duration", "lost", "in progress"};
constexpr int kTextColumns = 6; // the flags follow

QStringList exportRow(const calllog::LogRow& row)
{
    return {row.inOut ? QStringLiteral("out") : QStringLiteral("in"),
            row.port,
            row.phoneNumber,
            isoDateTime(row.startDate, row.startTime),
            isoDateTime(row.endDate, row.endTime),
            isoDuration(row),
            row.lost ? QStringLiteral("yes") : QStringLiteral("no"),
            row.recording ? QStringLiteral("yes") : QStringLiteral("no")};
}

int exportLog(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption csv("csv"), json("json");
    const QCommandLineOption from("from", "", "DATE"), to("to", "", "DATE");
    parser.addOptions({csv, json, from, to});
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    if (parser.isSet(csv) && parser.isSet(json)) {
        complain("export: choose --csv or --json, not both");
        return kBadArguments;
    }
    QDate first, last;
    if ((parser.isSet(from) && !parseDate(parser.value(from), first, "from")) ||
        (parser.isSet(to) && !parseDate(parser.value(to), last, "to")))
        return kBadArguments;

    calllog::CallLogStore store(dataDirectory());
    if (!openStore(store))
        return kDatabaseError;
    store.clearFailure();
    const QVector<calllog::LogRow> rows = store.dataExport(first, last);
    if (store.failed()) {
        complain("the call log cannot be read: " + store.callLogPath().toStdString());
        return kDatabaseError;
    }
    if (parser.isSet(json)) {
        QJsonArray calls;
        for (const calllog::LogRow& row : rows) {
            // The texts of the CSV columns; the two flags as true and false.
            const QStringList values = exportRow(row);
            QJsonObject call;
            for (int i = 0; i < kTextColumns; ++i)
                call.insert(kColumns[i], values[i]);
            call.insert("lost", row.lost);
            call.insert("in progress", row.recording);
            calls.append(call);
        }
        std::cout << QJsonDocument(calls).toJson(QJsonDocument::Indented).toStdString();
        return kSuccess;
    }
    QStringList header;
    for (const char* column : kColumns)
        header << column;
    std::cout << header.join(',').toStdString() << "\r\n";
    for (const calllog::LogRow& row : rows) {
        QStringList fields;
        for (const QString& value : exportRow(row))
            fields << csvField(value);
        std::cout << fields.join(',').toStdString() << "\r\n";
    }
    return kSuccess;
}

int clear(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption all("all");
    const QCommandLineOption from("from", "", "DATE"), to("to", "", "DATE");
    parser.addOptions({all, from, to});
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    const bool range = parser.isSet(from) || parser.isSet(to);
    if (parser.isSet(all) == range || (range && !(parser.isSet(from) && parser.isSet(to)))) {
        complain("clear: give --all, or both --from DATE and --to DATE");
        return kBadArguments;
    }
    QDate first, last;
    if (range && (!parseDate(parser.value(from), first, "from") || !parseDate(parser.value(to), last, "to")))
        return kBadArguments;
    calllog::CallLogStore store(dataDirectory());
    if (!openStore(store))
        return kDatabaseError;
    const bool done = parser.isSet(all) ? store.dataDelAll() : store.dataDel(first, last);
    if (!done) {
        complain("the call log cannot be changed: " + store.callLogPath().toStdString());
        return kDatabaseError;
    }
    return kSuccess;
}

struct SubCommand {
    const char* name;
    const char* help;
    int (*run)(const QStringList&);
};

const SubCommand kSubCommands[] = {
    {"fetch",
     "Usage: ql310ctl calllog fetch\n"
     "Fetches the adapter's call history and merges it into the program's call\n"
     "log, as the program's Call Logging Read does.\n",
     fetch},
    {"export",
     "Usage: ql310ctl calllog export [--csv|--json] [--from DATE] [--to DATE]\n"
     "Prints the call log in start order: CSV with a header row (the default)\n"
     "or a JSON array. Columns: direction (in/out), port, number, start, end\n"
     "(ISO 8601), duration (ISO 8601, PT2M21S), lost, in progress (yes/no).\n"
     "  --from DATE, --to DATE  only calls that started on or after / on or before DATE (YYYY-MM-DD)\n",
     exportLog},
    {"clear",
     "Usage: ql310ctl calllog clear --all | --from DATE --to DATE\n"
     "Deletes every call, or the calls that started between the two days\n"
     "(YYYY-MM-DD, both included), as the program's Clear dialog does.\n",
     clear},
};

const char* const kCallLogHelp =
    "Usage: ql310ctl calllog fetch|export|clear [OPTIONS]\n"
    "The program's call log, kept in its data directory ($QL310SET_DATA_DIR).\n"
    "  fetch   fetch the adapter's call history into the log\n"
    "  export  print the log as CSV or JSON\n"
    "  clear   delete calls from the log\n"
    "See ql310ctl calllog SUBCOMMAND --help.\n";

int callLog(const QStringList& args)
{
    if (args.isEmpty()) {
        std::cerr << kCallLogHelp;
        return kBadArguments;
    }
    if (args.front() == "--help" || args.front() == "-h") {
        std::cout << kCallLogHelp;
        return kSuccess;
    }
    for (const SubCommand& sub : kSubCommands) {
        if (args.front() != QLatin1String(sub.name))
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains("--help") || rest.contains("-h")) {
            std::cout << sub.help;
            return kSuccess;
        }
        return sub.run(rest);
    }
    complain("calllog: unknown subcommand: " + args.front().toStdString());
    return kBadArguments;
}

} // namespace

const Command kCallLogCommand = {"calllog", "fetch, export or clear the call log", kCallLogHelp, callLog};

} // namespace ql310::cli
