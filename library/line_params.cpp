// SPDX-License-Identifier: GPL-3.0-or-later
// QL_PutDataToRegistry and QL_GetDataFromRegistry: the line parameters in
// the registry hive and the message that carries them to the driver.
#include "line_params.h"

#include "device_channel.h"
#include "device_protocol.h"
#include "ql310.h"
#include "registry_hive.h"

#include <cstring>
#include <string>

namespace ql310::line {

static_assert(kSize == QL310_LINE_PARAMS_SIZE);
static_assert(kPhoneNumberOffset == kMsnOffset + kMsnCount * kTextFieldSize);
static_assert(kPrefer1BOffset == kPhoneNumberOffset + kTextFieldSize);
static_assert(kDdiFunctionOffset + 1 == kSize);
static_assert(kMessageFixedSize == 28 && kMaxMessageTextLength == 456);

namespace {

uint16_t get16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

void put16(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

uint32_t numberOf(const uint8_t* record, const NumberField& field)
{
    return field.width == 1 ? record[field.offset] : get16(record + field.offset);
}

// A value read as up to 4 bytes of data, whatever its type, widened with
// zeros. False when the value is missing or its data is longer.
bool readUpTo4Bytes(const registry::RegistryKey& key, const char* name, uint32_t& out)
{
    registry::Value value;
    if (!key.query(name, value))
        return false;
    const std::vector<uint8_t> data = value.data();
    if (data.size() > 4)
        return false;
    out = 0;
    for (size_t i = 0; i < data.size(); ++i)
        out |= uint32_t(data[i]) << (8 * i);
    return true;
}

uint8_t lowByte(const registry::RegistryKey& key, const char* name)
{
    uint32_t number = 0;
    return readUpTo4Bytes(key, name, number) ? static_cast<uint8_t>(number) : 0;
}

void store(const uint8_t* record, DriverValues& driver)
{
    registry::RegistryKey key;
    if (key.open(kStoreKey, registry::Access::Full) != registry::OpenStatus::Ok)
        return;
    // Single writes that fail are not looked at.
    for (const NumberField& field : kNumbers)
        key.setDword(field.name, numberOf(record, field));
    for (const TextField& field : kTexts) {
        const uint8_t* text = record + field.offset;
        key.setString(field.name,
                      std::string(reinterpret_cast<const char*>(text), textLength(text)));
    }
    driver.b1Channel = lowByte(key, kB1ChannelValue);
    driver.b2Channel = lowByte(key, kB2ChannelValue);
    driver.capi = lowByte(key, kCapiValue);
    driver.dChannel = lowByte(key, kDChannelValue);
    key.close();
}

void send(const uint8_t* record, const DriverValues& driver)
{
    const std::vector<uint8_t> message = buildMessage(record, driver);
    if (message.empty())
        return; // more text than the driver takes
    DeviceChannel channel;
    if (!channel.open())
        return;
    // Nobody waits for this request's completion.
    channel.post(device::kLineParamsMessage, message.data(),
                 static_cast<uint32_t>(message.size()));
}

void read(uint8_t* record)
{
    registry::RegistryKey key;
    if (key.open(kReadKey, registry::Access::Read) != registry::OpenStatus::Ok)
        return;
    for (const NumberField& field : kNumbers) {
        uint32_t number = 0;
        if (!readUpTo4Bytes(key, field.name, number))
            number = field.missing;
        if (field.width == 1)
            record[field.offset] = static_cast<uint8_t>(number);
        else
            put16(record + field.offset, static_cast<uint16_t>(number));
    }
    for (size_t index : kTextReadOrder) {
        const TextField& field = kTexts[index];
        uint8_t* text = record + field.offset;
        registry::Value value;
        const bool found = key.query(field.name, value) && value.type == registry::ValueType::String;
        if (!found && field.keptWhenMissing)
            continue;
        // A longer text is cut so that it fits its field with its terminator.
        const std::string content = found ? value.text.substr(0, value.text.find('\0')) : "";
        const size_t length = std::min(content.size(), kMaxTextLength);
        std::memcpy(text, content.data(), length);
        text[length] = 0;
    }
    key.close();
}

} // namespace

size_t textLength(const uint8_t* field)
{
    size_t length = 0;
    while (length < kMaxTextLength && field[length] != 0)
        ++length;
    return length;
}

std::vector<uint8_t> buildMessage(const uint8_t* record, const DriverValues& driver)
{
    size_t textTotal = 0;
    for (const TextField& field : kTexts)
        textTotal += textLength(record + field.offset);
    if (textTotal > kMaxMessageTextLength)
        return {};

    std::vector<uint8_t> message(kMessageFixedSize + textTotal, 0);
    message[kMessageAnalogCoding] = record[kAnalogCodingOffset];
    message[kMessageCapi] = driver.capi;
    message[kMessageDChannel] = driver.dChannel;
    message[kMessageB1Channel] = driver.b1Channel;
    message[kMessageB2Channel] = driver.b2Channel;
    message[kMessageDdiFunction] = record[kDdiFunctionOffset];
    size_t at = kMessageTexts;
    for (const TextField& field : kTexts) {
        const uint8_t* text = record + field.offset;
        const size_t length = textLength(text);
        message[at++] = static_cast<uint8_t>(length);
        std::memcpy(message.data() + at, text, length);
        at += length;
    }
    uint8_t* tail = message.data() + at;
    tail[kTailPrefer1B] = record[kPrefer1BOffset];
    tail[kTailAcceptAllMsn] = record[kAcceptAllMsnOffset];
    tail[kTailReserved] = record[kReservedOffset];
    put16(tail + kTailMinTime, get16(record + kMinTimeOffset));
    put16(tail + kTailDelayTime, get16(record + kDelayTimeOffset));
    put16(tail + kTailOpenCps, get16(record + kOpenCpsOffset));
    put16(tail + kTailCloseCps, get16(record + kCloseCpsOffset));
    return message;
}

} // namespace ql310::line

extern "C" {

uint8_t QL_PutDataToRegistry(uint8_t* lineParams)
{
    if (!lineParams)
        return 0;
    try {
        // A key that cannot be opened for writing leaves the driver's values
        // at 0; the message goes out all the same.
        ql310::line::DriverValues driver;
        ql310::line::store(lineParams, driver);
        ql310::line::send(lineParams, driver);
    } catch (...) {
    }
    return 0;
}

uint8_t QL_GetDataFromRegistry(uint8_t* lineParams)
{
    if (!lineParams)
        return 0;
    try {
        ql310::line::read(lineParams);
    } catch (...) {
    }
    return 0;
}

} // extern "C"
