// SPDX-License-Identifier: GPL-3.0-or-later
// The device socket that stands in for the adapter's driver, shared by the
// library (the client) and the simulated adapter (the server).
//
// The device "\\.\capi201" is the Unix-domain stream socket "capi201" in the
// device directory. A control request is one frame of little-endian 32-bit
// words: code, input length, output length, then the input bytes. The
// driver answers with: ok flag, completed byte count, data length (at most
// the output length), then the data bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ql310::device {

// Control codes of the driver interface (device type 0x8001).
enum Code : uint32_t {
    kStatusBeforeRead = 0x800120F0,
    kReadSettingBlock = 0x800120D4,
    kReadTableBlock = 0x800120D0,
    kStatusBeforeWrite = 0x800120E8,
    kWriteSettingBlock = 0x800120DC,
    kWriteTableBlock = 0x800120D8,
    kEndOfWrite = 0x800120EC,
    kFetchCallHistory = 0x8001210C,
    kLineParamsMessage = 0x80012094,
    kSupplementary = 0x80012114,
};

// The name the library opens; the prefix stands for the device directory.
inline constexpr const char* kDevicePrefix = "\\\\.\\";
inline constexpr const char* kDeviceName = "capi201";
inline constexpr const char* kControlSuffix = ".ctl";

// A wait for the driver gives up after this long unless QL310_TIMEOUT_MS
// says otherwise.
inline constexpr int kDefaultTimeoutMs = 10000;

inline constexpr size_t kHeaderSize = 12;
// Frames larger than this are refused by both sides as malformed.
inline constexpr uint32_t kMaxPayload = 1u << 20;

// $QL310_DEVICE_DIR, else $XDG_RUNTIME_DIR/ql310, else /run/ql310.
std::string deviceDirectory();
// Socket path for a device name such as "\\.\capi201" (or a bare "capi201").
std::string devicePath(const std::string& name);
// The bounded wait in milliseconds.
int timeoutMs();
// The lock file beside the device socket: whoever holds it reads or writes
// the two configuration blocks as one.
std::string lockPath();

struct RequestHeader {
    uint32_t code = 0;
    uint32_t inputLength = 0;
    uint32_t outputLength = 0;
};

struct AnswerHeader {
    uint32_t ok = 0;
    uint32_t count = 0;
    uint32_t dataLength = 0;
};

void putWord(uint8_t* at, uint32_t value);
uint32_t getWord(const uint8_t* at);

std::vector<uint8_t> encodeRequest(uint32_t code, const uint8_t* input, uint32_t inputLength,
                                   uint32_t outputLength);
std::vector<uint8_t> encodeAnswer(bool ok, uint32_t count, const uint8_t* data,
                                  uint32_t dataLength);
RequestHeader decodeRequestHeader(const uint8_t* at);
AnswerHeader decodeAnswerHeader(const uint8_t* at);

} // namespace ql310::device
