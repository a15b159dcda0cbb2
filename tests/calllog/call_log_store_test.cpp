// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log store and the fold-in of fetched call histories.
#include "call_duration.h"
#include "call_log_merge.h"
#include "call_log_rows.h"
#include "call_log_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QSqlDriver>

#include <sqlite3.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using namespace ql310::calllog;
using Buffer = std::array<uint8_t, kHistorySize>;

QString portText(ql310::TextId id)
{
    switch (id) {
    case ql310::TextId::ChannelPort1: return "Port1";
    case ql310::TextId::ChannelPort2: return "Port2";
    case ql310::TextId::DataB1: return "Data(B1)";
    default: return "Other" + QString::number(ql310::textNumber(id));
    }
}

void putCall(Buffer& buffer, int slot, uint8_t flags, uint8_t number,
             std::array<uint8_t, 5> start, std::array<uint8_t, 5> end)
{
    uint8_t* record = buffer.data() + kFirstSlotOffset + kSlotSize * slot;
    record[kFlagsOffset] = flags;
    record[kNumberOffset] = number;
    for (int k = 0; k < 5; ++k) {
        record[kStartOffset + k] = start[k];
        record[kEndOffset + k] = end[k];
    }
}

LogRow call(const QString& port, const QDate& day, const QTime& start, const QTime& end)
{
    LogRow row;
    row.port = port;
    row.phoneNumber = "123";
    row.startDate = day;
    row.startTime = start;
    row.endDate = day;
    row.endTime = end;
    return row;
}

class CallLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(store.ensureFiles());
    }
    // One fetch: refill the scratch log and merge it.
    void fetch(const Buffer& buffer, const Date& today, const TimeOfDay& now)
    {
        loadHistoryToTemp(store, buffer.data(), today, now, portText);
        mergeHistoryIntoLog(store);
    }
    QTemporaryDir dir;
    CallLogStore store{dir.path()};
};

TEST_F(CallLog, MissingFilesAreCreatedWithAnEmptyTable)
{
    EXPECT_TRUE(QFile::exists(store.callLogPath()));
    EXPECT_TRUE(QFile::exists(store.templatePath()));
    EXPECT_TRUE(store.viewRows().isEmpty());
    EXPECT_TRUE(store.replaceScratchFromTemplate());
    EXPECT_TRUE(store.scratchCalls().isEmpty());
}

TEST_F(CallLog, ViewFormatsStartEndAndDuration)
{
    ASSERT_TRUE(store.insertLog(call("Port1", QDate(2001, 3, 26), QTime(14, 5, 9), QTime(14, 7, 30))));
    LogRow overnight = call("Port2", QDate(2001, 3, 27), QTime(23, 0, 0), QTime(1, 30, 5));
    overnight.endDate = QDate(2001, 3, 29);
    overnight.inOut = true;
    ASSERT_TRUE(store.insertLog(overnight));
    const QVector<ViewRow> rows = store.viewRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].startTime, " 14:05:09  03 / 26 / 2001 ");
    EXPECT_EQ(rows[0].endTime, " 14:07:30  03 / 26 / 2001 ");
    EXPECT_EQ(rows[0].diffTime, "00:02:21");
    EXPECT_FALSE(rows[0].inOut);
    EXPECT_EQ(rows[0].port, "Port1");
    // Two days later at an earlier time of day: 26 h 30 min 5 s.
    EXPECT_EQ(rows[1].diffTime, "26:30:05");
    EXPECT_TRUE(rows[1].inOut);
}

TEST_F(CallLog, ViewIsInStartOrder)
{
    store.insertLog(call("Port1", QDate(2026, 5, 2), QTime(9, 0, 0), QTime(9, 1, 0)));
    store.insertLog(call("Port2", QDate(2026, 5, 1), QTime(10, 0, 0), QTime(10, 1, 0)));
    store.insertLog(call("Port1", QDate(2026, 5, 1), QTime(8, 0, 0), QTime(8, 1, 0)));
    const QVector<ViewRow> rows = store.viewRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].startTime, " 08:00:00  05 / 01 / 2026 ");
    EXPECT_EQ(rows[1].startTime, " 10:00:00  05 / 01 / 2026 ");
    EXPECT_EQ(rows[2].startTime, " 09:00:00  05 / 02 / 2026 ");
}

TEST_F(CallLog, DeleteByDayIncludesBothBounds)
{
    store.insertLog(call("Port1", QDate(2026, 5, 1), QTime(23, 59, 59), QTime(23, 59, 59)));
    store.insertLog(call("Port1", QDate(2026, 5, 2), QTime(0, 0, 0), QTime(0, 1, 0)));
    store.insertLog(call("Port1", QDate(2026, 5, 2), QTime(23, 0, 0), QTime(23, 1, 0)));
    store.insertLog(call("Port1", QDate(2026, 5, 3), QTime(0, 0, 0), QTime(0, 1, 0)));
    ASSERT_TRUE(store.deleteDays(QDate(2026, 5, 2), QDate(2026, 5, 2)));
    EXPECT_EQ(store.viewRows().size(), 2);
    // A day beyond the four-digit years would compare as text before
    // "2026-..."; it deletes nothing and says so.
    EXPECT_FALSE(store.deleteDays(QDate(20026, 10, 1), QDate(2026, 12, 31)));
    EXPECT_FALSE(store.deleteDays(QDate(2026, 1, 1), QDate(-5, 1, 1)));
    EXPECT_FALSE(store.deleteDays(QDate(), QDate(2026, 12, 31)));
    EXPECT_EQ(store.viewRows().size(), 2);
    ASSERT_TRUE(store.deleteAllCalls());
    EXPECT_TRUE(store.viewRows().isEmpty());
}

TEST_F(CallLog, ACallEndingBeforeItsStartShowsOneSignBeforeItsLength)
{
    // In progress, started by the adapter's clock 49 s after the PC's now.
    LogRow early = call("Port1", QDate(2026, 5, 1), QTime(10, 0, 49), QTime(10, 0, 0));
    LogRow longAgo = call("Port2", QDate(2026, 5, 2), QTime(10, 0, 0), QTime(8, 58, 55));
    ASSERT_TRUE(store.insertLog(early));
    ASSERT_TRUE(store.insertLog(longAgo));
    const QVector<ViewRow> rows = store.viewRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].diffTime, "-00:00:49");
    EXPECT_EQ(rows[1].diffTime, "-01:01:05");

    // The grid's rows write the same lengths, also for an end the engine
    // cannot read.
    ASSERT_TRUE(store.insertLog(call("Port3", QDate(2026, 5, 3), QTime(9, 0, 0), QTime(9, 1, 0))));
    ASSERT_TRUE(QSqlQuery(store.logDatabase()).exec("UPDATE Data SET EndDate = 'soon' WHERE Port = 'Port3'"));
    const QVector<ViewRow> view = store.viewRows();
    const QVector<ShownRow> shown = shownRows(store, {}, {}, {}, 10, 0);
    ASSERT_EQ(shown.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(shown[i].view.diffTime, view[i].diffTime) << i;
    EXPECT_EQ(view[2].diffTime, "00:00:00");
}

TEST_F(CallLog, FindMatchesOnlyAllFourValues)
{
    store.replaceScratchFromTemplate();
    store.insertScratch(call("Port1", QDate(2026, 5, 1), QTime(8, 0, 0), QTime(8, 1, 0)));
    EXPECT_EQ(store.findScratchCall("Port1", "123", QDate(2026, 5, 1), QTime(8, 0, 0)).size(), 1);
    EXPECT_TRUE(store.findScratchCall("Port1", "123", QDate(2026, 5, 1), QTime(8, 0, 1)).isEmpty());
    EXPECT_TRUE(store.findScratchCall("Port2", "123", QDate(2026, 5, 1), QTime(8, 0, 0)).isEmpty());
    EXPECT_TRUE(store.findScratchCall("Port1", "124", QDate(2026, 5, 1), QTime(8, 0, 0)).isEmpty());
}

TEST_F(CallLog, ACallInProgressIsFollowedUntilItEnds)
{
    const Date today{2026, 12, 8};
    Buffer first{};
    first[kRecordCountOffset] = 2;
    putCall(first, 0, 0x08, 0x12, {12, 8, 9, 0, 0}, {12, 8, 9, 5, 0});  // finished
    putCall(first, 1, 0xD4, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0}); // in progress
    fetch(first, today, {10, 3, 0});
    QVector<LogRow> rows = store.callFlags();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].recording);
    EXPECT_EQ(store.viewRows()[1].diffTime, "00:03:00");

    // Still going on at the next fetch: updated in place, not appended.
    Buffer second{};
    second[kRecordCountOffset] = 1;
    putCall(second, 0, 0xD4, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(second, today, {10, 20, 0});
    rows = store.callFlags();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].recording);
    EXPECT_EQ(store.viewRows()[1].diffTime, "00:20:00");

    // Finished at the third.
    Buffer third{};
    third[kRecordCountOffset] = 1;
    putCall(third, 0, 0xD8, 0x34, {12, 8, 10, 0, 0}, {12, 8, 10, 30, 0});
    fetch(third, today, {11, 0, 0});
    rows = store.callFlags();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_FALSE(rows[1].recording);
    EXPECT_FALSE(rows[1].lost);
    EXPECT_EQ(store.viewRows()[1].diffTime, "00:30:00");
}

TEST_F(CallLog, ACallThatVanishesWhileInProgressIsLost)
{
    const Date today{2026, 12, 8};
    Buffer first{};
    first[kRecordCountOffset] = 1;
    putCall(first, 0, 0x04, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(first, today, {10, 3, 0});

    // The adapter reports a count of 0: no slot is read, even with a call in it.
    Buffer empty{};
    putCall(empty, 0, 0x04, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(empty, today, {10, 9, 0});
    const QVector<LogRow> rows = store.callFlags();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_FALSE(rows[0].recording);
    EXPECT_TRUE(rows[0].lost);
    EXPECT_EQ(store.viewRows()[0].diffTime, "00:03:00"); // the end of the earlier fetch
}

TEST_F(CallLog, TwoFetchedRowsForOneOpenCallUpdateOnceAndAppendTheOther)
{
    const Date today{2026, 12, 8};
    Buffer first{};
    first[kRecordCountOffset] = 1;
    putCall(first, 0, 0x04, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(first, today, {10, 3, 0});

    Buffer twice{};
    twice[kRecordCountOffset] = 2;
    putCall(twice, 0, 0x08, 0x34, {12, 8, 10, 0, 0}, {12, 8, 10, 4, 0});
    putCall(twice, 1, 0x08, 0x34, {12, 8, 10, 0, 0}, {12, 8, 10, 6, 0});
    fetch(twice, today, {10, 9, 0});
    const QVector<ViewRow> rows = store.viewRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].diffTime, "00:04:00");
    EXPECT_EQ(rows[1].diffTime, "00:06:00");
}

TEST_F(CallLog, AFinishedCallSeenByTwoFetchesIsLoggedOnce)
{
    Buffer buffer{};
    buffer[kRecordCountOffset] = 2;
    putCall(buffer, 0, 0x08, 0x12, {12, 8, 9, 0, 0}, {12, 8, 9, 5, 0});
    putCall(buffer, 1, 0x18, 0x12, {12, 8, 9, 0, 0}, {12, 8, 9, 5, 0}); // outgoing: another call
    fetch(buffer, {2026, 12, 8}, {12, 0, 0});
    fetch(buffer, {2026, 12, 8}, {12, 0, 0});
    EXPECT_EQ(store.viewRows().size(), 2);
    // The same call with another end is another call.
    putCall(buffer, 0, 0x08, 0x12, {12, 8, 9, 0, 0}, {12, 8, 9, 5, 1});
    fetch(buffer, {2026, 12, 8}, {12, 0, 0});
    EXPECT_EQ(store.viewRows().size(), 3);
}

TEST_F(CallLog, ImpossibleDatesAreBroughtIntoRangeAndKept)
{
    Buffer buffer{};
    buffer[kRecordCountOffset] = 3;
    putCall(buffer, 0, 0x08, 0x12, {13, 8, 24, 60, 61}, {0, 0, 9, 5, 0});
    putCall(buffer, 1, 0x08, 0x12, {4, 31, 9, 0, 0}, {2, 30, 9, 5, 0});
    putCall(buffer, 2, 0x08, 0x12, {4, 30, 9, 0, 0}, {4, 30, 9, 5, 0});
    EXPECT_EQ(loadHistoryToTemp(store, buffer.data(), {2028, 12, 8}, {12, 0, 0}, portText), 3);
    const QVector<LogRow> rows = store.scratchCalls();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].startDate, QDate(2028, 12, 8));
    EXPECT_EQ(rows[0].startTime, QTime(23, 59, 59));
    EXPECT_EQ(rows[0].endDate, QDate(2028, 1, 1));
    EXPECT_EQ(rows[1].startDate, QDate(2028, 4, 30));
    EXPECT_EQ(rows[1].endDate, QDate(2028, 2, 29)); // a leap year
}

// Makes every insert into the permanent log of the number "999" fail.
void refuseNumber999(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "refuse");
    {
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("CREATE TRIGGER Refuse BEFORE INSERT ON Data "
                               "WHEN NEW.PhoneNumber = '999' BEGIN SELECT RAISE(ABORT, 'no'); END"));
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("refuse");
}

TEST_F(CallLog, AFailingMergeLeavesTheLogAsItWas)
{
    const Date today{2026, 12, 8};
    Buffer first{};
    first[kRecordCountOffset] = 1;
    putCall(first, 0, 0x04, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(first, today, {10, 3, 0});
    refuseNumber999(store.callLogPath());

    // The open call finished, a new call, then one the log refuses.
    Buffer second{};
    second[kRecordCountOffset] = 3;
    putCall(second, 0, 0x08, 0x34, {12, 8, 10, 0, 0}, {12, 8, 10, 4, 0});
    putCall(second, 1, 0x08, 0x12, {12, 8, 10, 5, 0}, {12, 8, 10, 6, 0});
    putCall(second, 2, 0x08, 0x99, {12, 8, 10, 7, 0}, {12, 8, 10, 8, 0});
    uint8_t* number = second.data() + kFirstSlotOffset + 2 * kSlotSize + kNumberOffset;
    number[1] = 0x90; // "999"
    const RefreshResult result = refreshCallLog(store, second.data(), today, {10, 9, 0}, portText);
    EXPECT_EQ(result.recordCount, 3);
    EXPECT_FALSE(result.logUpdated);
    const QVector<LogRow> rows = store.callFlags();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].recording);
    EXPECT_EQ(store.viewRows()[0].diffTime, "00:03:00");
}

TEST_F(CallLog, ABrokenScratchLogMarksNoCallLost)
{
    const Date today{2026, 12, 8};
    Buffer first{};
    first[kRecordCountOffset] = 1;
    putCall(first, 0, 0x04, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(first, today, {10, 3, 0});
    // Neither a template nor a scratch log with table Data.
    QFile::remove(store.templatePath());
    QFile::remove(store.scratchLogPath());
    store.clearFailure();
    loadHistoryToTemp(store, first.data(), today, {10, 5, 0}, portText);
    EXPECT_TRUE(store.failed());
    EXPECT_FALSE(mergeHistoryIntoLog(store));
    EXPECT_TRUE(store.callFlags()[0].recording);
    EXPECT_FALSE(store.callFlags()[0].lost);
    // The next refresh makes the template again and goes through.
    EXPECT_TRUE(refreshCallLog(store, first.data(), today, {10, 6, 0}, portText).logUpdated);
    EXPECT_EQ(store.viewRows()[0].diffTime, "00:06:00");
}

TEST_F(CallLog, ViewRowsComeInBlocksAndByIndex)
{
    for (int i = 0; i < 10; ++i)
        store.insertLog(call("Port1", QDate(2026, 5, 1), QTime(8, 0, i), QTime(8, 1, 0)));
    EXPECT_EQ(store.viewRowCount(), 10);
    const QVector<ViewRow> block = store.viewRows(3, 4);
    ASSERT_EQ(block.size(), 3);
    EXPECT_EQ(block[0].startTime, " 08:00:04  05 / 01 / 2026 ");
    const QVector<ViewRow> some = store.viewRowsOf({block[2].index, block[0].index});
    ASSERT_EQ(some.size(), 2);
    EXPECT_EQ(some[0].index, block[0].index);
    const auto checks = store.callFlagsOf({block[1].index});
    ASSERT_EQ(checks.size(), 1);
    EXPECT_FALSE(checks.value(block[1].index).recording);
    const auto cells = store.viewColumn(6);
    ASSERT_EQ(cells.size(), 10);
    EXPECT_EQ(cells[9].text, "00:00:51");
}

// --- Files made whole, mended, private; fetches one at a time ---------------

mode_t modeOf(const QString& path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

Buffer oneCallInProgress()
{
    Buffer buffer{};
    buffer[kRecordCountOffset] = 1;
    putCall(buffer, 0, 0x04, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    return buffer;
}

// What a kill between a file's creation and its table used to leave.
// Counts the statements that count the calls run on `db`.
int countsRun(const QSqlDatabase& db, int* counted)
{
    sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().data());
    return sqlite3_trace_v2(
        handle, SQLITE_TRACE_STMT,
        [](unsigned, void* context, void*, void* sql) {
            if (QByteArray(static_cast<const char*>(sql)).contains("COUNT(*)"))
                ++*static_cast<int*>(context);
            return 0;
        },
        counted);
}

TEST_F(CallLog, TheNumberOfCallsIsCountedOncePerChangeOfTheLog)
{
    int counted = 0;
    ASSERT_EQ(countsRun(store.logDatabase(), &counted), SQLITE_OK);
    for (int i = 0; i < 3; ++i)
        store.insertLog(call("Port1", QDate(2026, 5, 1 + i), QTime(8, 0, 0), QTime(8, 1, 0)));
    EXPECT_EQ(countRows(store, {}), 3);
    EXPECT_EQ(store.viewRowCount(), 3);
    EXPECT_EQ(countRows(store, {}), 3);
    EXPECT_EQ(counted, 1) << "asked again without a change, the number is known";

    // The store's own changes are followed without counting; one rolled
    // back is counted again.
    ASSERT_TRUE(store.deleteDays(QDate(2026, 5, 1), QDate(2026, 5, 1)));
    EXPECT_EQ(countRows(store, {}), 2);
    ASSERT_TRUE(store.beginLogTransaction());
    store.insertLog(call("Port2", QDate(2026, 5, 9), QTime(8, 0, 0), QTime(8, 1, 0)));
    store.markLost(1);
    EXPECT_EQ(countRows(store, {}), 3);
    EXPECT_EQ(counted, 1);
    store.rollbackLogTransaction();
    EXPECT_EQ(countRows(store, {}), 2);

    // A change by another connection (another process's merge).
    {
        CallLogStore other(dir.path());
        ASSERT_TRUE(other.insertLog(call("Port3", QDate(2026, 5, 7), QTime(8, 0, 0), QTime(8, 1, 0))));
        ASSERT_TRUE(other.insertLog(call("Port3", QDate(2026, 5, 8), QTime(8, 0, 0), QTime(8, 1, 0))));
    }
    EXPECT_EQ(countRows(store, {}), 4);
    EXPECT_EQ(store.callCount(), 4);
    EXPECT_EQ(counted, 3);
    ASSERT_TRUE(store.deleteAllCalls());
    EXPECT_EQ(store.viewRowCount(), 0);
    EXPECT_EQ(counted, 3);
    sqlite3_trace_v2(*static_cast<sqlite3* const*>(store.logDatabase().driver()->handle().data()),
                     0, nullptr, nullptr);
}

TEST_F(CallLog, FilesWithoutTheirTableAreMadeAgainAndNoCallIsLost)
{
    const Date today{2026, 12, 8};
    QTemporaryDir other;
    CallLogStore fresh(other.path());
    for (const QString& path : {fresh.callLogPath(), fresh.templatePath()})
        QFile(path).open(QIODevice::WriteOnly);
    EXPECT_TRUE(refreshCallLog(fresh, oneCallInProgress().data(), today, {10, 3, 0}, portText).logUpdated)
        << fresh.failureReason().toStdString();
    EXPECT_EQ(fresh.callFlags().size(), 1);

    // A template without its table, beside a log of calls.
    fetch(oneCallInProgress(), today, {10, 3, 0});
    QFile(store.templatePath()).open(QIODevice::WriteOnly | QIODevice::Truncate);
    EXPECT_TRUE(store.ensureFiles());
    EXPECT_TRUE(refreshCallLog(store, oneCallInProgress().data(), today, {10, 4, 0}, portText).logUpdated);
    ASSERT_EQ(store.callFlags().size(), 1);
    EXPECT_EQ(store.viewRows()[0].diffTime, "00:04:00");
}

TEST_F(CallLog, ALogWithOtherTablesIsNeverReplaced)
{
    QTemporaryDir other;
    CallLogStore foreign(other.path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(foreign.callLogPath());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("CREATE TABLE Calls (Number TEXT)");
        QSqlQuery(db).exec("INSERT INTO Calls VALUES ('123')");
        db.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    EXPECT_FALSE(foreign.ensureFiles());
    EXPECT_TRUE(foreign.failureReason().contains("holds no table Data"));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign-again");
    db.setDatabaseName(foreign.callLogPath());
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec("SELECT Number FROM Calls") && query.next());
}

TEST_F(CallLog, AReadOnlyTemplateGivesAScratchLogTheUserCanWrite)
{
    ASSERT_EQ(::chmod(QFile::encodeName(store.templatePath()).constData(), 0444), 0);
    const Date today{2026, 12, 8};
    EXPECT_TRUE(refreshCallLog(store, oneCallInProgress().data(), today, {10, 3, 0}, portText).logUpdated)
        << store.failureReason().toStdString();
    EXPECT_EQ(modeOf(store.scratchLogPath()), 0600u);
    EXPECT_TRUE(refreshCallLog(store, oneCallInProgress().data(), today, {10, 4, 0}, portText).logUpdated);
}

TEST_F(CallLog, TheCallLogIsTheUsersAloneWhateverTheUmask)
{
    const mode_t old = ::umask(0);
    CallLogStore fresh(dir.path() + "/new/data");
    const bool made = refreshCallLog(fresh, oneCallInProgress().data(), {2026, 12, 8}, {10, 3, 0},
                                     portText).logUpdated;
    ::umask(old);
    ASSERT_TRUE(made);
    EXPECT_EQ(modeOf(dir.path() + "/new/data"), 0700u);
    EXPECT_EQ(modeOf(dir.path() + "/new"), 0700u);
    for (const QString& path : {fresh.callLogPath(), fresh.templatePath(), fresh.scratchLogPath()})
        EXPECT_EQ(modeOf(path), 0600u) << path.toStdString();
    // A killed creation's temporary file goes once it is a minute old.
    const QString stale = store.callLogPath() + ".Qa7xZ2";
    {
        QFile file(stale);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime);
    }
    EXPECT_TRUE(store.ensureFiles());
    EXPECT_FALSE(QFile::exists(stale));
    // An existing file keeps its mode, less the write right of others.
    ::chmod(QFile::encodeName(store.callLogPath()).constData(), 0666);
    EXPECT_TRUE(store.ensureFiles());
    EXPECT_EQ(modeOf(store.callLogPath()), 0664u);
}

// The plan of each column's first screen: with the planner's figures taken,
// "Lost only" reads the few lost calls through their own index and sorts
// them, under every order; without a filter each order walks its own index,
// a range of columns the index of its first.
TEST_F(CallLog, EveryOrderOfTheLostCallsReadsThemThroughTheirOwnIndex)
{
    QSqlQuery query(store.logDatabase());
    ASSERT_TRUE(query.exec(
        "WITH RECURSIVE c(x) AS (SELECT 0 UNION ALL SELECT x + 1 FROM c WHERE x < 4999) "
        "INSERT INTO Data (Port, InOut, PhoneNumber, Recording, Lost, StartDate, StartTime, "
        "EndDate, EndTime) SELECT 'Port' || (1 + x % 4), x % 2, CAST(x * 7919 % 90000 AS TEXT), "
        "x % 977 = 0, x % 1000 = 7, date('2020-01-01', '+' || (x / 50) || ' days'), "
        "time(x % 50 * 600, 'unixepoch'), date('2020-01-01', '+' || (x / 50) || ' days'), "
        "time(x % 50 * 600 + 60, 'unixepoch') FROM c"));
    ASSERT_TRUE(store.refreshPlannerStatistics());
    auto plan = [&](const RowCondition& condition, const RowOrder& order) {
        QVariantList values;
        const QString sql = shownRowsSql(condition, order, {}, values);
        values << 256 << 0;
        QString details;
        if (runBound(query, "EXPLAIN QUERY PLAN " + sql, values))
            while (query.next())
                details += query.value(3).toString() + u'\n';
        return details.toStdString();
    };
    const RowCondition lost{QStringLiteral("Lost = 1"), {}};
    const char* const indexes[] = {"", "DataOrderInOut", "DataOrderPort", "DataOrderNumber",
                                   "DataSortStart", "DataSortEnd", "DataOrderDuration"};
    for (int column = 1; column <= 6; ++column)
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            const std::string lostPlan = plan(lost, {column, order});
            EXPECT_NE(lostPlan.find("INDEX DataLost"), std::string::npos) << column << lostPlan;
            const std::string allPlan = plan({}, {column, order});
            EXPECT_NE(allPlan.find(std::string("INDEX ") + indexes[column]), std::string::npos)
                << column << allPlan;
            EXPECT_EQ(allPlan.find("TEMP B-TREE"), std::string::npos) << column << allPlan;
        }
    const std::string range = plan({}, {2, Qt::AscendingOrder, {3}});
    EXPECT_NE(range.find("INDEX DataOrderPort"), std::string::npos) << range;
    EXPECT_NE(range.find("RIGHT PART OF ORDER BY"), std::string::npos) << range;
}

TEST_F(CallLog, ASecondFetchWaitsItsTurnNoLongerThanTheBound)
{
    CallLogStore first(dir.path());
    CallLogStore second(dir.path());
    ::setenv("QL310_TIMEOUT_MS", "300", 1);
    {
        CallLogStore::FetchLock lock(first);
        ASSERT_TRUE(lock.held());
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(refreshCallLog(second, oneCallInProgress().data(), {2026, 12, 8}, {10, 3, 0},
                                    portText).logUpdated);
        EXPECT_GE(timer.elapsed(), 250);
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_FALSE(second.failureReason().isEmpty());
        // Readers take no lock.
        second.clearFailure();
        EXPECT_TRUE(second.viewRows().isEmpty());
        EXPECT_FALSE(second.failed());
    }
    ::unsetenv("QL310_TIMEOUT_MS");
    EXPECT_TRUE(refreshCallLog(second, oneCallInProgress().data(), {2026, 12, 8}, {10, 3, 0},
                               portText).logUpdated);
}

} // namespace

// The C++ reckoning of a duration gives what the SQL gives for every text
// the log holds and leaves every other text to the engine; a pass reads
// both kinds alike.
TEST_F(CallLog, ACallsDurationIsTheSameInSqlAndInCpp)
{
    struct Texts {
        const char* startDate;
        const char* startTime;
        const char* endDate;
        const char* endTime;
        bool cpp; // read by the C++ reckoning
    };
    const Texts texts[] = {
        {"2026-03-01", "10:00:00", "2026-03-01", "10:02:21", true},
        {"2024-02-28", "23:59:00", "2024-03-01", "00:01:00", true},
        {"2025-12-31", "23:59:30", "2026-01-01", "00:00:30", true},
        {"2026-03-05", "10:00:49", "2026-03-05", "10:00:00", true},
        {"0001-01-01", "00:00:00", "9999-12-31", "23:59:59", true},
        {"2026-02-30", "10:00:00", "2026-03-02", "10:00:00", false},
        {"2026-03-01", "10:00", "2026-03-01", "10:01:00", false},
        {"2026-03-01", "24:00:00", "2026-03-02", "00:00:00", false},
        {"", "", "abc", "1", false},
    };
    QSqlQuery insert(store.logDatabase());
    ASSERT_TRUE(insert.prepare("INSERT INTO Data (StartDate, StartTime, EndDate, EndTime) VALUES (?, ?, ?, ?)"));
    for (const Texts& t : texts) {
        EXPECT_EQ(callDuration(t.startDate, t.startTime, t.endDate, t.endTime).has_value(), t.cpp)
            << t.startDate << " " << t.startTime;
        for (const char* value : {t.startDate, t.startTime, t.endDate, t.endTime})
            insert.addBindValue(QString::fromLatin1(value));
        ASSERT_TRUE(insert.exec());
    }
    int rows = 0;
    const QString sql = "SELECT StartDate, StartTime, EndDate, EndTime, " + CallLogStore::durationSql() +
                        " FROM Data ORDER BY `Index`";
    ASSERT_TRUE(store.forEachRow(sql, {}, [&](const RowView& row) {
        const Texts& t = texts[rows++];
        const std::optional<qint64> cpp = callDuration(row.text(0), row.text(1), row.text(2), row.text(3));
        if (cpp)
            EXPECT_EQ(*cpp, row.integer(4)) << t.startDate << " " << t.startTime;
        EXPECT_EQ(row.duration(0), std::optional<qint64>(row.integer(4))) << t.startDate << " " << t.startTime;
        return true;
    }));
    EXPECT_EQ(rows, int(std::size(texts)));
}

TEST_F(CallLog, APassVisitsTheRowsUntilToldToStopAndTheAddedFunctionsAnswer)
{
    for (int i = 0; i < 3; ++i)
        store.insertLog(call("Port" + QString::number(i + 1), QDate(2026, 5, 1 + i), QTime(8, 0), QTime(8, 1)));
    ASSERT_TRUE(store.addNumberFunction("port_digit", [](std::string_view port) -> std::optional<qint64> {
        return port.size() == 5 ? std::optional<qint64>(port[4] - '0') : std::nullopt;
    }));
    const std::string suffix = "!";
    ASSERT_TRUE(store.addTextFunction("shout", [&suffix](std::string_view) { return std::string_view(suffix); }));
    std::vector<std::pair<qint64, std::string>> seen;
    ASSERT_TRUE(store.forEachRow("SELECT port_digit(Port), shout(Port) FROM Data WHERE StartDate >= ? "
                                 "ORDER BY `Index`",
                                 {QStringLiteral("2026-05-02")}, [&](const RowView& row) {
                                     seen.emplace_back(row.integer(0), row.text(1));
                                     return true;
                                 }));
    EXPECT_EQ(seen, (std::vector<std::pair<qint64, std::string>>{{2, "!"}, {3, "!"}}));

    // Added again, a function is replaced; NULL comes as no number.
    ASSERT_TRUE(store.addNumberFunction("port_digit", [](std::string_view) { return std::nullopt; }));
    int visits = 0;
    bool isNull = false;
    ASSERT_TRUE(store.forEachRow("SELECT port_digit(Port) IS NULL FROM Data", {}, [&](const RowView& row) {
        isNull = row.integer(0) != 0;
        return ++visits < 2;
    }));
    EXPECT_EQ(visits, 2);
    EXPECT_TRUE(isNull);
    EXPECT_FALSE(store.forEachRow("SELECT NoSuchColumn FROM Data", {}, [](const RowView&) { return true; }));
}

// A permanent log that is no database file (a pipe, a device, a database cut
// short, a huge file of nothing) fails with its reason and is left as it is.
TEST(CallLogFiles, ALogThatIsNoDatabaseIsNeitherHungOnNorReplaced)
{
    QTemporaryDir made;
    CallLogStore real(made.path());
    ASSERT_TRUE(real.ensureFiles());
    ASSERT_TRUE(real.insertLog(call("Port1", QDate(2026, 5, 1), QTime(8, 0), QTime(8, 1))));
    QFile source(real.callLogPath());
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray database = source.readAll();
    ASSERT_GT(database.size(), 2000);

    const auto make = [&](const QString& path, int kind) {
        const QByteArray local = QFile::encodeName(path);
        QFile file(path);
        switch (kind) {
        case 0: return ::mkfifo(local.constData(), 0600) == 0;
        case 1: return ::mknod(local.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        case 2: return file.open(QIODevice::WriteOnly) && file.write(database.left(2000)) == 2000;
        default: return file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 32);
        }
    };
    for (int kind = 0; kind < 4; ++kind) {
        QTemporaryDir dir;
        CallLogStore store(dir.path());
        if (!make(store.callLogPath(), kind)) {
            EXPECT_EQ(kind, 1) << "only a device node may be out of reach (mknod needs root)";
            continue;
        }
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(store.callLogPath()).constData(), &before), 0);
        EXPECT_FALSE(store.ensureFiles()) << kind;
        EXPECT_TRUE(store.failureReason().startsWith(store.callLogPath())) << store.failureReason().toStdString();
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(store.callLogPath()).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << kind;
        EXPECT_EQ(after.st_size, before.st_size) << kind;
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << kind;
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
