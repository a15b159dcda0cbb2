// SPDX-License-Identifier: GPL-3.0-or-later
// Dial-digit packing and the byte helpers that the program's decoder and
// encoder use on the images. Pure functions on caller-owned memory.
#include "ql310.h"

#include <cstdlib>
#include <cstring>

namespace {

// The packing works on a copy of at most this many symbols; longer counts
// are clamped so that no call can reach past its buffers.
constexpr int32_t kMaxSymbols = 40;
// Text converted as a decimal number is cut to this many characters.
constexpr int32_t kMaxNumberText = 99;

char unpackNibble(uint8_t nibble)
{
    switch (nibble) {
    case 0xA: return '0';
    case 0xB: return '*';
    case 0xC: return '#';
    default:
        if (nibble >= 1 && nibble <= 9)
            return static_cast<char>('0' + nibble);
        // An empty position and the codes the packer never produces are
        // handed back as the raw nibble value.
        return static_cast<char>(nibble);
    }
}

uint8_t packSymbol(uint8_t c)
{
    switch (c) {
    case '0': return 0xA;
    case '*': return 0xB;
    case '#': return 0xC;
    default: return c & 0x0F;
    }
}

} // namespace

extern "C" {

uint8_t QL_Xcopy(uint8_t* out, const uint8_t* packed, int32_t n, int32_t skipFirst)
{
    const int32_t bytes = n > 0 ? (n + 1) / 2 : 0;
    int32_t pos = 0;
    for (int32_t i = 0; i < bytes; ++i) {
        if (!(i == 0 && skipFirst != 0))
            out[pos++] = static_cast<uint8_t>(unpackNibble(packed[i] >> 4));
        out[pos++] = static_cast<uint8_t>(unpackNibble(packed[i] & 0x0F));
    }
    out[pos] = 0;
    return 0;
}

uint8_t QL_Ycopy(uint8_t* out, const char16_t* text, int32_t n, int32_t leadZero, int32_t length)
{
    if (n > kMaxSymbols)
        n = kMaxSymbols;
    uint8_t work[2 * kMaxSymbols] = {};
    if (length > 0) {
        const int32_t take = length < n ? length : n;
        for (int32_t i = 0; i < take; ++i)
            work[i] = static_cast<uint8_t>(text[i] & 0xFF);
    }
    const int32_t bytes = n > 0 ? (n + 1) / 2 : 0;
    int32_t next = 0;
    for (int32_t i = 0; i < bytes; ++i) {
        uint8_t high;
        if (leadZero != 0 && i == 0)
            high = 0xA;
        else
            high = packSymbol(work[next++]);
        const uint8_t low = packSymbol(work[next++]);
        out[i] = static_cast<uint8_t>((high << 4) | low);
    }
    return 0;
}

uint8_t QL_AndB(uint8_t a, uint8_t b) { return (a & b) != 0 ? 1 : 0; }

uint8_t QL_AndB_Value(uint8_t a, uint8_t b) { return a & b; }

uint8_t QL_AorB_Value(uint8_t a, uint8_t b) { return a | b; }

uint8_t QL_UnicodeCopy(uint8_t* destination, const char16_t* source, int32_t length,
                       int32_t capacity)
{
    const int32_t take = length < capacity ? length : capacity;
    for (int32_t i = 0; i < take; ++i)
        destination[i] = static_cast<uint8_t>(source[i] & 0xFF);
    if (length < capacity && take >= 0)
        destination[take] = 0;
    return 0;
}

int32_t QL_UnicodeValueToByte(const char16_t* text, int32_t length)
{
    if (length > kMaxNumberText)
        length = kMaxNumberText;
    char buffer[kMaxNumberText + 1] = {};
    for (int32_t i = 0; i < length; ++i)
        buffer[i] = static_cast<char>(text[i] & 0xFF);
    return static_cast<int32_t>(std::atol(buffer));
}

uint8_t QL_CopyMemory(void* destination, const void* source, int32_t count)
{
    if (count > 0)
        std::memcpy(destination, source, static_cast<size_t>(count));
    return 0;
}

uint8_t QL_ClrMemory(void* destination, int32_t count)
{
    if (count > 0)
        std::memset(destination, 0, static_cast<size_t>(count));
    return 0;
}

} // extern "C"
