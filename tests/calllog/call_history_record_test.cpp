// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the adapter's call-history buffer into log rows.
#include "call_history_record.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace ql310::calllog;
using ql310::TextId;

using Buffer = std::array<uint8_t, kHistorySize>;

// Puts a call into slot `slot`: flags, number bytes, start and end bytes.
void putCall(Buffer& buffer, int slot, uint8_t flags, std::initializer_list<uint8_t> number,
             std::array<uint8_t, 5> start, std::array<uint8_t, 5> end)
{
    uint8_t* record = buffer.data() + kFirstSlotOffset + kSlotSize * slot;
    record[kFlagsOffset] = flags;
    int i = 0;
    for (uint8_t b : number)
        record[kNumberOffset + i++] = b;
    for (int k = 0; k < 5; ++k) {
        record[kStartOffset + k] = start[k];
        record[kEndOffset + k] = end[k];
    }
}

const Date kFifteenthJanuary{2027, 1, 15};
const TimeOfDay kNoon{12, 0, 0};

TEST(CallHistoryDigits, StopAtTheFirstNonDigit)
{
    const uint8_t a[13] = {0x12, 0x3A, 0x00};
    EXPECT_EQ(unpackHistoryDigits(a), "1230");
    const uint8_t odd[13] = {0x12, 0x30};
    EXPECT_EQ(unpackHistoryDigits(odd), "123");
    const uint8_t empty[13] = {0x00, 0x12};
    EXPECT_EQ(unpackHistoryDigits(empty), "");
    const uint8_t star[13] = {0xB1, 0x22};
    EXPECT_EQ(unpackHistoryDigits(star), "");
    const uint8_t hash[13] = {0x45, 0xC6};
    EXPECT_EQ(unpackHistoryDigits(hash), "45");
    uint8_t full[13];
    for (uint8_t& b : full)
        b = 0x9A;
    EXPECT_EQ(unpackHistoryDigits(full).size(), 26u);
}

TEST(CallHistoryYear, JanuaryAndFebruaryPutLateMonthsInLastYear)
{
    EXPECT_EQ(inferYear(12, kFifteenthJanuary), 2026);
    EXPECT_EQ(inferYear(11, Date{2027, 2, 28}), 2026);
    EXPECT_EQ(inferYear(10, kFifteenthJanuary), 2027);
    EXPECT_EQ(inferYear(1, kFifteenthJanuary), 2027);
    EXPECT_EQ(inferYear(12, Date{2027, 3, 1}), 2027);
    EXPECT_EQ(inferYear(12, Date{1, 1, 1}), 1); // no year 0
}

TEST(CallHistoryDates, PartsOutOfRangeAreBroughtIntoRange)
{
    const Date may{2028, 5, 1};
    EXPECT_EQ(recordDate(2, 30, may), (Date{2028, 2, 29}));
    EXPECT_EQ(recordDate(2, 29, Date{2027, 5, 1}), (Date{2027, 2, 28}));
    EXPECT_EQ(recordDate(0, 0, may), (Date{2028, 1, 1}));
    EXPECT_EQ(recordDate(13, 31, kFifteenthJanuary), (Date{2026, 12, 31})); // as December
    EXPECT_EQ(recordDate(4, 31, may), (Date{2028, 4, 30}));
    EXPECT_EQ(recordTime(24, 60, 255), (TimeOfDay{23, 59, 59}));
    EXPECT_EQ(recordTime(0, 0, 0), (TimeOfDay{0, 0, 0}));
}

TEST(CallHistoryDecoding, ReadsEverySlotWithACallWhateverTheCount)
{
    Buffer buffer{};
    buffer[kRecordCountOffset] = 1;
    putCall(buffer, 0, 0x08, {0x12, 0x3A}, {12, 24, 18, 5, 9}, {12, 24, 18, 7, 30});
    putCall(buffer, 5, 0x20 | 0x10 | 0x0C, {0x00}, {1, 2, 3, 4, 5}, {1, 2, 3, 9, 5});
    putCall(buffer, 89, 0xD4, {0x55}, {1, 15, 11, 0, 0}, {0, 0, 0, 0, 0});
    const auto rows = decodeCallHistory(buffer.data(), kFifteenthJanuary, kNoon);
    ASSERT_EQ(rows.size(), 3u);

    EXPECT_EQ(rows[0].portTextId, TextId::ChannelPort1);
    EXPECT_FALSE(rows[0].outgoing);
    EXPECT_FALSE(rows[0].recording);
    EXPECT_EQ(rows[0].phoneNumber, "1230");
    EXPECT_EQ(rows[0].startDate, (Date{2026, 12, 24}));
    EXPECT_EQ(rows[0].startTime, (TimeOfDay{18, 5, 9}));
    EXPECT_EQ(rows[0].endDate, (Date{2026, 12, 24}));
    EXPECT_EQ(rows[0].endTime, (TimeOfDay{18, 7, 30}));

    EXPECT_EQ(rows[1].portTextId, TextId::ChannelPort2); // state 3 is finished too
    EXPECT_TRUE(rows[1].outgoing);
    EXPECT_FALSE(rows[1].recording);
    EXPECT_EQ(rows[1].phoneNumber, kNoNumber);
    EXPECT_EQ(rows[1].startDate, (Date{2027, 1, 2}));

    // 0xD4: outgoing, in progress, "Data(B1)"; it ends at the fetch.
    EXPECT_EQ(rows[2].portTextId, TextId::DataB1);
    EXPECT_TRUE(rows[2].outgoing);
    EXPECT_TRUE(rows[2].recording);
    EXPECT_EQ(rows[2].endDate, kFifteenthJanuary);
    EXPECT_EQ(rows[2].endTime, kNoon);
}

TEST(CallHistoryDecoding, ACountOfZeroReadsNoSlot)
{
    Buffer buffer{};
    putCall(buffer, 0, 0x08, {0x12}, {3, 1, 1, 1, 1}, {3, 1, 1, 2, 1});
    EXPECT_TRUE(decodeCallHistory(buffer.data(), kFifteenthJanuary, kNoon).empty());
    buffer[kRecordCountOffset] = 7;
    EXPECT_EQ(decodeCallHistory(buffer.data(), kFifteenthJanuary, kNoon).size(), 1u);
}

TEST(CallHistoryDecoding, EveryChannelHasItsText)
{
    const int expected[8] = {373, 374, 375, 376, 400, 401, 377, 378};
    for (int channel = 0; channel < 8; ++channel)
        EXPECT_EQ(ql310::textNumber(channelTextId(static_cast<uint8_t>(channel << 5 | 0x08))), expected[channel]);
}

} // namespace
