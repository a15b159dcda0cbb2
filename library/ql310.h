// SPDX-License-Identifier: GPL-3.0-or-later
// ql310: the device-access library of the USB ISDN terminal adapter.
//
// The only code that talks to the adapter's driver. Every device operation
// opens its own channel to the driver, issues its requests in a fixed order
// and closes the channel before it returns; the library keeps no state
// between calls. Images are borrowed by address for the length of a call.
// The TableBlock argument always comes before the SettingBlock argument.
#pragma once

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(QL310_BUILDING_LIBRARY)
#define QL310_EXPORT __attribute__((visibility("default")))
#else
#define QL310_EXPORT
#endif

// Sizes of the images that travel between the program and the adapter.
enum {
    QL310_SETTING_BLOCK_SIZE = 2048,
    QL310_TABLE_BLOCK_SIZE = 1792,
    QL310_CALL_HISTORY_SIZE = 2203,
    QL310_LINE_PARAMS_SIZE = 673
};

// Result of a device operation (TransferResult). Never renumbered.
enum {
    QL310_OK = 0,           // success
    QL310_NO_DEVICE = 1,    // the driver device cannot be opened
    QL310_BUSY = 2,         // the adapter reported itself busy
    QL310_READ_EMPTY = 3,   // a read transferred nothing
    QL310_WRITE_EMPTY = 4   // a write transferred nothing
};

// Configuration transfer and call-history fetch.
QL310_EXPORT uint8_t QL310_LoadSetting(uint8_t* table, uint8_t* setting);
QL310_EXPORT uint8_t QL310_SaveSetting(uint8_t* table, uint8_t* setting);
QL310_EXPORT uint8_t QL310_LoadDefault(uint8_t* table, uint8_t* setting);
QL310_EXPORT uint8_t QL_GetCallHistoryData(uint8_t* history);

// The two-block read and write each hold the device's lock (a lock file
// beside the device socket), so that another process never sees the table
// block of one configuration with the setting block of another. A caller
// that reads, changes and writes back holds it around all three: 0, or
// QL310_BUSY when another process held it for longer than QL310_TIMEOUT_MS.
// Every successful QL310_LockDevice is matched by one QL310_UnlockDevice.
QL310_EXPORT uint8_t QL310_LockDevice(void);
QL310_EXPORT void QL310_UnlockDevice(void);

// Dial-digit packing: two dial symbols per byte, high nibble first.
QL310_EXPORT uint8_t QL_Xcopy(uint8_t* out, const uint8_t* packed, int32_t n, int32_t skipFirst);
QL310_EXPORT uint8_t QL_Ycopy(uint8_t* out, const char16_t* text, int32_t n, int32_t leadZero,
                              int32_t length);

// Byte helpers.
QL310_EXPORT uint8_t QL_AndB(uint8_t a, uint8_t b);
QL310_EXPORT uint8_t QL_AndB_Value(uint8_t a, uint8_t b);
QL310_EXPORT uint8_t QL_AorB_Value(uint8_t a, uint8_t b);
QL310_EXPORT uint8_t QL_UnicodeCopy(uint8_t* destination, const char16_t* source, int32_t length,
                                    int32_t capacity);
QL310_EXPORT int32_t QL_UnicodeValueToByte(const char16_t* text, int32_t length);
QL310_EXPORT uint8_t QL_CopyMemory(void* destination, const void* source, int32_t count);
QL310_EXPORT uint8_t QL_ClrMemory(void* destination, int32_t count);

// Line parameters: stored in the registry hive and sent to the driver.
QL310_EXPORT uint8_t QL_PutDataToRegistry(uint8_t* lineParams);
QL310_EXPORT uint8_t QL_GetDataFromRegistry(uint8_t* lineParams);

// Supplementary-service command: non-zero when the driver accepted it.
QL310_EXPORT int32_t Call_Forward_Supplementary(const uint8_t* command);

#ifdef __cplusplus
}
#endif
