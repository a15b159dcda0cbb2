// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications of a fetch: one notice of the new incoming calls,
// the calls lost while going on and the calls never fetched, posted to the
// desktop's notification service (org.freedesktop.Notifications on the
// D-Bus session bus).
#pragma once

#include "fetch_news.h"

#include <QString>

#include <functional>
#include <optional>

namespace ql310::collection {

struct Notice {
    QString summary;
    QString body;
};

// The name the phone book gives a number; empty for none.
using NameOf = std::function<QString(const QString& number)>;

// What a fetch's news says: "Call from Anna Example (030 1234567), 10:42"
// for one new incoming call, "3 calls: Anna Example, 0301234567 and 1 more"
// for several (each on a line of the body), lost calls and a gap on lines of
// their own. Nothing when the fetch brought none of them. `region` formats
// the numbers (empty: as stored).
std::optional<Notice> noticeOf(const FetchNews& news, const NameOf& nameOf, const std::string& region);

// Posts `notice` on the session bus, waiting for the service no longer than
// the library's bound. False, with the reason in `error`, when there is no
// session bus or no notification service answers.
bool postNotice(const Notice& notice, QString& error);

} // namespace ql310::collection
