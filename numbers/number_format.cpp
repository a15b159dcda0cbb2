// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_format.h"

#include "number_match.h"

#include <phonenumbers/phonenumberutil.h>

namespace ql310::numbers {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

std::string readableNumber(std::string_view number, const std::string& region)
{
    const std::string symbols = dialSymbols(number);
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    PhoneNumber parsed;
    if (region.empty() || symbols.empty() ||
        util.Parse(symbols, region, &parsed) != PhoneNumberUtil::NO_PARSING_ERROR ||
        !util.IsValidNumber(parsed))
        return symbols;
    std::string out;
    std::string numberRegion;
    util.GetRegionCodeForNumber(parsed, &numberRegion);
    const bool home = numberRegion == region;
    util.Format(parsed, home ? PhoneNumberUtil::NATIONAL : PhoneNumberUtil::INTERNATIONAL, &out);
    return out;
}

} // namespace ql310::numbers
