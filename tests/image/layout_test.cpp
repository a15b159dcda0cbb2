// SPDX-License-Identifier: GPL-3.0-or-later
// The field table and the per-entry views: where every field of both
// images lies.
#include "image_test_helpers.h"
#include "layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ql310::image {
namespace {

struct Area {
    int offset;
    int bytes;
};

// Which field covers each byte of a block; -1 where none does.
std::vector<int> owners(Block block, std::string* overlaps)
{
    std::vector<int> owner(static_cast<size_t>(blockSize(block)), -1);
    test::forEachSlot([&](const Field& f, const Slot& s) {
        if (f.block != block)
            return;
        for (int b = s.offset; b < s.offset + s.width; ++b) {
            int& o = owner[static_cast<size_t>(b)];
            // The records' bits of ForwardActive share its bytes.
            if (o != -1 && !(o == static_cast<int>(f.id) && f.kind == Kind::BitMap))
                *overlaps += std::string(f.name) + " at " + std::to_string(b) + "; ";
            o = static_cast<int>(f.id);
        }
    });
    return owner;
}

std::vector<bool> areaBytes(int size, const std::vector<Area>& areas)
{
    std::vector<bool> in(static_cast<size_t>(size), false);
    for (const Area& a : areas)
        for (int b = a.offset; b < a.offset + a.bytes; ++b)
            in[static_cast<size_t>(b)] = true;
    return in;
}

void expectCoveredExactly(Block block, const std::vector<Area>& interpreted)
{
    std::string overlaps;
    const std::vector<int> owner = owners(block, &overlaps);
    EXPECT_EQ(overlaps, "");
    const std::vector<bool> expected = areaBytes(blockSize(block), interpreted);
    for (size_t b = 0; b < owner.size(); ++b)
        EXPECT_EQ(owner[b] != -1, expected[b]) << "byte " << b;
}

TEST(FieldTable, InterpretedFieldsCoverTheSettingBlockMapExactlyWithoutOverlap)
{
    // The areas of the block map that hold fields; the device profile's last
    // two bytes (291, 292) are the adapter's own and not interpreted.
    expectCoveredExactly(Block::Setting, {
        {0, 6}, {96, 8}, {104, 52}, {214, 8}, {222, 1}, {223, 4}, {234, 12},
        {288, 3}, {294, 156}, {450, 52}, {502, 8},
        {512, 130}, {642, 100}, {768, 130}, {898, 100}, {1024, 130}, {1154, 55},
        {1280, 130}, {1410, 72}, {1536, 200},
    });
}

TEST(FieldTable, InterpretedFieldsCoverTheTableBlockRecordsAndForwardActive)
{
    expectCoveredExactly(Block::Table, {{0, 40 * 44}, {1760, 5}});
}

TEST(FieldTable, EveryNumberFieldHoldsItsCapacityInItsWidth)
{
    for (const Field& f : kFields) {
        if (f.kind != Kind::Digits)
            continue;
        EXPECT_TRUE(f.digits == 4 || f.digits == 10 || f.digits == 25) << f.name;
        EXPECT_EQ((f.digits + 1) / 2, f.width) << f.name;
    }
}

TEST(PortView, PortFieldsLieAtTheirPortsPlaces)
{
    for (int p = 0; p < kPorts; ++p) {
        const PortSlots s = portSlots(p);
        EXPECT_EQ(s.extensionNumber.offset, 96 + 2 * p);
        EXPECT_EQ(s.forwardToNumber.offset, 104 + 13 * p);
        EXPECT_EQ(s.flagsA.offset, 214 + 2 * p);
        EXPECT_EQ(s.flagsB.offset, 215 + 2 * p);
        EXPECT_EQ(s.noAnswerDelay.offset, 223 + p);
        EXPECT_EQ(s.outgoingNumber.offset, 450 + 13 * p);
        EXPECT_EQ(s.morningCallHour.offset, 502 + 2 * p);
        EXPECT_EQ(s.morningCallMinute.offset, 503 + 2 * p);
        EXPECT_EQ(s.extensionName.offset, 1410 + 18 * p);
        EXPECT_EQ(s.extensionName.width, 18);
        for (int k = 0; k < kMsnSlots; ++k) {
            EXPECT_EQ(s.ringType[k].offset, 234 + 3 * p + k);
            EXPECT_EQ(s.msnNumber[k].offset, 294 + 39 * p + 13 * k);
            EXPECT_EQ(s.msnNumber[k].digits, 25);
        }
    }
}

TEST(PortView, PortsOutsideOneToFourHaveNoFields)
{
    EXPECT_FALSE(portSlots(-1).extensionNumber.valid());
    EXPECT_FALSE(portSlots(4).extensionName.valid());
    EXPECT_FALSE(portSlots(4).msnNumber[2].valid());
}

TEST(ShortDialView, EachPortsTableStartsItsOwnStretch)
{
    EXPECT_EQ(shortDialSlot(0, 0).offset, 512);
    EXPECT_EQ(shortDialSlot(1, 0).offset, 768);
    EXPECT_EQ(shortDialSlot(2, 3).offset, 1024 + 39);
    // Entry 9 of port 4 takes bytes 1397..1409, just before the first name.
    const Slot last = shortDialSlot(3, 9);
    EXPECT_EQ(last.offset, 1397);
    EXPECT_EQ(last.offset + last.width, portSlots(0).extensionName.offset);
    EXPECT_FALSE(shortDialSlot(3, 10).valid());
    EXPECT_FALSE(shortDialSlot(4, 0).valid());
}

TEST(LcrView, EntriesOneToTenAreTheFirstTableElevenToTwentyTheSecond)
{
    for (int i = 0; i < kLcrEntriesPerTable; ++i) {
        const LcrEntrySlots first = lcrEntrySlots(i + 1);
        EXPECT_EQ(first.rangeFrom.offset, 642 + 5 * i);
        EXPECT_EQ(first.rangeTo.offset, 692 + 5 * i);
        EXPECT_EQ(first.prefix.offset, 898 + 5 * i);
        EXPECT_EQ(first.startHour.offset, 948 + 2 * i);
        EXPECT_EQ(first.endHour.offset, 968 + 2 * i);
        EXPECT_EQ(first.flags.offset, 988 + i);
        const LcrEntrySlots second = lcrEntrySlots(i + 11);
        EXPECT_EQ(second.rangeFrom.offset, 1536 + 5 * i);
        EXPECT_EQ(second.rangeTo.offset, 1586 + 5 * i);
        EXPECT_EQ(second.prefix.offset, 1636 + 5 * i);
        EXPECT_EQ(second.startHour.offset, 1686 + 2 * i);
        EXPECT_EQ(second.endHour.offset, 1706 + 2 * i);
        EXPECT_EQ(second.flags.offset, 1726 + i);
        EXPECT_EQ(second.prefix.digits, 10);
    }
    EXPECT_FALSE(lcrEntrySlots(0).rangeFrom.valid());
    EXPECT_FALSE(lcrEntrySlots(21).flags.valid());
}

TEST(ExclusionView, FiveEntriesOfTwoRangesAndFlags)
{
    for (int i = 0; i < kExclusionEntries; ++i) {
        const ExclusionSlots s = exclusionSlots(i);
        EXPECT_EQ(s.rangeFrom.offset, 1154 + 5 * i);
        EXPECT_EQ(s.rangeTo.offset, 1179 + 5 * i);
        EXPECT_EQ(s.flags.offset, 1204 + i);
    }
    EXPECT_FALSE(exclusionSlots(5).flags.valid());
}

TEST(PhoneBookView, RecordsAreFortyFourBytesApart)
{
    const PhoneBookSlots r1 = phoneBookSlots(1);
    EXPECT_EQ(r1.peerNumber.block, Block::Table);
    EXPECT_EQ(r1.peerNumber.offset, 44);
    EXPECT_EQ(r1.peerName.offset, 57);
    EXPECT_EQ(r1.forwardTo.offset, 75);
    // Record 39's ForwardTo ends at 1759, directly before ForwardActive.
    const Slot last = phoneBookSlots(39).forwardTo;
    EXPECT_EQ(last.offset + last.width - 1, 1759);
    EXPECT_FALSE(phoneBookSlots(40).peerNumber.valid());
    EXPECT_FALSE(phoneBookSlots(40).forwardActive.valid());
}

TEST(PhoneBookView, ForwardActiveIsOneBitPerRecordLowBitFirst)
{
    struct Bit {
        int record, offset, mask;
    };
    for (const Bit& b : {Bit{0, 1760, 0x01}, Bit{7, 1760, 0x80}, Bit{8, 1761, 0x01},
                         Bit{39, 1764, 0x80}, Bit{20, 1762, 0x10}}) {
        const Slot s = phoneBookSlots(b.record).forwardActive;
        EXPECT_EQ(s.offset, b.offset) << "record " << b.record;
        EXPECT_EQ(s.mask, b.mask) << "record " << b.record;
        EXPECT_EQ(s.width, 1);
        EXPECT_EQ(s.kind, Kind::Flags);
    }
}

} // namespace
} // namespace ql310::image
