// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as an address book to import: read as a vCard and as a
// CSV file, planned into a phone book with one entry taken, applied, and
// the result exported and imported again into an empty phone book, which
// must give back the same entries.
#include "contact_file.h"
#include "phone_book_export.h"
#include "phone_book_import.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>

using namespace ql310::phonebook;

namespace {

// Ends the run, naming the line of the property that failed.
#define check(condition)                                                   \
    do {                                                                   \
        if (!(condition)) {                                                \
            std::fprintf(stderr, "failed at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                  \
        }                                                                  \
    } while (false)

bool dialable(const QString& number)
{
    if (number.isEmpty() || number.size() > kMaxDialSymbols)
        return false;
    for (const QChar c : number)
        if (!((c >= u'0' && c <= u'9') || c == u'*' || c == u'#'))
            return false;
    return true;
}

void importInto(const QList<Contact>& contacts, const std::string& region)
{
    PhoneBook start;
    start[3] = {QStringLiteral("0301234567"), QStringLiteral("Taken")};
    const ImportPlan plan = planImport(start, contacts, region);
    std::set<int> filled;
    for (const ImportItem& item : plan.items) {
        if (item.outcome == ImportItem::Outcome::Fill) {
            check(item.record >= 0 && item.record < kEntries && item.record != 3);
            check(filled.insert(item.record).second);
        }
        if (item.outcome != ImportItem::Outcome::Refused) {
            check(dialable(item.number));
            check(item.name.size() <= 18);
            for (const QChar c : item.name)
                check(c.unicode() >= 0x20 && c.unicode() <= 0xFF);
        }
    }
    const PhoneBook book = applyImport(start, plan, true);
    check(book[3].number == start[3].number);
    importReport(plan, true);

    // Export, then import into an empty phone book: the same entries.
    PhoneBook imported = book;
    imported[3] = {};
    for (ExportFormat format : {ExportFormat::VCard, ExportFormat::Csv}) {
        const QByteArray out = exportPhoneBook(imported, format, region);
        ContactFile again;
        QString reason;
        const bool any = std::any_of(imported.begin(), imported.end(), [](const Entry& e) { return !e.free(); });
        if (!readContactFile(out, format == ExportFormat::Csv ? "x.csv" : "x.vcf", again, reason)) {
            check(!any);
            continue;
        }
        const PhoneBook back = applyImport(PhoneBook{}, planImport(PhoneBook{}, again.contacts, region), false);
        // The same entries; a vCard groups the numbers of one name on one
        // card, so their order may differ.
        std::multiset<std::pair<QString, QString>> sent, got;
        for (const Entry& e : imported)
            if (!e.free() && !e.number.isEmpty())
                sent.insert({e.number, e.name});
        for (const Entry& b : back)
            if (!b.free())
                got.insert({b.number, b.name});
        if (sent != got)
            std::fprintf(stderr, "region %s: %zu entries exported, %zu imported differ (%s)\n", region.c_str(),
                         sent.size(), got.size(), format == ExportFormat::Csv ? "CSV" : "vCard");
        check(sent == got);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* name : {"book.vcf", "book.csv"}) {
        ContactFile file;
        QString reason;
        if (!readContactFile(bytes, QString::fromLatin1(name), file, reason)) {
            check(!reason.isEmpty());
            continue;
        }
        if (file.kind == ContactFile::Kind::Csv && !file.columns.complete()) {
            CsvColumns columns;
            columns.name = 0;
            columns.numbers = {1};
            file.contacts = contactsFromCsv(file.csv, columns);
        }
        for (const std::string region : {"DE", "GB", ""})
            importInto(file.contacts, region);
    }
    return 0;
}
