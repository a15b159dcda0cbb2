// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's rules for what it stores, one value at a time; the pass over
// whole images is checked against the real editor in the editor's tests.
#include "field_rules.h"

#include <gtest/gtest.h>

namespace ql310::image {
namespace {

TEST(FieldRulesTest, TheAdaptersOwnFieldsAreNeverStored)
{
    for (FieldId id : {FieldId::FirmwareVersion, FieldId::CountryCode, FieldId::LineOptions, FieldId::LcrDisabled})
        EXPECT_FALSE(editorStores(id));
    for (FieldId id : {FieldId::ExtensionName, FieldId::RingType, FieldId::LcrFlags0, FieldId::PeerNumber})
        EXPECT_TRUE(editorStores(id));
}

TEST(FieldRulesTest, ASwitchIsTickedForOneAloneAndStoredAsOneOrZero)
{
    EXPECT_TRUE(switchTicked(1));
    for (uint16_t stored : {0, 2, 0x101, 0xFFFF})
        EXPECT_FALSE(switchTicked(stored)) << stored;
    EXPECT_EQ(switchValue(true), 1);
    EXPECT_EQ(switchValue(false), 0);
}

TEST(FieldRulesTest, ADataNumberIsShownCutToItsBox)
{
    const std::u16string thirty = u"012345678901234567890123456789";
    EXPECT_EQ(dataNumberShown(thirty), thirty.substr(0, kNumberBoxLength));
    EXPECT_EQ(dataNumberShown(u"0301"), u"0301");
    EXPECT_EQ(dataNumberShown(u""), u"");
}

TEST(FieldRulesTest, ATypedNumberIsAWholeNumberOfSixteenBits)
{
    EXPECT_EQ(sixteenBitsTyped(u"0"), 0);
    EXPECT_EQ(sixteenBitsTyped(u"65535"), 65535);
    EXPECT_EQ(sixteenBitsTyped(u" \t120\u00A0"), 120);
    EXPECT_EQ(sixteenBitsTyped(u"00007"), 7);
    for (std::u16string_view refused : {u"", u"   ", u"65536", u"000001", u"12a", u"-1", u"+5", u"1 2", u"\uFF11"})
        EXPECT_FALSE(sixteenBitsTyped(refused).has_value());
}

} // namespace
} // namespace ql310::image
