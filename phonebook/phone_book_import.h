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
// A contact's name longer than this refuses its numbers before anything
// looks at it.
inline constexpr int kMaxNameLength = 256;
// Report lines quote at most this many characters of a value.
inline constexpr int kMaxQuoted = 60;
// An import looks at no more numbers than this: the phone book holds 40,
// and each number costs libphonenumber's time.
inline constexpr int kMaxExamined = kMaxNumbersRead;

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
        Twice,         // the same line came earlier in the file
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
    qsizetype tooLong = 0;  // ValueTooLong, NameTooLong: the length
    bool incomplete = false;  // libphonenumber finds it too short or invalid
    int record = -1;    // Fill, AlreadyThere
    QString oldName;    // AlreadyThere: the name in the record
    // The user leaves out a number by clearing its tick (ImportPlan::setTicked).
    bool ticked = true;
    // AlreadyThere, decided by the plan: "update names" gives the record
    // this number's name, as no ticked number of the same record comes
    // before it in the file (the first name the file gives a number wins),
    // and the name differs from the record's.
    bool renames = false;

    // Fill and AlreadyThere numbers carry a tick: they may change the phone book.
    bool tickable() const { return outcome == Outcome::Fill || outcome == Outcome::AlreadyThere; }
    // Whether applying the plan, with or without updating names, changes the
    // phone book with this number: a ticked fill, or a ticked rename.
    bool changes(bool updateNames) const
    {
        return ticked && (outcome == Outcome::Fill || (outcome == Outcome::AlreadyThere && updateNames && renames));
    }
};

struct ImportPlan {
    QList<ImportItem> items;  // in file order
    qsizetype notExamined = 0; // numbers after the first kMaxExamined, not looked at
    int count(ImportItem::Outcome outcome) const;
    // AlreadyThere items whose name differs from the record's: whether
    // "update names" is offered.
    int renames() const;
    // Ticks or clears item `index` and decides again which names win.
    void setTicked(qsizetype index, bool ticked);
};

// Every number of every contact against the phone book `current`, for an
// adapter in `region` (empty: none). Free records are filled in order 801
// to 840; a number that names the same line as a number of `current` is
// already there; a line that came earlier in the file, under whatever
// name, is twice in the file and never takes a second record. Each item
// records its outcome and, for a number already there, whether it renames
// its record; the preview, the report and applyImport only read that.
ImportPlan planImport(const PhoneBook& current, const QList<Contact>& contacts, const std::string& region);

// How many numbers the contacts offer (a card cut off by the file's end
// offers none).
int numbersToImport(const QList<Contact>& contacts);

// The phone book after the import of the ticked items; with `updateNames`
// the records of numbers already there take the file's name.
PhoneBook applyImport(const PhoneBook& current, const ImportPlan& plan, bool updateNames);

// The report of the plan's ticked items, one line per number, in the
// order: filled, already there, twice, refused, then "the phone book is
// full: N numbers were not imported" when numbers found no room, and how
// many numbers were not looked at. Values are
// quoted with at most 60 characters, control characters shown as "?".
QStringList importReport(const ImportPlan& plan, bool updateNames);
// `text` fit for a report line or a terminal: control characters (C0, C1,
// DEL) as "?", and at most `limit` characters, "..." marking a cut
// (limit < 0: no cut).
QString printable(const QString& text, int limit = kMaxQuoted);
// "the phone book is full: N numbers were not imported".
QString fullText(int notImported);
// "N more numbers were not looked at: an import takes the first 5000".
QString notExaminedText(qsizetype notExamined);

} // namespace ql310::phonebook
