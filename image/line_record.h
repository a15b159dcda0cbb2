// SPDX-License-Identifier: GPL-3.0-or-later
// The LineParams record (673 bytes) as the editor reads and fills it: its
// flags, its 16-bit thresholds and its texts, through the offsets of
// library/line_params.h. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ql310::image {

inline constexpr int kLineParamsSize = 673;

class LineRecord {
public:
    enum class Number : uint8_t {
        AnalogCoding,
        Prefer1B,
        AcceptAllMsn,
        DdiFunction,
        MinTime,
        DelayTime,
        OpenCps,
        CloseCps
    };

    // The record's texts: MSN1..MSN10 are 0..9, the own number is 10.
    static constexpr int kMsnTexts = 10;
    static constexpr int kOwnNumber = 10;
    static constexpr int kTexts = 11;
    // The editor shows MSN1..MSN5 and the own number.
    static constexpr int kEditorMsns = 5;
    // A text stored from the editor keeps at most this many characters.
    static constexpr int kEditorTextLength = 30;

    // bytes: the caller's record of kLineParamsSize bytes, borrowed.
    explicit LineRecord(uint8_t* bytes) : m_bytes(bytes) {}

    // A byte field's value, or a 16-bit field's little-endian value.
    uint16_t number(Number field) const;
    // Stores the low byte into a byte field, all 16 bits into a 16-bit field.
    void setNumber(Number field, uint16_t value);

    // The text before the first zero byte of its 60-byte slot (at most 59).
    std::u16string text(int index) const;
    // The editor's rule: a non-empty text keeps its first 30 characters (low
    // 8 bits each) and one zero byte after a shorter text; an empty text
    // zeroes the first 30 bytes. The rest of the slot is left as it was.
    void storeEditorText(int index, std::u16string_view text);

    // The values a reset to factory defaults gives: every text empty, the
    // switches and the DDI mode 0, the thresholds 120, 120, 7200 and 4000.
    void resetToFactory();

private:
    uint8_t* slot(int index) const;

    uint8_t* m_bytes;
};

} // namespace ql310::image
