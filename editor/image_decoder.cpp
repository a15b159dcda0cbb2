// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_decoder.h"

#include "editor_window.h"
#include "encodings.h"
#include "field_rules.h"
#include "fixed_cell_grid.h"
#include "line_record.h"
#include "text_table.h"
#include "time_set.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace ql310 {

using image::BlockAccess;
using image::Block;
using image::FieldId;
using image::LineRecord;
namespace places = grid_places;

namespace {

constexpr int kLcrTab = 4;
constexpr TextId kFirmwareText = TextId::Firmware;
constexpr TextId kAnalogLawText = TextId::ALaw;             // A-law, then u-law

QString shown(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

void check(QCheckBox* box, bool on)
{
    box->setChecked(on);
}

// The stored byte brought into range by `rule`, stored back when it changed.
uint8_t bringIntoRange(BlockAccess& block, const image::Slot& s, uint8_t (*rule)(uint8_t))
{
    const uint8_t stored = block.readByte(s);
    const uint8_t inRange = rule(stored);
    if (inRange != stored)
        block.writeByte(s, inRange);
    return inRange;
}

} // namespace

ImageDecoder::ImageDecoder(EditorWindow& editor, const image::Packing& packing)
    : m_editor(editor), m_controls(editor), m_packing(packing)
{
}

void ImageDecoder::decode(uint8_t* setting, uint8_t* table, uint8_t* lineParams)
{
    BlockAccess s(Block::Setting, setting, m_packing);
    BlockAccess t(Block::Table, table, m_packing);
    lineParamsSwitches(lineParams);
    analogLaw(s);
    dataNumbers(lineParams);
    statusPanels(s);
    lcrVisibility(s);
    portNumbers(s);
    phoneFunctions(s);
    callerIdOption(s);
    bandwidthOnDemand(lineParams);
    phoneBookGrids(t);
    shortDial(s);
    forwarding(s);
    forwardByCaller(t);
    exclusionTable(s);
    lcrTable(s);
}

void ImageDecoder::decodeLcrEditor(uint8_t* setting)
{
    const BlockAccess s(Block::Setting, setting, m_packing);
    exclusionTable(s);
    lcrTable(s);
}

void ImageDecoder::decodePhoneBook(uint8_t* table)
{
    phoneBookGrids(BlockAccess(Block::Table, table, m_packing));
    for (int i = 0; i < image::kPhoneBookRecords; ++i)
        copyPhoneBookIntoForwardGrid(i);
}

void ImageDecoder::lineParamsSwitches(uint8_t* lineParams)
{
    const LineRecord record(lineParams);
    check(m_controls.dataAcceptAllMsn, image::switchTicked(record.number(LineRecord::Number::AcceptAllMsn)));
    check(m_controls.prefer1B, image::switchTicked(record.number(LineRecord::Number::Prefer1B)));
    const uint16_t ddi = record.number(LineRecord::Number::DdiFunction);
    showInCombo(m_controls.ddi, text(image::ddiModeShown(ddi)));
}

void ImageDecoder::analogLaw(const BlockAccess& setting)
{
    const bool uLaw = image::analogULaw(setting.readByte(image::slot(FieldId::LineOptions)));
    showInCombo(m_controls.analogLaw, text(textAfter(kAnalogLawText, uLaw ? 1 : 0)));
}

void ImageDecoder::dataNumbers(uint8_t* lineParams)
{
    const LineRecord record(lineParams);
    for (int k = 0; k < LineRecord::kEditorMsns; ++k)
        m_controls.dataMsn[k]->setText(shown(image::dataNumberShown(record.text(k))));
    m_controls.dataOwnNumber->setText(shown(image::dataNumberShown(record.text(LineRecord::kOwnNumber))));
}

void ImageDecoder::statusPanels(const BlockAccess& setting)
{
    m_editor.setStatusPanel(2, text(kFirmwareText) + shown(setting.readText(image::slot(FieldId::FirmwareVersion))));
    m_editor.setStatusPanel(3, text(image::countryShown(setting.readByte(image::slot(FieldId::CountryCode)))));
}

void ImageDecoder::lcrVisibility(const BlockAccess& setting)
{
    if (!image::lcrDisabled(setting.readByte(image::slot(FieldId::LcrDisabled))))
        return;
    m_editor.tabs()->setTabVisible(kLcrTab, false);
    for (const char* name : {"mnuPLCR", "mnuLoadLCR", "mnuSaveLCR"})
        if (auto* action = m_editor.findChild<QAction*>(QString::fromLatin1(name)))
            action->setVisible(false);
}

void ImageDecoder::portNumbers(const BlockAccess& setting)
{
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        PortControls& c = m_controls.ports[p];
        c.number->setText(shown(setting.readDigits(s.extensionNumber)));
        c.name->setText(shown(setting.readText(s.extensionName)));
        for (int k = 0; k < image::kMsnSlots; ++k)
            c.msn[k]->setText(shown(setting.readDigits(s.msnNumber[k])));
        c.ownNumber->setText(shown(setting.readDigits(s.outgoingNumber)));
        check(c.acceptAllMsn, setting.readFlag(s.flagsA, image::kAcceptAllMsn));
        for (int k = 0; k < image::kMsnSlots; ++k)
            showInCombo(c.ringType[k], text(image::ringTypeShown(setting.readByte(s.ringType[k]))));
    }
}

void ImageDecoder::phoneFunctions(BlockAccess& setting)
{
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        PortControls& c = m_controls.ports[p];
        check(c.needMorningCall, setting.readFlag(s.flagsA, image::kMorningCallWanted));

        const uint8_t hour = bringIntoRange(setting, s.morningCallHour, image::morningCallHourInRange);
        c.morningCall->setHour(text(image::morningCallHourShown(hour)));
        const uint8_t minute = bringIntoRange(setting, s.morningCallMinute, image::morningCallMinuteInRange);
        c.morningCall->setMinute(text(image::minuteShown(minute)));

        check(c.toOutside, !setting.readFlag(s.flagsA, image::kOutsideLineAfterZero));
        check(c.showInId, setting.readFlag(s.flagsB, image::kShowIncomingCallerId));
        check(c.showOutId, !setting.readFlag(s.flagsB, image::kWithholdOwnNumber));
        check(c.callWait, setting.readFlag(s.flagsA, image::kCallWaiting));
        check(c.takeOver, setting.readFlag(s.flagsB, image::kTakeOver));
        check(c.stopMusicOnHold, setting.readFlag(s.flagsA, image::kNoMusicOnHold));
    }
}

void ImageDecoder::callerIdOption(const BlockAccess& setting)
{
    const int option = image::callerIdOptionOf(setting.readByte(image::slot(FieldId::CallerIdOption)));
    showInCombo(m_controls.callIdOption, text(image::callerIdOptionTextId(option)));
}

void ImageDecoder::bandwidthOnDemand(uint8_t* lineParams)
{
    const LineRecord record(lineParams);
    const LineRecord::Number numbers[] = {LineRecord::Number::MinTime, LineRecord::Number::DelayTime,
                                          LineRecord::Number::OpenCps, LineRecord::Number::CloseCps};
    for (int i = 0; i < 4; ++i)
        showInCombo(m_controls.bod[i], QString::number(record.number(numbers[i])));
}

void ImageDecoder::phoneBookGrids(const BlockAccess& table)
{
    for (int i = 0; i < image::kPhoneBookRecords; ++i) {
        const image::PhoneBookSlots s = image::phoneBookSlots(i);
        const PhoneBookCell cell = phoneBookCell(m_controls, i);
        cell.grid->setCellText(cell.row, places::kPeerNumberColumn, shown(table.readDigits(s.peerNumber)));
        cell.grid->setCellText(cell.row, places::kPeerNameColumn, shown(table.readText(s.peerName)));
    }
}

void ImageDecoder::shortDial(const BlockAccess& setting)
{
    for (int i = 0; i < image::kShortDialEntries; ++i)
        for (int p = 0; p < image::kPorts; ++p)
            m_controls.shortDial->setCellText(places::kFirstShortDialRow + i, p + 1,
                                              shown(setting.readDigits(image::shortDialSlot(p, i))));
}

void ImageDecoder::forwarding(BlockAccess& setting)
{
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        PortControls& c = m_controls.ports[p];
        if (const auto mode = image::forwardModeOf(setting.readByte(s.flagsB)))
            showInCombo(c.forwardingType, text(image::forwardModeTextId(*mode)));
        c.forwardingNumber->setText(shown(setting.readDigits(s.forwardToNumber)));
        const uint8_t delay = bringIntoRange(setting, s.noAnswerDelay, image::noAnswerDelayInRange);
        showInCombo(c.noAnswerTime, text(image::noAnswerDelayShown(delay)));
    }
}

void ImageDecoder::forwardByCaller(const BlockAccess& table)
{
    for (int i = 0; i < image::kPhoneBookRecords; ++i) {
        const image::PhoneBookSlots s = image::phoneBookSlots(i);
        const int row = i + 1;
        m_controls.forward->setCellText(row, places::kForwardActiveColumn,
                                        text(image::yesNoTextId(table.readFlag(s.forwardActive))));
        m_controls.forward->setCellText(row, places::kForwardToColumn, shown(table.readDigits(s.forwardTo)));
        copyPhoneBookIntoForwardGrid(i);
    }
}

void ImageDecoder::copyPhoneBookIntoForwardGrid(int record)
{
    const PhoneBookCell cell = phoneBookCell(m_controls, record);
    for (int column : {places::kPeerNumberColumn, places::kPeerNameColumn})
        m_controls.forward->setCellText(record + 1, column, cell.grid->cellText(cell.row, column));
}

void ImageDecoder::exclusionTable(const BlockAccess& setting)
{
    for (int i = 0; i < image::kExclusionEntries; ++i) {
        const image::ExclusionSlots s = image::exclusionSlots(i);
        ExclusionControls& c = m_controls.exclusion[i];
        c.dialA->setText(shown(setting.readDigits(s.rangeFrom)));
        c.dialB->setText(shown(setting.readDigits(s.rangeTo)));
        const image::ExclusionFlags flags = image::exclusionFlagsOf(setting.readByte(s.flags));
        check(c.week, flags.weekdays);
        check(c.weekend, flags.weekend);
        check(c.active, flags.active);
    }
}

void ImageDecoder::lcrTable(const BlockAccess& setting)
{
    FixedCellGrid* grid = m_controls.lcr;
    for (int n = 1; n <= image::kLcrEntries; ++n) {
        const image::LcrEntrySlots s = image::lcrEntrySlots(n);
        const int row = places::kFirstLcrRow + n - 1;
        grid->setCellText(row, places::kLcrRangeFromColumn, shown(setting.readDigits(s.rangeFrom)));
        grid->setCellText(row, places::kLcrRangeToColumn, shown(setting.readDigits(s.rangeTo)));
        grid->setCellText(row, places::kLcrPrefixColumn, shown(setting.readDigits(s.prefix)));
        const uint8_t start = setting.readByte(s.startHour);
        const uint8_t end = setting.readByte(s.endHour);
        const image::LcrHourCells hours = image::lcrHoursShown(start, end);
        grid->setCellText(row, places::kLcrStartColumn, text(image::lcrHourShown(hours.start, start)));
        grid->setCellText(row, places::kLcrEndColumn, text(image::lcrHourShown(hours.end, end)));
        const image::LcrFlags flags = image::lcrFlagsOf(setting.readByte(s.flags));
        grid->setCellText(row, places::kLcrActiveColumn, text(image::yesNoTextId(flags.active)));
        grid->setCellText(row, places::kLcrPrefixModeColumn, text(image::lcrPrefixModeTextId(flags.addPrefix)));
        grid->setCellText(row, places::kLcrDaysColumn, text(image::lcrDaysTextId(flags.days)));
    }
}

} // namespace ql310
