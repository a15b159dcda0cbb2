// SPDX-License-Identifier: GPL-3.0-or-later
// What the driver's installer leaves behind: the line-parameter key of the
// registry hive with the driver's four values.
#pragma once

#include <cstdint>
#include <string>

namespace ql310::adapter {

// The values a fresh installation writes.
inline constexpr uint32_t kInstalledCapi = 0x02;      // CAPI 2.0
inline constexpr uint32_t kInstalledDChannel = 0x03;
inline constexpr uint32_t kInstalledB1Channel = 0x01;
inline constexpr uint32_t kInstalledB2Channel = 0x02;

enum class InstallResult { Created, AlreadyThere, Failed };

// Creates the key with the four values in the hive at `hivePath` when the
// key is missing; an existing key, and every other key, stays as it is.
// `error` tells why on Failed.
InstallResult installDriverValues(const std::string& hivePath, std::string& error);

} // namespace ql310::adapter
