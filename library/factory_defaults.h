// SPDX-License-Identifier: GPL-3.0-or-later
// The factory state of both configuration images, shared by the library's
// reset and the simulated adapter's first start.
#pragma once

#include <cstdint>

namespace ql310 {

// Bytes of the SettingBlock that belong to the adapter and survive a reset:
// the firmware version text and the device profile.
inline constexpr int kFirmwareVersionOffset = 0;
inline constexpr int kFirmwareVersionSize = 6;
inline constexpr int kDeviceProfileOffset = 288;
inline constexpr int kDeviceProfileSize = 5;

// Zeroes both images except the adapter's own bytes, then stores the factory
// values of the ports.
void applyFactoryDefaults(uint8_t* table, uint8_t* setting);

} // namespace ql310
