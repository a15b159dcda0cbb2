// SPDX-License-Identifier: GPL-3.0-or-later
// A telephone number from an address book made dialable from the adapter:
// the dial symbols 0-9, * and # that the adapter dials at home for it.
#pragma once

#include <QString>

#include <string>

namespace ql310::phonebook {

// A phone-book number holds at most this many dial symbols.
inline constexpr int kMaxDialSymbols = 25;
// A longer written number is refused before anything parses it.
inline constexpr int kMaxNumberLength = 64;

enum class Refusal {
    None,
    NoDigit,         // "HomePhone", "-"
    Letters,         // "0800-ABCDEFG"
    NotANumber,      // an international number libphonenumber cannot read
    TooLong,         // more than 25 dial symbols
    NoDialSymbol,    // nothing dialable left
    ValueTooLong,    // more than 64 characters as written
    NameTooLong,     // the contact's name has more than 256 characters
    CutOff           // the file ends inside the number's card
};

struct DialForm {
    QString number;     // the dial symbols; empty when refused
    QString extension;  // the extension that was dropped, without its marker
    Refusal refusal = Refusal::None;
    // libphonenumber finds the number too short or invalid: it is kept in
    // its plain dialling form all the same.
    bool incomplete = false;
    bool refused() const { return refusal != Refusal::None; }
};

// `value` as written in the address book ("+49 30 1234567", "(111) 555-4444",
// "tel:+44-20-7946-0000;ext=102"); `region` the home region ("DE"), empty
// for none. In this order: an extension at the end is dropped; a value
// without a digit or with letters left is refused; a value in international
// form (a "+", or the home region's international prefix) becomes the
// national dialling form when it is a number of the home country and the
// international dialling form from home otherwise (without a home region
// only "+" numbers are converted: "00", the country code and the number);
// any other value keeps its dial symbols as written. A national form of a
// home-country number starts with the country's trunk prefix ("+49 30 12"
// from Germany is "03012"). More than 25 dial symbols, or none, is refused;
// so is a value of more than 64 characters, before it is parsed.
DialForm dialForm(const QString& value, const std::string& region);

// Why a number was refused, as the import's report says it; `length` is
// the length of what was too long.
QString refusalText(Refusal refusal, qsizetype length = 0);

} // namespace ql310::phonebook
