// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_params_check.h"

#include "line_params.h"

#include <cstring>

#include <sys/stat.h>

namespace ql310::line {

namespace {

HiveState stateOf(registry::OpenStatus status)
{
    switch (status) {
    case registry::OpenStatus::Ok: return HiveState::Ok;
    case registry::OpenStatus::NoFile: return HiveState::NoFile;
    case registry::OpenStatus::NoKey: return HiveState::NoKey;
    case registry::OpenStatus::Malformed: return HiveState::Malformed;
    case registry::OpenStatus::NotWritable: return HiveState::NotWritable;
    case registry::OpenStatus::Busy: return HiveState::Busy;
    }
    return HiveState::NoFile;
}

bool tooLarge(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           static_cast<unsigned long long>(info.st_size) > registry::kMaxHiveSize;
}

HiveState check(const char* key, registry::Access access, const std::string& path, int lockWaitMs = -1)
{
    try {
        registry::RegistryKey opened;
        opened.setLockWait(lockWaitMs);
        const HiveState state = stateOf(opened.open(key, access, path));
        opened.close();
        return state == HiveState::Malformed && tooLarge(path) ? HiveState::TooLarge : state;
    } catch (...) {
        return HiveState::NoFile;
    }
}

uint32_t numberOf(const uint8_t* record, const NumberField& field)
{
    const uint8_t* at = record + field.offset;
    return field.width == 1 ? at[0] : static_cast<uint32_t>(at[0] | at[1] << 8);
}

std::string textOf(const uint8_t* record, const TextField& field)
{
    const char* text = reinterpret_cast<const char*>(record + field.offset);
    return std::string(text, strnlen(text, kMaxTextLength));
}

} // namespace

HiveState checkReadable(const std::string& path)
{
    return check(kReadKey, registry::Access::Read, path);
}

HiveState checkWritable(const std::string& path, int lockWaitMs)
{
    return check(kStoreKey, registry::Access::Full, path, lockWaitMs);
}

HiveState checkStoredAfterPut(const uint8_t* record, const std::string& path)
{
    const HiveState stored = checkStored(record, path);
    if (stored == HiveState::Ok)
        return stored;
    // Only a look at the lock: the store has waited for it already.
    const HiveState writable = checkWritable(path, 0);
    return writable == HiveState::Ok ? stored : writable;
}

HiveState checkStored(const uint8_t* record, const std::string& path)
{
    try {
        registry::RegistryKey key;
        const HiveState state = stateOf(key.open(kReadKey, registry::Access::Read, path));
        if (state != HiveState::Ok)
            return state == HiveState::Malformed && tooLarge(path) ? HiveState::TooLarge : state;
        registry::Value value;
        for (const NumberField& field : kNumbers)
            if (!key.query(field.name, value) || value.type != registry::ValueType::Dword ||
                value.number != numberOf(record, field))
                return HiveState::NotStored;
        for (const TextField& field : kTexts)
            if (!key.query(field.name, value) || value.type != registry::ValueType::String ||
                value.text != textOf(record, field))
                return HiveState::NotStored;
        return HiveState::Ok;
    } catch (...) {
        return HiveState::NotStored;
    }
}

const char* describe(HiveState state)
{
    switch (state) {
    case HiveState::Ok: return "in order";
    case HiveState::NoFile: return "missing or unreadable";
    case HiveState::NoKey: return "no key Software\\hemlor\\Ririv\\Settings";
    case HiveState::Malformed: return "not a readable hive";
    case HiveState::NotWritable: return "not writable for this user";
    case HiveState::NotStored: return "the values did not stay";
    case HiveState::Busy: return "locked by another program";
    case HiveState::TooLarge: return "larger than 16 MB";
    }
    return "";
}

} // namespace ql310::line
