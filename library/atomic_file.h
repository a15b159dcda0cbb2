// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file whole: the library's hive, the simulated adapter's state
// and the program's setting files all go through this, so that a crash or a
// full disk never leaves a torn file.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace ql310 {

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
