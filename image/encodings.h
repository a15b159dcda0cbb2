// SPDX-License-Identifier: GPL-3.0-or-later
// The small value encodings inside the images. Each "...Of" reads a value
// from a stored byte, each "with..." returns the byte with the value stored
// and every bit outside the encoding kept. Text ids are those of the
// program's text table.
#pragma once

#include "text_id.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ql310::image {

// Forwarding mode of a port, in the order of its texts 139..142.
enum class ForwardMode : uint8_t { None = 0, Busy = 1, NoAnswer = 2, Immediately = 3 };

// nullopt when more than one of the three mode bits is set.
std::optional<ForwardMode> forwardModeOf(uint8_t flagsB);
uint8_t withForwardMode(uint8_t flagsB, ForwardMode mode);
// "No Forward", "Busy", "No Answer", "Immediately".
TextId forwardModeTextId(ForwardMode mode);

// Caller-ID signalling, 0..3 (texts 135..138).
inline constexpr int kCallerIdOptions = 4;
int callerIdOptionOf(uint8_t byte);
// Keeps the byte for an option outside 0..3.
uint8_t withCallerIdOption(uint8_t byte, int option);
TextId callerIdOptionTextId(int option);

// Ring type index of an MSN slot: the byte divided by 16, rounded to the
// nearest integer with halves to the even neighbour. 0..3 in a well-formed
// image; any other index is still returned.
inline constexpr int kRingTypes = 4;
int ringTypeOf(uint8_t byte);
// nullopt for an index outside 0..3.
std::optional<uint8_t> ringTypeByte(int type);
TextId ringTypeTextId(int type);

// LCR start and end hours: 0 no time ("--"), 1..24 the hour, 24 and 24
// together the whole day.
inline constexpr uint8_t kNoHour = 0;
inline constexpr uint8_t kLastHour = 24;
enum class LcrHourShown : uint8_t { NoTime, Hour, WholeDay };
struct LcrHourCell {
    LcrHourShown shown = LcrHourShown::NoTime;
    TextId textId = TextId::NoText; // 185 + hour for an hour, 364 for the whole day, none for "--"
};
struct LcrHourCells {
    LcrHourCell start;
    LcrHourCell end;
};
LcrHourCells lcrHoursShown(uint8_t start, uint8_t end);
// The hour byte of a picked hour 1..24, or kNoHour for none; nullopt outside.
std::optional<uint8_t> lcrHourByte(int hour);
struct LcrHourBytes {
    uint8_t start = kNoHour;
    uint8_t end = kNoHour;
};
LcrHourBytes lcrWholeDay();

// Flags of an LCR entry.
enum class LcrDays : uint8_t { MonFri, SatSun, MonSun };
struct LcrFlags {
    bool active = false;
    bool addPrefix = false; // clear: the prefix replaces
    LcrDays days = LcrDays::MonFri;
};
LcrFlags lcrFlagsOf(uint8_t byte);
uint8_t withLcrFlags(uint8_t byte, const LcrFlags& flags);
TextId lcrDaysTextId(LcrDays days);          // "Mon-Fri", "Sat-Sun", "Mon-Sun"
TextId lcrPrefixModeTextId(bool addPrefix);  // "add" or "replace"
TextId yesNoTextId(bool yes);                // "Yes" or "No"

// Flags of an exclusion entry; the two day bits are independent.
struct ExclusionFlags {
    bool weekdays = false;
    bool weekend = false;
    bool active = false;
};
ExclusionFlags exclusionFlagsOf(uint8_t byte);
uint8_t withExclusionFlags(uint8_t byte, const ExclusionFlags& flags);

// The adapter's variant: two BCD digits h and l name text 210 + 10h + l.
TextId countryTextId(uint8_t countryCode);
// Only the value 1 hides least-cost routing.
bool lcrDisabled(uint8_t value);
bool analogULaw(uint8_t lineOptions);
// The line parameters' "Analog Coding" the editor stores for the adapter's
// line option: 1 for u-law, 0 for A-law.
uint8_t analogCodingFor(uint8_t lineOptions);

// What the editor shows for a stored value: text(textId), or, where no text
// fits (textId 0), the literal: "--" for no LCR time, the empty text for no
// morning-call hour, the stored number in decimal for a value outside its
// list (a DDI mode of 9, an LCR hour of 30, a ring type byte of 0x40).
struct Shown {
    TextId textId = TextId::NoText;
    std::string literal;
    bool operator==(const Shown&) const = default;
};
Shown ddiModeShown(uint16_t ddi);                 // texts 415..417
Shown ringTypeShown(uint8_t stored);              // texts 120..123
Shown countryShown(uint8_t countryCode);          // texts 210..282
Shown lcrHourShown(const LcrHourCell& cell, uint8_t stored);
Shown yesNoShown(bool yes);

// The editor brings three kinds of stored value into range and stores the
// result back: a morning-call hour above 24 becomes hour mod 25, a minute
// above 59 minute mod 60, a no-answer delay above 60 delay mod 60.
uint8_t morningCallHourInRange(uint8_t hour);
uint8_t morningCallMinuteInRange(uint8_t minute);
uint8_t noAnswerDelayInRange(uint8_t delay);
// The texts of values in range: hour 0 the empty text, 1..24 "01".."24";
// minute "00".."59"; delay "00".."60".
Shown morningCallHourShown(uint8_t hour);
Shown minuteShown(uint8_t minute);
Shown noAnswerDelayShown(uint8_t delay);

} // namespace ql310::image
