// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_record.h"

#include "line_params.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace ql310::image {

namespace {

static_assert(kLineParamsSize == static_cast<int>(line::kSize));

struct Place {
    size_t offset;
    size_t width;
};

Place placeOf(LineRecord::Number field)
{
    switch (field) {
    case LineRecord::Number::AnalogCoding: return {line::kAnalogCodingOffset, 1};
    case LineRecord::Number::Prefer1B: return {line::kPrefer1BOffset, 1};
    case LineRecord::Number::AcceptAllMsn: return {line::kAcceptAllMsnOffset, 1};
    case LineRecord::Number::DdiFunction: return {line::kDdiFunctionOffset, 1};
    case LineRecord::Number::MinTime: return {line::kMinTimeOffset, 2};
    case LineRecord::Number::DelayTime: return {line::kDelayTimeOffset, 2};
    case LineRecord::Number::OpenCps: return {line::kOpenCpsOffset, 2};
    case LineRecord::Number::CloseCps: return {line::kCloseCpsOffset, 2};
    }
    return {line::kReservedOffset, 1};
}

} // namespace

uint16_t LineRecord::number(Number field) const
{
    const Place place = placeOf(field);
    uint16_t value = m_bytes[place.offset];
    if (place.width == 2)
        value = static_cast<uint16_t>(value | (m_bytes[place.offset + 1] << 8));
    return value;
}

void LineRecord::setNumber(Number field, uint16_t value)
{
    const Place place = placeOf(field);
    m_bytes[place.offset] = static_cast<uint8_t>(value & 0xFF);
    if (place.width == 2)
        m_bytes[place.offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint8_t* LineRecord::slot(int index) const
{
    if (index < 0 || index >= kTexts)
        return nullptr;
    return m_bytes + line::kTexts[index].offset;
}

std::u16string LineRecord::text(int index) const
{
    const uint8_t* field = slot(index);
    std::u16string out;
    for (size_t i = 0; field && i < line::kMaxTextLength && field[i] != 0; ++i)
        out.push_back(static_cast<char16_t>(field[i]));
    return out;
}

void LineRecord::storeEditorText(int index, std::u16string_view text)
{
    uint8_t* field = slot(index);
    if (!field)
        return;
    if (text.empty()) {
        std::memset(field, 0, kEditorTextLength);
        return;
    }
    const size_t length = std::min<size_t>(text.size(), kEditorTextLength);
    for (size_t i = 0; i < length; ++i)
        field[i] = static_cast<uint8_t>(text[i] & 0xFF);
    if (length < kEditorTextLength)
        field[length] = 0;
}

void LineRecord::resetToFactory()
{
    // The numbers take the values that a registry without them gives.
    auto factory = [this](std::initializer_list<Number> fields) {
        for (Number field : fields) {
            const Place place = placeOf(field);
            for (const line::NumberField& number : line::kNumbers)
                if (number.offset == place.offset)
                    setNumber(field, number.missing);
        }
    };
    for (int i = 0; i < kMsnTexts; ++i)
        slot(i)[0] = 0;
    factory({Number::AnalogCoding, Number::Prefer1B, Number::AcceptAllMsn});
    slot(kOwnNumber)[0] = 0;
    factory({Number::DdiFunction, Number::MinTime, Number::DelayTime, Number::OpenCps,
             Number::CloseCps});
}

} // namespace ql310::image
