// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_protocol.h"

#include <cstdlib>
#include <cstring>

namespace ql310::device {

std::string deviceDirectory()
{
    if (const char* dir = std::getenv("QL310_DEVICE_DIR"); dir && *dir)
        return dir;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/ql310";
    return "/run/ql310";
}

std::string devicePath(const std::string& name)
{
    std::string base = name;
    const std::string prefix = kDevicePrefix;
    if (base.compare(0, prefix.size(), prefix) == 0)
        base = base.substr(prefix.size());
    return deviceDirectory() + "/" + base;
}

int timeoutMs()
{
    if (const char* text = std::getenv("QL310_TIMEOUT_MS"); text && *text) {
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (end && *end == '\0' && value > 0 && value <= 24L * 3600 * 1000)
            return static_cast<int>(value);
    }
    return kDefaultTimeoutMs;
}

std::string lockPath()
{
    return devicePath(kDeviceName) + ".lock";
}

void putWord(uint8_t* at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
    at[2] = static_cast<uint8_t>(value >> 16);
    at[3] = static_cast<uint8_t>(value >> 24);
}

uint32_t getWord(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

namespace {

std::vector<uint8_t> frame(uint32_t a, uint32_t b, uint32_t c, const uint8_t* body,
                           uint32_t bodyLength)
{
    std::vector<uint8_t> out(kHeaderSize + bodyLength);
    putWord(out.data(), a);
    putWord(out.data() + 4, b);
    putWord(out.data() + 8, c);
    if (bodyLength > 0)
        std::memcpy(out.data() + kHeaderSize, body, bodyLength);
    return out;
}

} // namespace

std::vector<uint8_t> encodeRequest(uint32_t code, const uint8_t* input, uint32_t inputLength,
                                   uint32_t outputLength)
{
    return frame(code, inputLength, outputLength, input, inputLength);
}

std::vector<uint8_t> encodeAnswer(bool ok, uint32_t count, const uint8_t* data,
                                  uint32_t dataLength)
{
    return frame(ok ? 1 : 0, count, dataLength, data, dataLength);
}

RequestHeader decodeRequestHeader(const uint8_t* at)
{
    return {getWord(at), getWord(at + 4), getWord(at + 8)};
}

AnswerHeader decodeAnswerHeader(const uint8_t* at)
{
    return {getWord(at), getWord(at + 4), getWord(at + 8)};
}

} // namespace ql310::device
