// SPDX-License-Identifier: GPL-3.0-or-later
// A fetch as the background collection runs it: the call-log fold-in of the
// program's Read, and what it brought that a user wants to hear of (new
// calls, calls that were lost while going on, a gap of calls never fetched).
#pragma once

#include "call_gaps.h"
#include "call_log_merge.h"

#include <QVector>

#include <optional>

namespace ql310::collection {

struct FetchNews {
    calllog::RefreshResult refresh;
    std::optional<Gap> gap;                // found by this fetch
    bool gapRecorded = false;
    QVector<calllog::LogRow> newCalls;     // appended by this fetch, in start order
    QVector<calllog::LogRow> lostCalls;    // were in progress, vanished from the adapter
};

// Loads `history` and merges it into the log under the store's fetch lock,
// as calllog::refreshCallLog does, and finds what the fetch brought. The
// gap is recorded only when the merge succeeded.
FetchNews collectHistory(calllog::CallLogStore& store, const uint8_t* history, const QDateTime& now,
                         const calllog::TextLookup& text);

// The largest Index of the log; 0 for an empty log, -1 when it cannot be read.
qint64 newestIndex(calllog::CallLogStore& store);

} // namespace ql310::collection
