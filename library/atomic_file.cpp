// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include "crash_point.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace ql310 {

namespace {

bool writeAll(int fd, const uint8_t* data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        return false;
    }
    return true;
}

} // namespace

bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                           mode_t newMode, std::string& reason, mode_t withoutBits)
{
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    // Beside the target, so that the rename stays on one file system.
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    int error = 0;
    const size_t half = size / 2;
    bool written = writeAll(fd, data, half);
    QL310_CRASH_POINT("replace-half-written");
    written = written && writeAll(fd, data + half, size - half);
    if (!written || ::fsync(fd) != 0 ||
        ::fchmod(fd, (existed ? (old.st_mode & 07777) : newMode) & ~withoutBits) != 0)
        error = errno;
    if (error == 0 && existed && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
        (void)!::fchown(fd, old.st_uid, old.st_gid);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    QL310_CRASH_POINT("replace-before-rename");
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        reason = std::strerror(error);
        return false;
    }
    return true;
}

} // namespace ql310
