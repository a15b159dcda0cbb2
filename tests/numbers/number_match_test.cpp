// SPDX-License-Identifier: GPL-3.0-or-later
#include "home_region.h"
#include "number_match.h"

#include <gtest/gtest.h>

using namespace ql310::numbers;

TEST(HomeRegion, NamedCountriesHaveTheirRegionAndTheOthersNone)
{
    EXPECT_EQ(regionForCountryCode(0x02), "DE");
    EXPECT_EQ(regionForCountryCode(0x09), "GB");
    EXPECT_EQ(regionForCountryCode(0x39), "CA");   // BCD 39: text 249
    EXPECT_EQ(regionForCountryCode(0x58), "LK");
    EXPECT_EQ(regionForCountryCode(0x00), "");     // International
    EXPECT_EQ(regionForCountryCode(0x13), "");     // a text without a country
    EXPECT_EQ(regionForCountryCode(0x0A), "");     // not BCD
    EXPECT_EQ(regionForCountryCode(0x80), "");     // past the last text
}

TEST(SameLine, NationalAndInternationalFormsOfOneNumberMatchInTheirRegion)
{
    EXPECT_TRUE(sameLine("030 1234567", "+49 30 1234567", "DE"));
    EXPECT_TRUE(sameLine("030 1234567", "0049301234567", "DE"));
    EXPECT_TRUE(sameLine("020 7946 0000", "+44 20 7946 0000", "GB"));
    EXPECT_FALSE(sameLine("030 1234567", "+49 40 1234567", "DE"));
    // The local part alone names a line in any area.
    EXPECT_FALSE(sameLine("1234567", "0301234567", "DE"));
    // In the United Kingdom "00 49" is Germany, not a national number.
    EXPECT_FALSE(sameLine("0301234567", "0049301234567", "GB"));
}

TEST(SameLine, WithoutARegionOnlyEqualDialSymbolsMatch)
{
    EXPECT_TRUE(sameLine("030-1234567", "0301234567", ""));
    EXPECT_FALSE(sameLine("0301234567", "+49301234567", ""));
    EXPECT_TRUE(sameLine("*31#", "*31#", ""));
}

TEST(SameLine, AHiddenOrEmptyNumberNeverMatches)
{
    EXPECT_FALSE(sameLine("*****", "*****", "DE"));
    EXPECT_FALSE(sameLine("*****", "*****", ""));
    EXPECT_FALSE(sameLine("", "", "DE"));
}
