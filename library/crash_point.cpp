// SPDX-License-Identifier: GPL-3.0-or-later
// The crash points of a test build: SIGKILL at the point $QL310_CRASH_AT names.
#include "crash_point.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include <unistd.h>

namespace ql310 {

void crashPoint(const char* name)
{
    const char* wanted = std::getenv("QL310_CRASH_AT");
    if (!wanted)
        return;
    std::string point = wanted;
    long pass = 1;
    if (const size_t hash = point.find('#'); hash != std::string::npos) {
        pass = std::strtol(point.c_str() + hash + 1, nullptr, 10);
        point.resize(hash);
    }
    if (point != name)
        return;
    static std::map<std::string, long> passes;
    if (++passes[point] == pass)
        ::kill(::getpid(), SIGKILL);
}

} // namespace ql310
