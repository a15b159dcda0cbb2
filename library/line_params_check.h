// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the line parameters' key of the registry hive can be read, can be
// stored into, and holds a record: what QL_GetDataFromRegistry and
// QL_PutDataToRegistry never tell their caller (both return 0). The program
// and ql310ctl link this beside the library to tell the user when the line
// parameters were not read or not stored. Plain C++; no exception leaves it.
#pragma once

#include "registry_hive.h"

#include <cstdint>
#include <string>

namespace ql310::line {

enum class HiveState {
    Ok,
    NoFile,      // the hive file is missing or cannot be read
    NoKey,       // the hive has no key of the line parameters
    Malformed,   // the hive cannot be parsed
    NotWritable, // this user may not write the hive
    NotStored,   // the hive does not hold the values of the record
    Busy,        // another process held the hive's lock for longer than the library waits
    TooLarge,    // the hive file is larger than 16 MB
};

// The key opens for reading, as QL_GetDataFromRegistry opens it.
HiveState checkReadable(const std::string& path = registry::hivePath());
// The key opens with full access, as QL_PutDataToRegistry opens it; nothing
// is written. The hive's lock is waited for `lockWaitMs` (negative: as long
// as the library waits).
HiveState checkWritable(const std::string& path = registry::hivePath(), int lockWaitMs = -1);
// After QL_PutDataToRegistry(record): Ok when the hive holds the record,
// else why not, found without waiting for the hive's lock again, so that a
// store and its check together wait no longer than the library's bound.
HiveState checkStoredAfterPut(const uint8_t* record, const std::string& path = registry::hivePath());
// The hive holds the eight numbers and the eleven texts of the 673-byte
// `record` as QL_PutDataToRegistry stores them.
HiveState checkStored(const uint8_t* record, const std::string& path = registry::hivePath());

// What is wrong with the hive, in a few words ("missing or unreadable").
const char* describe(HiveState state);

} // namespace ql310::line
