// SPDX-License-Identifier: GPL-3.0-or-later
// calllog fetch, export and clear: the program's call log from a terminal,
// through the same store and fold-in as the program's call-log commands.
#include "commands.h"
#include "collection_commands.h"

#include "call_export.h"
#include "call_filter.h"
#include "call_history_record.h"
#include "call_log_merge.h"
#include "call_log_store.h"
#include "name_functions.h"
#include "phone_book_source.h"
#include "exit_codes.h"
#include "configuration.h"
#include "ql310.h"
#include "text_table.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>

#include <unistd.h>

namespace ql310::cli {

namespace {

constexpr TextId kFetchFailText = TextId::OpenFailIsdnTaMay;

using calllog::dataDirectory;

// The database's own reason for the store's latest failure.
std::string failureOf(const calllog::CallLogStore& store)
{
    const QString reason = store.failureReason();
    return (reason.isEmpty() ? store.callLogPath() : reason).toStdString();
}

bool openStore(calllog::CallLogStore& store)
{
    if (store.ensureFiles())
        return true;
    complain("the call log cannot be created in " + dataDirectory().toStdString() + ": " +
             failureOf(store));
    return false;
}

// A day given as YYYY-MM-DD, nothing before or after it.
bool parseDate(const QString& value, QDate& date, const char* option)
{
    date = value.size() == 10 ? QDate::fromString(value, QStringLiteral("yyyy-MM-dd")) : QDate();
    if (date.isValid())
        return true;
    complain(std::string("--") + option + ": not a date (YYYY-MM-DD): " + value.toStdString());
    return false;
}

int fetch(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption quiet("quiet"), notify("notify");
    parser.addOptions({quiet, notify});
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
    // The fold-in of the program's Read, and what it brought.
    const collection::FetchNews news = collection::collectHistory(
        store, history.data(), QDateTime::currentDateTime(), [](TextId id) { return text(id); });
    const calllog::RefreshResult& refresh = news.refresh;
    const std::string records = std::to_string(refresh.recordCount) + " records fetched";
    if (!refresh.logUpdated) {
        complain(records);
        complain("the call log could not be updated: " + failureOf(store));
        return kDatabaseError;
    }
    if (!parser.isSet(quiet))
        complain(records + ", " + std::to_string(news.newCalls.size()) + " new");
    reportNews(news, parser.isSet(notify));
    return kSuccess;
}

// The phone book and home region that name the exported numbers: from
// --phonebook FILE (a settings file, or a phone-book file with the adapter's
// region when it answers), else from the adapter when it answers.
bool loadNames(const QCommandLineParser& parser, const QCommandLineOption& phoneBook,
               std::shared_ptr<const numbers::PhoneBookNames>& names, int& status)
{
    std::array<uint8_t, QL310_TABLE_BLOCK_SIZE> table{};
    std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> setting{};
    const bool adapter = QL310_LoadSetting(table.data(), setting.data()) == QL310_OK;
    std::string region = adapter ? calllog::homeRegion(setting.data()) : std::string();
    if (parser.isSet(phoneBook)) {
        const std::string path = parser.value(phoneBook).toStdString();
        std::vector<uint8_t> content;
        std::string reason;
        if (files::readFile(path, files::FileKind::Settings, content, reason)) {
            std::copy_n(content.begin(), table.size(), table.begin());
            region = calllog::homeRegion(content.data() + files::kSettingsSettingOffset);
        } else if (files::readFile(path, files::FileKind::PhoneBook, content, reason)) {
            std::copy_n(content.begin(), table.size(), table.begin());
        } else {
            complain(path + ": " + reason);
            status = kFileUnreadable;
            return false;
        }
    } else if (!adapter) {
        names = std::make_shared<numbers::PhoneBookNames>();
        return true;
    }
    names = std::make_shared<numbers::PhoneBookNames>(
        calllog::phoneBookEntries(table.data(), packing()), region);
    return true;
}


// The options of calllog export.
struct ExportOptions {
    const QCommandLineOption csv{"csv"}, json{"json"};
    const QCommandLineOption from{"from", "", "DATE"}, to{"to", "", "DATE"};
    const QCommandLineOption number{"number", "", "TEXT"}, name{"name", "", "TEXT"};
    const QCommandLineOption direction{"direction", "", "in|out"}, port{"port", "", "TEXT"};
    const QCommandLineOption lost{"lost"}, inProgress{"in-progress"};
    const QCommandLineOption phoneBook{"phonebook", "", "FILE"};
    QList<QCommandLineOption> all() const
    {
        return {csv, json, from, to, number, name, direction, port, lost, inProgress, phoneBook};
    }
};

// The port or channel text that `value` names, in any case; false when it
// names none.
bool portOf(const QString& value, QString& port)
{
    QStringList ports;
    for (TextId id : kChannelTexts)
        ports << text(id);
    const qsizetype at = ports.indexOf(
        QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(value)),
                           QRegularExpression::CaseInsensitiveOption));
    if (at < 0) {
        complain("export: --port is one of " + ports.join(", ").toStdString());
        return false;
    }
    port = ports[at];
    return true;
}

// The filter of the export's options; false when one is not understood.
bool filterOf(const QCommandLineParser& parser, const ExportOptions& option, calllog::CallFilter& filter)
{
    if ((parser.isSet(option.from) && !parseDate(parser.value(option.from), filter.from, "from")) ||
        (parser.isSet(option.to) && !parseDate(parser.value(option.to), filter.to, "to")))
        return false;
    if (filter.daysReversed()) {
        complain("export: --from is after --to");
        return false;
    }
    filter.number = parser.value(option.number);
    filter.name = parser.value(option.name);
    if (parser.isSet(option.direction)) {
        const QString value = parser.value(option.direction);
        if (value != "in" && value != "out") {
            complain("export: --direction is in or out, not " + value.toStdString());
            return false;
        }
        filter.direction = value == "in" ? calllog::CallFilter::Direction::In
                                         : calllog::CallFilter::Direction::Out;
    }
    // Case does not matter, as with --name.
    if (parser.isSet(option.port) && !portOf(parser.value(option.port), filter.port))
        return false;
    filter.lostOnly = parser.isSet(option.lost);
    filter.inProgressOnly = parser.isSet(option.inProgress);
    return true;
}

// Writes the calls of `filter` to standard output, named by `names`.
int writeExport(calllog::CallLogStore& store, const calllog::CallFilter& filter,
                const std::shared_ptr<const numbers::PhoneBookNames>& names, bool json)
{
    // To a terminal the export goes whole through the filter of control
    // characters; to a file or a pipe as it is made.
    const bool terminal = ::isatty(STDOUT_FILENO);
    QFile file;
    QBuffer buffer;
    QIODevice& out = terminal ? static_cast<QIODevice&>(buffer) : file;
    if (terminal ? !buffer.open(QIODevice::WriteOnly) : !file.open(stdout, QIODevice::WriteOnly)) {
        complain("standard output cannot be written");
        return kFileUnwritable;
    }
    QString error;
    const bool done = calllog::exportCalls(
        store, calllog::conditionOf(filter, names.get()), {}, {},
        [&names](const QString& n) { return QString::fromStdString(names->nameOf(n.toStdString())); },
        json ? calllog::ExportFormat::Json : calllog::ExportFormat::Csv, out, error);
    if (terminal && !writeOutput(buffer.data())) {
        complain("standard output cannot be written");
        return kFileUnwritable;
    }
    file.flush();
    if (!done) {
        complain(error.toStdString());
        return file.error() != QFileDevice::NoError ? kFileUnwritable : kDatabaseError;
    }
    return kSuccess;
}

int exportLog(const QStringList& args)
{
    QCommandLineParser parser;
    const ExportOptions option;
    parser.addOptions(option.all());
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    if (parser.isSet(option.csv) && parser.isSet(option.json)) {
        complain("export: choose --csv or --json, not both");
        return kBadArguments;
    }
    calllog::CallFilter filter;
    if (!filterOf(parser, option, filter))
        return kBadArguments;

    // Before the first fetch there is nothing to export, and no reason to
    // create the databases (a data path that is no folder fails below).
    calllog::CallLogStore store(dataDirectory());
    const QFileInfo folder(dataDirectory());
    if (!QFileInfo::exists(store.callLogPath()) && (!folder.exists() || folder.isDir())) {
        complain("no call log yet (ql310ctl calllog fetch makes one)");
        return kSuccess;
    }

    std::shared_ptr<const numbers::PhoneBookNames> names;
    int status = kSuccess;
    if (!loadNames(parser, option.phoneBook, names, status))
        return status;

    if (!openStore(store))
        return kDatabaseError;
    calllog::registerNameFunctions(store, names);
    return writeExport(store, filter, names, parser.isSet(option.json));
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
    const bool done = parser.isSet(all) ? store.deleteAllCalls() : store.deleteDays(first, last);
    if (!done) {
        complain("the call log cannot be changed: " + failureOf(store));
        return kDatabaseError;
    }
    return kSuccess;
}

const SubCommand kSubCommands[] = {
    {"fetch",
     "Usage: ql310ctl calllog fetch [--quiet] [--notify]\n"
     "Fetches the adapter's call history and merges it into the program's call\n"
     "log, as the program's Call Logging Read does, and says how many records\n"
     "the adapter gave and how many calls were new (\"6 records fetched, 0 new\").\n"
     "Calls that were never fetched because the adapter's memory of 90 calls\n"
     "overflowed are said on standard error (also with --quiet) and kept for\n"
     "`calllog gaps`.\n"
     "  --quiet   nothing on standard output or error unless it fails\n"
     "  --notify  a desktop notification of new incoming calls, lost calls and\n"
     "            calls never fetched (no session bus or notification service:\n"
     "            one line on standard error, the fetch still succeeds)\n"
     "Every 5 minutes in the background: systemctl --user enable --now ql310-calllog.timer\n",
     fetch},
    {"watch", kWatchHelp, watchCallLog},
    {"gaps", kGapsHelp, listGaps},
    {"export",
     "Usage: ql310ctl calllog export [--csv|--json] [FILTERS] [--phonebook FILE]\n"
     "Prints the call log in start order: CSV with a header row (the default)\n"
     "or a JSON array. Columns: direction (in/out), port, number, start, end\n"
     "(ISO 8601 local times with the UTC offset), duration (ISO 8601, PT2M21S),\n"
     "lost, in progress (yes/no), name, duration_s (whole seconds).\n"
     "Names come from the adapter's phone book when it answers, or from FILE.\n"
     "Before the first fetch it says \"no call log yet\" and prints nothing.\n"
     "  --from DATE, --to DATE  only calls that started on or after / on or before DATE (YYYY-MM-DD)\n"
     "  --number TEXT           only numbers that hold TEXT\n"
     "  --name TEXT             only numbers whose name holds TEXT (any case)\n"
     "  --direction in|out      only incoming or outgoing calls\n"
     "  --port TEXT             only calls on that port or channel (Port1 .. Data(B2))\n"
     "  --lost                  only lost calls\n"
     "  --in-progress           only calls in progress\n"
     "  --phonebook FILE        names from a settings (.310) or phone-book (.pb) file\n",
     exportLog},
    {"clear",
     "Usage: ql310ctl calllog clear --all | --from DATE --to DATE\n"
     "Deletes every call, or the calls that started between the two days\n"
     "(YYYY-MM-DD, both included), as the program's Clear dialog does.\n",
     clear},
};

const char* const kCallLogHelp =
    "Usage: ql310ctl calllog fetch|export|clear|watch|gaps [OPTIONS]\n"
    "The program's call log, kept in its data directory ($QL310SET_DATA_DIR).\n"
    "  fetch   fetch the adapter's call history into the log\n"
    "  export  print the log as CSV or JSON\n"
    "  clear   delete calls from the log\n"
    "  watch   fetch every few minutes until stopped\n"
    "  gaps    list the calls never fetched\n"
    "See ql310ctl calllog SUBCOMMAND --help.\n";

int callLog(const QStringList& args)
{
    return runSubCommand("calllog", kCallLogHelp, std::begin(kSubCommands), std::end(kSubCommands), args);
}

} // namespace

const Command kCallLogCommand = {"calllog", "fetch, export, clear or watch the call log", kCallLogHelp, callLog};

} // namespace ql310::cli
