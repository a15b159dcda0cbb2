// SPDX-License-Identifier: GPL-3.0-or-later
// Binds the window tests to the real device library while it still lacks
// some of its exports. Every export the library has is reached through it
// (it is a dependency of this file); the ones it lacks answer as a missing
// registry key and an absent driver would. The tests take the real library
// directly as soon as it is complete.
#include "ql310.h"

#include <cstring>

extern "C" {

__attribute__((visibility("default"), weak)) uint8_t QL_GetDataFromRegistry(uint8_t* lineParams)
{
    std::memset(lineParams, 0, QL310_LINE_PARAMS_SIZE);
    return 1;
}

__attribute__((visibility("default"), weak)) uint8_t QL_PutDataToRegistry(uint8_t*)
{
    return 1;
}

__attribute__((visibility("default"), weak)) int32_t Call_Forward_Supplementary(const uint8_t*)
{
    return 0;
}
}
