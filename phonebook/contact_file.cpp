// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_file.h"

#include "text_decoding.h"
#include "vcard_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace ql310::phonebook {

namespace {

// A NUL byte, or more than one control character in a hundred, in the
// first 64 KiB.
bool binary(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return true;
    const QByteArray start = bytes.left(1 << 16);
    const auto controls = std::count_if(start.begin(), start.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x1A;
    });
    return controls * 100 > start.size();
}

// Text in UTF-16 without its byte-order mark: in the first pairs of bytes,
// nearly always one of the two is NUL, and always the same one.
bool utf16WithoutMark(const QByteArray& bytes)
{
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 4096);
    if (pairs < 2)
        return false;
    qsizetype evenNul = 0, oddNul = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenNul += bytes[2 * i] == '\0' && bytes[2 * i + 1] != '\0';
        oddNul += bytes[2 * i + 1] == '\0' && bytes[2 * i] != '\0';
    }
    return std::max(evenNul, oddNul) * 10 >= pairs * 9;
}

} // namespace

bool readContactFile(const QByteArray& raw, const QString& fileName, ContactFile& file, QString& reason)
{
    const QByteArray bytes = withoutByteOrderMark(raw);
    if (utf16WithoutMark(bytes)) {
        reason = QCoreApplication::translate("ql310::ContactFile",
                                             "it is UTF-16 text without a byte-order mark; save it as UTF-8 "
                                             "or as UTF-16 with a byte-order mark");
        return false;
    }
    if (binary(bytes)) {
        reason = QCoreApplication::translate("ql310::ContactFile", "it is a binary file, not an address book");
        return false;
    }
    ContactFile read;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (looksLikeVCard(bytes) || suffix == u"vcf" || suffix == u"vcard") {
        read.kind = ContactFile::Kind::VCard;
        read.contacts = readVCards(bytes, &read.leftOut);
        if (read.contacts.isEmpty()) {
            reason = QCoreApplication::translate("ql310::ContactFile", "it holds no card");
            return false;
        }
    } else {
        read.kind = ContactFile::Kind::Csv;
        read.csv = readCsv(decodeText(bytes));
        if (read.csv.unclosedQuoteLine > 0) {
            reason
                = QCoreApplication::translate("ql310::ContactFile", "the quote opened in line %1 is never closed")
                      .arg(read.csv.unclosedQuoteLine);
            return false;
        }
        if (read.csv.rows.isEmpty()) {
            reason = QCoreApplication::translate("ql310::ContactFile",
                                                 "it holds no card and no row of contacts after a header row");
            return false;
        }
        read.leftOut = read.csv.rowsLeftOut;
        read.columns = recogniseColumns(read.csv.header);
        if (read.columns.complete())
            read.contacts = contactsFromCsv(read.csv, read.columns);
    }
    file = read;
    return true;
}

bool loadContactFile(const QString& path, ContactFile& file, QString& reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        reason = QCoreApplication::translate("ql310::ContactFile", "it does not exist");
        return false;
    }
    if (!info.isFile()) {
        reason = QCoreApplication::translate("ql310::ContactFile", "it is not a regular file");
        return false;
    }
    if (info.size() > kMaxImportFileSize) {
        reason = QCoreApplication::translate("ql310::ContactFile", "it is larger than 10 MB");
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        reason = f.errorString();
        return false;
    }
    // The size may have grown since it was looked at.
    const QByteArray bytes = f.read(kMaxImportFileSize + 1);
    if (bytes.size() > kMaxImportFileSize) {
        reason = QCoreApplication::translate("ql310::ContactFile", "it is larger than 10 MB");
        return false;
    }
    if (f.error() != QFileDevice::NoError) {
        reason = f.errorString();
        return false;
    }
    return readContactFile(bytes, path, file, reason);
}

} // namespace ql310::phonebook
