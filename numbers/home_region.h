// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The adapter's country as a region code of the numbering plan ("DE").

#include "text_id.h"

#include <cstdint>
#include <string>

namespace ql310::numbers {

// The region code of a country text (210..282); empty for "International"
// and for the texts that name no country.
std::string regionForCountryText(TextId textId);
// The region code of the setting block's CountryCode byte; empty where the
// byte names no country.
std::string regionForCountryCode(uint8_t countryCode);

} // namespace ql310::numbers
