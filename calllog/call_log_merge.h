// SPDX-License-Identifier: GPL-3.0-or-later
// Folding a fetched call history into the permanent log: the scratch log is
// refilled from the buffer, calls the log still holds as in progress are
// settled against it, and every remaining call is appended.
#pragma once

#include "call_history_record.h"
#include "call_log_store.h"

#include <functional>

namespace ql310::calllog {

// Text of a text id, for the channel names stored in the log.
using TextLookup = std::function<QString(TextId id)>;

// Empties the scratch log and fills it with the buffer's calls. Returns the
// record count the adapter reports, for the status message. Every step goes
// on past a failure; the store is marked failed when one occurred.
int loadHistoryToTemp(CallLogStore& store, const uint8_t* history, const Date& today,
                      const TimeOfDay& now, const TextLookup& text);

// Settles the log's calls in progress against the scratch log (updated in
// place when the fetch still has them, marked lost when it does not) and
// appends the scratch log's other calls, except finished calls the log
// already holds. All in one transaction: false, with the log as it was
// before, when any step failed.
bool mergeHistoryIntoLog(CallLogStore& store);

struct RefreshResult {
    int recordCount = 0;
    bool logUpdated = false;
};

// Both steps of a fetch, under the store's fetch lock (not updated when
// another fetch holds it for longer than the library's bound); the merge
// runs only over a completely loaded scratch log, so that a failed load
// never marks the log's calls lost.
RefreshResult refreshCallLog(CallLogStore& store, const uint8_t* history, const Date& today,
                             const TimeOfDay& now, const TextLookup& text);

} // namespace ql310::calllog
