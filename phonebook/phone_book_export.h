// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book written out for address books: vCard 4.0 (FN and TEL) or
// CSV (Entry, Name, Number), UTF-8, CRLF line ends. Empty entries are left
// out.
#pragma once

#include "phone_book_import.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace ql310::phonebook {

enum class ExportFormat { VCard, Csv };

// The number in international form ("+49 30 1234567") when libphonenumber
// reads it with the home region and the import makes the stored dial
// symbols of it again; otherwise empty (a local number without its area, a
// number with * or #, no home region).
QString internationalForm(const QString& stored, const std::string& region);

QByteArray exportPhoneBook(const PhoneBook& book, ExportFormat format, const std::string& region);

// A CSV cell a spreadsheet would take for a formula (it begins with =, +,
// -, @, a tab or a carriage return) with an apostrophe before it; the CSV
// reader removes exactly that apostrophe.
QString formulaSafe(const QString& cell);

// The format a file name asks for: ".csv" CSV, anything else vCard.
ExportFormat formatForFileName(const QString& fileName);

} // namespace ql310::phonebook
