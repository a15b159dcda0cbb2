// SPDX-License-Identifier: GPL-3.0-or-later
// The factory image of the library's reset, read through the accessors.
#include "block_access.h"
#include "encodings.h"
#include "image_test_helpers.h"
#include "ql310.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace ql310::image {
namespace {

class FactoryImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A configured adapter: every byte set, its own bytes recognisable.
        m_setting.fill(0x5A);
        m_table.fill(0xA5);
        std::memcpy(m_setting.data(), "V3.02a", 6);
        const uint8_t profile[5] = {0x02, 0x40, 0x01, 0x77, 0x88};
        std::memcpy(m_setting.data() + 288, profile, 5);
        ASSERT_EQ(QL310_LoadDefault(m_table.data(), m_setting.data()), 0);
    }

    std::array<uint8_t, kSettingBlockSize> m_setting{};
    std::array<uint8_t, kTableBlockSize> m_table{};
    BlockAccess m_s{Block::Setting, m_setting.data(), test::libraryPacking()};
    BlockAccess m_t{Block::Table, m_table.data(), test::libraryPacking()};
};

TEST_F(FactoryImage, PortsHaveTheirFactoryNumbersSwitchesAndRingTypes)
{
    const std::u16string extensions[kPorts] = {u"10", u"20", u"30", u"40"};
    for (int p = 0; p < kPorts; ++p) {
        const PortSlots s = portSlots(p);
        EXPECT_EQ(m_s.readDigits(s.extensionNumber), extensions[p]);
        EXPECT_EQ(m_s.readText(s.extensionName), u"");
        EXPECT_EQ(m_s.readDigits(s.outgoingNumber), u"");
        EXPECT_EQ(m_s.readDigits(s.forwardToNumber), u"");
        for (int k = 0; k < kMsnSlots; ++k) {
            EXPECT_EQ(m_s.readDigits(s.msnNumber[k]), u"");
            EXPECT_EQ(ringTypeOf(m_s.readByte(s.ringType[k])), k + 1);
        }
        EXPECT_TRUE(m_s.readFlag(s.flagsA, kCallWaiting));
        EXPECT_TRUE(m_s.readFlag(s.flagsA, kAcceptAllMsn));
        EXPECT_TRUE(m_s.readFlag(s.flagsA, kOutsideLineAfterZero));
        EXPECT_FALSE(m_s.readFlag(s.flagsA, kMorningCallWanted));
        EXPECT_FALSE(m_s.readFlag(s.flagsA, kNoMusicOnHold));
        EXPECT_TRUE(m_s.readFlag(s.flagsB, kShowIncomingCallerId));
        EXPECT_FALSE(m_s.readFlag(s.flagsB, kWithholdOwnNumber));
        EXPECT_FALSE(m_s.readFlag(s.flagsB, kTakeOver));
        EXPECT_EQ(forwardModeOf(m_s.readByte(s.flagsB)), ForwardMode::None);
        EXPECT_EQ(m_s.readByte(s.noAnswerDelay), 10);
        EXPECT_EQ(m_s.readByte(s.morningCallHour), 0);
        EXPECT_EQ(m_s.readByte(s.morningCallMinute), 0);
    }
    EXPECT_EQ(callerIdOptionOf(m_s.readByte(slot(FieldId::CallerIdOption))), 0);
}

TEST_F(FactoryImage, TheAdaptersOwnBytesAreKept)
{
    EXPECT_EQ(m_s.readText(slot(FieldId::FirmwareVersion)), u"V3.02a");
    EXPECT_EQ(m_s.readByte(slot(FieldId::CountryCode)), 0x02);
    EXPECT_TRUE(m_s.readFlag(slot(FieldId::LineOptions), kAnalogULaw));
    EXPECT_TRUE(lcrDisabled(m_s.readByte(slot(FieldId::LcrDisabled))));
    EXPECT_EQ(m_setting[291], 0x77);
    EXPECT_EQ(m_setting[292], 0x88);
}

TEST_F(FactoryImage, DiallingTablesAreEmptyInactiveReplaceAndMonToFri)
{
    for (int p = 0; p < kPorts; ++p)
        for (int i = 0; i < kShortDialEntries; ++i)
            EXPECT_EQ(m_s.readDigits(shortDialSlot(p, i)), u"");
    for (int n = 1; n <= kLcrEntries; ++n) {
        const LcrEntrySlots e = lcrEntrySlots(n);
        EXPECT_EQ(m_s.readDigits(e.rangeFrom), u"");
        EXPECT_EQ(m_s.readDigits(e.rangeTo), u"");
        EXPECT_EQ(m_s.readDigits(e.prefix), u"");
        const LcrHourCells hours = lcrHoursShown(m_s.readByte(e.startHour), m_s.readByte(e.endHour));
        EXPECT_EQ(hours.start.shown, LcrHourShown::NoTime);
        EXPECT_EQ(hours.end.shown, LcrHourShown::NoTime);
        const LcrFlags f = lcrFlagsOf(m_s.readByte(e.flags));
        EXPECT_FALSE(f.active);
        EXPECT_FALSE(f.addPrefix);
        EXPECT_EQ(f.days, LcrDays::MonFri);
    }
    for (int i = 0; i < kExclusionEntries; ++i) {
        const ExclusionSlots e = exclusionSlots(i);
        EXPECT_EQ(m_s.readDigits(e.rangeFrom), u"");
        EXPECT_EQ(m_s.readDigits(e.rangeTo), u"");
        const ExclusionFlags f = exclusionFlagsOf(m_s.readByte(e.flags));
        EXPECT_FALSE(f.weekdays || f.weekend || f.active);
    }
}

TEST_F(FactoryImage, ThePhoneBookIsEmptyWithNoForwardingByCaller)
{
    for (int i = 0; i < kPhoneBookRecords; ++i) {
        const PhoneBookSlots r = phoneBookSlots(i);
        EXPECT_EQ(m_t.readDigits(r.peerNumber), u"");
        EXPECT_EQ(m_t.readText(r.peerName), u"");
        EXPECT_EQ(m_t.readDigits(r.forwardTo), u"");
        EXPECT_FALSE(m_t.readFlag(r.forwardActive));
    }
}

} // namespace
} // namespace ql310::image
