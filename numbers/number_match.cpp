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

// One side of the same-line test, parsed once.
struct LineSet::Parsed {
    bool hasDigit = false;
    std::string symbols;
    bool parsed = false;
    PhoneNumber number;
};

LineSet::Parsed LineSet::parse(std::string_view text, const std::string& region)
{
    Parsed p;
    p.hasDigit = hasDigit(text);
    p.symbols = dialSymbols(text);
    if (p.hasDigit && !region.empty())
        p.parsed = PhoneNumberUtil::GetInstance()->Parse(std::string(text), region, &p.number)
                   == PhoneNumberUtil::NO_PARSING_ERROR;
    return p;
}

bool LineSet::same(const Parsed& a, const Parsed& b)
{
    if (!a.hasDigit || !b.hasDigit)
        return false;
    if (!a.parsed || !b.parsed)
        return a.symbols == b.symbols;
    const auto match = PhoneNumberUtil::GetInstance()->IsNumberMatch(a.number, b.number);
    return match == PhoneNumberUtil::EXACT_MATCH || match == PhoneNumberUtil::NSN_MATCH;
}

bool sameLine(std::string_view a, std::string_view b, const std::string& region)
{
    return LineSet::same(LineSet::parse(a, region), LineSet::parse(b, region));
}

LineSet::LineSet(std::string region) : m_region(std::move(region)) {}
LineSet::~LineSet() = default;
LineSet::LineSet(LineSet&&) noexcept = default;
LineSet& LineSet::operator=(LineSet&&) noexcept = default;

void LineSet::add(std::string_view number)
{
    m_numbers.push_back(parse(number, m_region));
}

int LineSet::find(std::string_view number) const
{
    const Parsed candidate = parse(number, m_region);
    for (size_t i = 0; i < m_numbers.size(); ++i)
        if (same(m_numbers[i], candidate))
            return static_cast<int>(i);
    return -1;
}

} // namespace ql310::numbers
