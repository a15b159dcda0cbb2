// SPDX-License-Identifier: GPL-3.0-or-later
// The small value encodings: what a stored byte means and how a value is
// stored without touching the bits around it.
#include "encodings.h"

#include <gtest/gtest.h>

namespace ql310::image {
namespace {

TEST(ForwardingMode, EachSingleBitIsOneModeAndNoBitIsNoForwarding)
{
    EXPECT_EQ(forwardModeOf(0x00), ForwardMode::None);
    EXPECT_EQ(forwardModeOf(0x04), ForwardMode::Immediately);
    EXPECT_EQ(forwardModeOf(0x08), ForwardMode::NoAnswer);
    EXPECT_EQ(forwardModeOf(0x10), ForwardMode::Busy);
    // The switches around the mode bits do not count.
    EXPECT_EQ(forwardModeOf(0xE3 | 0x08), ForwardMode::NoAnswer);
}

TEST(ForwardingMode, SeveralModeBitsMatchNoMode)
{
    EXPECT_FALSE(forwardModeOf(0x0C).has_value());
    EXPECT_FALSE(forwardModeOf(0x14).has_value());
    EXPECT_FALSE(forwardModeOf(0xBC).has_value());
}

TEST(ForwardingMode, StoringAModeReplacesAllThreeBitsAndKeepsTheRest)
{
    EXPECT_EQ(withForwardMode(0xFF, ForwardMode::Busy), 0xF3);
    EXPECT_EQ(withForwardMode(0x2C, ForwardMode::None), 0x20);
    EXPECT_EQ(withForwardMode(0x20, ForwardMode::Immediately), 0x24);
    EXPECT_EQ(withForwardMode(0x00, ForwardMode::NoAnswer), 0x08);
}

TEST(ForwardingMode, TextsFollowTheListOrder)
{
    EXPECT_EQ(textNumber(forwardModeTextId(ForwardMode::None)), 139);
    EXPECT_EQ(textNumber(forwardModeTextId(ForwardMode::Busy)), 140);
    EXPECT_EQ(textNumber(forwardModeTextId(ForwardMode::NoAnswer)), 141);
    EXPECT_EQ(textNumber(forwardModeTextId(ForwardMode::Immediately)), 142);
}

TEST(CallerIdOption, TheLowTwoBitsAreTheOptionAndTheOthersStay)
{
    EXPECT_EQ(callerIdOptionOf(0xFE), 2);
    EXPECT_EQ(textNumber(callerIdOptionTextId(callerIdOptionOf(0x03))), 138);
    EXPECT_EQ(withCallerIdOption(0xFC, 3), 0xFF);
    EXPECT_EQ(withCallerIdOption(0xA7, 0), 0xA4);
    EXPECT_EQ(withCallerIdOption(0xA7, 4), 0xA7);
    EXPECT_EQ(withCallerIdOption(0xA7, -1), 0xA7);
}

TEST(RingType, TheByteOverSixteenRoundsHalvesToTheEvenType)
{
    EXPECT_EQ(ringTypeOf(0x00), 0);
    EXPECT_EQ(ringTypeOf(0x10), 1);
    EXPECT_EQ(ringTypeOf(0x30), 3);
    EXPECT_EQ(ringTypeOf(0x08), 0);
    EXPECT_EQ(ringTypeOf(0x18), 2);
    EXPECT_EQ(ringTypeOf(0x28), 2);
    EXPECT_EQ(ringTypeOf(0x17), 1);
    EXPECT_EQ(ringTypeOf(0x29), 3);
    EXPECT_EQ(ringTypeOf(0x38), 4);
    EXPECT_EQ(textNumber(ringTypeTextId(ringTypeOf(0x00))), 120);
    EXPECT_EQ(textNumber(ringTypeTextId(ringTypeOf(0x30))), 123);
}

TEST(LcrHours, TwentyFourTwiceIsTheWholeDay)
{
    const LcrHourCells all = lcrHoursShown(24, 24);
    EXPECT_EQ(all.start.shown, LcrHourShown::WholeDay);
    EXPECT_EQ(all.end.shown, LcrHourShown::WholeDay);
    EXPECT_EQ(textNumber(all.start.textId), 364);
    EXPECT_EQ(textNumber(all.end.textId), 364);
    EXPECT_EQ(lcrWholeDay().start, 24);
    EXPECT_EQ(lcrWholeDay().end, 24);
}

TEST(LcrHours, OtherwiseEachHourIsShownOnItsOwn)
{
    const LcrHourCells c = lcrHoursShown(24, 0);
    EXPECT_EQ(c.start.shown, LcrHourShown::Hour);
    EXPECT_EQ(textNumber(c.start.textId), 209); // "24"
    EXPECT_EQ(c.end.shown, LcrHourShown::NoTime);
    const LcrHourCells d = lcrHoursShown(1, 24);
    EXPECT_EQ(textNumber(d.start.textId), 186); // "01"
    EXPECT_EQ(textNumber(d.end.textId), 209);
    // A value outside the hours still goes through base + value.
    EXPECT_EQ(textNumber(lcrHoursShown(30, 0).start.textId), 215);
}

TEST(LcrFlags, AllDaysWinsOverTheWeekendBit)
{
    EXPECT_EQ(lcrFlagsOf(0x50).days, LcrDays::MonSun);
    EXPECT_EQ(lcrFlagsOf(0x40).days, LcrDays::SatSun);
    EXPECT_EQ(lcrFlagsOf(0x0F).days, LcrDays::MonFri);
    EXPECT_EQ(textNumber(lcrDaysTextId(LcrDays::MonSun)), 360);
    EXPECT_EQ(textNumber(lcrDaysTextId(LcrDays::SatSun)), 157);
    EXPECT_EQ(textNumber(lcrDaysTextId(LcrDays::MonFri)), 156);
}

TEST(LcrFlags, ActiveAndPrefixModeAreSingleBits)
{
    const LcrFlags f = lcrFlagsOf(0xA0);
    EXPECT_TRUE(f.active);
    EXPECT_TRUE(f.addPrefix);
    EXPECT_FALSE(lcrFlagsOf(0x5F).active);
    EXPECT_FALSE(lcrFlagsOf(0x5F).addPrefix);
    EXPECT_EQ(textNumber(lcrPrefixModeTextId(true)), 155);
    EXPECT_EQ(textNumber(lcrPrefixModeTextId(false)), 154);
    EXPECT_EQ(textNumber(yesNoTextId(true)), 361);
    EXPECT_EQ(textNumber(yesNoTextId(false)), 362);
}

TEST(LcrFlags, StoringKeepsTheLowBitsAndNeverSetsBothDayBits)
{
    EXPECT_EQ(withLcrFlags(0x5F, {true, false, LcrDays::MonFri}), 0x8F);
    EXPECT_EQ(withLcrFlags(0x40, {false, false, LcrDays::MonSun}), 0x10);
    EXPECT_EQ(withLcrFlags(0x10, {false, true, LcrDays::SatSun}), 0x60);
    EXPECT_EQ(withLcrFlags(0x03, {false, false, LcrDays::MonFri}), 0x03);
}

TEST(ExclusionFlags, BothDayBitsMayBeSetTogether)
{
    EXPECT_EQ(withExclusionFlags(0x00, {true, true, true}), 0xE0);
    EXPECT_EQ(withExclusionFlags(0x00, {true, true, false}), 0x60);
    EXPECT_EQ(withExclusionFlags(0xFF, {false, false, false}), 0x1F);
    const ExclusionFlags f = exclusionFlagsOf(0x60);
    EXPECT_TRUE(f.weekdays);
    EXPECT_TRUE(f.weekend);
    EXPECT_FALSE(f.active);
    EXPECT_TRUE(exclusionFlagsOf(0x80).active);
}

TEST(DeviceProfile, CountryCodeIsTwoDecimalDigitsNamingItsText)
{
    EXPECT_EQ(textNumber(countryTextId(0x00)), 210);
    EXPECT_EQ(textNumber(countryTextId(0x01)), 211);
    EXPECT_EQ(textNumber(countryTextId(0x09)), 219);
    EXPECT_EQ(textNumber(countryTextId(0x10)), 220);
    EXPECT_EQ(textNumber(countryTextId(0x72)), 282);
    EXPECT_EQ(textNumber(countryTextId(0x1A)), 230);
}

TEST(DeviceProfile, OnlyTheValueOneDisablesLeastCostRouting)
{
    EXPECT_TRUE(lcrDisabled(1));
    EXPECT_FALSE(lcrDisabled(0));
    EXPECT_FALSE(lcrDisabled(2));
    EXPECT_FALSE(lcrDisabled(255));
    EXPECT_TRUE(analogULaw(0x40));
    EXPECT_FALSE(analogULaw(0xBF));
}

Shown textOf(int id) { return {static_cast<TextId>(id), {}}; }
Shown literal(const char* text) { return {TextId::NoText, text}; }

TEST(Shown, AValueOutsideItsListIsShownAsTheStoredNumber)
{
    EXPECT_EQ(ddiModeShown(2), textOf(417));
    EXPECT_EQ(ddiModeShown(9), literal("9"));
    EXPECT_EQ(ringTypeShown(0x28), textOf(122));
    EXPECT_EQ(ringTypeShown(0x38), literal("56")) << "3.5 rounds to the even 4, outside the list";
    EXPECT_EQ(ringTypeShown(0x40), literal("64"));
    EXPECT_EQ(countryShown(0x72), textOf(282));
    EXPECT_EQ(countryShown(0x73), literal("115"));
    EXPECT_EQ(countryShown(0x1A), literal("26"));
}

TEST(Shown, LcrHoursShowDashesTheHourOrTheStoredNumber)
{
    const LcrHourCells c = lcrHoursShown(0, 30);
    EXPECT_EQ(lcrHourShown(c.start, 0), literal("--"));
    EXPECT_EQ(lcrHourShown(c.end, 30), literal("30"));
    const LcrHourCells all = lcrHoursShown(24, 24);
    EXPECT_EQ(lcrHourShown(all.start, 24), textOf(364));
    EXPECT_EQ(lcrHourShown(lcrHoursShown(24, 0).start, 24), textOf(209));
}

TEST(InRange, MorningCallAndNoAnswerDelayAreReducedAsTheEditorStoresThem)
{
    EXPECT_EQ(morningCallHourInRange(24), 24);
    EXPECT_EQ(morningCallHourInRange(30), 5);
    EXPECT_EQ(morningCallHourInRange(25), 0);
    EXPECT_EQ(morningCallMinuteInRange(59), 59);
    EXPECT_EQ(morningCallMinuteInRange(75), 15);
    EXPECT_EQ(noAnswerDelayInRange(60), 60);
    EXPECT_EQ(noAnswerDelayInRange(75), 15);
    EXPECT_EQ(morningCallHourShown(0), literal(""));
    EXPECT_EQ(morningCallHourShown(5), textOf(190));
    EXPECT_EQ(minuteShown(15), textOf(299));
    EXPECT_EQ(noAnswerDelayShown(60), textOf(344));
}

TEST(DeviceProfile, TheCodecLawFollowsTheLineOption)
{
    EXPECT_EQ(analogCodingFor(0x40), 1);
    EXPECT_EQ(analogCodingFor(0xBF), 0);
}

} // namespace
} // namespace ql310::image
