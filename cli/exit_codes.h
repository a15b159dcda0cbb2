// SPDX-License-Identifier: GPL-3.0-or-later
// The exit status of ql310ctl, one per kind of failure, for scripts. Never
// renumbered; documented in `ql310ctl --help` and cli/README.md.
#pragma once

#include <cstdint>

namespace ql310::cli {

enum ExitCode : int {
    kSuccess = 0,
    kDifferent = 1,       // diff: the two configurations differ
    kBadArguments = 2,    // unknown command or option, missing or malformed argument
    kAdapterAbsent = 3,   // the driver device cannot be opened
    kAdapterBusy = 4,     // the adapter reports itself busy
    kTransferFailed = 5,  // a read, write or fetch transferred nothing
    kFileUnreadable = 6,  // a settings file cannot be read or is too short
    kFileUnwritable = 7,  // a settings file cannot be written
    kDatabaseError = 8    // the call-log database cannot be opened, read or changed
};

// The exit status for a result of the library's device operations.
ExitCode exitCodeOfTransfer(uint8_t result);

} // namespace ql310::cli
