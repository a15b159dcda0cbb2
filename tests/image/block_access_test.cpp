// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the fields of both images: digits, texts, flags and
// bytes, each write staying inside its own field.
#include "block_access.h"
#include "image_test_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace ql310::image {
namespace {

constexpr uint8_t kUntouched = 0xEE;

class Images : public ::testing::Test {
protected:
    Images()
    {
        m_setting.fill(kUntouched);
        m_table.fill(kUntouched);
    }

    // Bytes of the setting block that differ from the untouched pattern.
    std::vector<int> changedSetting() const { return changed(m_setting.data(), kSettingBlockSize); }
    std::vector<int> changedTable() const { return changed(m_table.data(), kTableBlockSize); }

    static std::vector<int> changed(const uint8_t* bytes, int size)
    {
        std::vector<int> out;
        for (int i = 0; i < size; ++i)
            if (bytes[i] != kUntouched)
                out.push_back(i);
        return out;
    }

    static std::vector<int> range(int first, int last)
    {
        std::vector<int> out;
        for (int i = first; i <= last; ++i)
            out.push_back(i);
        return out;
    }

    std::array<uint8_t, kSettingBlockSize> m_setting{};
    std::array<uint8_t, kTableBlockSize> m_table{};
    BlockAccess m_s{Block::Setting, m_setting.data(), test::libraryPacking()};
    BlockAccess m_t{Block::Table, m_table.data(), test::libraryPacking()};
};

using Digits = Images;

TEST_F(Digits, AThirteenByteFieldShowsAllTwentySixNibblesAndStoresTwentyFive)
{
    const Slot msn = portSlots(1).msnNumber[2];
    for (int i = 0; i < 13; ++i)
        m_setting[static_cast<size_t>(msn.offset + i)] = 0x12;
    const std::u16string shown = m_s.readDigits(msn);
    EXPECT_EQ(shown, u"12121212121212121212121212");

    ASSERT_TRUE(m_s.writeDigits(msn, shown));
    EXPECT_EQ(m_setting[static_cast<size_t>(msn.offset + 12)], 0x10);
    EXPECT_EQ(m_s.readDigits(msn), u"1212121212121212121212121");
    EXPECT_EQ(changedSetting(), range(msn.offset, msn.offset + 12));
}

TEST_F(Digits, AFiveDigitExtensionKeepsItsFirstFourAndLeavesTheNextPort)
{
    ASSERT_TRUE(m_s.writeDigits(portSlots(1).extensionNumber, u"12345"));
    EXPECT_EQ(m_setting[98], 0x12);
    EXPECT_EQ(m_setting[99], 0x34);
    EXPECT_EQ(changedSetting(), range(98, 99));
    EXPECT_EQ(m_s.readDigits(portSlots(1).extensionNumber), u"1234");
}

TEST_F(Digits, AShortNumberFillsTheRestOfTheFieldWithEmptyNibbles)
{
    const Slot from = lcrEntrySlots(12).rangeFrom;
    ASSERT_TRUE(m_s.writeDigits(from, u"0*#9"));
    EXPECT_EQ(m_setting[static_cast<size_t>(from.offset)], 0xAB);
    EXPECT_EQ(m_setting[static_cast<size_t>(from.offset + 1)], 0xC9);
    for (int i = 2; i < 5; ++i)
        EXPECT_EQ(m_setting[static_cast<size_t>(from.offset + i)], 0x00);
    EXPECT_EQ(m_s.readDigits(from), u"0*#9");
}

TEST_F(Digits, AnEmptyNumberZeroesTheWholeField)
{
    const Slot to = exclusionSlots(4).rangeTo;
    ASSERT_TRUE(m_s.writeDigits(to, u""));
    EXPECT_EQ(changedSetting(), range(to.offset, to.offset + 4));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_setting[static_cast<size_t>(to.offset + i)], 0);
    EXPECT_EQ(m_s.readDigits(to), u"");
}

TEST_F(Digits, TheLastShortDialEntryEndsBeforeTheFirstName)
{
    ASSERT_TRUE(m_s.writeDigits(shortDialSlot(3, 9), u"1234567890123456789012345678"));
    EXPECT_EQ(changedSetting(), range(1397, 1409));
}

TEST_F(Digits, TheLastRecordsForwardToEndsBeforeForwardActive)
{
    ASSERT_TRUE(m_t.writeDigits(phoneBookSlots(39).forwardTo, u"99999999999999999999999999"));
    EXPECT_EQ(changedTable(), range(1747, 1759));
}

using Texts = Images;

TEST_F(Texts, AnEighteenCharacterNameHasNoTerminatorAndReadsBackWhole)
{
    ASSERT_TRUE(m_s.writeText(portSlots(2).extensionName, u"Reception desk 2nd"));
    EXPECT_EQ(changedSetting(), range(1446, 1463));
    EXPECT_EQ(m_s.readText(portSlots(2).extensionName), u"Reception desk 2nd");
}

TEST_F(Texts, ALongerNameIsCutToTheField)
{
    ASSERT_TRUE(m_s.writeText(portSlots(3).extensionName, u"Workshop in the back yard"));
    EXPECT_EQ(m_s.readText(portSlots(3).extensionName), u"Workshop in the ba");
    EXPECT_EQ(changedSetting(), range(1464, 1481));
}

TEST_F(Texts, AShorterNameOverALongerOneKeepsTheBytesAfterItsTerminator)
{
    const Slot name = portSlots(0).extensionName;
    ASSERT_TRUE(m_s.writeText(name, u"Kitchen"));
    ASSERT_TRUE(m_s.writeText(name, u"Al"));
    const std::string start(reinterpret_cast<const char*>(&m_setting[1410]), 7);
    EXPECT_EQ(start, std::string("Al\0chen", 7));
    EXPECT_EQ(m_setting[1417], 0);
    EXPECT_EQ(m_setting[1418], kUntouched);
    EXPECT_EQ(m_s.readText(name), u"Al");
}

TEST_F(Texts, AnEmptyTextZeroesTheWholeField)
{
    const Slot name = phoneBookSlots(5).peerName;
    ASSERT_TRUE(m_t.writeText(name, u""));
    EXPECT_EQ(changedTable(), range(name.offset, name.offset + 17));
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(m_table[static_cast<size_t>(name.offset + i)], 0);
}

TEST_F(Texts, CharactersKeepTheirLowEightBitsAndReadAsLatin1)
{
    const Slot name = portSlots(1).extensionName;
    ASSERT_TRUE(m_s.writeText(name, u"J\u00F6rg \u0141"));
    EXPECT_EQ(m_setting[1429], 0xF6);
    EXPECT_EQ(m_setting[1433], 0x41);
    EXPECT_EQ(m_s.readText(name), u"J\u00F6rg A");
}

TEST_F(Texts, AFullPeerNameEndsDirectlyBeforeForwardTo)
{
    const PhoneBookSlots r = phoneBookSlots(39);
    ASSERT_TRUE(m_t.writeText(r.peerName, u"ABCDEFGHIJKLMNOPQR"));
    EXPECT_EQ(changedTable(), range(r.peerName.offset, r.forwardTo.offset - 1));
    EXPECT_EQ(m_t.readText(r.peerName), u"ABCDEFGHIJKLMNOPQR");
}

using Flags = Images;

TEST_F(Flags, WritingAFlagChangesOnlyItsBit)
{
    const Slot a = portSlots(2).flagsA;
    m_setting[static_cast<size_t>(a.offset)] = 0x00;
    ASSERT_TRUE(m_s.writeFlag(a, kNoMusicOnHold, true));
    EXPECT_EQ(m_setting[static_cast<size_t>(a.offset)], 0x40);
    m_setting[static_cast<size_t>(a.offset)] = 0xFF;
    ASSERT_TRUE(m_s.writeFlag(a, kCallWaiting, false));
    EXPECT_EQ(m_setting[static_cast<size_t>(a.offset)], 0xFD);
    EXPECT_FALSE(m_s.readFlag(a, kCallWaiting));
    EXPECT_TRUE(m_s.readFlag(a, kAcceptAllMsn));
}

TEST_F(Flags, BitsTheSystemDoesNotInterpretAreRefused)
{
    const Slot b = portSlots(0).flagsB;
    EXPECT_FALSE(m_s.writeFlag(b, 0x40, false));
    EXPECT_FALSE(m_s.writeFlag(b, 0x01, true));
    EXPECT_FALSE(m_s.writeFlag(slot(FieldId::CallerIdOption), 0x04, false));
    EXPECT_EQ(changedSetting(), std::vector<int>{});
}

TEST_F(Flags, SwitchingRecordEightOnSetsOneBitOfByte1761)
{
    m_table[1761] = 0x00;
    ASSERT_TRUE(m_t.writeFlag(phoneBookSlots(8).forwardActive, true));
    EXPECT_EQ(m_table[1761], 0x01);
    EXPECT_EQ(changedTable(), std::vector<int>{1761});
    EXPECT_TRUE(m_t.readFlag(phoneBookSlots(8).forwardActive));
    EXPECT_FALSE(m_t.readFlag(phoneBookSlots(9).forwardActive));
}

TEST_F(Flags, RecordsZeroSevenAndThirtyNineAreTheEndBitsOfTheMap)
{
    m_table[1760] = 0x81;
    m_table[1761] = m_table[1762] = m_table[1763] = 0x00;
    m_table[1764] = 0x80;
    for (int i = 0; i < kPhoneBookRecords; ++i) {
        const bool expected = i == 0 || i == 7 || i == 39;
        EXPECT_EQ(m_t.readFlag(phoneBookSlots(i).forwardActive), expected) << "record " << i;
    }
}

using Bytes = Images;

TEST_F(Bytes, ByteFieldsTakeTheirFirstByteOnly)
{
    const Slot start = lcrEntrySlots(3).startHour;
    ASSERT_TRUE(m_s.writeByte(start, 24));
    EXPECT_EQ(changedSetting(), std::vector<int>{start.offset});
    EXPECT_EQ(m_s.readByte(start), 24);
}

TEST_F(Bytes, WritingAFlagByteKeepsItsUninterpretedBits)
{
    const Slot option = slot(FieldId::CallerIdOption);
    ASSERT_TRUE(m_s.writeByte(option, 0x01));
    EXPECT_EQ(m_setting[222], 0xED);
    EXPECT_EQ(m_s.readByte(option), 0xED);
}

using Refusals = Images;

TEST_F(Refusals, SlotsOfTheWrongKindBlockOrIndexChangeNothing)
{
    EXPECT_FALSE(m_s.writeText(portSlots(0).extensionNumber, u"x"));
    EXPECT_FALSE(m_s.writeDigits(portSlots(0).extensionName, u"1"));
    EXPECT_FALSE(m_s.writeByte(portSlots(0).msnNumber[0], 1));
    EXPECT_FALSE(m_s.writeDigits(phoneBookSlots(0).peerNumber, u"1"));
    EXPECT_FALSE(m_t.writeFlag(portSlots(0).flagsA, kCallWaiting, true));
    EXPECT_FALSE(m_s.writeDigits(shortDialSlot(4, 0), u"1"));
    EXPECT_FALSE(m_s.writeByte(lcrEntrySlots(21).startHour, 1));
    EXPECT_EQ(m_s.readDigits(shortDialSlot(0, 10)), u"");
    EXPECT_EQ(changedSetting(), std::vector<int>{});
    EXPECT_EQ(changedTable(), std::vector<int>{});
}

TEST_F(Refusals, WithoutThePackingOperationsNumbersAndFlagsAreRefused)
{
    BlockAccess bare(Block::Setting, m_setting.data(), Packing{});
    EXPECT_FALSE(bare.writeDigits(portSlots(0).extensionNumber, u"11"));
    EXPECT_FALSE(bare.writeFlag(portSlots(0).flagsA, kCallWaiting, false));
    EXPECT_EQ(bare.readDigits(portSlots(0).extensionNumber), u"");
    EXPECT_EQ(changedSetting(), std::vector<int>{});
}

// Writing every field of both blocks with random values reads back the
// values, and no bit outside the fields' interpreted bits changes.
TEST(EveryField, RandomWritesReadBackAndLeaveEverythingElseAsItWas)
{
    static constexpr char16_t kDialSymbols[] = u"1234567890*#";
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        std::mt19937 random(seed);
        auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

        std::vector<uint8_t> setting(kSettingBlockSize), table(kTableBlockSize);
        for (auto& b : setting)
            b = static_cast<uint8_t>(random());
        for (auto& b : table)
            b = static_cast<uint8_t>(random());
        const std::vector<uint8_t> settingBefore = setting, tableBefore = table;
        std::vector<uint8_t> settingFree(kSettingBlockSize, 0), tableFree(kTableBlockSize, 0);

        BlockAccess s(Block::Setting, setting.data(), test::libraryPacking());
        BlockAccess t(Block::Table, table.data(), test::libraryPacking());

        struct Expected {
            Slot slot;
            std::u16string text;
            uint8_t value = 0;
        };
        std::vector<Expected> written;

        test::forEachSlot([&](const Field&, const Slot& slot) {
            BlockAccess& access = slot.block == Block::Setting ? s : t;
            std::vector<uint8_t>& writable = slot.block == Block::Setting ? settingFree : tableFree;
            Expected e{slot, {}, 0};
            switch (slot.kind) {
            case Kind::Digits: {
                const int length = 1 + below(slot.digits);
                for (int i = 0; i < length; ++i)
                    e.text.push_back(kDialSymbols[below(12)]);
                ASSERT_TRUE(access.writeDigits(slot, e.text));
                for (int i = 0; i < slot.width; ++i)
                    writable[static_cast<size_t>(slot.offset + i)] = 0xFF;
                break;
            }
            case Kind::Text: {
                const int length = 1 + below(slot.width);
                for (int i = 0; i < length; ++i)
                    e.text.push_back(static_cast<char16_t>(1 + below(255)));
                ASSERT_TRUE(access.writeText(slot, e.text));
                for (int i = 0; i < slot.width; ++i)
                    writable[static_cast<size_t>(slot.offset + i)] = 0xFF;
                break;
            }
            case Kind::Flags:
                for (int bit = 0x01; bit <= 0x80; bit <<= 1) {
                    if (!(slot.mask & bit))
                        continue;
                    const bool on = below(2) == 1;
                    ASSERT_TRUE(access.writeFlag(slot, static_cast<uint8_t>(bit), on));
                    if (on)
                        e.value |= static_cast<uint8_t>(bit);
                }
                writable[static_cast<size_t>(slot.offset)] |= slot.mask;
                break;
            case Kind::Byte:
            case Kind::BitMap:
                e.value = static_cast<uint8_t>(random());
                ASSERT_TRUE(access.writeByte(slot, e.value));
                writable[static_cast<size_t>(slot.offset)] = 0xFF;
                break;
            }
            written.push_back(e);
        });

        for (const Expected& e : written) {
            const BlockAccess& access = e.slot.block == Block::Setting ? s : t;
            if (e.slot.kind == Kind::Digits)
                EXPECT_EQ(access.readDigits(e.slot), e.text) << "offset " << e.slot.offset;
            else if (e.slot.kind == Kind::Text)
                EXPECT_EQ(access.readText(e.slot), e.text) << "offset " << e.slot.offset;
            else if (e.slot.kind == Kind::Flags)
                EXPECT_EQ(access.readByte(e.slot) & e.slot.mask, e.value) << "offset " << e.slot.offset;
            else
                EXPECT_EQ(access.readByte(e.slot), e.value) << "offset " << e.slot.offset;
        }
        for (int i = 0; i < kSettingBlockSize; ++i)
            EXPECT_EQ((setting[i] ^ settingBefore[i]) & ~settingFree[i], 0) << "setting byte " << i;
        for (int i = 0; i < kTableBlockSize; ++i)
            EXPECT_EQ((table[i] ^ tableBefore[i]) & ~tableFree[i], 0) << "table byte " << i;
    }
}

} // namespace
} // namespace ql310::image
