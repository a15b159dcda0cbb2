// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_history_record.h"

namespace ql310::calllog {

namespace {

constexpr int kDigitZeroNibble = 0xA;

Date dateAt(const uint8_t* at, const Date& today) { return recordDate(at[0], at[1], today); }

TimeOfDay timeAt(const uint8_t* at) { return recordTime(at[2], at[3], at[4]); }

int clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

} // namespace

int recordCount(const uint8_t* history) { return history[kRecordCountOffset]; }

TextId channelTextId(uint8_t flags) { return kChannelTexts[(flags & kChannelMask) >> kChannelShift]; }

std::string unpackHistoryDigits(const uint8_t* field)
{
    std::string digits;
    for (int i = 0; i < kNumberBytes; ++i) {
        const uint8_t byte = field[i];
        if (byte == 0x00)
            break;
        for (const uint8_t nibble : {uint8_t(byte >> 4), uint8_t(byte & 0x0F)}) {
            if (nibble < 1 || nibble > kDigitZeroNibble)
                return digits;
            digits.push_back(nibble == kDigitZeroNibble ? '0' : static_cast<char>('0' + nibble));
        }
    }
    return digits;
}

int inferYear(int recordMonth, const Date& today)
{
    if (today.month >= 3)
        return today.year;
    // The calendar starts with year 1: there is no year before it.
    return recordMonth > 10 && today.year > 1 ? today.year - 1 : today.year;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[clamp(month, 1, 12) - 1];
}

Date recordDate(int month, int day, const Date& today)
{
    Date date;
    date.month = clamp(month, 1, 12);
    date.year = inferYear(date.month, today);
    date.day = clamp(day, 1, daysInMonth(date.year, date.month));
    return date;
}

TimeOfDay recordTime(int hour, int minute, int second)
{
    return {clamp(hour, 0, 23), clamp(minute, 0, 59), clamp(second, 0, 59)};
}

std::vector<CallRow> decodeCallHistory(const uint8_t* history, const Date& today,
                                       const TimeOfDay& now)
{
    std::vector<CallRow> rows;
    if (recordCount(history) == 0)
        return rows;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const uint8_t* record = history + kFirstSlotOffset + kSlotSize * slot;
        const uint8_t flags = record[kFlagsOffset];
        if ((flags & kStateMask) == 0)
            continue;
        CallRow row;
        row.portTextId = channelTextId(flags);
        row.recording = (flags & kStateMask) == kStateInProgress;
        row.outgoing = (flags & kOutgoingBit) != 0;
        row.startDate = dateAt(record + kStartOffset, today);
        row.startTime = timeAt(record + kStartOffset);
        if (row.recording) {
            row.endDate = today;
            row.endTime = now;
        } else {
            row.endDate = dateAt(record + kEndOffset, today);
            row.endTime = timeAt(record + kEndOffset);
        }
        row.phoneNumber = unpackHistoryDigits(record + kNumberOffset);
        if (row.phoneNumber.empty())
            row.phoneNumber = kNoNumber;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace ql310::calllog
