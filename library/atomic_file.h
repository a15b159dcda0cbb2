// SPDX-License-Identifier: GPL-3.0-or-later
// The one place for low-level file work: owning a descriptor, reading a
// file that may be hostile, waiting for a lock, making folders, and
// replacing a file whole. The library's hive, the simulated adapter's state
// and the program's setting files all go through this, so that a named pipe
// never blocks them and a crash or a full disk never leaves a torn file.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ql310 {

// Owns one descriptor (a file, a socket, a pipe) and closes it when it
// goes. Closing never changes errno, so a caller may still report the
// failure that made it give the descriptor up.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    // Gives the descriptor up without closing it.
    int release() { return std::exchange(m_fd, -1); }
    // Closes the descriptor held, if any, and holds `fd` instead.
    void reset(int fd = -1)
    {
        const int old = std::exchange(m_fd, fd);
        if (old >= 0 && old != fd) {
            const int error = errno;
            ::close(old);
            errno = error;
        }
    }
    // Closes the descriptor; false with errno set when the system reports
    // an error (as a write that failed only now).
    bool close()
    {
        const int fd = release();
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd = -1;
};

// Why a file could not be read.
enum class ReadError {
    None,
    Missing,    // no file of that name
    CannotOpen, // the open failed otherwise
    CannotStat,
    Directory,
    NotRegular, // a named pipe, a device, a socket
    TooLarge,   // more than the limit
    CannotRead,
};

struct FileContent {
    std::vector<uint8_t> bytes;
    ReadError error = ReadError::None;
    int systemError = 0; // errno of Missing, CannotOpen, CannotStat, Directory, CannotRead
    bool ok() const { return error == ReadError::None; }
};

// What a read does with a file of more than its limit.
enum class OverLimit {
    Refuse,    // TooLarge, nothing read
    ReadFirst, // the first `limit` bytes
};

// Reads the regular file at `path` (a symbolic link is followed) to its
// end. The open never blocks and never takes a terminal: a named pipe
// would wait for a writer for ever, a device would never end; only a
// regular file is read. A file that grows past `limit` while being read is
// refused too. On failure `bytes` is empty.
FileContent readRegularFile(const std::string& path, size_t limit,
                            OverLimit overLimit = OverLimit::Refuse);

enum class LockResult { Locked, TimedOut, Failed };
// Takes an exclusive advisory lock (flock) on `fd`, trying again with short
// pauses until `timeoutMs` have passed. Failed leaves errno set.
LockResult lockWithin(int fd, int timeoutMs);

// Creates the folders of `path` that are missing, the outer ones first:
// `path` itself with `mode`, those above it with `parentMode` (less the
// umask, as mkdir does). Whatever exists of a name is left as it is, so the
// caller checks what `path` is now. 0, or the errno of the first folder
// that could not be made; `failed` names it.
int makeDirectories(const std::string& path, mode_t mode, mode_t parentMode,
                    std::string* failed = nullptr);

// A folder only this user may enter: `path` with 0700, the folders above
// it with 0755.
inline int makePrivateDirectory(const std::string& path, std::string* failed = nullptr)
{
    return makeDirectories(path, 0700, 0755, failed);
}

// Writes `size` bytes to a temporary file beside `path`, syncs it, gives it
// the old file's mode (and owner, where allowed) or `newMode` for a new
// file, and renames it over `path`. On failure the old file is untouched, no
// temporary file stays behind, and `reason` holds the system's reason.
// The bits of `withoutBits` are cleared from the mode either way.
bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                           mode_t newMode, std::string& reason, mode_t withoutBits = 0);

// Where a save to `path` goes, by the one rule for files the user names:
// a regular file this user may write, or a new name in a folder this user
// may write; a symbolic link saves into the file it points to (following
// links to links). Anything else (a read-only file, a named pipe, a device,
// a directory, a socket, a link loop, a link to a file that does not exist)
// is refused: false with the reason.
bool saveTarget(const std::string& path, std::string& target, std::string& reason);

// Removes temporary files that killed writes of `path` left behind: files
// named like `path` plus "." and six letters or digits, owned by this user,
// regular, and not changed for `olderThanSeconds`. Six letters of one case
// alone ("backup", "BROKEN") or six digits name a file of someone else's
// and are left; names made by mkstemp almost always mix them.
void removeStaleTemporaries(const std::string& path, int olderThanSeconds = 60);

} // namespace ql310
