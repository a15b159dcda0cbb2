// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_lock.h"

#include "atomic_file.h"
#include "device_protocol.h"
#include "ql310.h"

#include <mutex>

#include <fcntl.h>

namespace ql310 {

namespace {

std::mutex g_mutex;
int g_depth = 0;
UniqueFd g_fd; // closing it gives the lock back

} // namespace

bool DeviceLock::acquire()
{
    const std::lock_guard<std::mutex> guard(g_mutex);
    if (g_depth > 0) {
        ++g_depth;
        return true;
    }
    // Where the lock file cannot be made (no device folder, none of this
    // user's) there is no device to share either: go on without it.
    const std::string path = device::lockPath();
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0600));
    if (!fd)
        fd.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (fd) {
        const LockResult result = lockWithin(fd.get(), device::timeoutMs());
        if (result == LockResult::TimedOut)
            return false;
        if (result == LockResult::Failed)
            fd.reset();
    }
    g_fd = std::move(fd);
    g_depth = 1;
    return true;
}

void DeviceLock::release()
{
    const std::lock_guard<std::mutex> guard(g_mutex);
    if (g_depth == 0 || --g_depth > 0)
        return;
    g_fd.reset();
}

DeviceLock::DeviceLock() : m_held(acquire()), m_busy(!m_held) {}

DeviceLock::~DeviceLock()
{
    if (m_held)
        release();
}

} // namespace ql310

extern "C" {

uint8_t QL310_LockDevice(void)
{
    return ql310::DeviceLock::acquire() ? QL310_OK : QL310_BUSY;
}

void QL310_UnlockDevice(void)
{
    ql310::DeviceLock::release();
}

} // extern "C"
