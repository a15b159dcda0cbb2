// SPDX-License-Identifier: GPL-3.0-or-later
#include "phone_book_names.h"

#include "number_match.h"

#include <phonenumbers/phonenumberutil.h>

#include <algorithm>

namespace ql310::numbers {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

namespace {

// Digits compared before a number is parsed. The national-prefix rules of
// a few regions rewrite leading digits only, so two numbers of one line end
// in the same six digits (or are shorter and end in the same digits).
constexpr size_t kTailDigits = 6;

std::string digitsOf(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9')
            out += c;
    return out;
}

std::string tailOf(const std::string& digits, size_t length)
{
    return digits.size() <= length ? digits : digits.substr(digits.size() - length);
}

const std::string kNoName;

} // namespace

struct PhoneBookNames::Parsed {
    std::string symbols;
    bool parsed = false;
    PhoneNumber number;
};

PhoneBookNames::PhoneBookNames() = default;
PhoneBookNames::~PhoneBookNames() = default;
PhoneBookNames::PhoneBookNames(PhoneBookNames&&) noexcept = default;
PhoneBookNames& PhoneBookNames::operator=(PhoneBookNames&&) noexcept = default;

PhoneBookNames::PhoneBookNames(std::vector<PhoneBookEntry> entries, std::string region)
    : m_entries(std::move(entries)), m_region(std::move(region))
{
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    m_parsed.resize(m_entries.size());
    auto addTail = [this](const std::string& digits, int entry) {
        if (digits.empty())
            return;
        const std::string tail = tailOf(digits, kTailDigits);
        std::vector<int>& list = m_byTail[tail];
        if (list.empty() || list.back() != entry)
            list.push_back(entry);
        if (std::find(m_tailLengths.begin(), m_tailLengths.end(), tail.size()) == m_tailLengths.end())
            m_tailLengths.push_back(tail.size());
    };
    for (size_t i = 0; i < m_entries.size(); ++i) {
        Parsed& p = m_parsed[i];
        p.symbols = dialSymbols(m_entries[i].number);
        const std::string digits = digitsOf(m_entries[i].number);
        if (digits.empty())
            continue; // an empty entry (or one without a digit) names nothing
        addTail(digits, int(i));
        if (!m_region.empty()) {
            p.parsed = util.Parse(m_entries[i].number, m_region, &p.number) ==
                       PhoneNumberUtil::NO_PARSING_ERROR;
            if (p.parsed) {
                std::string national;
                util.GetNationalSignificantNumber(p.number, &national);
                addTail(digitsOf(national), int(i));
            }
        }
    }
}

int PhoneBookNames::entryOf(std::string_view number) const
{
    // Asked for every call of a large log when it is searched or sorted by
    // name: the common answer (no entry) takes no allocation.
    char buffer[64];
    size_t count = 0;
    std::string longer;
    for (char c : number) {
        if (c < '0' || c > '9')
            continue;
        if (count < sizeof buffer)
            buffer[count] = c;
        ++count;
    }
    if (count == 0)
        return -1;
    if (count > sizeof buffer)
        longer = digitsOf(number);
    const std::string_view digits = count > sizeof buffer ? std::string_view(longer)
                                                          : std::string_view(buffer, count);
    // Only entries with the same last digits can match.
    bool candidate = false;
    for (size_t length : m_tailLengths) {
        const std::string_view tail =
            digits.size() <= length ? digits : digits.substr(digits.size() - length);
        if (tail.size() == length && m_byTail.find(tail) != m_byTail.end()) {
            candidate = true;
            break;
        }
    }
    if (!candidate)
        return -1;
    if (const auto found = m_cache.find(number); found != m_cache.end())
        return found->second;
    const int entry = decide(number);
    m_cache.emplace(std::string(number), entry);
    return entry;
}

std::vector<std::string> PhoneBookNames::tails() const
{
    std::vector<std::string> list;
    for (const auto& [tail, entries] : m_byTail)
        list.push_back(tail);
    return list;
}

const std::string& PhoneBookNames::nameOf(std::string_view number) const
{
    const int entry = entryOf(number);
    return entry < 0 ? kNoName : m_entries[size_t(entry)].name;
}

int PhoneBookNames::decide(std::string_view number) const
{
    // The same decision as sameLine(), with each entry parsed only once.
    const std::string symbols = dialSymbols(number);
    PhoneNumber parsed;
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    const bool numberParsed =
        !m_region.empty() &&
        util.Parse(std::string(number), m_region, &parsed) == PhoneNumberUtil::NO_PARSING_ERROR;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Parsed& entry = m_parsed[i];
        if (digitsOf(m_entries[i].number).empty())
            continue;
        if (m_region.empty() || !numberParsed || !entry.parsed) {
            if (entry.symbols == symbols)
                return int(i);
            continue;
        }
        const auto match = util.IsNumberMatch(parsed, entry.number);
        if (match == PhoneNumberUtil::EXACT_MATCH || match == PhoneNumberUtil::NSN_MATCH)
            return int(i);
    }
    return -1;
}

} // namespace ql310::numbers
