// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log store and the fold-in of fetched call histories.
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

#include <sys/stat.h>

namespace {

using namespace ql310::calllog;
using Buffer = std::array<uint8_t, kHistorySize>;

QString portText(int id)
{
    switch (id) {
    case 373: return "Port1";
    case 374: return "Port2";
    case 377: return "Data(B1)";
    default: return "Other" + QString::number(id);
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
    EXPECT_TRUE(store.dataView().isEmpty());
    EXPECT_TRUE(store.replaceScratchFromTemplate());
    EXPECT_TRUE(store.tempData().isEmpty());
}

TEST_F(CallLog, ViewFormatsStartEndAndDuration)
{
    ASSERT_TRUE(store.dataIns(call("Port1", QDate(2001, 3, 26), QTime(14, 5, 9), QTime(14, 7, 30))));
    LogRow overnight = call("Port2", QDate(2001, 3, 27), QTime(23, 0, 0), QTime(1, 30, 5));
    overnight.endDate = QDate(2001, 3, 29);
    overnight.inOut = true;
    ASSERT_TRUE(store.dataIns(overnight));
    const QVector<ViewRow> rows = store.dataView();
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
    store.dataIns(call("Port1", QDate(2026, 5, 2), QTime(9, 0, 0), QTime(9, 1, 0)));
    store.dataIns(call("Port2", QDate(2026, 5, 1), QTime(10, 0, 0), QTime(10, 1, 0)));
    store.dataIns(call("Port1", QDate(2026, 5, 1), QTime(8, 0, 0), QTime(8, 1, 0)));
    const QVector<ViewRow> rows = store.dataView();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].startTime, " 08:00:00  05 / 01 / 2026 ");
    EXPECT_EQ(rows[1].startTime, " 10:00:00  05 / 01 / 2026 ");
    EXPECT_EQ(rows[2].startTime, " 09:00:00  05 / 02 / 2026 ");
}

TEST_F(CallLog, DeleteByDayIncludesBothBounds)
{
    store.dataIns(call("Port1", QDate(2026, 5, 1), QTime(23, 59, 59), QTime(23, 59, 59)));
    store.dataIns(call("Port1", QDate(2026, 5, 2), QTime(0, 0, 0), QTime(0, 1, 0)));
    store.dataIns(call("Port1", QDate(2026, 5, 2), QTime(23, 0, 0), QTime(23, 1, 0)));
    store.dataIns(call("Port1", QDate(2026, 5, 3), QTime(0, 0, 0), QTime(0, 1, 0)));
    ASSERT_TRUE(store.dataDel(QDate(2026, 5, 2), QDate(2026, 5, 2)));
    EXPECT_EQ(store.dataView().size(), 2);
    // A day beyond the four-digit years would compare as text before
    // "2026-..."; it deletes nothing and says so.
    EXPECT_FALSE(store.dataDel(QDate(20026, 10, 1), QDate(2026, 12, 31)));
    EXPECT_FALSE(store.dataDel(QDate(2026, 1, 1), QDate(-5, 1, 1)));
    EXPECT_FALSE(store.dataDel(QDate(), QDate(2026, 12, 31)));
    EXPECT_EQ(store.dataView().size(), 2);
    ASSERT_TRUE(store.dataDelAll());
    EXPECT_TRUE(store.dataView().isEmpty());
}

TEST_F(CallLog, ACallEndingBeforeItsStartShowsOneSignBeforeItsLength)
{
    // In progress, started by the adapter's clock 49 s after the PC's now.
    LogRow early = call("Port1", QDate(2026, 5, 1), QTime(10, 0, 49), QTime(10, 0, 0));
    LogRow longAgo = call("Port2", QDate(2026, 5, 2), QTime(10, 0, 0), QTime(8, 58, 55));
    ASSERT_TRUE(store.dataIns(early));
    ASSERT_TRUE(store.dataIns(longAgo));
    const QVector<ViewRow> rows = store.dataView();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].diffTime, "-00:00:49");
    EXPECT_EQ(rows[1].diffTime, "-01:01:05");

    // The grid's rows write the same lengths, also for an end the engine
    // cannot read.
    ASSERT_TRUE(store.dataIns(call("Port3", QDate(2026, 5, 3), QTime(9, 0, 0), QTime(9, 1, 0))));
    ASSERT_TRUE(QSqlQuery(store.logDatabase()).exec("UPDATE Data SET EndDate = 'soon' WHERE Port = 'Port3'"));
    const QVector<ViewRow> view = store.dataView();
    const QVector<ShownRow> shown = shownRows(store, {}, {}, {}, 10, 0);
    ASSERT_EQ(shown.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(shown[i].view.diffTime, view[i].diffTime) << i;
    EXPECT_EQ(view[2].diffTime, "00:00:00");
}

TEST_F(CallLog, FindMatchesOnlyAllFourValues)
{
    store.replaceScratchFromTemplate();
    store.tempInsData(call("Port1", QDate(2026, 5, 1), QTime(8, 0, 0), QTime(8, 1, 0)));
    EXPECT_EQ(store.tempRecordingFind("Port1", "123", QDate(2026, 5, 1), QTime(8, 0, 0)).size(), 1);
    EXPECT_TRUE(store.tempRecordingFind("Port1", "123", QDate(2026, 5, 1), QTime(8, 0, 1)).isEmpty());
    EXPECT_TRUE(store.tempRecordingFind("Port2", "123", QDate(2026, 5, 1), QTime(8, 0, 0)).isEmpty());
    EXPECT_TRUE(store.tempRecordingFind("Port1", "124", QDate(2026, 5, 1), QTime(8, 0, 0)).isEmpty());
}

TEST_F(CallLog, ACallInProgressIsFollowedUntilItEnds)
{
    const Date today{2026, 12, 8};
    Buffer first{};
    first[kRecordCountOffset] = 2;
    putCall(first, 0, 0x08, 0x12, {12, 8, 9, 0, 0}, {12, 8, 9, 5, 0});  // finished
    putCall(first, 1, 0xD4, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0}); // in progress
    fetch(first, today, {10, 3, 0});
    QVector<LogRow> rows = store.dataCheck();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].recording);
    EXPECT_EQ(store.dataView()[1].diffTime, "00:03:00");

    // Still going on at the next fetch: updated in place, not appended.
    Buffer second{};
    second[kRecordCountOffset] = 1;
    putCall(second, 0, 0xD4, 0x34, {12, 8, 10, 0, 0}, {0, 0, 0, 0, 0});
    fetch(second, today, {10, 20, 0});
    rows = store.dataCheck();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].recording);
    EXPECT_EQ(store.dataView()[1].diffTime, "00:20:00");

    // Finished at the third.
    Buffer third{};
    third[kRecordCountOffset] = 1;
    putCall(third, 0, 0xD8, 0x34, {12, 8, 10, 0, 0}, {12, 8, 10, 30, 0});
    fetch(third, today, {11, 0, 0});
    rows = store.dataCheck();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_FALSE(rows[1].recording);
    EXPECT_FALSE(rows[1].lost);
    EXPECT_EQ(store.dataView()[1].diffTime, "00:30:00");
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
    const QVector<LogRow> rows = store.dataCheck();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_FALSE(rows[0].recording);
    EXPECT_TRUE(rows[0].lost);
    EXPECT_EQ(store.dataView()[0].diffTime, "00:03:00"); // the end of the earlier fetch
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
    const QVector<ViewRow> rows = store.dataView();
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
    EXPECT_EQ(store.dataView().size(), 2);
    // The same call with another end is another call.
    putCall(buffer, 0, 0x08, 0x12, {12, 8, 9, 0, 0}, {12, 8, 9, 5, 1});
    fetch(buffer, {2026, 12, 8}, {12, 0, 0});
    EXPECT_EQ(store.dataView().size(), 3);
}

TEST_F(CallLog, ImpossibleDatesAreBroughtIntoRangeAndKept)
{
    Buffer buffer{};
    buffer[kRecordCountOffset] = 3;
    putCall(buffer, 0, 0x08, 0x12, {13, 8, 24, 60, 61}, {0, 0, 9, 5, 0});
    putCall(buffer, 1, 0x08, 0x12, {4, 31, 9, 0, 0}, {2, 30, 9, 5, 0});
    putCall(buffer, 2, 0x08, 0x12, {4, 30, 9, 0, 0}, {4, 30, 9, 5, 0});
    EXPECT_EQ(loadHistoryToTemp(store, buffer.data(), {2028, 12, 8}, {12, 0, 0}, portText), 3);
    const QVector<LogRow> rows = store.tempData();
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
    const QVector<LogRow> rows = store.dataCheck();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].recording);
    EXPECT_EQ(store.dataView()[0].diffTime, "00:03:00");
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
    EXPECT_TRUE(store.dataCheck()[0].recording);
    EXPECT_FALSE(store.dataCheck()[0].lost);
    // The next refresh makes the template again and goes through.
    EXPECT_TRUE(refreshCallLog(store, first.data(), today, {10, 6, 0}, portText).logUpdated);
    EXPECT_EQ(store.dataView()[0].diffTime, "00:06:00");
}

TEST_F(CallLog, ViewRowsComeInBlocksAndByIndex)
{
    for (int i = 0; i < 10; ++i)
        store.dataIns(call("Port1", QDate(2026, 5, 1), QTime(8, 0, i), QTime(8, 1, 0)));
    EXPECT_EQ(store.dataViewCount(), 10);
    const QVector<ViewRow> block = store.dataView(3, 4);
    ASSERT_EQ(block.size(), 3);
    EXPECT_EQ(block[0].startTime, " 08:00:04  05 / 01 / 2026 ");
    const QVector<ViewRow> some = store.dataViewOf({block[2].index, block[0].index});
    ASSERT_EQ(some.size(), 2);
    EXPECT_EQ(some[0].index, block[0].index);
    const auto checks = store.dataCheckOf({block[1].index});
    ASSERT_EQ(checks.size(), 1);
    EXPECT_FALSE(checks.value(block[1].index).recording);
    const auto cells = store.dataViewColumn(6);
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
        store.dataIns(call("Port1", QDate(2026, 5, 1 + i), QTime(8, 0, 0), QTime(8, 1, 0)));
    EXPECT_EQ(countRows(store, {}), 3);
    EXPECT_EQ(store.dataViewCount(), 3);
    EXPECT_EQ(countRows(store, {}), 3);
    EXPECT_EQ(counted, 1) << "asked again without a change, the number is known";

    // The store's own changes are followed without counting; one rolled
    // back is counted again.
    ASSERT_TRUE(store.dataDel(QDate(2026, 5, 1), QDate(2026, 5, 1)));
    EXPECT_EQ(countRows(store, {}), 2);
    ASSERT_TRUE(store.beginLogTransaction());
    store.dataIns(call("Port2", QDate(2026, 5, 9), QTime(8, 0, 0), QTime(8, 1, 0)));
    store.dataUpdateStatusFalse(1);
    EXPECT_EQ(countRows(store, {}), 3);
    EXPECT_EQ(counted, 1);
    store.rollbackLogTransaction();
    EXPECT_EQ(countRows(store, {}), 2);

    // A change by another connection (another process's merge).
    {
        CallLogStore other(dir.path());
        ASSERT_TRUE(other.dataIns(call("Port3", QDate(2026, 5, 7), QTime(8, 0, 0), QTime(8, 1, 0))));
        ASSERT_TRUE(other.dataIns(call("Port3", QDate(2026, 5, 8), QTime(8, 0, 0), QTime(8, 1, 0))));
    }
    EXPECT_EQ(countRows(store, {}), 4);
    EXPECT_EQ(store.callCount(), 4);
    EXPECT_EQ(counted, 3);
    ASSERT_TRUE(store.dataDelAll());
    EXPECT_EQ(store.dataViewCount(), 0);
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
    EXPECT_EQ(fresh.dataCheck().size(), 1);

    // A template without its table, beside a log of calls.
    fetch(oneCallInProgress(), today, {10, 3, 0});
    QFile(store.templatePath()).open(QIODevice::WriteOnly | QIODevice::Truncate);
    EXPECT_TRUE(store.ensureFiles());
    EXPECT_TRUE(refreshCallLog(store, oneCallInProgress().data(), today, {10, 4, 0}, portText).logUpdated);
    ASSERT_EQ(store.dataCheck().size(), 1);
    EXPECT_EQ(store.dataView()[0].diffTime, "00:04:00");
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
        EXPECT_TRUE(second.dataView().isEmpty());
        EXPECT_FALSE(second.failed());
    }
    ::unsetenv("QL310_TIMEOUT_MS");
    EXPECT_TRUE(refreshCallLog(second, oneCallInProgress().data(), {2026, 12, 8}, {10, 3, 0},
                               portText).logUpdated);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
