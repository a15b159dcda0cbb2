// SPDX-License-Identifier: GPL-3.0-or-later
// A device library with a single export: the program must refuse to run on it.
#include <stdint.h>

extern "C" __attribute__((visibility("default"))) uint8_t QL310_LoadSetting(uint8_t*, uint8_t*)
{
    return 1;
}
