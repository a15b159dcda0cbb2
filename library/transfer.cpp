// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration transfer and call-history fetch over one device channel.
#include "device_channel.h"
#include "device_lock.h"
#include "device_protocol.h"
#include "ql310.h"

namespace {

using ql310::DeviceChannel;
namespace code = ql310::device;

// Before a read the adapter reports busy with a count of exactly 3.
constexpr uint32_t kReadBusyCount = 3;

// Byte count of a status query. A status query whose answer never arrives
// counts as busy.
bool statusBusy(DeviceChannel& channel, uint32_t statusCode)
{
    const DeviceChannel::Completion status = channel.request(statusCode, nullptr, 0, nullptr, 0);
    if (!status.answered)
        return true;
    if (statusCode == code::kStatusBeforeRead)
        return status.count == kReadBusyCount;
    return status.count != 0;
}

// A transfer of one block, the same buffer going in and coming out. It
// succeeded when the driver completed it with a non-zero byte count.
bool transfer(DeviceChannel& channel, uint32_t transferCode, uint8_t* block, uint32_t size)
{
    const DeviceChannel::Completion done = channel.request(transferCode, block, size, block, size);
    return done.answered && done.count != 0;
}

} // namespace

extern "C" {

uint8_t QL310_LoadSetting(uint8_t* table, uint8_t* setting)
{
    const ql310::DeviceLock lock;
    if (lock.busy())
        return QL310_BUSY;
    DeviceChannel channel;
    if (!channel.open())
        return QL310_NO_DEVICE;
    if (statusBusy(channel, code::kStatusBeforeRead))
        return QL310_BUSY;
    if (!transfer(channel, code::kReadSettingBlock, setting, QL310_SETTING_BLOCK_SIZE))
        return QL310_READ_EMPTY;
    if (!transfer(channel, code::kReadTableBlock, table, QL310_TABLE_BLOCK_SIZE))
        return QL310_READ_EMPTY;
    return QL310_OK;
}

uint8_t QL310_SaveSetting(uint8_t* table, uint8_t* setting)
{
    const ql310::DeviceLock lock;
    if (lock.busy())
        return QL310_BUSY;
    DeviceChannel channel;
    if (!channel.open())
        return QL310_NO_DEVICE;
    uint8_t result = QL310_OK;
    if (statusBusy(channel, code::kStatusBeforeWrite))
        result = QL310_BUSY;
    else if (!transfer(channel, code::kWriteSettingBlock, setting, QL310_SETTING_BLOCK_SIZE))
        result = QL310_WRITE_EMPTY;
    else if (!transfer(channel, code::kWriteTableBlock, table, QL310_TABLE_BLOCK_SIZE))
        result = QL310_WRITE_EMPTY;
    // Every write attempt ends with end-of-write, whatever happened before;
    // its outcome is not looked at.
    channel.post(code::kEndOfWrite, nullptr, 0);
    return result;
}

uint8_t QL_GetCallHistoryData(uint8_t* history)
{
    DeviceChannel channel;
    if (!channel.open())
        return QL310_NO_DEVICE;
    if (!transfer(channel, code::kFetchCallHistory, history, QL310_CALL_HISTORY_SIZE))
        return QL310_READ_EMPTY;
    return QL310_OK;
}

} // extern "C"
