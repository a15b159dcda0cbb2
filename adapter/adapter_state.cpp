// SPDX-License-Identifier: GPL-3.0-or-later
#include "adapter_state.h"

#include "atomic_file.h"
#include "factory_defaults.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <sys/stat.h>

namespace ql310::adapter {

namespace {

// Call-history layout as the adapter keeps it.
constexpr int kRecordCountOffset = 2;
constexpr int kFirstSlotOffset = 3;
constexpr int kSlotSize = 24;
constexpr int kSlots = 90;
constexpr int kNumberOffset = 1;
constexpr int kNumberBytes = 13;
constexpr int kStartOffset = 14; // month, day, hour, minute, second
constexpr int kEndOffset = 19;
constexpr uint8_t kStateInProgress = 0x04;
constexpr uint8_t kStateFinished = 0x08;
constexpr uint8_t kOutgoing = 0x10;

// First byte of the device profile: the country variant, two BCD digits.
constexpr int kCountryCodeOffset = kDeviceProfileOffset;

const char* const kSettingFile = "setting.bin";
const char* const kTableFile = "table.bin";
const char* const kHistoryFile = "history.bin";

uint8_t digitNibble(char c) { return c == '0' ? 0xA : static_cast<uint8_t>(c - '0'); }

void putTime(uint8_t* at, const std::tm& t)
{
    at[0] = static_cast<uint8_t>(t.tm_mon + 1);
    at[1] = static_cast<uint8_t>(t.tm_mday);
    at[2] = static_cast<uint8_t>(t.tm_hour);
    at[3] = static_cast<uint8_t>(t.tm_min);
    at[4] = static_cast<uint8_t>(t.tm_sec);
}

std::tm localAt(std::time_t t)
{
    std::tm out{};
    localtime_r(&t, &out);
    return out;
}

template <size_t N>
bool readFile(const std::string& path, std::array<uint8_t, N>& into, bool& missing,
              std::string& error)
{
    // Without blocking, and only from a regular file: a named pipe put in
    // the state folder would hold the adapter's start for ever.
    const FileContent file = readRegularFile(path, N);
    missing = file.error == ReadError::Missing;
    if (missing)
        return false;
    if (file.error == ReadError::CannotOpen) {
        error = path + ": " + std::strerror(file.systemError);
        return false;
    }
    if (!file.ok() || file.bytes.size() != N) {
        error = path + ": not a " + std::to_string(N) + "-byte image";
        return false;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), into.begin());
    return true;
}

bool writeFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                         std::string& error)
{
    std::string reason;
    // What writes killed before their rename left behind.
    removeStaleTemporaries(path);
    if (replaceFileAtomically(path, data, size, 0644, reason))
        return true;
    error = path + ": " + reason;
    return false;
}

} // namespace

HistoryImage encodeHistory(const HistoryCall* calls, int count)
{
    HistoryImage image{};
    if (count > kSlots)
        count = kSlots;
    image[kRecordCountOffset] = static_cast<uint8_t>(count);
    for (int i = 0; i < count; ++i) {
        const HistoryCall& call = calls[i];
        uint8_t* slot = image.data() + kFirstSlotOffset + kSlotSize * i;
        slot[0] = static_cast<uint8_t>((call.channel & 7) << 5) |
                  (call.outgoing ? kOutgoing : 0) |
                  (call.inProgress ? kStateInProgress : kStateFinished);
        for (size_t d = 0; d < call.number.size() && d < 2 * kNumberBytes; ++d) {
            const uint8_t nibble = digitNibble(call.number[d]);
            slot[kNumberOffset + d / 2] |= d % 2 == 0 ? nibble << 4 : nibble;
        }
        putTime(slot + kStartOffset, call.start);
        if (!call.inProgress)
            putTime(slot + kEndOffset, call.end);
    }
    return image;
}

void addHistoryCall(HistoryImage& history, const HistoryCall& call)
{
    std::vector<std::array<uint8_t, kSlotSize>> kept;
    for (int i = 0; i < kSlots; ++i) {
        const uint8_t* slot = history.data() + kFirstSlotOffset + kSlotSize * i;
        if (slot[0] & (kStateInProgress | kStateFinished)) {
            kept.emplace_back();
            std::memcpy(kept.back().data(), slot, kSlotSize);
        }
    }
    const HistoryImage added = encodeHistory(&call, 1);
    kept.emplace_back();
    std::memcpy(kept.back().data(), added.data() + kFirstSlotOffset, kSlotSize);
    if (kept.size() > size_t(kSlots))
        kept.erase(kept.begin(), kept.end() - kSlots);
    std::memset(history.data() + kFirstSlotOffset, 0, size_t(kSlotSize) * kSlots);
    for (size_t i = 0; i < kept.size(); ++i)
        std::memcpy(history.data() + kFirstSlotOffset + kSlotSize * i, kept[i].data(), kSlotSize);
    history[kRecordCountOffset] = static_cast<uint8_t>(kept.size());
}

AdapterState AdapterState::factory(std::time_t now)
{
    AdapterState state;
    applyFactoryDefaults(state.table.data(), state.setting.data());
    std::memcpy(state.setting.data() + kFirmwareVersionOffset, kFirmwareVersion,
                kFirmwareVersionSize);
    state.setting[kCountryCodeOffset] = kCountryCode;

    // A few calls of the last days on several channels, the last one still
    // going on.
    struct Sample {
        int channel;
        bool outgoing;
        bool inProgress;
        const char* number;
        long startAgo; // seconds before now
        long duration;
    };
    static const Sample samples[] = {
        {0, false, false, "0301234567", 3 * 86400L + 3600, 185},
        {1, true, false, "08912345678", 2 * 86400L + 7200, 62},
        {4, true, false, "0401122334", 86400L + 600, 1260},
        {6, true, false, "019231", 86400L, 47},
        {2, false, false, "", 5400, 12},
        {3, true, true, "06915551234", 240, 0},
    };
    HistoryCall calls[std::size(samples)];
    for (size_t i = 0; i < std::size(samples); ++i) {
        calls[i].channel = samples[i].channel;
        calls[i].outgoing = samples[i].outgoing;
        calls[i].inProgress = samples[i].inProgress;
        calls[i].number = samples[i].number;
        calls[i].start = localAt(now - samples[i].startAgo);
        calls[i].end = localAt(now - samples[i].startAgo + samples[i].duration);
    }
    state.history = encodeHistory(calls, static_cast<int>(std::size(samples)));
    return state;
}

bool AdapterState::open(const std::string& dir, std::time_t now, std::string& error)
{
    *this = factory(now);
    m_dir = dir;
    if (dir.empty())
        return true;
    if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
        error = dir + ": " + std::strerror(errno);
        return false;
    }
    bool missingSetting = false, missingTable = false, missingHistory = false;
    const bool haveSetting = readFile(dir + "/" + kSettingFile, setting, missingSetting, error);
    const bool haveTable = readFile(dir + "/" + kTableFile, table, missingTable, error);
    const bool haveHistory = readFile(dir + "/" + kHistoryFile, history, missingHistory, error);
    if ((!haveSetting && !missingSetting) || (!haveTable && !missingTable) ||
        (!haveHistory && !missingHistory))
        return false;
    if (missingSetting || missingTable || missingHistory)
        return save(error);
    return true;
}

bool AdapterState::save(std::string& error) const
{
    if (m_dir.empty())
        return true;
    return writeFileAtomically(m_dir + "/" + kSettingFile, setting.data(), setting.size(), error) &&
           writeFileAtomically(m_dir + "/" + kTableFile, table.data(), table.size(), error) &&
           writeFileAtomically(m_dir + "/" + kHistoryFile, history.data(), history.size(), error);
}

} // namespace ql310::adapter
