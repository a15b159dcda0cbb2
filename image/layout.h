// SPDX-License-Identifier: GPL-3.0-or-later
// The byte layout of the two configuration images.
//
// kFields is the one table of every field the system interprets. A field is
// an array of elements stored column by column: element [a][b] starts at
// offset + a * outerStride + b * innerStride. The views below turn the table
// into entries (a port, a short-dial entry, an LCR entry, ...); no other code
// computes an offset. Every byte that no field covers is carried through
// unchanged.
#pragma once

#include <cstdint>
#include <string_view>

namespace ql310::image {

enum class Block : uint8_t { Setting, Table };

inline constexpr int kSettingBlockSize = 2048;
inline constexpr int kTableBlockSize = 1792;

// How a field's bytes are read and written.
enum class Kind : uint8_t {
    Digits, // packed dial digits, two per byte, capacity `digits`
    Text,   // 8-bit characters, cut to the width
    Flags,  // one byte of switches; `mask` holds the interpreted bits
    Byte,   // an unsigned value in the first byte of the element
    BitMap  // one bit per entry over `width` bytes
};

enum class FieldId : uint8_t {
    // SettingBlock, per port and single fields.
    FirmwareVersion,
    ExtensionNumber,
    ForwardToNumber,
    PortFlagsA,
    PortFlagsB,
    CallerIdOption,
    NoAnswerDelay,
    RingType,
    CountryCode,
    LineOptions,
    LcrDisabled,
    MsnNumber,
    OutgoingNumber,
    MorningCallHour,
    MorningCallMinute,
    ExtensionName,
    // SettingBlock, dialling tables.
    ShortDial,
    LcrRangeFrom0,
    LcrRangeTo0,
    LcrPrefix0,
    LcrStartHour0,
    LcrEndHour0,
    LcrFlags0,
    LcrRangeFrom1,
    LcrRangeTo1,
    LcrPrefix1,
    LcrStartHour1,
    LcrEndHour1,
    LcrFlags1,
    ExclusionRangeFrom,
    ExclusionRangeTo,
    ExclusionFlags,
    // TableBlock.
    PeerNumber,
    PeerName,
    ForwardTo,
    ForwardActive,
    Count
};

struct Field {
    FieldId id;
    std::string_view name;
    Block block;
    Kind kind;
    int offset;      // first byte of element [0][0]
    int width;       // bytes of one element
    int digits;      // digit capacity of a Digits field, else 0
    uint8_t mask;    // interpreted bits of a Flags byte, else 0xFF
    int outerCount;  // ports, entries or records
    int outerStride;
    int innerCount;  // MSN slots, short-dial entries; 1 when the field has one index
    int innerStride;
};

inline constexpr int kPorts = 4;
inline constexpr int kMsnSlots = 3;
inline constexpr int kShortDialEntries = 10;
inline constexpr int kLcrTables = 2;
inline constexpr int kLcrEntriesPerTable = 10;
inline constexpr int kLcrEntries = kLcrTables * kLcrEntriesPerTable; // numbered 1..20
inline constexpr int kExclusionEntries = 5;
inline constexpr int kPhoneBookRecords = 40;                        // entries 801..840
inline constexpr int kPhoneBookRecordSize = 44;
inline constexpr int kFirstPhoneBookEntry = 801;

// Digit capacities of the three number widths.
inline constexpr int kShortNumberDigits = 4;   // 2 bytes
inline constexpr int kMediumNumberDigits = 10; // 5 bytes
inline constexpr int kLongNumberDigits = 25;   // 13 bytes, 26 nibbles

// PortFlagsA bits.
inline constexpr uint8_t kCallWaiting = 0x02;
inline constexpr uint8_t kMorningCallWanted = 0x04;
inline constexpr uint8_t kAcceptAllMsn = 0x08;
inline constexpr uint8_t kOutsideLineAfterZero = 0x20;
inline constexpr uint8_t kNoMusicOnHold = 0x40;
// PortFlagsB bits.
inline constexpr uint8_t kTakeOver = 0x02;
inline constexpr uint8_t kForwardModeBits = 0x1C;
inline constexpr uint8_t kShowIncomingCallerId = 0x20;
inline constexpr uint8_t kWithholdOwnNumber = 0x80;
// CallerIdOption value bits, LineOptions bit.
inline constexpr uint8_t kCallerIdOptionBits = 0x03;
inline constexpr uint8_t kAnalogULaw = 0x40;
// LCR entry flags.
inline constexpr uint8_t kLcrAllDays = 0x10;
inline constexpr uint8_t kLcrAddPrefix = 0x20;
inline constexpr uint8_t kLcrWeekend = 0x40;
inline constexpr uint8_t kLcrActive = 0x80;
// Exclusion entry flags.
inline constexpr uint8_t kExclusionWeekdays = 0x20;
inline constexpr uint8_t kExclusionWeekend = 0x40;
inline constexpr uint8_t kExclusionActive = 0x80;
// The interpreted bits of each flag byte; the others are carried through.
inline constexpr uint8_t kPortFlagsAMask =
    kCallWaiting | kMorningCallWanted | kAcceptAllMsn | kOutsideLineAfterZero | kNoMusicOnHold;
inline constexpr uint8_t kPortFlagsBMask =
    kTakeOver | kForwardModeBits | kShowIncomingCallerId | kWithholdOwnNumber;
inline constexpr uint8_t kLcrFlagsMask = kLcrAllDays | kLcrAddPrefix | kLcrWeekend | kLcrActive;
inline constexpr uint8_t kExclusionFlagsMask = kExclusionWeekdays | kExclusionWeekend | kExclusionActive;

namespace table_rows {
using enum Block;
using enum Kind;

// clang-format off
inline constexpr Field kFields[] = {
//   id                           name                  block    kind     offset width digits mask  outer (count, stride), inner (count, stride)
    {FieldId::FirmwareVersion,    "FirmwareVersion",    Setting, Text,        0,  6,  0, 0xFF, 1, 0, 1, 0},
    {FieldId::ExtensionNumber,    "ExtensionNumber",    Setting, Digits,     96,  2,  kShortNumberDigits, 0xFF, kPorts, 2, 1, 0},
    {FieldId::ForwardToNumber,    "ForwardToNumber",    Setting, Digits,    104, 13, kLongNumberDigits, 0xFF, kPorts, 13, 1, 0},
    {FieldId::PortFlagsA,         "PortFlagsA",         Setting, Flags,     214,  1,  0, kPortFlagsAMask, kPorts, 2, 1, 0},
    {FieldId::PortFlagsB,         "PortFlagsB",         Setting, Flags,     215,  1,  0, kPortFlagsBMask, kPorts, 2, 1, 0},
    {FieldId::CallerIdOption,     "CallerIdOption",     Setting, Flags,     222,  1,  0, kCallerIdOptionBits, 1, 0, 1, 0},
    {FieldId::NoAnswerDelay,      "NoAnswerDelay",      Setting, Byte,      223,  1,  0, 0xFF, kPorts, 1, 1, 0},
    {FieldId::RingType,           "RingType",           Setting, Byte,      234,  1,  0, 0xFF, kPorts, 3, kMsnSlots, 1},
    {FieldId::CountryCode,        "CountryCode",        Setting, Byte,      288,  1,  0, 0xFF, 1, 0, 1, 0},
    {FieldId::LineOptions,        "LineOptions",        Setting, Flags,     289,  1,  0, kAnalogULaw, 1, 0, 1, 0},
    {FieldId::LcrDisabled,        "LcrDisabled",        Setting, Byte,      290,  1,  0, 0xFF, 1, 0, 1, 0},
    {FieldId::MsnNumber,          "MsnNumber",          Setting, Digits,    294, 13, kLongNumberDigits, 0xFF, kPorts, 39, kMsnSlots, 13},
    {FieldId::OutgoingNumber,     "OutgoingNumber",     Setting, Digits,    450, 13, kLongNumberDigits, 0xFF, kPorts, 13, 1, 0},
    {FieldId::MorningCallHour,    "MorningCallHour",    Setting, Byte,      502,  1,  0, 0xFF, kPorts, 2, 1, 0},
    {FieldId::MorningCallMinute,  "MorningCallMinute",  Setting, Byte,      503,  1,  0, 0xFF, kPorts, 2, 1, 0},
    {FieldId::ExtensionName,      "ExtensionName",      Setting, Text,     1410, 18,  0, 0xFF, kPorts, 18, 1, 0},
    {FieldId::ShortDial,          "ShortDial",          Setting, Digits,    512, 13, kLongNumberDigits, 0xFF, kPorts, 256, kShortDialEntries, 13},
    {FieldId::LcrRangeFrom0,      "LcrRangeFrom0",      Setting, Digits,    642,  5, kMediumNumberDigits, 0xFF, kLcrEntriesPerTable, 5, 1, 0},
    {FieldId::LcrRangeTo0,        "LcrRangeTo0",        Setting, Digits,    692,  5, kMediumNumberDigits, 0xFF, kLcrEntriesPerTable, 5, 1, 0},
    {FieldId::LcrPrefix0,         "LcrPrefix0",         Setting, Digits,    898,  5, kMediumNumberDigits, 0xFF, kLcrEntriesPerTable, 5, 1, 0},
    // Hour slots are 2 bytes; only the first byte is interpreted.
    {FieldId::LcrStartHour0,      "LcrStartHour0",      Setting, Byte,      948,  2,  0, 0xFF, kLcrEntriesPerTable, 2, 1, 0},
    {FieldId::LcrEndHour0,        "LcrEndHour0",        Setting, Byte,      968,  2,  0, 0xFF, kLcrEntriesPerTable, 2, 1, 0},
    {FieldId::LcrFlags0,          "LcrFlags0",          Setting, Flags,     988,  1,  0, kLcrFlagsMask, kLcrEntriesPerTable, 1, 1, 0},
    {FieldId::LcrRangeFrom1,      "LcrRangeFrom1",      Setting, Digits,   1536,  5, kMediumNumberDigits, 0xFF, kLcrEntriesPerTable, 5, 1, 0},
    {FieldId::LcrRangeTo1,        "LcrRangeTo1",        Setting, Digits,   1586,  5, kMediumNumberDigits, 0xFF, kLcrEntriesPerTable, 5, 1, 0},
    {FieldId::LcrPrefix1,         "LcrPrefix1",         Setting, Digits,   1636,  5, kMediumNumberDigits, 0xFF, kLcrEntriesPerTable, 5, 1, 0},
    {FieldId::LcrStartHour1,      "LcrStartHour1",      Setting, Byte,     1686,  2,  0, 0xFF, kLcrEntriesPerTable, 2, 1, 0},
    {FieldId::LcrEndHour1,        "LcrEndHour1",        Setting, Byte,     1706,  2,  0, 0xFF, kLcrEntriesPerTable, 2, 1, 0},
    {FieldId::LcrFlags1,          "LcrFlags1",          Setting, Flags,    1726,  1,  0, kLcrFlagsMask, kLcrEntriesPerTable, 1, 1, 0},
    {FieldId::ExclusionRangeFrom, "ExclusionRangeFrom", Setting, Digits,   1154,  5, kMediumNumberDigits, 0xFF, kExclusionEntries, 5, 1, 0},
    {FieldId::ExclusionRangeTo,   "ExclusionRangeTo",   Setting, Digits,   1179,  5, kMediumNumberDigits, 0xFF, kExclusionEntries, 5, 1, 0},
    {FieldId::ExclusionFlags,     "ExclusionFlags",     Setting, Flags,    1204,  1,  0, kExclusionFlagsMask, kExclusionEntries, 1, 1, 0},
    {FieldId::PeerNumber,         "PeerNumber",         Table,   Digits,      0, 13, kLongNumberDigits, 0xFF, kPhoneBookRecords, kPhoneBookRecordSize, 1, 0},
    {FieldId::PeerName,           "PeerName",           Table,   Text,       13, 18,  0, 0xFF, kPhoneBookRecords, kPhoneBookRecordSize, 1, 0},
    {FieldId::ForwardTo,          "ForwardTo",          Table,   Digits,     31, 13, kLongNumberDigits, 0xFF, kPhoneBookRecords, kPhoneBookRecordSize, 1, 0},
    // Record i is bit (1 << i % 8) of byte 1760 + i / 8.
    {FieldId::ForwardActive,      "ForwardActive",      Table,   BitMap,   1760,  5,  0, 0xFF, 1, 0, 1, 0},
};
// clang-format on
} // namespace table_rows

using table_rows::kFields;

inline constexpr int kFieldCount = static_cast<int>(FieldId::Count);
static_assert(sizeof(kFields) / sizeof(kFields[0]) == kFieldCount);

const Field& field(FieldId id);
int blockSize(Block block);

// One element of a field: where it is and how it is read. A slot with
// width 0 stands for an index outside the field; every accessor refuses it.
struct Slot {
    Block block = Block::Setting;
    Kind kind = Kind::Byte;
    int offset = 0;
    int width = 0;
    int digits = 0;
    uint8_t mask = 0;

    bool valid() const { return width > 0; }
};

// Element [outer][inner] of a field; the ForwardActive bit map as a whole.
Slot slot(FieldId id, int outer = 0, int inner = 0);

// Port p (0..3) of the SettingBlock.
struct PortSlots {
    Slot extensionNumber;
    Slot extensionName;
    Slot msnNumber[kMsnSlots];
    Slot ringType[kMsnSlots];
    Slot outgoingNumber;
    Slot flagsA;
    Slot flagsB;
    Slot noAnswerDelay;
    Slot forwardToNumber;
    Slot morningCallHour;
    Slot morningCallMinute;
};
PortSlots portSlots(int port);

// ShortDial[p][i]: the number dialled for code 700 + i on port p.
Slot shortDialSlot(int port, int entry);

// LCR entry 1..20: entries 1..10 are the first table, 11..20 the second.
struct LcrEntrySlots {
    Slot rangeFrom;
    Slot rangeTo;
    Slot prefix;
    Slot startHour;
    Slot endHour;
    Slot flags;
};
LcrEntrySlots lcrEntrySlots(int number);

// Exclusion entry 0..4.
struct ExclusionSlots {
    Slot rangeFrom;
    Slot rangeTo;
    Slot flags;
};
ExclusionSlots exclusionSlots(int entry);

// Phone-book record 0..39 (entry 801 + i); forwardActive is the record's one
// bit, its mask the bit.
struct PhoneBookSlots {
    Slot peerNumber;
    Slot peerName;
    Slot forwardTo;
    Slot forwardActive;
};
PhoneBookSlots phoneBookSlots(int record);

} // namespace ql310::image
