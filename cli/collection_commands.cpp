// SPDX-License-Identifier: GPL-3.0-or-later
// calllog watch and gaps, and the gap warning and notification of a fetch.
#include "collection_commands.h"

#include "call_export.h"
#include "call_gaps.h"
#include "commands.h"
#include "configuration.h"
#include "exit_codes.h"
#include "notifications.h"
#include "phone_book_source.h"
#include "ql310.h"
#include "text_table.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <iostream>

#include <pthread.h>

namespace ql310::cli {

namespace {

constexpr TextId kFetchFailText = TextId::OpenFailIsdnTaMay;
constexpr int kDefaultInterval = 300;
constexpr int kLongestInterval = 86400;

// The names of the adapter's phone book and its home region, read only
// when there is a number to name.
struct Names {
    std::shared_ptr<numbers::PhoneBookNames> book;
    std::string region;
};

Names adapterNames()
{
    std::array<uint8_t, QL310_TABLE_BLOCK_SIZE> table{};
    std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> setting{};
    if (QL310_LoadSetting(table.data(), setting.data()) != QL310_OK)
        return {};
    const std::string region = calllog::homeRegion(setting.data());
    return {std::make_shared<numbers::PhoneBookNames>(calllog::phoneBookEntries(table.data(), packing()),
                                                      region),
            region};
}

// One fetch of the watch; the problem it met, empty when none.
std::string fetchOnce(calllog::CallLogStore& store, bool notify)
{
    std::array<uint8_t, QL310_CALL_HISTORY_SIZE> history{};
    const uint8_t result = QL_GetCallHistoryData(history.data());
    if (result != QL310_OK)
        return transferMessage(kFetchFailText, result);
    const collection::FetchNews news = collection::collectHistory(
        store, history.data(), QDateTime::currentDateTime(), [](TextId id) { return text(id); });
    if (!news.refresh.logUpdated) {
        const QString reason = store.failureReason();
        return "the call log could not be updated" +
               (reason.isEmpty() ? std::string() : ": " + reason.toStdString());
    }
    reportNews(news, notify);
    return {};
}

// Waits up to `seconds` for SIGINT or SIGTERM (blocked, so that they stay
// pending through a fetch); true when one came.
bool stopRequested(const sigset_t& stops, int seconds)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const time_t deadline = now.tv_sec + seconds;
    for (;;) {
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec >= deadline)
            return false;
        timespec left{deadline - now.tv_sec, 0};
        const int signal = sigtimedwait(&stops, nullptr, &left);
        if (signal == SIGINT || signal == SIGTERM)
            return true;
        if (signal < 0 && errno != EINTR && errno != EAGAIN)
            return false;
    }
}

QString isoMoment(const QDateTime& at) { return calllog::isoLocalTime(at.date(), at.time()); }

} // namespace

const char* const kWatchHelp =
    "Usage: ql310ctl calllog watch [--interval SECONDS] [--notify] [--quiet]\n"
    "Fetches the adapter's call history into the call log now and then every\n"
    "SECONDS (1..86400, default 300), each time as `calllog fetch` does, until\n"
    "SIGINT or SIGTERM (it ends between fetches, exit status 0). An adapter that\n"
    "is absent or busy is tried again at the next interval and said once on\n"
    "standard error until it answers again.\n"
    "  --interval SECONDS  time between two fetches\n"
    "  --notify            a desktop notification of new incoming calls, lost\n"
    "                      calls and calls never fetched\n"
    "  --quiet             nothing on standard error when the adapter answers again\n"
    "In the background instead: systemctl --user enable --now ql310-calllog.timer\n";

const char* const kGapsHelp =
    "Usage: ql310ctl calllog gaps [--csv|--json]\n"
    "Lists the gaps of calls that were never fetched, because the adapter's\n"
    "memory of 90 calls overflowed before it was read: CSV with a header row\n"
    "(the default) or a JSON array. Columns: from, to (the start of the last\n"
    "call before and of the first call after the gap), found (when a fetch\n"
    "found it), as ISO 8601 local times with the UTC offset.\n";

void reportNews(const collection::FetchNews& news, bool notify)
{
    if (news.gap) {
        complain(collection::gapMessage(*news.gap).toStdString());
        if (!news.gapRecorded)
            complain("the gap could not be kept in the call log");
    }
    if (!notify)
        return;
    const bool toName = std::any_of(news.newCalls.begin(), news.newCalls.end(),
                                    [](const calllog::LogRow& c) { return !c.inOut; }) ||
                        !news.lostCalls.isEmpty();
    const Names names = toName ? adapterNames() : Names{};
    const auto notice = collection::noticeOf(
        news,
        [&names](const QString& number) {
            return names.book ? QString::fromStdString(names.book->nameOf(number.toStdString())) : QString();
        },
        names.region);
    QString error;
    if (notice && !collection::postNotice(*notice, error))
        complain(error.toStdString());
}

int watchCallLog(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption interval("interval", "", "SECONDS"), notify("notify"), quiet("quiet");
    parser.addOptions({interval, notify, quiet});
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    int seconds = kDefaultInterval;
    if (parser.isSet(interval)) {
        bool number = false;
        seconds = parser.value(interval).toInt(&number);
        if (!number || seconds < 1 || seconds > kLongestInterval) {
            complain("watch: --interval is a whole number of seconds from 1 to 86400");
            return kBadArguments;
        }
    }
    calllog::CallLogStore store(calllog::dataDirectory());
    if (!store.ensureFiles()) {
        complain("the call log cannot be created in " + calllog::dataDirectory().toStdString() + ": " +
                 store.failureReason().toStdString());
        return kDatabaseError;
    }
    // Before any thread starts (the D-Bus connection has one), so that every
    // thread leaves the two signals to the wait below.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    std::string said;
    do {
        const std::string problem = fetchOnce(store, parser.isSet(notify));
        if (!problem.empty() && problem != said)
            complain(problem);
        else if (problem.empty() && !said.empty() && !parser.isSet(quiet))
            complain("the call log is fetched again");
        said = problem;
    } while (!stopRequested(stops, seconds));
    return kSuccess;
}

int listGaps(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption csv("csv"), json("json");
    parser.addOptions({csv, json});
    if (!parseArguments(parser, args, 0))
        return kBadArguments;
    if (parser.isSet(csv) && parser.isSet(json)) {
        complain("gaps: choose --csv or --json, not both");
        return kBadArguments;
    }
    calllog::CallLogStore store(calllog::dataDirectory());
    QVector<collection::Gap> gaps;
    if (!store.ensureFiles() || !collection::allGaps(store, gaps)) {
        complain("the call log cannot be read in " + calllog::dataDirectory().toStdString());
        return kDatabaseError;
    }
    QByteArray out;
    if (parser.isSet(json)) {
        QJsonArray array;
        for (const collection::Gap& gap : gaps)
            array.append(QJsonObject{{"from", isoMoment(gap.from)},
                                     {"to", isoMoment(gap.to)},
                                     {"found", isoMoment(gap.found)}});
        out = QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        out = "from,to,found\r\n";
        for (const collection::Gap& gap : gaps)
            out += (calllog::csvField(isoMoment(gap.from)) + u',' + calllog::csvField(isoMoment(gap.to)) +
                    u',' + calllog::csvField(isoMoment(gap.found)) + QStringLiteral("\r\n"))
                       .toUtf8();
    }
    std::cout.write(out.constData(), out.size());
    std::cout.flush();
    if (!std::cout) {
        complain("standard output cannot be written");
        return kFileUnwritable;
    }
    return kSuccess;
}

} // namespace ql310::cli
