// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.h"

namespace ql310::image {

namespace {

constexpr FieldId kLcrRangeFrom[kLcrTables] = {FieldId::LcrRangeFrom0, FieldId::LcrRangeFrom1};
constexpr FieldId kLcrRangeTo[kLcrTables] = {FieldId::LcrRangeTo0, FieldId::LcrRangeTo1};
constexpr FieldId kLcrPrefix[kLcrTables] = {FieldId::LcrPrefix0, FieldId::LcrPrefix1};
constexpr FieldId kLcrStartHour[kLcrTables] = {FieldId::LcrStartHour0, FieldId::LcrStartHour1};
constexpr FieldId kLcrEndHour[kLcrTables] = {FieldId::LcrEndHour0, FieldId::LcrEndHour1};
constexpr FieldId kLcrFlags[kLcrTables] = {FieldId::LcrFlags0, FieldId::LcrFlags1};

constexpr int kBitsPerByte = 8;

// field() indexes the table by id.
constexpr bool fieldsInIdOrder()
{
    for (int i = 0; i < kFieldCount; ++i)
        if (static_cast<int>(kFields[i].id) != i)
            return false;
    return true;
}
static_assert(fieldsInIdOrder(), "kFields rows must follow the order of FieldId");

} // namespace

const Field& field(FieldId id) { return kFields[static_cast<int>(id)]; }

int blockSize(Block block)
{
    return block == Block::Setting ? kSettingBlockSize : kTableBlockSize;
}

Slot slot(FieldId id, int outer, int inner)
{
    if (id >= FieldId::Count)
        return {};
    const Field& f = field(id);
    if (outer < 0 || outer >= f.outerCount || inner < 0 || inner >= f.innerCount)
        return {};
    Slot s;
    s.block = f.block;
    s.kind = f.kind;
    s.offset = f.offset + outer * f.outerStride + inner * f.innerStride;
    s.width = f.width;
    s.digits = f.digits;
    s.mask = f.mask;
    return s;
}

PortSlots portSlots(int port)
{
    PortSlots s;
    s.extensionNumber = slot(FieldId::ExtensionNumber, port);
    s.extensionName = slot(FieldId::ExtensionName, port);
    for (int k = 0; k < kMsnSlots; ++k) {
        s.msnNumber[k] = slot(FieldId::MsnNumber, port, k);
        s.ringType[k] = slot(FieldId::RingType, port, k);
    }
    s.outgoingNumber = slot(FieldId::OutgoingNumber, port);
    s.flagsA = slot(FieldId::PortFlagsA, port);
    s.flagsB = slot(FieldId::PortFlagsB, port);
    s.noAnswerDelay = slot(FieldId::NoAnswerDelay, port);
    s.forwardToNumber = slot(FieldId::ForwardToNumber, port);
    s.morningCallHour = slot(FieldId::MorningCallHour, port);
    s.morningCallMinute = slot(FieldId::MorningCallMinute, port);
    return s;
}

Slot shortDialSlot(int port, int entry) { return slot(FieldId::ShortDial, port, entry); }

LcrEntrySlots lcrEntrySlots(int number)
{
    if (number < 1 || number > kLcrEntries)
        return {};
    const int table = (number - 1) / kLcrEntriesPerTable;
    const int entry = (number - 1) % kLcrEntriesPerTable;
    LcrEntrySlots s;
    s.rangeFrom = slot(kLcrRangeFrom[table], entry);
    s.rangeTo = slot(kLcrRangeTo[table], entry);
    s.prefix = slot(kLcrPrefix[table], entry);
    s.startHour = slot(kLcrStartHour[table], entry);
    s.endHour = slot(kLcrEndHour[table], entry);
    s.flags = slot(kLcrFlags[table], entry);
    return s;
}

ExclusionSlots exclusionSlots(int entry)
{
    ExclusionSlots s;
    s.rangeFrom = slot(FieldId::ExclusionRangeFrom, entry);
    s.rangeTo = slot(FieldId::ExclusionRangeTo, entry);
    s.flags = slot(FieldId::ExclusionFlags, entry);
    return s;
}

PhoneBookSlots phoneBookSlots(int record)
{
    PhoneBookSlots s;
    s.peerNumber = slot(FieldId::PeerNumber, record);
    s.peerName = slot(FieldId::PeerName, record);
    s.forwardTo = slot(FieldId::ForwardTo, record);
    if (record >= 0 && record < kPhoneBookRecords) {
        const Slot map = slot(FieldId::ForwardActive);
        s.forwardActive = map;
        s.forwardActive.kind = Kind::Flags;
        s.forwardActive.offset = map.offset + record / kBitsPerByte;
        s.forwardActive.width = 1;
        s.forwardActive.mask = static_cast<uint8_t>(1u << (record % kBitsPerByte));
    }
    return s;
}

} // namespace ql310::image
