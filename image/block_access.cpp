// SPDX-License-Identifier: GPL-3.0-or-later
#include "block_access.h"

#include <algorithm>
#include <cstring>

namespace ql310::image {

namespace {

// The widest packed field the accessors handle; the packing works on at
// most 40 symbols, that is 20 bytes.
constexpr int kMaxDigitBytes = 20;

} // namespace

BlockAccess::BlockAccess(Block block, uint8_t* bytes, const Packing& packing)
    : m_block(block), m_bytes(bytes), m_packing(packing)
{
}

bool BlockAccess::inBlock(int offset, int width) const
{
    return m_bytes && offset >= 0 && width > 0 && offset + width <= blockSize(m_block);
}

bool BlockAccess::holds(const Slot& s, Kind kind) const
{
    return s.valid() && s.block == m_block && s.kind == kind && inBlock(s.offset, s.width);
}

std::u16string BlockAccess::readDigits(const Slot& s) const
{
    if (!holds(s, Kind::Digits))
        return {};
    return readDigits(s.offset, s.width, s.digits);
}

bool BlockAccess::writeDigits(const Slot& s, std::u16string_view text)
{
    return holds(s, Kind::Digits) && writeDigits(s.offset, s.width, s.digits, text);
}

std::u16string BlockAccess::readText(const Slot& s) const
{
    if (!holds(s, Kind::Text))
        return {};
    return readText(s.offset, s.width);
}

bool BlockAccess::writeText(const Slot& s, std::u16string_view text)
{
    return holds(s, Kind::Text) && writeText(s.offset, s.width, text);
}

bool BlockAccess::readFlag(const Slot& s, uint8_t mask) const
{
    if (!holds(s, Kind::Flags) || mask == 0 || (mask & ~s.mask) != 0)
        return false;
    return readFlag(s.offset, mask);
}

bool BlockAccess::writeFlag(const Slot& s, uint8_t mask, bool on)
{
    if (!holds(s, Kind::Flags) || mask == 0 || (mask & ~s.mask) != 0)
        return false;
    return writeFlag(s.offset, mask, on);
}

uint8_t BlockAccess::readByte(const Slot& s) const
{
    if (!holds(s, Kind::Byte) && !holds(s, Kind::Flags))
        return 0;
    return m_bytes[s.offset];
}

bool BlockAccess::writeByte(const Slot& s, uint8_t value)
{
    if (!holds(s, Kind::Byte) && !holds(s, Kind::Flags))
        return false;
    uint8_t& byte = m_bytes[s.offset];
    byte = static_cast<uint8_t>((byte & ~s.mask) | (value & s.mask));
    return true;
}

std::u16string BlockAccess::readDigits(int offset, int width, int count) const
{
    const int bytes = (count + 1) / 2;
    if (!m_packing.xcopy || count <= 0 || bytes > width || bytes > kMaxDigitBytes)
        return {};
    uint8_t out[2 * kMaxDigitBytes + 1] = {};
    m_packing.xcopy(out, m_bytes + offset, count, 0);
    std::u16string text;
    for (int i = 0; i < 2 * bytes && out[i] != 0; ++i)
        text.push_back(static_cast<char16_t>(out[i]));
    return text;
}

bool BlockAccess::writeDigits(int offset, int width, int count, std::u16string_view text)
{
    const int bytes = (count + 1) / 2;
    if (!m_packing.ycopy || count <= 0 || bytes > width || width > kMaxDigitBytes)
        return false;
    uint8_t* field = m_bytes + offset;
    if (text.empty()) {
        std::memset(field, 0, static_cast<size_t>(width));
        return true;
    }
    // The packing writes whole bytes; it works on a copy so that nothing
    // beyond the field is ever touched, and the nibbles after the number
    // (the 26th of a 13-byte field included) stay empty.
    uint8_t work[kMaxDigitBytes] = {};
    const auto length = static_cast<int32_t>(std::min<size_t>(text.size(), static_cast<size_t>(count)));
    m_packing.ycopy(work, text.data(), count, 0, length);
    std::memcpy(field, work, static_cast<size_t>(width));
    return true;
}

std::u16string BlockAccess::readText(int offset, int width) const
{
    std::u16string text;
    for (int i = 0; i < width && m_bytes[offset + i] != 0; ++i)
        text.push_back(static_cast<char16_t>(m_bytes[offset + i]));
    return text;
}

bool BlockAccess::writeText(int offset, int width, std::u16string_view text)
{
    uint8_t* field = m_bytes + offset;
    if (text.empty()) {
        std::memset(field, 0, static_cast<size_t>(width));
        return true;
    }
    const int length = static_cast<int>(std::min<size_t>(text.size(), static_cast<size_t>(width)));
    for (int i = 0; i < length; ++i)
        field[i] = static_cast<uint8_t>(text[static_cast<size_t>(i)] & 0xFF);
    if (length < width)
        field[length] = 0;
    return true;
}

bool BlockAccess::readFlag(int offset, uint8_t mask) const
{
    return m_packing.andB && m_packing.andB(m_bytes[offset], mask) != 0;
}

bool BlockAccess::writeFlag(int offset, uint8_t mask, bool on)
{
    if (!m_packing.andBValue)
        return false;
    uint8_t& byte = m_bytes[offset];
    const uint8_t kept = m_packing.andBValue(byte, static_cast<uint8_t>(~mask));
    byte = on ? static_cast<uint8_t>(kept | mask) : kept;
    return true;
}

} // namespace ql310::image
