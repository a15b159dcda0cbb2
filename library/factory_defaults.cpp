// SPDX-License-Identifier: GPL-3.0-or-later
#include "factory_defaults.h"

#include "ql310.h"

#include <cstring>

namespace ql310 {

namespace {

constexpr int kPorts = 4;

// Port fields that hold a factory value other than zero.
constexpr int kExtensionNumberOffset = 96; // 2 bytes a port, packed digits
constexpr int kExtensionNumberWidth = 2;
constexpr int kPortFlagsOffset = 214;      // flags A and B of a port, interleaved
constexpr int kNoAnswerDelayOffset = 223;  // 1 byte a port, seconds
constexpr int kRingTypeOffset = 234;       // 3 bytes a port, type index x 16
constexpr int kRingTypesPerPort = 3;

// Extensions "10", "20", "30", "40".
constexpr uint8_t kFactoryExtension[kPorts] = {0x1A, 0x2A, 0x3A, 0x4A};
// Call waiting, accept all MSNs, outside line after "0".
constexpr uint8_t kFactoryFlagsA = 0x2A;
// Incoming caller ID shown, no forwarding.
constexpr uint8_t kFactoryFlagsB = 0x20;
constexpr uint8_t kFactoryNoAnswerDelay = 10;
// "Type 2", "Type 3", "Type 4" for the three MSNs of a port.
constexpr uint8_t kFactoryRingType[kRingTypesPerPort] = {0x10, 0x20, 0x30};

} // namespace

void applyFactoryDefaults(uint8_t* table, uint8_t* setting)
{
    uint8_t firmware[kFirmwareVersionSize];
    uint8_t profile[kDeviceProfileSize];
    std::memcpy(firmware, setting + kFirmwareVersionOffset, sizeof(firmware));
    std::memcpy(profile, setting + kDeviceProfileOffset, sizeof(profile));

    std::memset(setting, 0, QL310_SETTING_BLOCK_SIZE);
    std::memset(table, 0, QL310_TABLE_BLOCK_SIZE);

    std::memcpy(setting + kFirmwareVersionOffset, firmware, sizeof(firmware));
    std::memcpy(setting + kDeviceProfileOffset, profile, sizeof(profile));

    for (int p = 0; p < kPorts; ++p) {
        setting[kExtensionNumberOffset + kExtensionNumberWidth * p] = kFactoryExtension[p];
        setting[kPortFlagsOffset + 2 * p] = kFactoryFlagsA;
        setting[kPortFlagsOffset + 2 * p + 1] = kFactoryFlagsB;
        setting[kNoAnswerDelayOffset + p] = kFactoryNoAnswerDelay;
        for (int k = 0; k < kRingTypesPerPort; ++k)
            setting[kRingTypeOffset + kRingTypesPerPort * p + k] = kFactoryRingType[k];
    }
}

} // namespace ql310
