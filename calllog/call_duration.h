// SPDX-License-Identifier: GPL-3.0-or-later
// A call's duration in seconds: the whole days between its start and end
// dates plus the time of day between its start and end times, negative when
// it ends before it starts (a call in progress that started after the PC's
// clock). One definition in SQL, which the view, its order and the engine
// reckon, and the same in C++ for the passes over the whole log that read
// the texts themselves.
#pragma once

#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>

namespace ql310::calllog {

// The duration over the columns StartDate, StartTime, EndDate and EndTime of
// a row of Data.
inline constexpr const char* kDurationSql =
    "CAST(round(julianday(EndDate) - julianday(StartDate)) AS INTEGER) * 86400 "
    "+ (strftime('%s', '2000-01-01 ' || EndTime) - strftime('%s', '2000-01-01 ' || StartTime))";

// kDurationSql of the texts the log holds ("YYYY-MM-DD" of the years
// 1..9999 and "HH:MM:SS"); nothing for any other text, which only the
// engine reads as the SQL does.
std::optional<qint64> callDuration(std::string_view startDate, std::string_view startTime,
                                   std::string_view endDate, std::string_view endTime);

// callDuration() over a run of calls: calls follow each other mostly within
// a day, so the last start and end days read are kept.
class CallDurations {
public:
    std::optional<qint64> of(std::string_view startDate, std::string_view startTime,
                             std::string_view endDate, std::string_view endTime);

private:
    struct LastDay {
        std::string text;
        std::optional<qint64> day;
        bool read = false;
        std::optional<qint64> of(std::string_view date);
    };
    LastDay m_start, m_end;
};

} // namespace ql310::calllog
