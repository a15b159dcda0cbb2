// SPDX-License-Identifier: GPL-3.0-or-later
// Filters, searches, names, export and statistics against a small seeded log.
#include "call_export.h"
#include "call_filter.h"
#include "call_statistics.h"
#include "name_functions.h"
#include "phone_book_names.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>

using namespace ql310::calllog;
using ql310::numbers::PhoneBookNames;

namespace {

struct Seed {
    const char* port;
    bool out;
    const char* number;
    QDate day;
    QTime start;
    int seconds;
    bool recording;
    bool lost;
};

// a..e in start order.
const Seed kSeeds[] = {
    {"Port1", false, "0301234567", {2026, 3, 1}, {9, 0}, 60, false, false},
    {"Port2", true, "08912345678", {2026, 3, 1}, {10, 0}, 120, false, false},
    {"Tran(B1)", true, "0301234567", {2026, 3, 2}, {11, 0}, 30, false, true},
    {"Port1", false, "*****", {2026, 3, 3}, {12, 0}, 10, false, false},
    {"Data(B1)", true, "019231", {2026, 3, 3}, {23, 59, 50}, 20, true, false},
};

std::vector<std::vector<std::string>> readCsv(const QByteArray& text)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                rows.back().back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            rows.back().back() += c;
        }
    }
    if (rows.back().size() == 1 && rows.back().front().empty())
        rows.pop_back();
    return rows;
}

// A device that takes `room` bytes and then refuses.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(WriteOnly); }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > m_room)
            return -1;
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

} // namespace

class CallQuery : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    std::unique_ptr<CallLogStore> m_store;
    std::shared_ptr<PhoneBookNames> m_names;

    void SetUp() override
    {
        m_store = std::make_unique<CallLogStore>(m_dir.path());
        ASSERT_TRUE(m_store->ensureFiles());
        for (const Seed& seed : kSeeds) {
            LogRow row;
            row.port = seed.port;
            row.inOut = seed.out;
            row.phoneNumber = seed.number;
            row.recording = seed.recording;
            row.startDate = seed.day;
            row.startTime = seed.start;
            const QDateTime end = QDateTime(seed.day, seed.start).addSecs(seed.seconds);
            row.endDate = end.date();
            row.endTime = end.time();
            ASSERT_TRUE(m_store->insertLog(row));
            if (seed.lost) {
                ASSERT_TRUE(m_store->markLost(m_store->callFlags().last().index));
            }
        }
        useNames({{"0049301234567", "Alice"}, {"019231", "Service, \"24h\""}, {"", ""},
                  {"+49 30 1234567", "Duplicate"}});
    }
    void useNames(std::vector<ql310::numbers::PhoneBookEntry> entries)
    {
        m_names = std::make_shared<PhoneBookNames>(std::move(entries), "DE");
        ASSERT_TRUE(registerNameFunctions(*m_store, m_names));
    }
    // The numbers shown by `filter`, in start order ("a".."e" by seed).
    QString shown(const CallFilter& filter, const RowOrder& order = {})
    {
        const RowCondition condition = conditionOf(filter, m_names.get());
        QString letters;
        const QVector<ShownRow> rows =
            shownRows(*m_store, condition, order, kNameSql, 100, 0, namedCallsSql(*m_names));
        for (const ShownRow& row : rows)
            letters += QChar(u'a' + int(row.view.index) - 1);
        EXPECT_EQ(countRows(*m_store, condition), letters.size()) << filter.search.toStdString();
        return letters;
    }
};

TEST_F(CallQuery, FiltersCombineAndOnlyLimitWhatIsShown)
{
    CallFilter f;
    EXPECT_EQ(shown(f), "abcde");
    f.direction = CallFilter::Direction::Out;
    EXPECT_EQ(shown(f), "bce");
    f.port = "Port2";
    EXPECT_EQ(shown(f), "b");
    f = {};
    f.from = QDate(2026, 3, 2);
    EXPECT_EQ(shown(f), "cde");
    f.to = QDate(2026, 3, 2);
    EXPECT_EQ(shown(f), "c");
    f = {};
    f.to = QDate(2026, 3, 1);
    EXPECT_EQ(shown(f), "ab");
    f = {};
    f.lostOnly = true;
    EXPECT_EQ(shown(f), "c");
    f = {};
    f.inProgressOnly = true;
    EXPECT_EQ(shown(f), "e");
    f.lostOnly = true;
    EXPECT_EQ(shown(f), "");
    f = {};
    f.from = QDate(2026, 3, 3);
    f.to = QDate(2026, 3, 1);
    EXPECT_TRUE(f.daysReversed());
    EXPECT_EQ(shown(f), "");
    EXPECT_EQ(m_store->viewRowCount(), 5) << "a filter never deletes a call";
}

// Filters an index narrows take its way to the count and the first screen;
// only text sought in the numbers or names reads every call, once.
TEST_F(CallQuery, OnlyTextSoughtInTheNumbersReadsEveryCall)
{
    CallFilter f;
    f.direction = CallFilter::Direction::Out;
    f.port = "Port2";
    f.from = QDate(2026, 3, 1);
    f.lostOnly = true;
    EXPECT_FALSE(conditionOf(f, m_names.get()).readsEveryRow);
    for (auto sought : {&CallFilter::search, &CallFilter::number, &CallFilter::name}) {
        CallFilter text = f;
        text.*sought = "30";
        EXPECT_TRUE(conditionOf(text, m_names.get()).readsEveryRow);
    }
}

TEST_F(CallQuery, SearchFindsDigitsAnywhereInTheNumberOrTextInTheName)
{
    CallFilter f;
    f.search = "0301";
    EXPECT_EQ(shown(f), "ac");
    f.search = "1234";
    EXPECT_EQ(shown(f), "abc");
    f.search = "aLiC";
    EXPECT_EQ(shown(f), "ac");
    f.direction = CallFilter::Direction::In;
    EXPECT_EQ(shown(f), "a");
    f = {};
    f.search = "24h";
    EXPECT_EQ(shown(f), "e");
    // The second entry for Alice's line never names a call.
    f.search = "Duplicate";
    EXPECT_EQ(shown(f), "");
    f = {};
    f.number = "0301";
    f.name = "service";
    EXPECT_EQ(shown(f), "");
    f.number.clear();
    EXPECT_EQ(shown(f), "e");
    f.search = "***";
    EXPECT_EQ(shown(f), "") << "a name search and a number search must both hold";
    f = {};
    f.search = "***";
    EXPECT_EQ(shown(f), "d");
}

TEST_F(CallQuery, AnySearchTextIsTakenLiterally)
{
    useNames({});
    const QString nasty[] = {"%",    "_",      "\\",        "'",          "\"",
                             "' OR 1=1 --", "'; DROP TABLE Data; --", "%' OR '1'='1",
                             QString(10000, u'9'), QString::fromUtf8("\xF0\x9F\x93\x9E\xF0\x9F\x98\x80"),
                             QString(10000, u'%')};
    for (const QString& text : nasty) {
        CallFilter f;
        f.search = text;
        EXPECT_EQ(shown(f), "") << text.left(20).toStdString();
    }
    useNames({{"0049301234567", "50% _off_ O'Brien \\"}});
    for (const char* text : {"50%", "_off_", "O'Brien", "\\", "% _"}) {
        CallFilter f;
        f.search = text;
        EXPECT_EQ(shown(f), "ac") << text;
    }
    EXPECT_EQ(m_store->viewRowCount(), 5);
}

TEST_F(CallQuery, NamesSortTheNameColumnAndFollowANewPhoneBook)
{
    RowOrder byName{8, Qt::AscendingOrder};
    EXPECT_EQ(shown({}, byName), "bdace") << "no name first, then Alice, then Service";
    useNames({{"019231", "Aaron"}});
    EXPECT_EQ(shown({}, byName), "abcde");
    CallFilter f;
    f.search = "aaron";
    EXPECT_EQ(shown(f), "e");

    // A number with other signs than digits has a name too; descending is
    // the exact reverse, its named calls read through indexes only.
    useNames({{"0049301234567", "Alice"}, {"019231", "Service"}});
    LogRow plus;
    plus.port = "Port1";
    plus.phoneNumber = "+49 30 1234567";
    plus.startDate = plus.endDate = QDate(2026, 3, 4);
    plus.startTime = plus.endTime = QTime(8, 0);
    ASSERT_TRUE(m_store->insertLog(plus));
    EXPECT_EQ(shown({}, byName), "bdacfe");
    const RowOrder byNameDown{8, Qt::DescendingOrder};
    EXPECT_EQ(shown({}, byNameDown), "efcadb");
    QVariantList values;
    const QString sql = shownRowsSql({}, byNameDown, kNameSql, values, namedCallsSql(*m_names));
    QSqlQuery plan(m_store->logDatabase());
    ASSERT_TRUE(runBound(plan, "EXPLAIN QUERY PLAN " + sql, values << 256 << 0));
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    EXPECT_TRUE(steps.contains("SEARCH Data USING INDEX DataSortName (<expr>=?)")) << steps.join("\n").toStdString();
    EXPECT_FALSE(steps.contains("SCAN Data")) << steps.join("\n").toStdString();
}

TEST_F(CallQuery, AnExportReadsBackAsCsvAndJsonInTheShownOrder)
{
    CallFilter f;
    f.direction = CallFilter::Direction::Out;
    const RowCondition condition = conditionOf(f, m_names.get());
    const RowOrder longestFirst{6, Qt::DescendingOrder};
    const NameOf names = [this](const QString& n) { return QString::fromStdString(m_names->nameOf(n.toStdString())); };
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(exportCalls(*m_store, condition, longestFirst, kNameSql, names, ExportFormat::Csv, csv, error));
    const auto rows = readCsv(csv.data());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"direction", "port", "number", "start", "end", "duration",
                                                 "lost", "in progress", "name", "duration_s"}));
    EXPECT_EQ(rows[1][2], "08912345678");
    EXPECT_EQ(rows[1][5], "PT2M");
    EXPECT_EQ(rows[1][9], "120");
    EXPECT_EQ(rows[2][2], "0301234567");
    EXPECT_EQ(rows[2][6], "yes");
    EXPECT_EQ(rows[2][8], "Alice");
    EXPECT_EQ(rows[3][2], "019231");
    EXPECT_EQ(rows[3][8], "Service, \"24h\"");
    EXPECT_EQ(rows[3][7], "yes");
    EXPECT_EQ(rows[3][9], "20") << "a call over midnight";
    const QRegularExpression localTime(QStringLiteral("^2026-03-02T11:00:00[+-]\\d\\d:\\d\\d$"));
    EXPECT_TRUE(localTime.match(QString::fromStdString(rows[2][3])).hasMatch()) << rows[2][3];

    QBuffer json;
    json.open(QIODevice::WriteOnly);
    ASSERT_TRUE(exportCalls(*m_store, condition, longestFirst, kNameSql, names, ExportFormat::Json, json, error));
    QJsonParseError parse;
    const QJsonArray calls = QJsonDocument::fromJson(json.data(), &parse).array();
    ASSERT_EQ(parse.error, QJsonParseError::NoError) << json.data().toStdString();
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[2].toObject()["name"].toString(), QStringLiteral("Service, \"24h\""));
    EXPECT_EQ(calls[2].toObject()["in progress"].toBool(), true);
    EXPECT_EQ(calls[1].toObject()["lost"].toBool(), true);
    EXPECT_EQ(calls[0].toObject()["duration_s"].toInt(), 120);

    QBuffer none;
    none.open(QIODevice::WriteOnly);
    f.lostOnly = true;
    f.inProgressOnly = true;
    ASSERT_TRUE(exportCalls(*m_store, conditionOf(f, m_names.get()), {}, {}, names, ExportFormat::Json, none, error));
    EXPECT_TRUE(QJsonDocument::fromJson(none.data()).isArray());
    EXPECT_EQ(QJsonDocument::fromJson(none.data()).array().size(), 0);
}

// Offsets are reckoned once a day, yet the day the clocks go forward gives
// each call the offset of its own moment.
TEST_F(CallQuery, ExportedTimesTakeTheOffsetOfTheirMomentOnADayOfClockChange)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    ASSERT_TRUE(m_store->deleteAllCalls());
    for (const QDateTime& start : {QDateTime(QDate(2026, 3, 28), QTime(12, 0)),
                                   QDateTime(QDate(2026, 3, 29), QTime(1, 30)),
                                   QDateTime(QDate(2026, 3, 29), QTime(3, 30))}) {
        LogRow row;
        row.port = "Port1";
        row.phoneNumber = "1";
        row.startDate = row.endDate = start.date();
        row.startTime = start.time();
        row.endTime = start.time().addSecs(60);
        ASSERT_TRUE(m_store->insertLog(row));
    }
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QString error;
    const bool exported = exportCalls(*m_store, {}, {}, {}, {}, ExportFormat::Csv, csv, error);
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
    ASSERT_TRUE(exported) << error.toStdString();
    const auto rows = readCsv(csv.data());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][3], "2026-03-28T12:00:00+01:00");
    EXPECT_EQ(rows[2][3], "2026-03-29T01:30:00+01:00");
    EXPECT_EQ(rows[3][3], "2026-03-29T03:30:00+02:00");
    EXPECT_EQ(rows[3][4], "2026-03-29T03:31:00+02:00");
}

// Each cell byte for byte: quoted where it holds a comma, a quote or a line
// break, an apostrophe before one a spreadsheet would take for a formula.
TEST_F(CallQuery, ExportedCsvCellsAreQuotedAndGuardedByteForByte)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "UTC0");
    tzset();
    ASSERT_TRUE(m_store->deleteAllCalls());
    struct Made {
        const char* port;
        const char* number;
        int seconds;
    };
    for (const Made& made : {Made{"Port1", "+4930123", 65}, Made{"P,2", "=1,2", 0},
                             Made{"@x", "a\"b", 3 * 3600 + 7}, Made{"Port\t4", "-5", 60}}) {
        LogRow row;
        row.port = QString::fromUtf8(made.port);
        row.phoneNumber = QString::fromUtf8(made.number);
        row.inOut = made.seconds == 60;
        row.startDate = row.endDate = QDate(2026, 3, 2);
        row.startTime = QTime(10, 0).addSecs(m_store->viewRowCount() * 60);
        row.endTime = row.startTime.addSecs(made.seconds);
        ASSERT_TRUE(m_store->insertLog(row));
    }
    const NameOf names = [](const QString& n) {
        return n == u"+4930123" ? QStringLiteral("=cmd") : n == u"-5" ? QStringLiteral("M\u00fcller, \"H\"") : QString();
    };
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QString error;
    const bool exported = exportCalls(*m_store, {}, {}, {}, names, ExportFormat::Csv, csv, error);
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
    ASSERT_TRUE(exported) << error.toStdString();
    EXPECT_EQ(csv.data().toStdString(),
              "direction,port,number,start,end,duration,lost,in progress,name,duration_s\r\n"
              "in,Port1,'+4930123,2026-03-02T10:00:00+00:00,2026-03-02T10:01:05+00:00,PT1M5S,no,no,'=cmd,65\r\n"
              "in,\"P,2\",\"'=1,2\",2026-03-02T10:01:00+00:00,2026-03-02T10:01:00+00:00,PT0S,no,no,,0\r\n"
              "in,'@x,\"a\"\"b\",2026-03-02T10:02:00+00:00,2026-03-02T13:02:07+00:00,PT3H7S,no,no,,10807\r\n"
              "out,Port\t4,'-5,2026-03-02T10:03:00+00:00,2026-03-02T10:04:00+00:00,PT1M,no,no,"
              "\"M\xc3\xbcller, \"\"H\"\"\",60\r\n");
}

TEST_F(CallQuery, AnExportThatCannotBeWrittenSaysSo)
{
    FullDevice full(100);
    QString error;
    EXPECT_FALSE(exportCalls(*m_store, {}, {}, {}, {}, ExportFormat::Csv, full, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(CallExport, ACellASpreadsheetWouldRunGetsAnApostrophe)
{
    for (const char* cell : {"=HYPERLINK(\"x\")", "+1", "-PT49S", "@A1", "\tx", "\rx"})
        EXPECT_TRUE(csvField(QString::fromLatin1(cell)).startsWith(u"'") ||
                    csvField(QString::fromLatin1(cell)).startsWith(u"\"'"))
            << cell;
    EXPECT_EQ(csvField(QStringLiteral("=1,2")), "\"'=1,2\"");
    EXPECT_EQ(csvField(QStringLiteral("Anna")), "Anna");
}

TEST_F(CallQuery, StatisticsAddUpToTheLogsTotals)
{
    CallStatistics s;
    ASSERT_TRUE(callStatistics(*m_store, {}, s));
    EXPECT_EQ(s.calls, 5);
    EXPECT_EQ(s.lost, 1);
    // The lost call (30 s up to the fetch) adds no talk time.
    EXPECT_EQ(s.seconds, 60 + 120 + 10 + 20);
    qint64 calls = 0, lost = 0, seconds = 0;
    for (const DayFigures& d : s.days)
        calls += d.incoming + d.outgoing, lost += d.lost;
    for (const PortFigures& p : s.ports)
        seconds += p.seconds;
    EXPECT_EQ(calls, s.calls);
    EXPECT_EQ(lost, s.lost);
    EXPECT_EQ(seconds, s.seconds);
    ASSERT_EQ(s.days.size(), 3);
    EXPECT_EQ(s.days[0].day, QDate(2026, 3, 1));
    EXPECT_EQ(s.days[0].incoming, 1);
    EXPECT_EQ(s.days[0].outgoing, 1);
    ASSERT_EQ(s.ports.size(), 4);
    EXPECT_EQ(s.ports[1].port, QStringLiteral("Port1"));
    EXPECT_EQ(s.ports[1].seconds, 70);
    ASSERT_FALSE(s.mostCalls.isEmpty());
    EXPECT_EQ(s.mostCalls[0].number, QStringLiteral("0301234567"));
    EXPECT_EQ(s.mostCalls[0].calls, 2);
    EXPECT_EQ(s.longestTalk[0].number, QStringLiteral("08912345678"));
    EXPECT_EQ(s.mostCalls.size(), 4);
    EXPECT_EQ(s.mostCalls[0].seconds, 60);
    EXPECT_EQ(s.ports[3].port, QStringLiteral("Tran(B1)"));
    EXPECT_EQ(s.ports[3].calls, 1);
    EXPECT_EQ(s.ports[3].seconds, 0);

    CallFilter out;
    out.direction = CallFilter::Direction::Out;
    ASSERT_TRUE(callStatistics(*m_store, conditionOf(out, m_names.get()), s));
    EXPECT_EQ(s.calls, 3);
    EXPECT_EQ(s.seconds, 140);

    // A number whose only call was lost has no talk time to list.
    CallFilter lostOnly;
    lostOnly.lostOnly = true;
    ASSERT_TRUE(callStatistics(*m_store, conditionOf(lostOnly, m_names.get()), s));
    EXPECT_EQ(s.calls, 1);
    EXPECT_EQ(s.seconds, 0);
    EXPECT_EQ(s.mostCalls.size(), 1);
    EXPECT_TRUE(s.longestTalk.isEmpty());
}

// Totals kept in a small table, the rest of them in temporary files, come
// out as those kept all in memory: numbers of digits and others alike.
TEST_F(CallQuery, StatisticsThatSpillToFilesAddUpTheSame)
{
    ASSERT_TRUE(m_store->beginLogTransaction());
    for (int i = 0; i < 400; ++i) {
        LogRow row;
        row.port = "Port2";
        row.phoneNumber = i % 3 ? QString::number(301000 + i * 7 % 90) : "+49 " + QString::number(i % 40);
        row.startDate = row.endDate = QDate(2026, 4, 1);
        row.startTime = QTime(0, 0).addSecs(i * 60);
        row.endTime = row.startTime.addSecs(i % 50);
        ASSERT_TRUE(m_store->insertLog(row));
    }
    ASSERT_TRUE(m_store->commitLogTransaction());
    CallStatistics kept, spilled;
    ASSERT_TRUE(callStatistics(*m_store, {}, kept));
    ASSERT_TRUE(callStatistics(*m_store, {}, spilled, 8));
    auto same = [](const QVector<NumberFigures>& a, const QVector<NumberFigures>& b) {
        if (a.size() != b.size())
            return false;
        for (int i = 0; i < a.size(); ++i)
            if (a[i].number != b[i].number || a[i].calls != b[i].calls || a[i].seconds != b[i].seconds)
                return false;
        return true;
    };
    EXPECT_EQ(spilled.calls, kept.calls);
    EXPECT_EQ(spilled.seconds, kept.seconds);
    ASSERT_EQ(kept.mostCalls.size(), kTopNumbers);
    EXPECT_TRUE(same(kept.mostCalls, spilled.mostCalls));
    EXPECT_TRUE(same(kept.longestTalk, spilled.longestTalk));
    EXPECT_GT(kept.mostCalls[0].calls, 1);
}

// Talk time across the ends of a month in a leap year and of a year, and
// none for a call that ends before it starts (the clock set back).
TEST_F(CallQuery, TalkTimeCountsWholeDaysAcrossMonthsAndYears)
{
    const struct {
        QDate startDate;
        QTime start;
        QDate endDate;
        QTime end;
    } calls[] = {
        {{2024, 2, 28}, {23, 59}, {2024, 3, 1}, {0, 1}},
        {{2025, 12, 31}, {23, 59, 30}, {2026, 1, 1}, {0, 0, 30}},
        {{2026, 3, 5}, {10, 0}, {2026, 3, 5}, {9, 0}},
    };
    for (const auto& call : calls) {
        LogRow row;
        row.port = "Port3";
        row.phoneNumber = "0301234567";
        row.startDate = call.startDate;
        row.startTime = call.start;
        row.endDate = call.endDate;
        row.endTime = call.end;
        ASSERT_TRUE(m_store->insertLog(row));
    }
    CallStatistics s;
    ASSERT_TRUE(callStatistics(*m_store, {"Port = ?", {QStringLiteral("Port3")}}, s));
    EXPECT_EQ(s.calls, 3);
    EXPECT_EQ(s.seconds, 86400 + 120 + 60);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
