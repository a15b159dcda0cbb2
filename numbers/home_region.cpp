// SPDX-License-Identifier: GPL-3.0-or-later
#include "home_region.h"

#include "encodings.h"

#include <array>

namespace ql310::numbers {
namespace {

constexpr TextId kFirstCountryText = TextId::International;

// Indexed by text id - 210, in the order of the country texts; empty where
// the text is "International" or names no country.
constexpr std::array<const char*, 73> kRegions = {
    "",   "TW", "DE", "SE", "FR", "CH", "NL", "FI", "DK", "GB", // 210..219
    "AU", "NO", "IT", "",   "CN", "SG", "MY", "ES", "PT", "IL", // 220..229
    "PL", "CZ", "HU", "SI", "EE", "SK", "NZ", "KR", "JP", "PH", // 230..239
    "TH", "TR", "GR", "AR", "AT", "BD", "BE", "BR", "BG", "CA", // 240..249
    "CL", "CO", "EG", "HK", "IN", "ID", "IR", "IQ", "IE", "MX", // 250..259
    "PE", "PT", "RO", "RU", "SA", "ZA", "",   "UA", "LK", "",   // 260..269
    "",   "",   "",                                              // 270..272
};

} // namespace

std::string regionForCountryText(TextId textId)
{
    const int index = textNumber(textId) - textNumber(kFirstCountryText);
    if (index < 0 || index >= static_cast<int>(kRegions.size()))
        return {};
    return kRegions[static_cast<size_t>(index)];
}

std::string regionForCountryCode(uint8_t countryCode)
{
    const image::Shown shown = image::countryShown(countryCode);
    return shown.textId == TextId::NoText ? std::string() : regionForCountryText(shown.textId);
}

} // namespace ql310::numbers
