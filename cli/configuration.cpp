// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration.h"

#include "block_access.h"
#include "encodings.h"
#include "layout.h"
#include "line_record.h"
#include "ql310.h"
#include "text_table.h"

#include <iostream>
#include <iterator>
#include <vector>

namespace ql310::cli {

namespace {

constexpr int kOpenFailText = 172;

const char* transferReason(uint8_t result)
{
    switch (result) {
    case QL310_NO_DEVICE: return "the adapter's driver cannot be opened";
    case QL310_BUSY: return "the adapter is busy";
    case QL310_READ_EMPTY: return "the adapter sent nothing";
    case QL310_WRITE_EMPTY: return "the adapter took nothing";
    default: return "unexpected result";
    }
}

} // namespace

ExitCode exitCodeOfTransfer(uint8_t result)
{
    switch (result) {
    case QL310_OK: return kSuccess;
    case QL310_NO_DEVICE: return kAdapterAbsent;
    case QL310_BUSY: return kAdapterBusy;
    default: return kTransferFailed;
    }
}

std::string transferMessage(int textId, uint8_t result)
{
    return text(textId).toStdString() + " (" + transferReason(result) + ")";
}

files::Images Configuration::images()
{
    return {table.data(), setting.data(), lineParams.data()};
}

image::Packing packing()
{
    image::Packing p;
    p.xcopy = &QL_Xcopy;
    p.ycopy = &QL_Ycopy;
    p.andB = &QL_AndB;
    p.andBValue = &QL_AndB_Value;
    return p;
}

std::string Source::name() const
{
    if (adapter())
        return "the adapter";
    return path == "-" ? "standard input" : path;
}

ExitCode load(const Source& source, Configuration& into, std::string& message)
{
    if (source.adapter())
        return readAdapter(into, message);
    std::vector<uint8_t> content;
    std::string reason;
    if (source.path == "-") {
        content.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        if (content.size() < files::fileSize(files::FileKind::Settings)) {
            message = "standard input: " + std::to_string(content.size()) +
                      " bytes, a settings file holds " +
                      std::to_string(files::fileSize(files::FileKind::Settings));
            return kFileUnreadable;
        }
    } else if (!files::readFile(source.path, files::FileKind::Settings, content, reason)) {
        message = source.path + ": " + reason;
        return kFileUnreadable;
    }
    files::splitSettings(content, into.images());
    return kSuccess;
}

ExitCode readAdapter(Configuration& into, std::string& message)
{
    QL_GetDataFromRegistry(into.lineParams.data());
    const uint8_t result = QL310_LoadSetting(into.table.data(), into.setting.data());
    if (result != QL310_OK)
        message = transferMessage(kOpenFailText, result);
    return exitCodeOfTransfer(result);
}

namespace {

// The editor's boxes for the data function's MSNs and own number hold at
// most this many characters.
constexpr int kDataNumberBoxLength = 26;

// What showing the element in the editor and storing it back does to it.
void passElement(image::BlockAccess& block, const image::Field& f, const image::Slot& s)
{
    switch (f.kind) {
    case image::Kind::Digits:
        // Shown up to the first empty nibble, stored with empty nibbles after.
        block.writeDigits(s, block.readDigits(s));
        return;
    case image::Kind::Text:
        block.writeText(s, block.readText(s));
        return;
    case image::Kind::Flags:
    case image::Kind::BitMap:
        break;
    case image::Kind::Byte: {
        const uint8_t stored = block.readByte(s);
        switch (f.id) {
        case image::FieldId::MorningCallHour:
            block.writeByte(s, image::morningCallHourInRange(stored));
            return;
        case image::FieldId::MorningCallMinute:
            block.writeByte(s, image::morningCallMinuteInRange(stored));
            return;
        case image::FieldId::NoAnswerDelay:
            block.writeByte(s, image::noAnswerDelayInRange(stored));
            return;
        case image::FieldId::RingType:
            // A type the list holds is stored back as that type's byte.
            if (const auto typeByte = image::ringTypeByte(image::ringTypeOf(stored)))
                block.writeByte(s, *typeByte);
            return;
        default: return;
        }
    }
    }
    // Of the flag bytes an LCR entry's days change: "Mon-Sun" is stored as
    // the all-days bit alone. A forwarding mode of more than one bit matches
    // no entry of the list, which in a freshly started editor shows "No
    // Forward".
    const uint8_t stored = block.readByte(s);
    if (f.id == image::FieldId::LcrFlags0 || f.id == image::FieldId::LcrFlags1)
        block.writeByte(s, image::withLcrFlags(stored, image::lcrFlagsOf(stored)));
    if (f.id == image::FieldId::PortFlagsB && !image::forwardModeOf(stored))
        block.writeByte(s, image::withForwardMode(stored, image::ForwardMode::None));
}

} // namespace

void passThroughEditor(Configuration& config)
{
    image::BlockAccess setting(image::Block::Setting, config.setting.data(), packing());
    image::BlockAccess table(image::Block::Table, config.table.data(), packing());
    for (const image::Field& f : image::kFields) {
        // The adapter's own fields are shown, never stored.
        if (f.id == image::FieldId::FirmwareVersion || f.id == image::FieldId::CountryCode ||
            f.id == image::FieldId::LineOptions || f.id == image::FieldId::LcrDisabled)
            continue;
        image::BlockAccess& block = f.block == image::Block::Setting ? setting : table;
        for (int a = 0; a < f.outerCount; ++a)
            for (int b = 0; b < f.innerCount; ++b)
                passElement(block, f, image::slot(f.id, a, b));
    }

    using Number = image::LineRecord::Number;
    image::LineRecord record(config.lineParams.data());
    for (Number n : {Number::AcceptAllMsn, Number::Prefer1B})
        record.setNumber(n, record.number(n) == 1 ? 1 : 0);
    const uint8_t lineOptions = setting.readByte(image::slot(image::FieldId::LineOptions));
    record.setNumber(Number::AnalogCoding, image::analogCodingFor(lineOptions));
    for (int i = 0; i < image::LineRecord::kTexts; ++i)
        if (i < image::LineRecord::kEditorMsns || i == image::LineRecord::kOwnNumber)
            record.storeEditorText(i, record.text(i).substr(0, kDataNumberBoxLength));
}

} // namespace ql310::cli
