// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver_install.h"

#include "line_params.h"
#include "registry_hive.h"

namespace ql310::adapter {

InstallResult installDriverValues(const std::string& hivePath, std::string& error)
{
    using registry::OpenStatus;
    registry::RegistryKey key;
    bool created = false;
    switch (key.create(line::kStoreKey, created, hivePath)) {
    case OpenStatus::Ok:
        break;
    case OpenStatus::Malformed:
        error = hivePath + ": not a REGEDIT4 hive; left as it is";
        return InstallResult::Failed;
    case OpenStatus::NotWritable:
        error = hivePath + ": cannot be written";
        return InstallResult::Failed;
    default:
        error = hivePath + ": cannot be opened";
        return InstallResult::Failed;
    }
    if (!created)
        return InstallResult::AlreadyThere;
    key.setDword(line::kB1ChannelValue, kInstalledB1Channel);
    key.setDword(line::kB2ChannelValue, kInstalledB2Channel);
    key.setDword(line::kCapiValue, kInstalledCapi);
    key.setDword(line::kDChannelValue, kInstalledDChannel);
    if (!key.close()) {
        error = hivePath + ": cannot be written";
        return InstallResult::Failed;
    }
    return InstallResult::Created;
}

} // namespace ql310::adapter
