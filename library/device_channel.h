// SPDX-License-Identifier: GPL-3.0-or-later
// One channel to the driver for the length of one library operation: opened
// at its start, closed on every path before it returns.
#pragma once

#include "atomic_file.h"

#include <cstddef>
#include <cstdint>

namespace ql310 {

class DeviceChannel {
public:
    DeviceChannel() = default;
    ~DeviceChannel();
    DeviceChannel(const DeviceChannel&) = delete;
    DeviceChannel& operator=(const DeviceChannel&) = delete;

    // Connects to the driver's socket; false when the device cannot be opened.
    bool open();
    void close();
    bool isOpen() const { return bool(m_fd); }

    // What the driver answered. A request that timed out or whose connection
    // broke has answered = false and counts as nothing transferred.
    struct Completion {
        bool answered = false;
        bool ok = false;
        uint32_t count = 0;
    };

    // Sends the request and waits, within the bounded time, for its
    // completion. The answer's data replaces the start of `output` only when
    // the whole answer arrived.
    Completion request(uint32_t code, const uint8_t* input, uint32_t inputLength,
                       uint8_t* output, uint32_t outputLength);
    // Sends a request whose completion is not awaited.
    bool post(uint32_t code, const uint8_t* input, uint32_t inputLength);

private:
    bool sendAll(const uint8_t* data, size_t length, long long deadline);
    bool receiveAll(uint8_t* data, size_t length, long long deadline);

    UniqueFd m_fd;
    bool m_broken = false;     // an answer went missing: no further answers are trusted
    bool m_sendFailed = false; // a request went out incomplete: nothing more is sent
};

} // namespace ql310
