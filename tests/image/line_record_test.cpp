// SPDX-License-Identifier: GPL-3.0-or-later
// The LineParams record as the editor fills it: the 30-character rule for
// its texts and the factory values.
#include "line_params.h"
#include "line_record.h"

#include <gtest/gtest.h>

#include <array>

namespace ql310::image {
namespace {

class LineRecordTest : public ::testing::Test {
protected:
    void SetUp() override { m_bytes.fill(0x77); }
    const uint8_t* slot(int index) const { return m_bytes.data() + line::kTexts[index].offset; }

    std::array<uint8_t, kLineParamsSize> m_bytes{};
    LineRecord m_record{m_bytes.data()};
};

TEST_F(LineRecordTest, AnEditorTextKeepsThirtyCharactersAndTheRestOfItsSlot)
{
    m_record.storeEditorText(0, u"0123456789012345678901234567890123456789");
    EXPECT_EQ(m_record.text(0), u"012345678901234567890123456789"
                                u"wwwwwwwwwwwwwwwwwwwwwwwwwwwww");
    EXPECT_EQ(slot(0)[29], '9');
    EXPECT_EQ(slot(0)[30], 0x77);

    m_record.storeEditorText(LineRecord::kOwnNumber, u"123");
    EXPECT_EQ(m_record.text(LineRecord::kOwnNumber), u"123");
    EXPECT_EQ(slot(LineRecord::kOwnNumber)[4], 0x77);
    // The neighbouring slot is untouched.
    EXPECT_EQ(slot(9)[59], 0x77);
}

TEST_F(LineRecordTest, AnEmptyTextZeroesTheFirstThirtyBytes)
{
    m_record.storeEditorText(4, u"");
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(slot(4)[i], 0) << i;
    EXPECT_EQ(slot(4)[30], 0x77);
    EXPECT_EQ(m_record.text(4), u"");
}

TEST_F(LineRecordTest, TheFactoryValuesEmptyEveryTextAndSetTheDefaults)
{
    m_record.resetToFactory();
    for (int i = 0; i < LineRecord::kTexts; ++i)
        EXPECT_EQ(m_record.text(i), u"") << i;
    using N = LineRecord::Number;
    for (N n : {N::AnalogCoding, N::Prefer1B, N::AcceptAllMsn, N::DdiFunction})
        EXPECT_EQ(m_record.number(n), 0);
    EXPECT_EQ(m_record.number(N::MinTime), 120);
    EXPECT_EQ(m_record.number(N::DelayTime), 120);
    EXPECT_EQ(m_record.number(N::OpenCps), 7200);
    EXPECT_EQ(m_record.number(N::CloseCps), 4000);
    // The reserved byte is not the reset's.
    EXPECT_EQ(m_bytes[line::kReservedOffset], 0x77);
}

} // namespace
} // namespace ql310::image
