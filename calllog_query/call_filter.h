// SPDX-License-Identifier: GPL-3.0-or-later
// Which calls the workbench shows: a filter over the log's rows, turned
// into a condition with bound values only.
#pragma once

#include "call_log_rows.h"

#include <QDate>
#include <QString>

namespace ql310::numbers {
class PhoneBookNames;
}

namespace ql310::calllog {

struct CallFilter {
    enum class Direction { All, In, Out };

    // Anywhere in the number or in the name of the number (either matches).
    QString search;
    // Anywhere in the number; anywhere in the name (ql310ctl's --number, --name).
    QString number;
    QString name;
    Direction direction = Direction::All;
    // One port or channel text ("Port1" .. "Data(B2)"); empty for all.
    QString port;
    // First and last day of the start, both included; a null date is open.
    QDate from;
    QDate to;
    bool lostOnly = false;
    bool inProgressOnly = false;

    bool isEmpty() const;
    // The days cannot hold a call: from after to.
    bool daysReversed() const { return from.isValid() && to.isValid() && from > to; }
};

// The condition of `filter`. Texts are taken literally and matched without
// regard to case; names come from `names` (null or empty: no call has one).
RowCondition conditionOf(const CallFilter& filter, const numbers::PhoneBookNames* names);

// `text` for a LIKE pattern with ESCAPE '\': \, % and _ stand for themselves.
QString escapedForLike(const QString& text);

} // namespace ql310::calllog
