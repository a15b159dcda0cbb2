// SPDX-License-Identifier: GPL-3.0-or-later
// What the phone book takes from an address book: a name and its telephone
// numbers, as the file wrote them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ql310::phonebook {

struct ContactNumber {
    QString value;      // as written: "+49 30 1234567", "tel:+1-555-0100;ext=7"
    QStringList types;  // lower case: "cell", "home", "voice", ...
};

struct Contact {
    // Given and family name from the structured name when the card has
    // them (no titles), else the full name, else the organisation.
    QString name;
    QList<ContactNumber> numbers;
};

} // namespace ql310::phonebook
