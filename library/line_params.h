// SPDX-License-Identifier: GPL-3.0-or-later
// The LineParams record (673 bytes), its registry values and the
// LineParamsMessage the library sends to the driver: every offset in one
// place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ql310::line {

// Registry key of the line parameters below HKEY_LOCAL_MACHINE. The store
// and the read spell it differently; key names match without regard to case.
inline constexpr const char* kStoreKey = "Software\\hemlor\\Ririv\\Settings";
inline constexpr const char* kReadKey = "Software\\HEMLOR\\Ririv\\Settings";

// Text fields: 8-bit text ending with a 0 byte.
inline constexpr size_t kTextFieldSize = 60;
inline constexpr size_t kMaxTextLength = kTextFieldSize - 1;
inline constexpr size_t kMsnCount = 10;
inline constexpr size_t kTextCount = kMsnCount + 1; // the MSNs and the own number

// LineParams offsets.
inline constexpr size_t kMsnOffset = 0; // MSN n at kMsnOffset + (n - 1) * kTextFieldSize
inline constexpr size_t kPhoneNumberOffset = 600;
inline constexpr size_t kPrefer1BOffset = 660;
inline constexpr size_t kAnalogCodingOffset = 661;
inline constexpr size_t kAcceptAllMsnOffset = 662;
inline constexpr size_t kReservedOffset = 663;
inline constexpr size_t kMinTimeOffset = 664;   // 16-bit little-endian
inline constexpr size_t kDelayTimeOffset = 666; // 16-bit little-endian
inline constexpr size_t kOpenCpsOffset = 668;   // 16-bit little-endian
inline constexpr size_t kCloseCpsOffset = 670;  // 16-bit little-endian
inline constexpr size_t kDdiFunctionOffset = 672;
inline constexpr size_t kSize = 673;

// A number of the record: its registry value, where it lives, how wide it
// is and what a missing value means.
struct NumberField {
    const char* name;
    size_t offset;
    size_t width; // 1 or 2 bytes
    uint16_t missing;
};

// In the order they are stored and read.
inline constexpr NumberField kNumbers[] = {
    {"Analog Coding", kAnalogCodingOffset, 1, 0},
    {"Prefer 1B", kPrefer1BOffset, 1, 0},
    {"Accept All MSN", kAcceptAllMsnOffset, 1, 0},
    {"DDI Function", kDdiFunctionOffset, 1, 0},
    {"MP_Min_Time", kMinTimeOffset, 2, 120},
    {"MP_Delay_Time", kDelayTimeOffset, 2, 120},
    {"MP_Open_CPS", kOpenCpsOffset, 2, 7200},
    {"MP_Close_CPS", kCloseCpsOffset, 2, 4000},
};

// A text of the record. A missing own number keeps what the field held.
struct TextField {
    const char* name;
    size_t offset;
    bool keptWhenMissing;
};

// In the order they are stored and sent.
inline constexpr TextField kTexts[kTextCount] = {
    {"MSN1", kMsnOffset + 0 * kTextFieldSize, false},
    {"MSN2", kMsnOffset + 1 * kTextFieldSize, false},
    {"MSN3", kMsnOffset + 2 * kTextFieldSize, false},
    {"MSN4", kMsnOffset + 3 * kTextFieldSize, false},
    {"MSN5", kMsnOffset + 4 * kTextFieldSize, false},
    {"MSN6", kMsnOffset + 5 * kTextFieldSize, false},
    {"MSN7", kMsnOffset + 6 * kTextFieldSize, false},
    {"MSN8", kMsnOffset + 7 * kTextFieldSize, false},
    {"MSN9", kMsnOffset + 8 * kTextFieldSize, false},
    {"MSN10", kMsnOffset + 9 * kTextFieldSize, false},
    {"PHONENUMBER", kPhoneNumberOffset, true},
};

// The order in which the texts are read: indexes into kTexts, the names
// sorted as text (MSN1, MSN10, MSN2, ...).
inline constexpr size_t kTextReadOrder[kTextCount] = {0, 9, 1, 2, 3, 4, 5, 6, 7, 8, 10};

// Values of the key that the driver's installer maintains; the library only
// reads them and forwards their low bytes.
inline constexpr const char* kCapiValue = "CAPI";
inline constexpr const char* kDChannelValue = "D Channel";
inline constexpr const char* kB1ChannelValue = "B1 Channel";
inline constexpr const char* kB2ChannelValue = "B2 Channel";

// LineParamsMessage: a six-byte head, the eleven texts each as a length byte
// and its characters, then an eleven-byte tail. S is the texts' total length.
inline constexpr size_t kMessageAnalogCoding = 0;
inline constexpr size_t kMessageCapi = 1;
inline constexpr size_t kMessageDChannel = 2;
inline constexpr size_t kMessageB1Channel = 3;
inline constexpr size_t kMessageB2Channel = 4;
inline constexpr size_t kMessageDdiFunction = 5;
inline constexpr size_t kMessageTexts = 6;
// The tail, relative to its start at kMessageTexts + kTextCount + S.
inline constexpr size_t kTailPrefer1B = 0;
inline constexpr size_t kTailAcceptAllMsn = 1;
inline constexpr size_t kTailReserved = 2;
inline constexpr size_t kTailMinTime = 3;
inline constexpr size_t kTailDelayTime = 5;
inline constexpr size_t kTailOpenCps = 7;
inline constexpr size_t kTailCloseCps = 9;
inline constexpr size_t kTailSize = 11;
inline constexpr size_t kMessageFixedSize = kMessageTexts + kTextCount + kTailSize; // 28
// The driver takes at most this much; longer messages are not sent.
inline constexpr size_t kMaxMessageSize = 484;
inline constexpr size_t kMaxMessageTextLength = kMaxMessageSize - kMessageFixedSize; // 456

// The low bytes of the installer's values; 0 when a value cannot be read.
struct DriverValues {
    uint8_t capi = 0;
    uint8_t dChannel = 0;
    uint8_t b1Channel = 0;
    uint8_t b2Channel = 0;
};

// Length of a text field: up to its terminator, at most kMaxTextLength.
size_t textLength(const uint8_t* field);
// The message for a record; empty when its texts exceed
// kMaxMessageTextLength characters.
std::vector<uint8_t> buildMessage(const uint8_t* record, const DriverValues& driver);

} // namespace ql310::line
