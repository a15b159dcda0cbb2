// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_match.h"
#include "phone_book_names.h"

#include <gtest/gtest.h>

using namespace ql310::numbers;

namespace {

std::vector<PhoneBookEntry> book()
{
    return {{"", ""},                       // an empty entry names nothing
            {"0049301234567", "Alice"},
            {"020 7946 0000", "Bob"},
            {"#31#", "Hidden"},
            {"+49 30 1234567", "Second Alice"},  // the same line again
            {"019231", "Service"}};
}

} // namespace

TEST(PhoneBookNames, NationalAndInternationalFormsNameOneLineInGermany)
{
    const PhoneBookNames names(book(), "DE");
    for (const char* number : {"0301234567", "030 1234567", "+49 30 1234567", "0049301234567"})
        EXPECT_EQ(names.nameOf(number), "Alice") << number;
    EXPECT_EQ(names.entryOf("0301234567"), 1) << "the first of two entries for one line";
    EXPECT_EQ(names.nameOf("0401234567"), "") << "same local part, other area";
    EXPECT_EQ(names.nameOf("1234567"), "") << "the local part alone";
    EXPECT_EQ(names.nameOf("019231"), "Service");
    // In Germany, "020 7946 0000" is a German number, not Bob's London one.
    EXPECT_EQ(names.nameOf("00442079460000"), "");
    EXPECT_EQ(names.nameOf("02079460000"), "Bob");
}

TEST(PhoneBookNames, TheRegionDecidesWhatANationalNumberMeans)
{
    const PhoneBookNames london(book(), "GB");
    EXPECT_EQ(london.nameOf("00442079460000"), "Bob");
    EXPECT_EQ(london.nameOf("+44 20 7946 0000"), "Bob");
    EXPECT_EQ(london.nameOf("0301234567"), "") << "a German national number is no UK line";
    EXPECT_EQ(london.nameOf("0049301234567"), "Alice");
}

TEST(PhoneBookNames, WithoutARegionOnlyEqualDialSymbolsCount)
{
    const PhoneBookNames names(book(), "");
    EXPECT_EQ(names.nameOf("0049301234567"), "Alice");
    EXPECT_EQ(names.nameOf("0301234567"), "");
    EXPECT_EQ(names.nameOf("#31#"), "Hidden");
    EXPECT_EQ(names.nameOf("31"), "");
}

TEST(PhoneBookNames, AHiddenNumberAndAnEmptyBookNeverMatch)
{
    std::vector<PhoneBookEntry> withStars = book();
    withStars.push_back({"*****", "Stars"});
    const PhoneBookNames names(withStars, "DE");
    EXPECT_EQ(names.entryOf("*****"), -1);
    EXPECT_EQ(names.entryOf(""), -1);
    EXPECT_EQ(PhoneBookNames().entryOf("0301234567"), -1);
    EXPECT_EQ(PhoneBookNames({}, "DE").nameOf("0301234567"), "");
}

TEST(PhoneBookNames, AgreesWithSameLineAndKeepsItsAnswers)
{
    const std::vector<PhoneBookEntry> entries = book();
    const PhoneBookNames names(entries, "DE");
    for (const char* number : {"0301234567", "+4930 1234567", "301234567", "0049 69 1555", "#31#",
                               "0202079460000", "19231", "004919231"}) {
        int expected = -1;
        for (size_t i = 0; i < entries.size() && expected < 0; ++i)
            if (sameLine(number, entries[i].number, "DE"))
                expected = int(i);
        EXPECT_EQ(names.entryOf(number), expected) << number;
        EXPECT_EQ(names.entryOf(number), expected) << number << " asked again";
    }
}
