#include "clock.h"

namespace ql310 {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace ql310
