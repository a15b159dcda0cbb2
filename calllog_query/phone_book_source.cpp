// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_source.h"

#include "block_access.h"
#include "home_region.h"
#include "layout.h"

#include <QString>

#include <vector>

namespace ql310::calllog {

std::vector<numbers::PhoneBookEntry> phoneBookEntries(const uint8_t* tableBlock,
                                                      const image::Packing& packing)
{
    std::vector<uint8_t> copy(tableBlock, tableBlock + image::blockSize(image::Block::Table));
    const image::BlockAccess table(image::Block::Table, copy.data(), packing);
    std::vector<numbers::PhoneBookEntry> entries;
    for (int i = 0; i < image::kPhoneBookRecords; ++i) {
        const std::u16string number = table.readDigits(image::slot(image::FieldId::PeerNumber, i));
        const std::u16string name = table.readText(image::slot(image::FieldId::PeerName, i));
        entries.push_back({QString::fromStdU16String(number).toStdString(),
                           QString::fromStdU16String(name).toStdString()});
    }
    return entries;
}

std::string homeRegion(const uint8_t* settingBlock)
{
    const image::Slot country = image::slot(image::FieldId::CountryCode);
    return numbers::regionForCountryCode(settingBlock[country.offset]);
}

} // namespace ql310::calllog
