// SPDX-License-Identifier: GPL-3.0-or-later
// Call_Forward_Supplementary: one supplementary-service command, passed to
// the driver unchanged.
#include "device_channel.h"
#include "device_protocol.h"
#include "ql310.h"

namespace {

// The two command bytes; their layout is the driver's.
constexpr uint32_t kCommandSize = 2;

} // namespace

extern "C" {

int32_t Call_Forward_Supplementary(const uint8_t* command)
{
    if (!command)
        return 0;
    ql310::DeviceChannel channel;
    if (!channel.open())
        return 0;
    const ql310::DeviceChannel::Completion done =
        channel.request(ql310::device::kSupplementary, command, kCommandSize, nullptr, 0);
    return done.answered && done.ok ? 1 : 0;
}

} // extern "C"
