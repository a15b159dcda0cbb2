// SPDX-License-Identifier: GPL-3.0-or-later
// Reads an address book exported as CSV: a header row, then one contact a
// row, fields separated by commas or semicolons (or tabs), quoted as RFC 4180
// quotes them. The name and number columns are found by their common header
// names; where none is found, the caller asks the user for them.
#pragma once

#include "contact.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ql310::phonebook {

struct CsvTable {
    QStringList header;
    QList<QStringList> rows;  // the rows after the header; blank rows left out
    int unclosedQuoteLine = 0; // the line (from 1) of a quote never closed; 0: none
    qsizetype rowsLeftOut = 0; // rows past kMaxNumbersRead, only counted
};

// A row keeps at most this many fields; the rest are dropped.
inline constexpr int kMaxCsvColumns = 1000;

// The text split into rows and fields. The separator is the one of ",", ";"
// and tab found most often outside quotes in the first row. Rows past
// kMaxNumbersRead after the header are counted, not kept. A field that a
// spreadsheet would take for a formula was written with an apostrophe before
// it ("'=1+2", "'+49 30 1"): that apostrophe is removed.
CsvTable readCsv(const QString& text);

// Which columns (indexes into the header) hold the name and the numbers.
struct CsvColumns {
    int name = -1;    // a full name ("Name", "Display Name")
    int first = -1;   // or its parts ("First Name", "Middle Name", "Last Name")
    int middle = -1;
    int last = -1;
    QList<int> numbers;  // every column of telephone numbers

    bool hasName() const { return name >= 0 || first >= 0 || middle >= 0 || last >= 0; }
    // Both a name and at least one number column were found.
    bool complete() const { return hasName() && !numbers.isEmpty(); }
};
CsvColumns recogniseColumns(const QStringList& header);

// A guess for a file whose headers say nothing: the number column is the one
// whose first rows hold digits most often, the name column the first other
// one whose first rows hold letters most often.
CsvColumns guessColumns(const CsvTable& table);

// One contact a row that has a name or a number. A number field may hold
// several numbers separated by " ::: ".
QList<Contact> contactsFromCsv(const CsvTable& table, const CsvColumns& columns);

} // namespace ql310::phonebook
