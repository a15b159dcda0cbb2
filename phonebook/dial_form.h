// SPDX-License-Identifier: GPL-3.0-or-later
// A telephone number from an address book made dialable from the adapter:
// the dial symbols 0-9, * and # that the adapter dials at home for it.
#pragma once

#include <QString>

#include <string>

namespace ql310::phonebook {

// A phone-book number holds at most this many dial symbols.
inline constexpr int kMaxDialSymbols = 25;

enum class Refusal {
    None,
    NoDigit,         // "HomePhone", "-"
    Letters,         // "0800-ABCDEFG"
    NotANumber,      // an international number libphonenumber cannot read
    TooLong,         // more than 25 dial symbols
    NoDialSymbol     // nothing dialable left
};

struct DialForm {
    QString number;     // the dial symbols; empty when refused
    QString extension;  // the extension that was dropped, without its marker
    Refusal refusal = Refusal::None;
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
// any other value keeps its dial symbols as written. More than 25 dial
// symbols, or none, is refused.
DialForm dialForm(const QString& value, const std::string& region);

// Why a number was refused, as the import's report says it.
QString refusalText(Refusal refusal);

} // namespace ql310::phonebook
