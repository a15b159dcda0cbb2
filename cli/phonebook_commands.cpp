// SPDX-License-Identifier: GPL-3.0-or-later
// phonebook export and import: the adapter's phone book to and from the vCard
// and CSV files of address books, with the rules of the program's File menu.
#include "commands.h"

#include "block_access.h"
#include "configuration.h"
#include "contact_file.h"
#include "exit_codes.h"
#include "home_region.h"
#include "layout.h"
#include "phone_book_export.h"
#include "phone_book_import.h"
#include "ql310.h"
#include "setting_files.h"
#include "text_table.h"

#include <QFile>

#include <iostream>
#include <optional>

namespace ql310::cli {

namespace {

constexpr TextId kWriteSuccessText = TextId::WriteToIsdnTaSuccess;
constexpr TextId kWriteFailText = TextId::WriteToIsdnTaFail;

std::string homeRegion(Configuration& config)
{
    const image::BlockAccess setting(image::Block::Setting, config.setting.data(), packing());
    return numbers::regionForCountryCode(setting.readByte(image::slot(image::FieldId::CountryCode)));
}

phonebook::PhoneBook phoneBookOf(Configuration& config)
{
    const image::BlockAccess table(image::Block::Table, config.table.data(), packing());
    phonebook::PhoneBook book;
    for (int i = 0; i < phonebook::kEntries; ++i) {
        const image::PhoneBookSlots s = image::phoneBookSlots(i);
        book[static_cast<size_t>(i)] = {QString::fromStdU16String(table.readDigits(s.peerNumber)),
                                        QString::fromStdU16String(table.readText(s.peerName))};
    }
    return book;
}

// Stores the records that differ from `before`; the other bytes stay.
void store(Configuration& config, const phonebook::PhoneBook& before, const phonebook::PhoneBook& after)
{
    image::BlockAccess table(image::Block::Table, config.table.data(), packing());
    for (int i = 0; i < phonebook::kEntries; ++i) {
        const phonebook::Entry& e = after[static_cast<size_t>(i)];
        if (e == before[static_cast<size_t>(i)])
            continue;
        const image::PhoneBookSlots s = image::phoneBookSlots(i);
        table.writeDigits(s.peerNumber, e.number.toStdU16String());
        table.writeText(s.peerName, e.name.toStdU16String());
    }
}

// A column given by its header text or its number (from 1).
bool columnOf(const QStringList& header, const QString& given, int& column)
{
    bool number = false;
    const int n = given.toInt(&number);
    if (number && n >= 1 && n <= header.size()) {
        column = n - 1;
        return true;
    }
    for (int i = 0; i < header.size(); ++i)
        if (header[i].trimmed().compare(given.trimmed(), Qt::CaseInsensitive) == 0) {
            column = i;
            return true;
        }
    complain("no column \"" + given.toStdString() + "\"; the columns are: " + header.join(", ").toStdString());
    return false;
}

std::optional<QString> given(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

// A CSV file's contacts by the columns recognised or given; false, said on
// standard error, when a column is missing.
bool readCsvContacts(phonebook::ContactFile& file, const QString& path, const std::optional<QString>& nameColumn,
                     const std::optional<QString>& numberColumn)
{
    phonebook::CsvColumns columns = file.columns;
    if (nameColumn) {
        columns.first = columns.middle = columns.last = -1;
        if (!columnOf(file.csv.header, *nameColumn, columns.name))
            return false;
    }
    if (numberColumn) {
        columns.numbers = {0};
        if (!columnOf(file.csv.header, *numberColumn, columns.numbers[0]))
            return false;
    }
    if (!columns.hasName() || columns.numbers.isEmpty()) {
        complain(path.toStdString() + ": the name and number columns were not recognised; "
                 "name them with --name-column and --number-column (the columns are: " +
                 file.csv.header.join(", ").toStdString() + ")");
        return false;
    }
    file.contacts = phonebook::contactsFromCsv(file.csv, columns);
    return true;
}

int exportBook(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption vcard("vcard");
    const QCommandLineOption csv("csv");
    parser.addOption(vcard);
    parser.addOption(csv);
    if (!parseArguments(parser, args, 1))
        return kBadArguments;
    if (parser.isSet(vcard) == parser.isSet(csv)) {
        complain("phonebook export: choose one of --vcard and --csv");
        return kBadArguments;
    }
    Configuration config;
    std::string message;
    if (const ExitCode code = readAdapter(config, message); code != kSuccess) {
        complain(message);
        return code;
    }
    const QByteArray bytes = phonebook::exportPhoneBook(
        phoneBookOf(config), parser.isSet(csv) ? phonebook::ExportFormat::Csv : phonebook::ExportFormat::VCard,
        homeRegion(config));
    const QString path = parser.positionalArguments().value(0);
    if (path.isEmpty() || path == "-") {
        return writeOutput(bytes) ? kSuccess : kFileUnwritable;
    }
    std::string reason;
    if (!files::saveBytes(QFile::encodeName(path).toStdString(),
                          reinterpret_cast<const uint8_t*>(bytes.constData()),
                          static_cast<size_t>(bytes.size()), reason)) {
        complain(path.toStdString() + ": cannot be saved: " + reason + ". The file was not changed.");
        return kFileUnwritable;
    }
    return kSuccess;
}

int importBook(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption dryRun("dry-run"), quiet("quiet");
    const QCommandLineOption updateNames("update-names");
    const QCommandLineOption nameColumn("name-column", "", "COLUMN");
    const QCommandLineOption numberColumn("number-column", "", "COLUMN");
    parser.addOptions({dryRun, quiet, updateNames, nameColumn, numberColumn});
    if (!parseArguments(parser, args, 1))
        return kBadArguments;
    if (parser.positionalArguments().size() != 1) {
        complain("phonebook import: name the vCard or CSV file to import");
        return kBadArguments;
    }
    const QString path = parser.positionalArguments().front();
    phonebook::ContactFile file;
    QString reason;
    if (!phonebook::loadContactFile(path, file, reason)) {
        complain(path.toStdString() + ": cannot be imported: " + reason.toStdString() + "; nothing was changed");
        return kFileUnreadable;
    }
    if (file.kind == phonebook::ContactFile::Kind::Csv &&
        !readCsvContacts(file, path, given(parser, nameColumn), given(parser, numberColumn)))
        return kBadArguments;
    if (phonebook::numbersToImport(file.contacts) == 0) {
        complain("no telephone number found in " + path.toStdString() + "; nothing was changed");
        return kFileUnreadable;
    }

    // The read, the change and the write back are one: no other process
    // writes the adapter in between.
    if (const uint8_t locked = QL310_LockDevice(); locked != QL310_OK) {
        complain(transferMessage(kWriteFailText, locked));
        return exitCodeOfTransfer(locked);
    }
    const struct Unlock {
        ~Unlock() { QL310_UnlockDevice(); }
    } unlock;
    Configuration config;
    std::string message;
    if (const ExitCode code = readAdapter(config, message); code != kSuccess) {
        complain(message);
        return code;
    }
    const phonebook::PhoneBook before = phoneBookOf(config);
    phonebook::ImportPlan plan = phonebook::planImport(before, file.contacts, homeRegion(config));
    plan.notExamined += file.leftOut;
    if (!parser.isSet(quiet))
        for (const QString& line : phonebook::importReport(plan, parser.isSet(updateNames)))
            std::cout << terminalSafe(line.toStdString()) << "\n";
    const phonebook::PhoneBook after = phonebook::applyImport(before, plan, parser.isSet(updateNames));
    if (parser.isSet(dryRun) || after == before)
        return kSuccess;

    store(config, before, after);
    const uint8_t result = QL310_SaveSetting(config.table.data(), config.setting.data());
    if (result != QL310_OK) {
        complain(transferMessage(kWriteFailText, result));
        return exitCodeOfTransfer(result);
    }
    if (!parser.isSet(quiet))
        complain(text(kWriteSuccessText).toStdString());
    return kSuccess;
}

const SubCommand kSubCommands[] = {
    {"export",
     "Usage: ql310ctl phonebook export --vcard|--csv [FILE]\n"
     "Reads the adapter's phone book and writes its entries as vCard 4.0 (FN and\n"
     "TEL) or as CSV (Entry, Name, Number) into FILE, replaced whole or not at\n"
     "all, or onto standard output when FILE is - or missing. Numbers are in\n"
     "international form where the adapter's country makes one of them.\n",
     exportBook},
    {"import",
     "Usage: ql310ctl phonebook import FILE [--dry-run] [--quiet] [--update-names]\n"
     "       [--name-column COLUMN] [--number-column COLUMN]\n"
     "Reads the vCard (2.1, 3.0, 4.0) or CSV file FILE, makes its numbers\n"
     "dialable from the adapter's country, puts them into the free phone-book\n"
     "entries 801 to 840 and writes both blocks back to the adapter. Prints one\n"
     "line per number: new, already in the phone book, refused and why; a name\n"
     "cut to the phone book's 18 characters says so.\n"
     "  --dry-run            print the report, change nothing\n"
     "  --quiet              no report and no message unless it fails\n"
     "  --update-names       numbers already in the phone book take the file's name\n"
     "  --name-column C      a CSV file's name column (header text or number from 1)\n"
     "  --number-column C    a CSV file's number column\n",
     importBook},
};

const char* const kPhoneBookHelp =
    "Usage: ql310ctl phonebook export|import [OPTIONS]\n"
    "The adapter's phone book to and from vCard and CSV address books.\n"
    "  export  write the phone book as vCard or CSV\n"
    "  import  put the numbers of a vCard or CSV file into the phone book\n"
    "See ql310ctl phonebook SUBCOMMAND --help.\n";

int phoneBook(const QStringList& args)
{
    return runSubCommand("phonebook", kPhoneBookHelp, std::begin(kSubCommands), std::end(kSubCommands), args);
}

} // namespace

const Command kPhoneBookCommand = {"phonebook", "the phone book to and from vCard and CSV files",
                                   kPhoneBookHelp, phoneBook};

} // namespace ql310::cli
