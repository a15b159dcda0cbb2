// SPDX-License-Identifier: GPL-3.0-or-later
// Dial-digit packing and the byte helpers, byte for byte.
#include "ql310.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

std::u16string u(const char* text)
{
    std::u16string out;
    for (const char* c = text; *c; ++c)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*c)));
    return out;
}

std::vector<uint8_t> pack(const std::u16string& text, int n, int leadZero = 0)
{
    std::vector<uint8_t> out(24, 0xEE); // 0xEE marks bytes that must stay untouched
    QL_Ycopy(out.data(), text.data(), n, leadZero, static_cast<int32_t>(text.size()));
    return out;
}

// The bytes QL_Xcopy wrote, terminator included.
std::vector<uint8_t> unpack(const std::vector<uint8_t>& packed, int n, int skipFirst = 0)
{
    std::vector<uint8_t> out(64, 0xEE);
    QL_Xcopy(out.data(), packed.data(), n, skipFirst);
    size_t end = out.size();
    while (end > 0 && out[end - 1] == 0xEE)
        --end;
    return {out.begin(), out.begin() + static_cast<long>(end)};
}

std::vector<uint8_t> bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

std::vector<uint8_t> head(const std::vector<uint8_t>& v, size_t n) { return {v.begin(), v.begin() + n}; }

TEST(Packing, PacksTwoSymbolsPerByteHighNibbleFirst)
{
    const auto out = pack(u("1234#"), 10);
    EXPECT_EQ(head(out, 6), bytes({0x12, 0x34, 0xC0, 0x00, 0x00, 0xEE}));
    EXPECT_EQ(head(pack(u("1234#"), 10, 1), 5), bytes({0xA1, 0x23, 0x4C, 0x00, 0x00}));
    EXPECT_EQ(head(pack(u("10"), 10), 5), bytes({0x1A, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(head(pack(u("*0#"), 4), 3), bytes({0xBA, 0xC0, 0xEE}));
}

TEST(Packing, TwentyFiveSymbolFieldsTakeThirteenBytes)
{
    const auto out = pack(u("1234#"), 25);
    EXPECT_EQ(head(out, 14),
              bytes({0x12, 0x34, 0xC0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xEE}));
}

TEST(Packing, LongTextIsCutToTheFieldAndOddFieldsEndWithAnEmptyNibble)
{
    // 26 digits into a 25-digit field: the last nibble stays empty.
    const auto out = pack(u("12345678901234567890123456"), 25);
    EXPECT_EQ(out[12], 0x50);
    EXPECT_EQ(out[13], 0xEE);
    EXPECT_EQ(head(pack(u("123456"), 4), 3), bytes({0x12, 0x34, 0xEE}));
    EXPECT_EQ(head(pack(u("123"), 3), 3), bytes({0x12, 0x30, 0xEE}));
}

TEST(Packing, EmptyTextAndOtherCharactersUseTheirLowNibble)
{
    EXPECT_EQ(head(pack(u(""), 10), 6), bytes({0, 0, 0, 0, 0, 0xEE}));
    // "A" is 0x41 and packs as 1; a blank is 0x20 and packs as 0.
    EXPECT_EQ(head(pack(u("A 9"), 4), 2), bytes({0x10, 0x90}));
    // Only the low byte of a 16-bit character counts.
    const std::u16string wide = {u'\u0132', u'5'};
    EXPECT_EQ(head(pack(wide, 4), 2), bytes({0x25, 0x00}));
}

TEST(Packing, CountsAboveFortyAreClampedToFortySymbols)
{
    std::vector<uint8_t> out(40, 0xEE);
    const std::u16string text = u("1111111111111111111111111111111111111111111111111111111111");
    QL_Ycopy(out.data(), text.data(), 60, 0, static_cast<int32_t>(text.size()));
    EXPECT_EQ(out[19], 0x11);
    EXPECT_EQ(out[20], 0xEE);
}

TEST(Unpacking, GivesTheSymbolsAndATerminator)
{
    const auto packed = bytes({0x12, 0x34, 0xC0, 0x00, 0x00});
    EXPECT_EQ(unpack(packed, 10), bytes({'1', '2', '3', '4', '#', 0, 0, 0, 0, 0, 0}));
    const auto lead = bytes({0xA1, 0x23, 0x4C, 0x00, 0x00});
    EXPECT_EQ(head(unpack(lead, 10, 1), 6), bytes({'1', '2', '3', '4', '#', 0}));
    EXPECT_EQ(head(unpack(lead, 10, 0), 7), bytes({'0', '1', '2', '3', '4', '#', 0}));
    EXPECT_EQ(unpack(lead, 10, 1).size(), 10u); // one character fewer, then the terminator
}

TEST(Unpacking, EdgeCountsAndRawNibbles)
{
    EXPECT_EQ(unpack(bytes({0x12}), 0), bytes({0}));
    EXPECT_EQ(unpack(bytes({0x12}), -3), bytes({0}));
    // n = 3 reads two bytes and writes four characters.
    EXPECT_EQ(unpack(bytes({0x12, 0x3B, 0x77}), 3), bytes({'1', '2', '3', '*', 0}));
    // Codes the packer never produces come back as their raw value.
    EXPECT_EQ(unpack(bytes({0xDE, 0xF1}), 4), bytes({0x0D, 0x0E, 0x0F, '1', 0}));
}

TEST(Packing, RoundTripOfEveryDialSymbol)
{
    const std::u16string text = u("1234567890*#");
    const auto packed = pack(text, 25);
    const auto text8 = unpack(packed, 25);
    EXPECT_EQ(std::string(text8.begin(), text8.begin() + 12), "1234567890*#");
    EXPECT_EQ(text8[12], 0);
}

TEST(ByteHelpers, BitTestsUseTheLowByte)
{
    EXPECT_EQ(QL_AndB(0x2A, 0x08), 1);
    EXPECT_EQ(QL_AndB(0x2A, 0x04), 0);
    EXPECT_EQ(QL_AndB_Value(0x2A, 0x0F), 0x0A);
    EXPECT_EQ(QL_AorB_Value(0x20, 0x04), 0x24);
}

TEST(ByteHelpers, UnicodeCopyTerminatesOnlyShortText)
{
    std::array<uint8_t, 20> out;
    out.fill(0xEE);
    const std::u16string full = u("ABCDEFGHIJKLMNOPQR");
    QL_UnicodeCopy(out.data(), full.data(), 18, 18);
    EXPECT_EQ(std::string(out.begin(), out.begin() + 18), "ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(out[18], 0xEE);

    out.fill(0xEE);
    const std::u16string shortText = u("Hello");
    QL_UnicodeCopy(out.data(), shortText.data(), 5, 18);
    EXPECT_EQ(std::string(out.begin(), out.begin() + 5), "Hello");
    EXPECT_EQ(out[5], 0);
    EXPECT_EQ(out[6], 0xEE);

    out.fill(0xEE);
    QL_UnicodeCopy(out.data(), full.data(), 18, 4); // cut to the capacity
    EXPECT_EQ(out[3], 'D');
    EXPECT_EQ(out[4], 0xEE);
}

TEST(ByteHelpers, DecimalValueOfText)
{
    const std::u16string blank42 = u(" 42x");
    EXPECT_EQ(QL_UnicodeValueToByte(blank42.data(), 4), 42);
    EXPECT_EQ(QL_UnicodeValueToByte(u"", 0), 0);
    const std::u16string negative = u("-17");
    EXPECT_EQ(QL_UnicodeValueToByte(negative.data(), 3), -17);
    // Only `length` characters count.
    const std::u16string digits = u("12345");
    EXPECT_EQ(QL_UnicodeValueToByte(digits.data(), 2), 12);
    // Lengths above 99 read 99 characters at most.
    std::u16string longText(150, u'7');
    EXPECT_EQ(QL_UnicodeValueToByte(longText.data(), 150), QL_UnicodeValueToByte(longText.data(), 99));
}

TEST(ByteHelpers, CopyAndClearTouchExactlyTheirBytes)
{
    std::array<uint8_t, 8> out;
    out.fill(0xEE);
    const uint8_t source[4] = {1, 2, 3, 4};
    QL_CopyMemory(out.data() + 2, source, 3);
    EXPECT_EQ(out, (std::array<uint8_t, 8>{0xEE, 0xEE, 1, 2, 3, 0xEE, 0xEE, 0xEE}));
    QL_ClrMemory(out.data() + 3, 4);
    EXPECT_EQ(out, (std::array<uint8_t, 8>{0xEE, 0xEE, 1, 0, 0, 0, 0, 0xEE}));
    QL_ClrMemory(out.data(), 0);
    EXPECT_EQ(out[0], 0xEE);
}

} // namespace
