// SPDX-License-Identifier: GPL-3.0-or-later
// Calls that were never fetched: the adapter remembers only its last 90
// calls, so a fetch whose buffer is full and whose oldest call started after
// the newest call of the log shows that the calls between were lost. Each
// such gap is kept in table Gaps of the permanent log, beside table Data.
#pragma once

#include "call_log_store.h"

#include <QDateTime>
#include <QVector>

#include <optional>

namespace ql310::collection {

// How many calls the adapter's memory holds.
inline constexpr int kAdapterMemory = 90;

struct Gap {
    qint64 id = 0;
    QDateTime from;  // start of the newest call the log held
    QDateTime to;    // start of the oldest call of the full buffer
    QDateTime found; // when the fetch found it
    bool dismissed = false;
};

// After a fetch has filled the scratch log and before it is merged: the gap
// between the log and the fetched calls, if there is one.
std::optional<Gap> findGap(calllog::CallLogStore& store, const QDateTime& now);

// Keeps `gap` in table Gaps (made when missing). False when it cannot.
bool recordGap(calllog::CallLogStore& store, const Gap& gap);

// Every gap in the order found; false when the log cannot be read (no table
// is no gap).
bool allGaps(calllog::CallLogStore& store, QVector<Gap>& out);

// The gap found last that was not dismissed.
std::optional<Gap> newestGap(calllog::CallLogStore& store);

// The user has seen the gap: it is no longer shown above the grid.
bool dismissGap(calllog::CallLogStore& store, qint64 id);

// "calls between 2026-12-01 10:02 and 2026-12-03 18:40 are missing: the
// adapter's memory of 90 calls overflowed before it was read"
QString gapMessage(const Gap& gap);

// The days from `first` to `last` (both included) that a gap covers, in order.
QVector<QDate> gapDays(calllog::CallLogStore& store, const QDate& first, const QDate& last);

} // namespace ql310::collection
