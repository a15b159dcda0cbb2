// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_duration.h"

#include <QDate>

namespace ql310::calllog {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// The number of the `count` digits at `at` of `text`, or -1.
int digitsAt(std::string_view text, size_t at, size_t count)
{
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        const unsigned digit = unsigned(text[i] - '0');
        if (digit > 9)
            return -1;
        value = value * 10 + int(digit);
    }
    return value;
}

// The Julian day of a real date "YYYY-MM-DD" of the years 1..9999.
std::optional<qint64> dayOf(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    if (year < 1 || month < 0 || day < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date.toJulianDay();
}

// The seconds since midnight of a time "HH:MM:SS" of one day.
std::optional<qint64> secondOfDay(std::string_view text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    const int h = digitsAt(text, 0, 2), m = digitsAt(text, 3, 2), s = digitsAt(text, 6, 2);
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

std::optional<qint64> secondsBetween(std::optional<qint64> startDay, std::string_view startTime,
                                     std::optional<qint64> endDay, std::string_view endTime)
{
    const std::optional<qint64> start = secondOfDay(startTime), end = secondOfDay(endTime);
    if (!startDay || !endDay || !start || !end)
        return std::nullopt;
    return (*endDay - *startDay) * kSecondsPerDay + *end - *start;
}

} // namespace

std::optional<qint64> callDuration(std::string_view startDate, std::string_view startTime,
                                   std::string_view endDate, std::string_view endTime)
{
    return secondsBetween(dayOf(startDate), startTime, dayOf(endDate), endTime);
}

std::optional<qint64> CallDurations::of(std::string_view startDate, std::string_view startTime,
                                        std::string_view endDate, std::string_view endTime)
{
    return secondsBetween(m_start.of(startDate), startTime, m_end.of(endDate), endTime);
}

std::optional<qint64> CallDurations::LastDay::of(std::string_view date)
{
    if (!read || date != text) {
        text = date;
        day = dayOf(date);
        read = true;
    }
    return day;
}

} // namespace ql310::calllog
