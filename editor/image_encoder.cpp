// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_encoder.h"

#include "editor_window.h"
#include "encodings.h"
#include "field_rules.h"
#include "fixed_cell_grid.h"
#include "line_record.h"
#include "text_table.h"
#include "time_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace ql310 {

using image::Block;
using image::BlockAccess;
using image::FieldId;
using image::LineRecord;
namespace places = grid_places;

namespace {

constexpr TextId kFirstHourText = TextId::Hour01;  // "01".."24"
constexpr int kHours = 24;
constexpr int kMinutes = 60;         // "00".."59"
constexpr int kDelays = 61;          // "00".."60"
constexpr int kForwardModes = 4;
constexpr TextId kALawText = TextId::ALaw;
constexpr TextId kYesText = TextId::Yes_361;
constexpr TextId kWholeDayText = TextId::All_364;
constexpr TextId kReplaceText = TextId::Replace;
constexpr TextId kMonFriText = TextId::MonFri;
constexpr TextId kSatSunText = TextId::SatSun;
const QString kNoTimeText = QStringLiteral("--");

std::u16string chars(const QString& text)
{
    return text.toStdU16String();
}

bool ticked(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked;
}

// The first j in 0..count-1 whose text, j places after `first`, equals `shown`.
std::optional<int> firstMatch(const QString& shown, TextId first, int count)
{
    for (int j = 0; j < count; ++j)
        if (shown == text(textAfter(first, j)))
            return j;
    return std::nullopt;
}

// An hour text "01".."24" as 1..24, "--" (or an empty text) as 0; nullopt
// keeps the stored hour.
std::optional<uint8_t> hourValue(const QString& shown, const QString& none)
{
    if (shown == none)
        return uint8_t{0};
    if (const auto j = firstMatch(shown, kFirstHourText, kHours))
        return static_cast<uint8_t>(*j + 1);
    return std::nullopt;
}

// 0 for an empty text, else the first match among `count` texts from `base`.
std::optional<uint8_t> countValue(const QString& shown, TextId first, int count)
{
    if (shown.isEmpty())
        return uint8_t{0};
    if (const auto j = firstMatch(shown, first, count))
        return static_cast<uint8_t>(*j);
    return std::nullopt;
}

void storeByte(BlockAccess& block, const image::Slot& s, std::optional<uint8_t> value)
{
    if (value)
        block.writeByte(s, *value);
}

} // namespace

ImageEncoder::ImageEncoder(const EditorWindow& editor, const image::Packing& packing, Progress progress)
    : m_controls(editor), m_packing(packing), m_progress(std::move(progress))
{
}

void ImageEncoder::progress()
{
    if (m_progress)
        m_progress();
}

void ImageEncoder::encode(uint8_t* setting, uint8_t* table, uint8_t* lineParams)
{
    BlockAccess s(Block::Setting, setting, m_packing);
    BlockAccess t(Block::Table, table, m_packing);
    lineParamsSwitches(lineParams);
    progress();
    lineModes(lineParams);
    progress();
    dataMsns(lineParams);
    progress();
    dataOwnNumber(lineParams);
    progress();
    portNumbers(s);
    progress();
    phoneFunctions(s);
    callerIdOption(s);
    progress();
    bandwidthOnDemand(lineParams);
    phoneBook(t);
    progress();
    shortDial(s);
    progress();
    forwarding(s);
    forwardByCaller(t);
    progress();
    exclusionTable(s);
    progress();
    lcrTable(s);
    progress();
}

void ImageEncoder::lineParamsSwitches(uint8_t* lineParams)
{
    LineRecord record(lineParams);
    record.setNumber(LineRecord::Number::AcceptAllMsn, image::switchValue(ticked(m_controls.dataAcceptAllMsn)));
    record.setNumber(LineRecord::Number::Prefer1B, image::switchValue(ticked(m_controls.prefer1B)));
}

void ImageEncoder::lineModes(uint8_t* lineParams)
{
    LineRecord record(lineParams);
    // A combo without a selection has no mode to store.
    const int ddi = m_controls.ddi->currentIndex();
    if (ddi >= 0)
        record.setNumber(LineRecord::Number::DdiFunction, static_cast<uint16_t>(ddi));
    const bool aLaw = m_controls.analogLaw->currentText() == text(kALawText);
    record.setNumber(LineRecord::Number::AnalogCoding, aLaw ? 0 : 1);
}

void ImageEncoder::dataMsns(uint8_t* lineParams)
{
    LineRecord record(lineParams);
    for (int k = 0; k < LineRecord::kEditorMsns; ++k)
        record.storeEditorText(k, chars(m_controls.dataMsn[k]->text()));
}

void ImageEncoder::dataOwnNumber(uint8_t* lineParams)
{
    LineRecord(lineParams).storeEditorText(LineRecord::kOwnNumber, chars(m_controls.dataOwnNumber->text()));
}

void ImageEncoder::portNumbers(BlockAccess& setting)
{
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        const PortControls& c = m_controls.ports[p];
        setting.writeDigits(s.extensionNumber, chars(c.number->text()));
        setting.writeText(s.extensionName, chars(c.name->text()));
        for (int k = 0; k < image::kMsnSlots; ++k)
            setting.writeDigits(s.msnNumber[k], chars(c.msn[k]->text()));
        setting.writeDigits(s.outgoingNumber, chars(c.ownNumber->text()));
        setting.writeFlag(s.flagsA, image::kAcceptAllMsn, ticked(c.acceptAllMsn));
        for (int k = 0; k < image::kMsnSlots; ++k)
            if (const auto type = firstMatch(c.ringType[k]->currentText(), TextId::Type1, image::kRingTypes))
                storeByte(setting, s.ringType[k], image::ringTypeByte(*type));
    }
}

void ImageEncoder::phoneFunctions(BlockAccess& setting)
{
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        const PortControls& c = m_controls.ports[p];
        setting.writeFlag(s.flagsA, image::kMorningCallWanted, ticked(c.needMorningCall));
        storeByte(setting, s.morningCallHour, hourValue(c.morningCall->hour(), QString()));
        storeByte(setting, s.morningCallMinute, countValue(c.morningCall->minute(), TextId::Count00, kMinutes));
        setting.writeFlag(s.flagsA, image::kOutsideLineAfterZero, !ticked(c.toOutside));
        setting.writeFlag(s.flagsB, image::kShowIncomingCallerId, ticked(c.showInId));
        setting.writeFlag(s.flagsB, image::kWithholdOwnNumber, !ticked(c.showOutId));
        setting.writeFlag(s.flagsA, image::kCallWaiting, ticked(c.callWait));
        setting.writeFlag(s.flagsB, image::kTakeOver, ticked(c.takeOver));
        setting.writeFlag(s.flagsA, image::kNoMusicOnHold, ticked(c.stopMusicOnHold));
    }
}

void ImageEncoder::callerIdOption(BlockAccess& setting)
{
    const image::Slot s = image::slot(FieldId::CallerIdOption);
    setting.writeByte(s, image::withCallerIdOption(setting.readByte(s), m_controls.callIdOption->currentIndex()));
}

void ImageEncoder::bandwidthOnDemand(uint8_t* lineParams)
{
    LineRecord record(lineParams);
    const LineRecord::Number numbers[] = {LineRecord::Number::MinTime, LineRecord::Number::DelayTime,
                                          LineRecord::Number::OpenCps, LineRecord::Number::CloseCps};
    for (int i = 0; i < 4; ++i)
        if (const auto value = image::sixteenBitsTyped(chars(m_controls.bod[i]->currentText())))
            record.setNumber(numbers[i], *value);
}

void ImageEncoder::phoneBook(BlockAccess& table)
{
    for (int i = 0; i < image::kPhoneBookRecords; ++i) {
        const image::PhoneBookSlots s = image::phoneBookSlots(i);
        const PhoneBookCell cell = phoneBookCell(m_controls, i);
        table.writeDigits(s.peerNumber, chars(cell.grid->cellText(cell.row, places::kPeerNumberColumn)));
        table.writeText(s.peerName, chars(cell.grid->cellText(cell.row, places::kPeerNameColumn)));
    }
}

void ImageEncoder::shortDial(BlockAccess& setting)
{
    for (int i = 0; i < image::kShortDialEntries; ++i)
        for (int p = 0; p < image::kPorts; ++p)
            setting.writeDigits(image::shortDialSlot(p, i),
                                chars(m_controls.shortDial->cellText(places::kFirstShortDialRow + i, p + 1)));
}

void ImageEncoder::forwarding(BlockAccess& setting)
{
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        const PortControls& c = m_controls.ports[p];
        if (const auto mode = firstMatch(c.forwardingType->currentText(), TextId::NoForward, kForwardModes))
            setting.writeByte(s.flagsB, image::withForwardMode(setting.readByte(s.flagsB),
                                                               static_cast<image::ForwardMode>(*mode)));
        setting.writeDigits(s.forwardToNumber, chars(c.forwardingNumber->text()));
        storeByte(setting, s.noAnswerDelay, countValue(c.noAnswerTime->currentText(), TextId::Count00, kDelays));
    }
}

void ImageEncoder::forwardByCaller(BlockAccess& table)
{
    for (int i = 0; i < image::kPhoneBookRecords; ++i) {
        const image::PhoneBookSlots s = image::phoneBookSlots(i);
        const int row = i + 1;
        table.writeFlag(s.forwardActive, m_controls.forward->cellText(row, places::kForwardActiveColumn) == text(kYesText));
        table.writeDigits(s.forwardTo, chars(m_controls.forward->cellText(row, places::kForwardToColumn)));
    }
}

void ImageEncoder::exclusionTable(BlockAccess& setting)
{
    for (int i = 0; i < image::kExclusionEntries; ++i) {
        const image::ExclusionSlots s = image::exclusionSlots(i);
        const ExclusionControls& c = m_controls.exclusion[i];
        setting.writeDigits(s.rangeFrom, chars(c.dialA->text()));
        setting.writeDigits(s.rangeTo, chars(c.dialB->text()));
        const image::ExclusionFlags flags{ticked(c.week), ticked(c.weekend), ticked(c.active)};
        setting.writeByte(s.flags, image::withExclusionFlags(setting.readByte(s.flags), flags));
    }
}

void ImageEncoder::lcrTable(BlockAccess& setting)
{
    const FixedCellGrid* grid = m_controls.lcr;
    for (int n = 1; n <= image::kLcrEntries; ++n) {
        const image::LcrEntrySlots s = image::lcrEntrySlots(n);
        const int row = places::kFirstLcrRow + n - 1;
        auto cell = [grid, row](int column) { return grid->cellText(row, column); };
        setting.writeDigits(s.rangeFrom, chars(cell(places::kLcrRangeFromColumn)));
        setting.writeDigits(s.rangeTo, chars(cell(places::kLcrRangeToColumn)));
        setting.writeDigits(s.prefix, chars(cell(places::kLcrPrefixColumn)));
        if (cell(places::kLcrStartColumn) == text(kWholeDayText)) {
            const image::LcrHourBytes all = image::lcrWholeDay();
            setting.writeByte(s.startHour, all.start);
            setting.writeByte(s.endHour, all.end);
        } else {
            storeByte(setting, s.startHour, hourValue(cell(places::kLcrStartColumn), kNoTimeText));
            storeByte(setting, s.endHour, hourValue(cell(places::kLcrEndColumn), kNoTimeText));
        }
        image::LcrFlags flags;
        flags.active = cell(places::kLcrActiveColumn) == text(kYesText);
        flags.addPrefix = cell(places::kLcrPrefixModeColumn) != text(kReplaceText);
        const QString days = cell(places::kLcrDaysColumn);
        flags.days = days == text(kMonFriText)   ? image::LcrDays::MonFri
                     : days == text(kSatSunText) ? image::LcrDays::SatSun
                                                 : image::LcrDays::MonSun;
        setting.writeByte(s.flags, image::withLcrFlags(setting.readByte(s.flags), flags));
    }
}

} // namespace ql310
