// SPDX-License-Identifier: GPL-3.0-or-later
// The advisory lock that makes a two-block read, a two-block write and a
// phone book's read-change-write whole against other processes: the lock
// file beside the device socket. Taken again inside the same process it is
// only counted, so QL310_LockDevice can hold it around a read and a write.
#pragma once

namespace ql310 {

class DeviceLock {
public:
    // Takes the lock, waiting no longer than QL310_TIMEOUT_MS.
    DeviceLock();
    ~DeviceLock();
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    // Another process held the lock for the whole wait.
    bool busy() const { return m_busy; }

    // The same, for the exports that take and give back the lock.
    static bool acquire();
    static void release();

private:
    bool m_held = false;
    bool m_busy = false;
};

} // namespace ql310
