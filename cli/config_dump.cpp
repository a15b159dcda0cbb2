// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_dump.h"

#include "block_access.h"
#include "encodings.h"
#include "field_rules.h"
#include "layout.h"
#include "line_params.h"
#include "line_record.h"
#include "text_table.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <set>

namespace ql310::cli {

using image::BlockAccess;
using image::FieldId;
using image::LineRecord;

namespace {

constexpr TextId kAnalogLawText = TextId::ALaw; // A-law, then u-law

QString shown(const std::u16string& value) { return QString::fromStdU16String(value); }
QString yesNo(bool on) { return text(image::yesNoShown(on)); }

std::string port(int p) { return "port " + std::to_string(p + 1); }

// The lines of element [outer][inner] of a field of either block.
class BlockLines {
public:
    BlockLines(Configuration& config)
        : m_setting(image::Block::Setting, config.setting.data(), packing()),
          m_table(image::Block::Table, config.table.data(), packing())
    {
    }

    std::vector<DumpLine> of(const image::Field& f, int a, int b) const
    {
        const image::Slot s = image::slot(f.id, a, b);
        const BlockAccess& block = f.block == image::Block::Setting ? m_setting : m_table;
        auto digits = [&] { return shown(block.readDigits(s)); };
        auto byte = [&] { return block.readByte(s); };
        const std::string pk = port(a);
        const std::string msn = pk + " msn " + std::to_string(b + 1);
        switch (f.id) {
        case FieldId::FirmwareVersion: return {{"firmware", shown(block.readText(s))}};
        case FieldId::ExtensionNumber: return {{pk + " number", digits()}};
        case FieldId::ForwardToNumber: return {{pk + " forward to", digits()}};
        case FieldId::PortFlagsA: return portFlagsA(pk, block, s);
        case FieldId::PortFlagsB: return portFlagsB(pk, block, s);
        case FieldId::CallerIdOption:
            return {{"caller id option", text(image::callerIdOptionTextId(image::callerIdOptionOf(byte())))}};
        case FieldId::NoAnswerDelay:
            return {{pk + " no answer time", text(image::noAnswerDelayShown(image::noAnswerDelayInRange(byte())))}};
        case FieldId::RingType: return {{msn + " ring type", text(image::ringTypeShown(byte()))}};
        case FieldId::CountryCode: return {{"country", text(image::countryShown(byte()))}};
        case FieldId::LineOptions:
            return {{"analog law", text(textAfter(kAnalogLawText, image::analogULaw(byte()) ? 1 : 0))}};
        case FieldId::LcrDisabled: return {{"lcr offered", yesNo(!image::lcrDisabled(byte()))}};
        case FieldId::MsnNumber: return {{msn, digits()}};
        case FieldId::OutgoingNumber: return {{pk + " outgoing number", digits()}};
        case FieldId::MorningCallHour:
            return {{pk + " morning call hour", text(image::morningCallHourShown(image::morningCallHourInRange(byte())))}};
        case FieldId::MorningCallMinute:
            return {{pk + " morning call minute", text(image::minuteShown(image::morningCallMinuteInRange(byte())))}};
        case FieldId::ExtensionName: return {{pk + " name", shown(block.readText(s))}};
        case FieldId::ShortDial: return {{pk + " short dial " + std::to_string(700 + b), digits()}};
        case FieldId::LcrRangeFrom0:
        case FieldId::LcrRangeFrom1: return {{lcr(f.id, a) + " from", digits()}};
        case FieldId::LcrRangeTo0:
        case FieldId::LcrRangeTo1: return {{lcr(f.id, a) + " to", digits()}};
        case FieldId::LcrPrefix0:
        case FieldId::LcrPrefix1: return {{lcr(f.id, a) + " prefix", digits()}};
        case FieldId::LcrStartHour0:
        case FieldId::LcrStartHour1:
        case FieldId::LcrEndHour0:
        case FieldId::LcrEndHour1: return {lcrHours(f.id, a)};
        case FieldId::LcrFlags0:
        case FieldId::LcrFlags1: return lcrFlags(lcr(f.id, a), byte());
        case FieldId::ExclusionRangeFrom: return {{exclusion(a) + " from", digits()}};
        case FieldId::ExclusionRangeTo: return {{exclusion(a) + " to", digits()}};
        case FieldId::ExclusionFlags: return exclusionFlags(exclusion(a), byte());
        case FieldId::PeerNumber: return {{phoneBook(a) + " number", digits()}};
        case FieldId::PeerName: return {{phoneBook(a) + " name", shown(block.readText(s))}};
        case FieldId::ForwardTo: return {{phoneBook(a) + " forward to", digits()}};
        case FieldId::ForwardActive: {
            std::vector<DumpLine> lines;
            for (int i = 0; i < image::kPhoneBookRecords; ++i)
                lines.push_back({phoneBook(i) + " forward", yesNo(block.readFlag(image::phoneBookSlots(i).forwardActive))});
            return lines;
        }
        case FieldId::Count: break;
        }
        return {};
    }

private:
    static std::vector<DumpLine> portFlagsA(const std::string& pk, const BlockAccess& block, const image::Slot& s)
    {
        auto flag = [&](uint8_t mask) { return block.readFlag(s, mask); };
        return {{pk + " accept all msn", yesNo(flag(image::kAcceptAllMsn))},
                {pk + " need morning call", yesNo(flag(image::kMorningCallWanted))},
                {pk + " direct to outside line", yesNo(!flag(image::kOutsideLineAfterZero))},
                {pk + " call waiting", yesNo(flag(image::kCallWaiting))},
                {pk + " stop music on hold", yesNo(flag(image::kNoMusicOnHold))}};
    }
    static std::vector<DumpLine> portFlagsB(const std::string& pk, const BlockAccess& block, const image::Slot& s)
    {
        auto flag = [&](uint8_t mask) { return block.readFlag(s, mask); };
        const uint8_t byte = block.readByte(s);
        const auto mode = image::forwardModeOf(byte);
        const QString modeText = mode ? text(image::forwardModeTextId(*mode))
                                      : QString::number(byte & image::kForwardModeBits);
        return {{pk + " take over", yesNo(flag(image::kTakeOver))},
                {pk + " forwarding type", modeText},
                {pk + " show incoming caller id", yesNo(flag(image::kShowIncomingCallerId))},
                {pk + " outgoing caller id", yesNo(!flag(image::kWithholdOwnNumber))}};
    }
    static std::vector<DumpLine> lcrFlags(const std::string& e, uint8_t byte)
    {
        const image::LcrFlags flags = image::lcrFlagsOf(byte);
        return {{e + " prefix mode", text(image::lcrPrefixModeTextId(flags.addPrefix))},
                {e + " days", text(image::lcrDaysTextId(flags.days))},
                {e + " active", yesNo(flags.active)}};
    }
    static std::vector<DumpLine> exclusionFlags(const std::string& e, uint8_t byte)
    {
        const image::ExclusionFlags flags = image::exclusionFlagsOf(byte);
        return {{e + " mon-fri", yesNo(flags.weekdays)},
                {e + " sat-sun", yesNo(flags.weekend)},
                {e + " active", yesNo(flags.active)}};
    }

    static int lcrTable(FieldId id)
    {
        switch (id) {
        case FieldId::LcrRangeFrom1:
        case FieldId::LcrRangeTo1:
        case FieldId::LcrPrefix1:
        case FieldId::LcrStartHour1:
        case FieldId::LcrEndHour1:
        case FieldId::LcrFlags1: return 1;
        default: return 0;
        }
    }
    static int lcrNumber(FieldId id, int entry) { return lcrTable(id) * image::kLcrEntriesPerTable + entry + 1; }
    static std::string lcr(FieldId id, int entry) { return "lcr " + std::to_string(lcrNumber(id, entry)); }
    static std::string exclusion(int entry) { return "exclusion " + std::to_string(entry + 1); }
    static std::string phoneBook(int record) { return "phonebook " + std::to_string(image::kFirstPhoneBookEntry + record); }

    // Both hour bytes show one line: "All" for the whole day, else the
    // start and the end as the LCR grid shows them.
    DumpLine lcrHours(FieldId id, int entry) const
    {
        const image::LcrEntrySlots s = image::lcrEntrySlots(lcrNumber(id, entry));
        const uint8_t start = m_setting.readByte(s.startHour);
        const uint8_t end = m_setting.readByte(s.endHour);
        const image::LcrHourCells cells = image::lcrHoursShown(start, end);
        QString value = text(image::lcrHourShown(cells.start, start));
        if (cells.start.shown != image::LcrHourShown::WholeDay)
            value += QStringLiteral(" - ") + text(image::lcrHourShown(cells.end, end));
        return {lcr(id, entry) + " hours", value};
    }

    BlockAccess m_setting;
    BlockAccess m_table;
};

// The line parameters, walked through the record's own field tables.
void describeLineParams(Configuration& config, std::vector<Element>& out)
{
    const LineRecord record(config.lineParams.data());
    for (int i = 0; i < LineRecord::kTexts; ++i) {
        const std::string key = i == LineRecord::kOwnNumber ? "data own number" : "data msn " + std::to_string(i + 1);
        out.push_back({Part::LineParams, static_cast<int>(line::kTexts[i].offset),
                       static_cast<int>(line::kTextFieldSize), {{key, shown(record.text(i))}}});
    }
    struct NumberLine {
        LineRecord::Number number;
        const char* key;
    };
    // In the order of line::kNumbers.
    const NumberLine numbers[] = {{LineRecord::Number::AnalogCoding, "analog coding"},
                                  {LineRecord::Number::Prefer1B, "prefer 1b"},
                                  {LineRecord::Number::AcceptAllMsn, "data accept all msn"},
                                  {LineRecord::Number::DdiFunction, "ddi"},
                                  {LineRecord::Number::MinTime, "bod min time"},
                                  {LineRecord::Number::DelayTime, "bod delay time"},
                                  {LineRecord::Number::OpenCps, "bod open cps"},
                                  {LineRecord::Number::CloseCps, "bod close cps"}};
    static_assert(std::size(numbers) == std::size(line::kNumbers));
    for (size_t i = 0; i < std::size(numbers); ++i) {
        const uint16_t value = record.number(numbers[i].number);
        QString shownValue;
        switch (numbers[i].number) {
        case LineRecord::Number::AnalogCoding:
            shownValue = value <= 1 ? text(textAfter(kAnalogLawText, value)) : QString::number(value);
            break;
        case LineRecord::Number::Prefer1B:
        case LineRecord::Number::AcceptAllMsn: shownValue = yesNo(image::switchTicked(value)); break;
        case LineRecord::Number::DdiFunction: shownValue = text(image::ddiModeShown(value)); break;
        default: shownValue = QString::number(value); break;
        }
        out.push_back({Part::LineParams, static_cast<int>(line::kNumbers[i].offset),
                       static_cast<int>(line::kNumbers[i].width), {{numbers[i].key, shownValue}}});
    }
}

int partSize(Part part)
{
    switch (part) {
    case Part::Table: return static_cast<int>(files::kTableBlockSize);
    case Part::Setting: return static_cast<int>(files::kSettingBlockSize);
    case Part::LineParams: return static_cast<int>(files::kLineParamsSize);
    }
    return 0;
}

const uint8_t* partBytes(Configuration& config, Part part)
{
    switch (part) {
    case Part::Table: return config.table.data();
    case Part::Setting: return config.setting.data();
    case Part::LineParams: return config.lineParams.data();
    }
    return nullptr;
}

int differingBytes(const uint8_t* a, const uint8_t* b, int first, int count)
{
    int n = 0;
    for (int i = first; i < first + count; ++i)
        n += a[i] != b[i];
    return n;
}

std::string escaped(const QString& value)
{
    std::string out;
    for (char c : value.toStdString()) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            out += hex;
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

const char* partName(Part part)
{
    switch (part) {
    case Part::Table: return "table block";
    case Part::Setting: return "setting block";
    case Part::LineParams: return "line parameters";
    }
    return "";
}

std::vector<Element> describe(Configuration& config)
{
    std::vector<Element> out;
    const BlockLines lines(config);
    for (const image::Field& f : image::kFields) {
        const Part part = f.block == image::Block::Setting ? Part::Setting : Part::Table;
        for (int a = 0; a < f.outerCount; ++a)
            for (int b = 0; b < f.innerCount; ++b) {
                const image::Slot s = image::slot(f.id, a, b);
                out.push_back({part, s.offset, s.width, lines.of(f, a, b)});
            }
    }
    describeLineParams(config, out);
    return out;
}

std::vector<DumpLine> dumpLines(const std::vector<Element>& elements)
{
    std::vector<DumpLine> out;
    std::set<std::string> seen;
    for (const Element& e : elements)
        for (const DumpLine& line : e.lines)
            if (seen.insert(line.key).second)
                out.push_back(line);
    return out;
}

std::vector<Area> uninterpretedAreas(const std::vector<Element>& elements)
{
    std::vector<Area> areas;
    for (Part part : {Part::Table, Part::Setting, Part::LineParams}) {
        std::vector<bool> covered(partSize(part), false);
        for (const Element& e : elements)
            if (e.part == part)
                for (int i = e.offset; i < e.offset + e.width; ++i)
                    covered[i] = true;
        for (int i = 0; i < partSize(part); ++i) {
            if (covered[i])
                continue;
            if (!areas.empty() && areas.back().part == part && areas.back().last == i - 1)
                areas.back().last = i;
            else
                areas.push_back({part, i, i});
        }
    }
    return areas;
}

Difference difference(Configuration& a, Configuration& b)
{
    Difference d;
    const std::vector<Element> ea = describe(a);
    const std::vector<Element> eb = describe(b);
    const std::vector<DumpLine> la = dumpLines(ea);
    const std::vector<DumpLine> lb = dumpLines(eb);
    for (size_t i = 0; i < la.size() && i < lb.size(); ++i)
        if (la[i].value != lb[i].value)
            d.lines.push_back({la[i], lb[i]});

    for (const Area& area : uninterpretedAreas(ea)) {
        const int n = differingBytes(partBytes(a, area.part), partBytes(b, area.part), area.first,
                                     area.last - area.first + 1);
        if (n > 0)
            d.hidden.push_back({std::string(partName(area.part)) + " bytes " + std::to_string(area.first) +
                                    ".." + std::to_string(area.last) + " (not interpreted)",
                                n});
    }
    // Bytes inside a field that its lines do not show: what follows the end
    // of a text or a number, the bits of a flag byte nobody names.
    for (size_t i = 0; i < ea.size() && i < eb.size(); ++i) {
        const Element& e = ea[i];
        bool linesDiffer = false;
        for (size_t k = 0; k < e.lines.size() && k < eb[i].lines.size(); ++k)
            linesDiffer = linesDiffer || e.lines[k].value != eb[i].lines[k].value;
        if (linesDiffer || e.lines.empty())
            continue;
        const int n = differingBytes(partBytes(a, e.part), partBytes(b, e.part), e.offset, e.width);
        if (n > 0)
            d.hidden.push_back({e.lines.front().key + " (stored bytes not shown)", n});
    }
    return d;
}

std::string dumpText(const std::vector<DumpLine>& lines)
{
    std::string out;
    for (const DumpLine& line : lines)
        out += line.key + " = " + escaped(line.value) + "\n";
    return out;
}

std::string dumpJson(const std::vector<DumpLine>& lines)
{
    QJsonObject object;
    for (const DumpLine& line : lines)
        object.insert(QString::fromStdString(line.key), line.value);
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

std::string differenceText(const Difference& d)
{
    std::string out;
    for (const auto& [a, b] : d.lines) {
        out += "- " + a.key + " = " + escaped(a.value) + "\n";
        out += "+ " + b.key + " = " + escaped(b.value) + "\n";
    }
    for (const Difference::Hidden& h : d.hidden)
        out += "~ " + h.where + ": " + std::to_string(h.bytes) + (h.bytes == 1 ? " byte differs\n" : " bytes differ\n");
    return out;
}

} // namespace ql310::cli
