// SPDX-License-Identifier: GPL-3.0-or-later
// ql310-smoke: reads both images and the call history from the adapter and
// prints what came back; a first look at the library before the program.
#include "ql310.h"

#include <cstdio>
#include <cstring>

int main()
{
    static uint8_t table[QL310_TABLE_BLOCK_SIZE];
    static uint8_t setting[QL310_SETTING_BLOCK_SIZE];
    static uint8_t history[QL310_CALL_HISTORY_SIZE];
    const int read = QL310_LoadSetting(table, setting);
    std::printf("QL310_LoadSetting: %d\n", read);
    if (read == QL310_OK) {
        char firmware[7] = {};
        std::memcpy(firmware, setting, 6);
        std::printf("  firmware version: %s\n  country code: %02X\n", firmware, setting[288]);
        char extension[5];
        for (int p = 0; p < 4; ++p) {
            QL_Xcopy(reinterpret_cast<uint8_t*>(extension), setting + 96 + 2 * p, 4, 0);
            std::printf("  port %d extension: %s\n", p + 1, extension);
        }
    }
    const int fetch = QL_GetCallHistoryData(history);
    std::printf("QL_GetCallHistoryData: %d\n", fetch);
    if (fetch == QL310_OK)
        std::printf("  records in the call history: %d\n", history[2]);
    return read == QL310_OK && fetch == QL310_OK ? 0 : 1;
}
