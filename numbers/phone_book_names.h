// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names for telephone numbers from the adapter's phone book: each entry is
// parsed once, a number's match is decided by libphonenumber as in sameLine()
// and remembered per number.

#include <string>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace i18n::phonenumbers {
class PhoneNumber;
}

namespace ql310::numbers {

struct PhoneBookEntry {
    std::string number;
    std::string name;
};

class PhoneBookNames {
public:
    PhoneBookNames();
    // `entries` in phone-book order (empty entries may be among them);
    // `region` as for sameLine(), empty for none.
    PhoneBookNames(std::vector<PhoneBookEntry> entries, std::string region);
    ~PhoneBookNames();
    PhoneBookNames(PhoneBookNames&&) noexcept;
    PhoneBookNames& operator=(PhoneBookNames&&) noexcept;

    // The first entry that names the same line as `number`, -1 for none.
    int entryOf(std::string_view number) const;
    // That entry's name; empty for none.
    const std::string& nameOf(std::string_view number) const;

    const std::vector<PhoneBookEntry>& entries() const { return m_entries; }
    // The last digits (six, fewer for a shorter number) that a number's
    // digits must end in for an entry to name it: no other number has a name.
    std::vector<std::string> tails() const;
    const std::string& region() const { return m_region; }

private:
    struct Parsed;
    int decide(std::string_view number) const;

    std::vector<PhoneBookEntry> m_entries;
    std::string m_region;
    std::vector<Parsed> m_parsed;
    // Entries by the last digits of their number (and of its national
    // number): only those can name a number with the same last digits, so
    // most numbers are settled without parsing them.
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };
    template <class T>
    using TextMap = std::unordered_map<std::string, T, Hash, std::equal_to<>>;
    TextMap<std::vector<int>> m_byTail;
    std::vector<size_t> m_tailLengths;
    mutable TextMap<int> m_cache;
};

} // namespace ql310::numbers
