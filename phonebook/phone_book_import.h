// SPDX-License-Identifier: GPL-3.0-or-later
// The import of an address book into the adapter's phone book: which
// candidate fills which free record, which numbers are already there, which
// are refused and why, and the phone book afterwards. Works on the entries'
// texts, so the program's grids and ql310ctl's images share it.
#pragma once

#include "contact.h"
#include "dial_form.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <string>

namespace ql310::phonebook {

inline constexpr int kEntries = 40;       // records 0..39
inline constexpr int kFirstEntry = 801;   // the number of record 0

struct Entry {
    QString number;
    QString name;
    // Free: neither a number nor a name.
    bool free() const { return number.trimmed().isEmpty() && name.trimmed().isEmpty(); }
    bool operator==(const Entry&) const = default;
};
using PhoneBook = std::array<Entry, kEntries>;

// What becomes of one number of the file.
struct ImportItem {
    enum class Outcome {
        Fill,          // fills the free record `record`
        AlreadyThere,  // the number is in record `record` already
        Twice,         // the same number and name came earlier in the file
        Refused,       // `refusal` says why
        NoRoom         // the phone book is full
    };
    Outcome outcome = Outcome::Refused;
    QString contact;    // the name as the file gives it
    QString value;      // the number as the file gives it
    QString number;     // its dial symbols (not for Refused)
    QString name;       // the name as the phone book stores it
    QString extension;  // the extension dropped, if any
    Refusal refusal = Refusal::None;
    int record = -1;    // Fill, AlreadyThere
    QString oldName;    // AlreadyThere: the name in the record
};

struct ImportPlan {
    QList<ImportItem> items;  // in file order
    int count(ImportItem::Outcome outcome) const;
    // AlreadyThere items whose name differs: what ticking "update names" changes.
    int renames() const;
};

// Every number of every contact against the phone book `current`, for an
// adapter in `region` (empty: none). Free records are filled in order 801
// to 840; a number that names the same line as a number of `current` is
// already there; the same number and name a second time in the file is
// counted once.
ImportPlan planImport(const PhoneBook& current, const QList<Contact>& contacts, const std::string& region);

// The phone book after the import; with `updateNames` the records of
// numbers already there take the file's name.
PhoneBook applyImport(const PhoneBook& current, const ImportPlan& plan, bool updateNames);

// The report of the plan, one line per number, in the order: filled,
// already there, refused, then "the phone book is full: N numbers were not
// imported" when numbers found no room.
QStringList importReport(const ImportPlan& plan, bool updateNames);
// "the phone book is full: N numbers were not imported".
QString fullText(int notImported);

} // namespace ql310::phonebook
