// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book and the home region from the adapter's images, for names
// where no editor holds them (ql310ctl).
#pragma once

#include "packing.h"
#include "phone_book_names.h"

#include <cstdint>

namespace ql310::calllog {

// The 40 entries of a table block, in order (empty entries included).
std::vector<numbers::PhoneBookEntry> phoneBookEntries(const uint8_t* tableBlock,
                                                      const image::Packing& packing);
// The home region of a setting block's CountryCode; empty for none.
std::string homeRegion(const uint8_t* settingBlock);

} // namespace ql310::calllog
