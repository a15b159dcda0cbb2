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

} // namespace ql310
