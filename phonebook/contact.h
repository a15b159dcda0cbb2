// SPDX-License-Identifier: GPL-3.0-or-later
// What the phone book takes from an address book: a name and its telephone
// numbers, as the file wrote them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace ql310::phonebook {

// The readers keep the contacts of an address book up to this many numbers
// (CSV: rows) and only count the rest: the phone book holds 40, and each
// number costs libphonenumber's time.
inline constexpr int kMaxNumbersRead = 5000;

struct ContactNumber {
    QString value;      // as written: "+49 30 1234567", "tel:+1-555-0100;ext=7"
    QStringList types;  // lower case: "cell", "home", "voice", ...
};

struct Contact {
    // Given and family name from the structured name when the card has
    // them (no titles), else the full name, else the organisation.
    QString name;
    QList<ContactNumber> numbers;
    bool cutOff = false;  // the file ends inside this card: nothing of it is imported
    // A name far longer than any the phone book takes is kept cut; this is
    // its whole length then (0 otherwise).
    qsizetype nameLength = 0;
    qsizetype fullNameLength() const { return std::max(nameLength, name.size()); }
};

} // namespace ql310::phonebook
