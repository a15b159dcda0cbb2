// SPDX-License-Identifier: GPL-3.0-or-later
// The call log collected in the background from a terminal: `calllog watch`,
// `calllog gaps`, and what every fetch says of a gap and, with --notify,
// posts as a desktop notification.
#pragma once

#include "fetch_news.h"

#include <QStringList>

namespace ql310::cli {

// Says a gap the fetch found on standard error (whatever --quiet asks) and,
// when `notify`, posts the fetch's notice; a missing bus or service is one
// line on standard error and no failure.
void reportNews(const collection::FetchNews& news, bool notify);

int watchCallLog(const QStringList& args);
int listGaps(const QStringList& args);

extern const char* const kWatchHelp;
extern const char* const kGapsHelp;

} // namespace ql310::cli
