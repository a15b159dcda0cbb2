// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log store and the fold-in of fetched call histories.
#include "call_log_merge.h"
#include "call_log_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

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
    ASSERT_TRUE(store.dataDelAll());
    EXPECT_TRUE(store.dataView().isEmpty());
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
