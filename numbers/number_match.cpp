// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_match.h"

#include <phonenumbers/phonenumberutil.h>

#include <algorithm>

namespace ql310::numbers {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

std::string dialSymbols(std::string_view text)
{
    std::string out;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == '*' || c == '#')
            out += c;
    return out;
}

namespace {

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool sameLine(std::string_view a, std::string_view b, const std::string& region)
{
    if (!hasDigit(a) || !hasDigit(b))
        return false;
    const bool sameSymbols = dialSymbols(a) == dialSymbols(b);
    if (region.empty())
        return sameSymbols;
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    PhoneNumber numberA;
    PhoneNumber numberB;
    if (util.Parse(std::string(a), region, &numberA) != PhoneNumberUtil::NO_PARSING_ERROR
        || util.Parse(std::string(b), region, &numberB) != PhoneNumberUtil::NO_PARSING_ERROR)
        return sameSymbols;
    const auto match = util.IsNumberMatch(numberA, numberB);
    return match == PhoneNumberUtil::EXACT_MATCH || match == PhoneNumberUtil::NSN_MATCH;
}

} // namespace ql310::numbers
