// SPDX-License-Identifier: GPL-3.0-or-later
// An address-book file to import: checked (size, binary content), told
// apart (vCard or CSV) and read into contacts.
#pragma once

#include "contact.h"
#include "csv_reader.h"

#include <QByteArray>
#include <QString>

namespace ql310::phonebook {

// Larger files are refused before they are read.
inline constexpr qint64 kMaxImportFileSize = 10 * 1024 * 1024;

struct ContactFile {
    enum class Kind { VCard, Csv };
    Kind kind = Kind::VCard;
    QList<Contact> contacts;  // vCard; CSV once its columns are known
    CsvTable csv;             // CSV only
    CsvColumns columns;       // CSV only: the columns recognised
    // Numbers (CSV: rows) past kMaxNumbersRead, counted but not read.
    qsizetype leftOut = 0;
};

// Reads `bytes` (a file's content; `fileName` only for its extension). False,
// with the reason in `reason` ("it is a binary file", "it holds no card"),
// when the content is no address book. A CSV file whose columns are not all
// recognised has no contacts yet: the caller chooses the columns and calls
// contactsFromCsv.
bool readContactFile(const QByteArray& bytes, const QString& fileName, ContactFile& file, QString& reason);

// The same for the file at `path`: a missing or unreadable file, one that
// is not a regular file or is larger than 10 MB is refused before its
// content is read.
bool loadContactFile(const QString& path, ContactFile& file, QString& reason);

} // namespace ql310::phonebook
