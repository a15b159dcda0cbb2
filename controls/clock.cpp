// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

namespace ql310 {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace ql310
