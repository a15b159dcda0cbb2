// SPDX-License-Identifier: GPL-3.0-or-later
// The adapter's call-history buffer: its 90 record slots decoded into the
// rows that go into the scratch log. Plain C++, no Qt.
#pragma once

#include "text_id.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ql310::calllog {

// Layout of the 2203-byte call-history buffer.
inline constexpr int kHistorySize = 2203;
inline constexpr int kRecordCountOffset = 2;
inline constexpr int kFirstSlotOffset = 3;
inline constexpr int kSlotSize = 24;
inline constexpr int kSlotCount = 90;

// Layout of one 24-byte call record.
inline constexpr int kFlagsOffset = 0;
inline constexpr int kNumberOffset = 1;
inline constexpr int kNumberBytes = 13;
inline constexpr int kStartOffset = 14; // month, day, hour, minute, second
inline constexpr int kEndOffset = 19;

// Bits of the record's flags byte.
inline constexpr uint8_t kChannelMask = 0xE0;
inline constexpr int kChannelShift = 5;
inline constexpr uint8_t kOutgoingBit = 0x10;
inline constexpr uint8_t kStateMask = 0x0C;
inline constexpr uint8_t kStateInProgress = 0x04;

// Shown for a call whose number the adapter did not record.
inline constexpr const char* kNoNumber = "*****";

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Date&) const = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const TimeOfDay&) const = default;
};

// One call as it goes into the log. A date or time that the adapter wrote
// out of range is brought into range part by part (see inRange), so every
// call of the buffer is kept.
struct CallRow {
    TextId portTextId = TextId::NoText; // the text of the channel, "Port1" .. "Data(B2)"
    bool outgoing = false;
    std::string phoneNumber;
    bool recording = false; // still in progress at this fetch
    Date startDate;
    TimeOfDay startTime;
    Date endDate;
    TimeOfDay endTime;
};

// The record count the adapter reports (buffer byte 2).
int recordCount(const uint8_t* history);

// Text id of the channel in bits 7-5 of a record's flags.
TextId channelTextId(uint8_t flags);

// Dial digits of a record's 13-byte number field: "1".."9" and "0" only,
// ending at a 0x00 byte or at the first nibble that is no digit.
std::string unpackHistoryDigits(const uint8_t* field);

// The year of a record's month, which the record does not carry: fetched in
// January or February, November and December belong to last year.
int inferYear(int recordMonth, const Date& today);

// Days of `month` (1..12) in `year`, leap years counted.
int daysInMonth(int year, int month);

// The date of a record's month, day and `today`: month brought to 1..12,
// the year inferred from it, the day brought to 1..the month's length.
Date recordDate(int month, int day, const Date& today);
// Hour brought to 0..23, minute and second to 0..59.
TimeOfDay recordTime(int hour, int minute, int second);

// Every call of the buffer's 90 slots, in slot order; none when the adapter
// reports a record count of 0. Calls in progress end at `today`/`now`.
std::vector<CallRow> decodeCallHistory(const uint8_t* history, const Date& today,
                                       const TimeOfDay& now);

} // namespace ql310::calllog
