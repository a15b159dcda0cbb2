// SPDX-License-Identifier: GPL-3.0-or-later
// "Today" and "now" as the program reads them; tests set their own clock.
#pragma once

#include <QDateTime>

namespace ql310 {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

} // namespace ql310
