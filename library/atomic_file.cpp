// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include "crash_point.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <limits>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

std::string directoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The temporary file and the rename need a folder this user may write.
bool writableFolder(const std::string& directory, std::string& reason)
{
    struct stat status {};
    if (::stat(directory.c_str(), &status) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        reason = std::strerror(ENOTDIR);
        return false;
    }
    if (::faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

// Six characters as mkstemp makes them, of more than one kind.
bool looksMadeByMkstemp(const std::string& suffix)
{
    if (suffix.size() != 6)
        return false;
    bool lower = false, upper = false, digit = false;
    for (char c : suffix) {
        if (c >= 'a' && c <= 'z')
            lower = true;
        else if (c >= 'A' && c <= 'Z')
            upper = true;
        else if (c >= '0' && c <= '9')
            digit = true;
        else
            return false;
    }
    return int(lower) + int(upper) + int(digit) > 1;
}

// Reads `fd` to its end, or to `wanted` bytes; `expected` is the size the
// file gave, the first guess of the room needed.
bool readUpTo(int fd, size_t wanted, size_t expected, std::vector<uint8_t>& bytes)
{
    constexpr size_t kStep = 8192;
    // One byte more than the file's size: the read that finds its end
    // needs no larger buffer.
    bytes.resize(std::min(wanted, expected + 1));
    size_t done = 0;
    while (done < wanted) {
        if (done == bytes.size())
            bytes.resize(std::min(wanted, std::max(done * 2, done + kStep)));
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return true;
}

} // namespace

FileContent readRegularFile(const std::string& path, size_t limit, OverLimit overLimit)
{
    FileContent out;
    auto fail = [&out](ReadError error, int systemError) {
        out.bytes.clear();
        out.error = error;
        out.systemError = systemError;
        return out;
    };
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd)
        return fail(errno == ENOENT ? ReadError::Missing : ReadError::CannotOpen, errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        return fail(ReadError::CannotStat, errno);
    if (S_ISDIR(status.st_mode))
        return fail(ReadError::Directory, EISDIR);
    if (!S_ISREG(status.st_mode))
        return fail(ReadError::NotRegular, 0);
    const bool refuse = overLimit == OverLimit::Refuse;
    const auto size = static_cast<unsigned long long>(status.st_size);
    if (refuse && size > limit)
        return fail(ReadError::TooLarge, 0);
    // Refusing, one byte past the limit tells a file that grew meanwhile.
    const size_t wanted =
        refuse && limit < std::numeric_limits<size_t>::max() ? limit + 1 : limit;
    if (!readUpTo(fd.get(), wanted, static_cast<size_t>(std::min<unsigned long long>(size, limit)),
                  out.bytes))
        return fail(ReadError::CannotRead, errno);
    if (out.bytes.size() > limit)
        return fail(ReadError::TooLarge, 0);
    return out;
}

LockResult lockWithin(int fd, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::chrono::milliseconds pause(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return LockResult::Locked;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return LockResult::Failed;
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            return LockResult::TimedOut;
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

int makeDirectories(const std::string& path, mode_t mode, mode_t parentMode, std::string* failed)
{
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i != path.size() && path[i] != '/')
            continue;
        const std::string part = path.substr(0, i);
        if (::mkdir(part.c_str(), i == path.size() ? mode : parentMode) != 0 && errno != EEXIST) {
            if (failed)
                *failed = part;
            return errno;
        }
    }
    return 0;
}

bool saveTarget(const std::string& path, std::string& target, std::string& reason)
{
    constexpr int kMaxLinks = 40; // as the system follows them
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                reason = std::strerror(errno);
                return false;
            }
            // A link that names no file would make one wherever it points.
            if (links > 0) {
                reason = "it is a link to a file that does not exist";
                return false;
            }
            if (!writableFolder(directoryOf(current), reason))
                return false;
            target = current;
            return true;
        }
        if (S_ISLNK(status.st_mode)) {
            if (links >= kMaxLinks) {
                reason = std::strerror(ELOOP);
                return false;
            }
            std::string link(4096, '\0');
            const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
            if (n < 0 || static_cast<size_t>(n) >= link.size()) {
                reason = std::strerror(n < 0 ? errno : ENAMETOOLONG);
                return false;
            }
            link.resize(static_cast<size_t>(n));
            current = link.front() == '/' ? link : directoryOf(current) + "/" + link;
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            reason = std::strerror(EISDIR);
            return false;
        }
        if (!S_ISREG(status.st_mode)) {
            reason = "it is not a regular file";
            return false;
        }
        // The superuser may write any file; one that nobody may write is
        // still read-only to the user, root or not.
        if (::faccessat(AT_FDCWD, current.c_str(), W_OK, AT_EACCESS) != 0 ||
            (status.st_mode & 0222) == 0) {
            reason = std::strerror((status.st_mode & 0222) == 0 ? EACCES : errno);
            return false;
        }
        if (!writableFolder(directoryOf(current), reason))
            return false;
        target = current;
        return true;
    }
}

void removeStaleTemporaries(const std::string& path, int olderThanSeconds)
{
    const std::string directory = directoryOf(path);
    const std::string prefix = baseNameOf(path) + ".";
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return;
    const std::time_t before = std::time(nullptr) - olderThanSeconds;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0 ||
            !looksMadeByMkstemp(name.substr(prefix.size())))
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(dir), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_mtime < before)
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                           mode_t newMode, std::string& reason, mode_t withoutBits)
{
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    // Beside the target, so that the rename stays on one file system.
    std::string temporary = path + ".XXXXXX";
    UniqueFd fd(::mkstemp(temporary.data()));
    if (!fd) {
        reason = std::strerror(errno);
        return false;
    }
    int error = 0;
    const size_t half = size / 2;
    bool written = writeAll(fd.get(), data, half);
    QL310_CRASH_POINT("replace-half-written");
    written = written && writeAll(fd.get(), data + half, size - half);
    if (!written || ::fsync(fd.get()) != 0 ||
        ::fchmod(fd.get(), (existed ? (old.st_mode & 07777) : newMode) & ~withoutBits) != 0)
        error = errno;
    if (error == 0 && existed && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
        (void)!::fchown(fd.get(), old.st_uid, old.st_gid);
    if (!fd.close() && error == 0)
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
