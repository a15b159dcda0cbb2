// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the calls that meet a condition: calls and lost calls a day,
// talk time per port or channel, and the ten numbers with the most calls and
// with the longest talk time. Talk time counts a call's duration up to its
// end (or the latest fetch for a call in progress), never below zero; a lost
// call (whose end is only the fetch that missed it) counts none, and a
// number with only lost calls is not among the longest talks.
#pragma once

#include "call_log_rows.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace ql310::calllog {

struct DayFigures {
    QDate day;
    qint64 incoming = 0;
    qint64 outgoing = 0;
    qint64 lost = 0;
};

struct PortFigures {
    QString port;
    qint64 calls = 0;
    qint64 seconds = 0;
};

struct NumberFigures {
    QString number;
    qint64 calls = 0;
    qint64 seconds = 0;
};

struct CallStatistics {
    qint64 calls = 0;
    qint64 lost = 0;
    qint64 seconds = 0;
    QVector<DayFigures> days;        // days with calls, in order
    QVector<PortFigures> ports;      // ports with calls, by name
    QVector<NumberFigures> mostCalls;    // up to ten, most calls first
    QVector<NumberFigures> longestTalk;  // up to ten, longest first
};

inline constexpr int kTopNumbers = 10;

// The numbers whose totals are kept in memory at a time (a table that stays
// small); more go to temporary files, summed part by part
// in the end, so that a log of ten million numbers takes no more memory
// than one of ten thousand.
inline constexpr size_t kNumbersInMemory = size_t(1) << 14;

// False when the log cannot be read (or a temporary file not used).
bool callStatistics(CallLogStore& store, const RowCondition& condition, CallStatistics& out,
                    size_t numbersInMemory = kNumbersInMemory);

} // namespace ql310::calllog
