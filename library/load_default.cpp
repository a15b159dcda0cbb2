// SPDX-License-Identifier: GPL-3.0-or-later
// The reset of both images to the factory state, in memory only.
#include "factory_defaults.h"
#include "ql310.h"

extern "C" uint8_t QL310_LoadDefault(uint8_t* table, uint8_t* setting)
{
    ql310::applyFactoryDefaults(table, setting);
    return 0;
}
