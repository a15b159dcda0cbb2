// SPDX-License-Identifier: GPL-3.0-or-later
// Typed access to one configuration image. Every read and write addresses a
// Slot from layout.h and stays inside it; the packed digits go through the
// library's packing operations handed in as a Packing.
#pragma once

#include "layout.h"
#include "packing.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ql310::image {

class BlockAccess {
public:
    // bytes: the caller's image of blockSize(block) bytes, borrowed for the
    // accessor's lifetime.
    BlockAccess(Block block, uint8_t* bytes, const Packing& packing);

    // Packed dial digits. Reading shows every nibble before the first empty
    // one (26 in a 13-byte field); writing stores at most the field's digit
    // capacity and ends with empty nibbles, an empty text zeroes the field.
    std::u16string readDigits(const Slot& s) const;
    bool writeDigits(const Slot& s, std::u16string_view text);

    // 8-bit text (Latin-1). Reading stops at the first zero byte or the
    // width. Writing stores the low 8 bits of each character, cut to the
    // width, with one zero byte after a shorter text and the bytes after it
    // kept; an empty text zeroes the field.
    std::u16string readText(const Slot& s) const;
    bool writeText(const Slot& s, std::u16string_view text);

    // Bits of a flag byte; mask must lie inside the slot's interpreted bits.
    // Writing changes only the masked bits.
    bool readFlag(const Slot& s, uint8_t mask) const;
    bool writeFlag(const Slot& s, uint8_t mask, bool on);
    // The slot's own bit (a phone-book record's ForwardActive).
    bool readFlag(const Slot& s) const { return readFlag(s, s.mask); }
    bool writeFlag(const Slot& s, bool on) { return writeFlag(s, s.mask, on); }

    // The first byte of a Byte or Flags slot. Writing a Flags slot stores
    // only its interpreted bits and keeps the others.
    uint8_t readByte(const Slot& s) const;
    bool writeByte(const Slot& s, uint8_t value);

    Block block() const { return m_block; }

private:
    bool holds(const Slot& s, Kind kind) const;
    bool inBlock(int offset, int width) const;

    std::u16string readDigits(int offset, int width, int count) const;
    bool writeDigits(int offset, int width, int count, std::u16string_view text);
    std::u16string readText(int offset, int width) const;
    bool writeText(int offset, int width, std::u16string_view text);
    bool readFlag(int offset, uint8_t mask) const;
    bool writeFlag(int offset, uint8_t mask, bool on);

    Block m_block;
    uint8_t* m_bytes;
    Packing m_packing;
};

} // namespace ql310::image
