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

void passThroughEditor(Configuration& config)
{
    image::BlockAccess setting(image::Block::Setting, config.setting.data(), packing());
    for (int p = 0; p < image::kPorts; ++p) {
        const image::PortSlots s = image::portSlots(p);
        const std::pair<image::Slot, uint8_t (*)(uint8_t)> rules[] = {
            {s.morningCallHour, image::morningCallHourInRange},
            {s.morningCallMinute, image::morningCallMinuteInRange},
            {s.noAnswerDelay, image::noAnswerDelayInRange}};
        for (const auto& [slot, inRange] : rules)
            setting.writeByte(slot, inRange(setting.readByte(slot)));
    }
    const uint8_t lineOptions = setting.readByte(image::slot(image::FieldId::LineOptions));
    image::LineRecord(config.lineParams.data())
        .setNumber(image::LineRecord::Number::AnalogCoding, image::analogCodingFor(lineOptions));
}

} // namespace ql310::cli
