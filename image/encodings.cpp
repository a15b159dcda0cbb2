// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodings.h"

#include "layout.h"

namespace ql310::image {

namespace {

constexpr uint8_t kModeBit[] = {0x00, 0x10, 0x08, 0x04}; // by ForwardMode
constexpr TextId kForwardModeText = TextId::NoForward;
constexpr TextId kCallerIdText = TextId::DtmfAftFirstRing;
constexpr TextId kRingTypeText = TextId::Type1;
constexpr int kRingTypeStep = 16;
constexpr TextId kHourText = TextId::MultipleSubscriptionNumberAndRing; // hour h is text 185 + h
constexpr TextId kWholeDayText = TextId::All_364;
constexpr TextId kMonFriText = TextId::MonFri;
constexpr TextId kSatSunText = TextId::SatSun;
constexpr TextId kMonSunText = TextId::MonSun;
constexpr TextId kReplaceText = TextId::Replace;
constexpr TextId kAddText = TextId::Add;
constexpr TextId kYesText = TextId::Yes_361;
constexpr TextId kNoText = TextId::No;
constexpr TextId kCountryText = TextId::International;
constexpr int kLastCountry = 72;   // texts 210..282
constexpr TextId kDdiText = TextId::Disable;
constexpr int kDdiModes = 3;
constexpr TextId kSecondsText = TextId::Count00;  // "00".."60"
constexpr int kHoursInCycle = 25;
constexpr int kMinutesInHour = 60;
constexpr int kLongestDelay = 60;

Shown number(int value) { return {TextId::NoText, std::to_string(value)}; }

} // namespace

std::optional<ForwardMode> forwardModeOf(uint8_t flagsB)
{
    const uint8_t bits = flagsB & kForwardModeBits;
    for (int mode = 0; mode < 4; ++mode)
        if (bits == kModeBit[mode])
            return static_cast<ForwardMode>(mode);
    return std::nullopt;
}

uint8_t withForwardMode(uint8_t flagsB, ForwardMode mode)
{
    return static_cast<uint8_t>((flagsB & ~kForwardModeBits) | kModeBit[static_cast<int>(mode) & 3]);
}

TextId forwardModeTextId(ForwardMode mode) { return textAfter(kForwardModeText, static_cast<int>(mode)); }

int callerIdOptionOf(uint8_t byte) { return byte & kCallerIdOptionBits; }

uint8_t withCallerIdOption(uint8_t byte, int option)
{
    if (option < 0 || option >= kCallerIdOptions)
        return byte;
    return static_cast<uint8_t>((byte & ~kCallerIdOptionBits) | option);
}

TextId callerIdOptionTextId(int option) { return textAfter(kCallerIdText, option); }

int ringTypeOf(uint8_t byte)
{
    const int whole = byte / kRingTypeStep;
    const int rest = byte % kRingTypeStep;
    if (rest > kRingTypeStep / 2 || (rest == kRingTypeStep / 2 && whole % 2 == 1))
        return whole + 1;
    return whole;
}

std::optional<uint8_t> ringTypeByte(int type)
{
    if (type < 0 || type >= kRingTypes)
        return std::nullopt;
    return static_cast<uint8_t>(type * kRingTypeStep);
}

TextId ringTypeTextId(int type) { return textAfter(kRingTypeText, type); }

LcrHourCells lcrHoursShown(uint8_t start, uint8_t end)
{
    if (start == kLastHour && end == kLastHour) {
        const LcrHourCell all{LcrHourShown::WholeDay, kWholeDayText};
        return {all, all};
    }
    auto cell = [](uint8_t hour) {
        if (hour == kNoHour)
            return LcrHourCell{LcrHourShown::NoTime, TextId::NoText};
        return LcrHourCell{LcrHourShown::Hour, textAfter(kHourText, hour)};
    };
    return {cell(start), cell(end)};
}

std::optional<uint8_t> lcrHourByte(int hour)
{
    if (hour < kNoHour || hour > kLastHour)
        return std::nullopt;
    return static_cast<uint8_t>(hour);
}

LcrHourBytes lcrWholeDay() { return {kLastHour, kLastHour}; }

LcrFlags lcrFlagsOf(uint8_t byte)
{
    LcrFlags f;
    f.active = (byte & kLcrActive) != 0;
    f.addPrefix = (byte & kLcrAddPrefix) != 0;
    if (byte & kLcrAllDays)
        f.days = LcrDays::MonSun;
    else if (byte & kLcrWeekend)
        f.days = LcrDays::SatSun;
    else
        f.days = LcrDays::MonFri;
    return f;
}

uint8_t withLcrFlags(uint8_t byte, const LcrFlags& flags)
{
    uint8_t out = byte & static_cast<uint8_t>(~(kLcrActive | kLcrAddPrefix | kLcrAllDays | kLcrWeekend));
    if (flags.active)
        out |= kLcrActive;
    if (flags.addPrefix)
        out |= kLcrAddPrefix;
    if (flags.days == LcrDays::MonSun)
        out |= kLcrAllDays;
    else if (flags.days == LcrDays::SatSun)
        out |= kLcrWeekend;
    return out;
}

TextId lcrDaysTextId(LcrDays days)
{
    switch (days) {
    case LcrDays::SatSun: return kSatSunText;
    case LcrDays::MonSun: return kMonSunText;
    case LcrDays::MonFri: break;
    }
    return kMonFriText;
}

TextId lcrPrefixModeTextId(bool addPrefix) { return addPrefix ? kAddText : kReplaceText; }

TextId yesNoTextId(bool yes) { return yes ? kYesText : kNoText; }

ExclusionFlags exclusionFlagsOf(uint8_t byte)
{
    return {(byte & kExclusionWeekdays) != 0, (byte & kExclusionWeekend) != 0,
            (byte & kExclusionActive) != 0};
}

uint8_t withExclusionFlags(uint8_t byte, const ExclusionFlags& flags)
{
    uint8_t out = byte & static_cast<uint8_t>(~(kExclusionWeekdays | kExclusionWeekend | kExclusionActive));
    if (flags.weekdays)
        out |= kExclusionWeekdays;
    if (flags.weekend)
        out |= kExclusionWeekend;
    if (flags.active)
        out |= kExclusionActive;
    return out;
}

TextId countryTextId(uint8_t countryCode)
{
    return textAfter(kCountryText, 10 * (countryCode >> 4) + (countryCode & 0x0F));
}

bool lcrDisabled(uint8_t value) { return value == 1; }

bool analogULaw(uint8_t lineOptions) { return (lineOptions & kAnalogULaw) != 0; }

uint8_t analogCodingFor(uint8_t lineOptions) { return analogULaw(lineOptions) ? 1 : 0; }

Shown ddiModeShown(uint16_t ddi)
{
    if (ddi >= kDdiModes)
        return number(static_cast<uint8_t>(ddi));
    return {textAfter(kDdiText, ddi), {}};
}

Shown ringTypeShown(uint8_t stored)
{
    const int type = ringTypeOf(stored);
    if (type < 0 || type >= kRingTypes)
        return number(stored);
    return {ringTypeTextId(type), {}};
}

Shown countryShown(uint8_t countryCode)
{
    const int high = countryCode >> 4;
    const int low = countryCode & 0x0F;
    if (high > 9 || low > 9 || 10 * high + low > kLastCountry)
        return number(countryCode);
    return {countryTextId(countryCode), {}};
}

Shown lcrHourShown(const LcrHourCell& cell, uint8_t stored)
{
    switch (cell.shown) {
    case LcrHourShown::NoTime: return {TextId::NoText, "--"};
    case LcrHourShown::WholeDay: return {cell.textId, {}};
    case LcrHourShown::Hour: break;
    }
    if (stored > kLastHour)
        return number(stored);
    return {cell.textId, {}};
}

Shown yesNoShown(bool yes) { return {yesNoTextId(yes), {}}; }

uint8_t morningCallHourInRange(uint8_t hour)
{
    return hour > kLastHour ? static_cast<uint8_t>(hour % kHoursInCycle) : hour;
}

uint8_t morningCallMinuteInRange(uint8_t minute)
{
    return minute >= kMinutesInHour ? static_cast<uint8_t>(minute % kMinutesInHour) : minute;
}

uint8_t noAnswerDelayInRange(uint8_t delay)
{
    return delay > kLongestDelay ? static_cast<uint8_t>(delay % kLongestDelay) : delay;
}

Shown morningCallHourShown(uint8_t hour)
{
    if (hour == kNoHour || hour > kLastHour)
        return {};
    return {textAfter(kHourText, hour), {}};
}

Shown minuteShown(uint8_t minute) { return {textAfter(kSecondsText, minute), {}}; }

Shown noAnswerDelayShown(uint8_t delay) { return {textAfter(kSecondsText, delay), {}}; }

} // namespace ql310::image
