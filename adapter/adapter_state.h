// SPDX-License-Identifier: GPL-3.0-or-later
// What the simulated adapter holds: its two configuration images and its
// call-history buffer, kept as raw files in a state directory so that writes
// survive a restart.
#pragma once

#include "ql310.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

namespace ql310::adapter {

using SettingImage = std::array<uint8_t, QL310_SETTING_BLOCK_SIZE>;
using TableImage = std::array<uint8_t, QL310_TABLE_BLOCK_SIZE>;
using HistoryImage = std::array<uint8_t, QL310_CALL_HISTORY_SIZE>;

// One call of the history as the adapter records it.
struct HistoryCall {
    int channel = 0;        // 0..3 ports, 4/5 transparent B1/B2, 6/7 data B1/B2
    bool outgoing = false;
    bool inProgress = false;
    std::string number;     // dial digits "0".."9"
    std::tm start{};        // month, day, hour, minute, second are used
    std::tm end{};
};

// Encodes calls into a call-history image: the record count at byte 2 and
// one 24-byte record a slot from byte 3.
HistoryImage encodeHistory(const HistoryCall* calls, int count);

// Adds one call to the history as the adapter's memory of 90 calls does:
// after the calls it holds, the oldest dropped when it is full. Bytes outside
// the records stay as they were.
void addHistoryCall(HistoryImage& history, const HistoryCall& call);

class AdapterState {
public:
    // A factory adapter: factory images with the adapter's identity bytes,
    // and a short history of recent calls ending around `now`.
    static AdapterState factory(std::time_t now);

    // Loads the state from `dir`, or creates a factory state there when the
    // directory holds none. An empty dir keeps the state in memory only.
    // Returns false with `error` set when the directory cannot be used.
    bool open(const std::string& dir, std::time_t now, std::string& error);

    // Writes the images back (atomically, file by file). False on failure.
    bool save(std::string& error) const;

    SettingImage setting{};
    TableImage table{};
    HistoryImage history{};

private:
    std::string m_dir;
};

// The factory identity of the simulated adapter.
inline constexpr const char kFirmwareVersion[7] = "V3.12a";
inline constexpr uint8_t kCountryCode = 0x02; // two BCD digits: Germany

} // namespace ql310::adapter
