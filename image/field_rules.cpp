// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_rules.h"

#include "block_access.h"
#include "encodings.h"
#include "line_record.h"

namespace ql310::image {

namespace {

// The blanks a typed number may have around it: the desktop's white space,
// the separators of Unicode among them.
bool isBlank(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A stored byte field as the editor shows it and stores it back.
void passByte(BlockAccess& block, const Field& f, const Slot& s)
{
    const uint8_t stored = block.readByte(s);
    switch (f.id) {
    case FieldId::MorningCallHour: block.writeByte(s, morningCallHourInRange(stored)); return;
    case FieldId::MorningCallMinute: block.writeByte(s, morningCallMinuteInRange(stored)); return;
    case FieldId::NoAnswerDelay: block.writeByte(s, noAnswerDelayInRange(stored)); return;
    case FieldId::RingType:
        // A type the list holds is stored back as that type's byte.
        if (const auto typeByte = ringTypeByte(ringTypeOf(stored)))
            block.writeByte(s, *typeByte);
        return;
    default: return;
    }
}

// Of the flag bytes an LCR entry's days change: "Mon-Sun" is stored as the
// all-days bit alone. A forwarding mode of more than one bit matches no
// entry of the list, which in a freshly built editor shows "No Forward".
void passFlags(BlockAccess& block, const Field& f, const Slot& s)
{
    const uint8_t stored = block.readByte(s);
    if (f.id == FieldId::LcrFlags0 || f.id == FieldId::LcrFlags1)
        block.writeByte(s, withLcrFlags(stored, lcrFlagsOf(stored)));
    if (f.id == FieldId::PortFlagsB && !forwardModeOf(stored))
        block.writeByte(s, withForwardMode(stored, ForwardMode::None));
}

void passElement(BlockAccess& block, const Field& f, const Slot& s)
{
    switch (f.kind) {
    case Kind::Digits:
        // Shown up to the first empty nibble, stored with empty nibbles after.
        block.writeDigits(s, block.readDigits(s));
        return;
    case Kind::Text: block.writeText(s, block.readText(s)); return;
    case Kind::Byte: passByte(block, f, s); return;
    case Kind::Flags:
    case Kind::BitMap: passFlags(block, f, s); return;
    }
}

void passLineParams(uint8_t* lineParams, uint8_t lineOptions)
{
    using Number = LineRecord::Number;
    LineRecord record(lineParams);
    for (Number n : {Number::AcceptAllMsn, Number::Prefer1B})
        record.setNumber(n, switchValue(switchTicked(record.number(n))));
    record.setNumber(Number::AnalogCoding, analogCodingFor(lineOptions));
    for (int i = 0; i < LineRecord::kTexts; ++i)
        if (i < LineRecord::kEditorMsns || i == LineRecord::kOwnNumber)
            record.storeEditorText(i, dataNumberShown(record.text(i)));
}

} // namespace

bool editorStores(FieldId id)
{
    return id != FieldId::FirmwareVersion && id != FieldId::CountryCode && id != FieldId::LineOptions &&
           id != FieldId::LcrDisabled;
}

bool switchTicked(uint16_t stored)
{
    return stored == 1;
}

uint16_t switchValue(bool ticked)
{
    return ticked ? 1 : 0;
}

std::u16string dataNumberShown(std::u16string_view stored)
{
    return std::u16string(stored.substr(0, kNumberBoxLength));
}

std::optional<uint16_t> sixteenBitsTyped(std::u16string_view typed)
{
    const std::u16string_view digits = trimmed(typed);
    if (digits.empty() || digits.size() > 5)
        return std::nullopt;
    unsigned value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - u'0');
    }
    if (value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

void passThroughEditor(uint8_t* setting, uint8_t* table, uint8_t* lineParams, const Packing& packing)
{
    BlockAccess settingBlock(Block::Setting, setting, packing);
    BlockAccess tableBlock(Block::Table, table, packing);
    for (const Field& f : kFields) {
        if (!editorStores(f.id))
            continue;
        BlockAccess& block = f.block == Block::Setting ? settingBlock : tableBlock;
        for (int a = 0; a < f.outerCount; ++a)
            for (int b = 0; b < f.innerCount; ++b)
                passElement(block, f, slot(f.id, a, b));
    }
    passLineParams(lineParams, settingBlock.readByte(slot(FieldId::LineOptions)));
}

} // namespace ql310::image
