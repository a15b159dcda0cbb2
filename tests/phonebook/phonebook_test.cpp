// SPDX-License-Identifier: GPL-3.0-or-later
// Address books into the phone book and back: the vCard and CSV readers,
// the file checks, the dialling forms from a German and a British adapter,
// the names as PeerName holds them, the import plan and the export.
#include "contact_file.h"
#include "csv_reader.h"
#include "dial_form.h"
#include "peer_name.h"
#include "phone_book_export.h"
#include "phone_book_import.h"
#include "vcard_reader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ql310::phonebook;

namespace ql310::phonebook {
void PrintTo(const Entry& e, std::ostream* out)
{
    *out << '"' << e.number.toStdString() << "\" \"" << e.name.toStdString() << '"';
}
} // namespace ql310::phonebook

namespace {

QStringList values(const Contact& c)
{
    QStringList out;
    for (const ContactNumber& n : c.numbers)
        out << n.value;
    return out;
}

PhoneBook fullBook()
{
    PhoneBook book;
    for (int i = 0; i < kEntries; ++i)
        book[static_cast<size_t>(i)] = {QStringLiteral("0301000%1").arg(100 + i),
                                        QStringLiteral("Entry %1").arg(i)};
    return book;
}

} // namespace

// vCard

TEST(VCardReader, ReadsTheThreeVersionsWithTheirEncodingsInOneFile)
{
    const QByteArray file =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg;;;\r\n"
        "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=B6rg M=C3=BC=\r\nller\r\n"
        "TEL;CELL;PREF:+49 171 1234567\r\n"
        "PHOTO;ENCODING=BASE64;TYPE=JPEG:\r\n"
        " /9j/4AAQSkZJRgABAQEASABIAAD/2wBD\r\n"
        " AAMCAgICAgMCAgIDAwMDBAYEBAQEBAgG\r\n"
        "\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\n"
        "FN:Anna Ber\r\n g\r\n"
        "item1.TEL;type=HOME;type=VOICE:+44 20 7946 0000\r\n"
        "item1.X-ABLabel:home\r\n"
        "TEL;TYPE=cell,voice:0171 555\r\n"
        "PHOTO;ENCODING=b;TYPE=JPEG:TWFueSBoYW5kcyBtYWtlIGxpZ2h0IHdvcmsu\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\n"
        "FN:Bob\\, the builder\r\n"
        "TEL;VALUE=uri;TYPE=\"voice,home\";PREF=1:tel:+49-30-7654321;ext=102\r\n"
        "END:VCARD\r\n";
    const QList<Contact> cards = readVCards(file);
    ASSERT_EQ(cards.size(), 3);
    EXPECT_EQ(cards[0].name, QString::fromUtf8("Jörg Müller"));  // FN wins over N; soft break joined
    EXPECT_EQ(values(cards[0]), QStringList{"+49 171 1234567"});
    EXPECT_EQ(cards[0].numbers[0].types, (QStringList{"cell", "pref"}));
    EXPECT_EQ(cards[1].name, QStringLiteral("Anna Berg"));       // folded
    EXPECT_EQ(values(cards[1]), (QStringList{"+44 20 7946 0000", "0171 555"}));
    EXPECT_EQ(cards[1].numbers[0].types, (QStringList{"home", "voice"}));
    EXPECT_EQ(cards[1].numbers[1].types, (QStringList{"cell", "voice"}));
    EXPECT_EQ(cards[2].name, QStringLiteral("Bob, the builder"));
    EXPECT_EQ(values(cards[2]), QStringList{"tel:+49-30-7654321;ext=102"});
}

TEST(VCardReader, TakesEveryLineEndAndCharacterSetAndSkipsNestedCards)
{
    // LF only, Latin-1 without a CHARSET, N put together, a 2.1 AGENT card.
    const QByteArray lf = "BEGIN:VCARD\nVERSION:2.1\nN:Gro\xdf;Erika;;Dr.;\nTEL:0711 1\n"
                          "AGENT:\nBEGIN:VCARD\nN:Agent;Inner\nTEL:999\nEND:VCARD\nTEL;WORK:0711 2\nEND:VCARD\n";
    const QList<Contact> cards = readVCards(lf);
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards[0].name, QString::fromUtf8("Dr. Erika Groß"));
    EXPECT_EQ(values(cards[0]), (QStringList{"0711 1", "0711 2"}));
    // A quoted-printable soft break folded with a blank.
    EXPECT_EQ(readVCards("BEGIN:VCARD\nFN;ENCODING=QUOTED-PRINTABLE:=4A=\n =C3=B6rg\nEND:VCARD\n")[0].name,
              QString::fromUtf8("Jörg"));
    // Windows bytes without a CHARSET: the name's closest Latin-1 letters.
    const QList<Contact> windows = readVCards("BEGIN:VCARD\nFN:\x8aimon \x84Sam\x93\nEND:VCARD\n");
    EXPECT_EQ(peerName(windows[0].name), QStringLiteral("Simon \"Sam\""));
    // CR only, UTF-8, and a last card never ended.
    const QList<Contact> cr = readVCards("BEGIN:VCARD\rFN:\xc5\x81ukasz\rTEL:1\r");
    ASSERT_EQ(cr.size(), 1);
    EXPECT_EQ(cr[0].name, QString::fromUtf8("Łukasz"));
}

// CSV

TEST(CsvReader, FindsTheColumnsByTheirCommonHeadersWithEitherSeparator)
{
    const CsvTable comma = readCsv(QStringLiteral(
        "First Name,Last Name,Home Phone,Mobile Phone,Phone 1 - Type\r\n"
        "Jörg,Müller,030 1234567,\"0171, 555\",Mobile\r\n\r\n"
        "\"Anna \"\"A\"\"\",\"Berg\nline\",,0201 ::: 0202,\r\n"));
    const CsvColumns c = recogniseColumns(comma.header);
    EXPECT_EQ(c.first, 0);
    EXPECT_EQ(c.last, 1);
    EXPECT_EQ(c.numbers, (QList<int>{2, 3}));  // not the type column
    const QList<Contact> contacts = contactsFromCsv(comma, c);
    ASSERT_EQ(contacts.size(), 2);
    EXPECT_EQ(contacts[0].name, QString::fromUtf8("Jörg Müller"));
    EXPECT_EQ(values(contacts[0]), (QStringList{"030 1234567", "0171, 555"}));
    EXPECT_EQ(contacts[1].name, QStringLiteral("Anna \"A\" Berg line"));
    EXPECT_EQ(values(contacts[1]), (QStringList{"0201", "0202"}));

    const CsvTable semicolon = readCsv(QStringLiteral("Name;Telefon\nGroß, Erika;0711 123\n"));
    const CsvColumns s = recogniseColumns(semicolon.header);
    EXPECT_TRUE(s.complete());
    EXPECT_EQ(contactsFromCsv(semicolon, s)[0].name, QString::fromUtf8("Groß, Erika"));

    EXPECT_FALSE(recogniseColumns({"Spalte A", "Spalte B"}).complete());
    const CsvColumns guess = guessColumns(readCsv("A,B,C\nx,Anna,030 1\n,Bob,030 2\n"));
    EXPECT_EQ(guess.numbers, QList<int>{2});
    EXPECT_EQ(guess.name, 1);
}

// The file

TEST(ContactFile, RefusesBinaryEmptyAndOversizedFilesQuickly)
{
    ContactFile file;
    QString reason;
    EXPECT_FALSE(readContactFile(QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10), "a.vcf", file, reason));
    EXPECT_TRUE(reason.contains("binary"));
    EXPECT_FALSE(readContactFile("VERSION:3.0\r\nFN:x\r\n", "a.vcf", file, reason));
    EXPECT_TRUE(reason.contains("no card"));
    EXPECT_FALSE(readContactFile("Name,Phone\r\n", "a.csv", file, reason));
    EXPECT_TRUE(reason.contains("no card"));

    QTemporaryDir dir;
    const QString big = dir.filePath("big.vcf");
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kMaxImportFileSize + 1));
    f.close();
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(loadContactFile(big, file, reason));
    EXPECT_TRUE(reason.contains("10 MB"));
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_FALSE(loadContactFile(dir.path(), file, reason));  // a directory

    // UTF-16 with its byte-order mark is text, not binary.
    const QString text = QStringLiteral("BEGIN:VCARD\r\nFN:Zoë\r\nTEL:1\r\nEND:VCARD\r\n");
    QByteArray utf16("\xff\xfe");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    ASSERT_TRUE(readContactFile(utf16, "a.vcf", file, reason)) << reason.toStdString();
    EXPECT_EQ(file.contacts[0].name, QString::fromUtf8("Zoë"));
}

// Dialling forms

TEST(DialForm, InternationalNumbersBecomeTheFormDialledFromHome)
{
    auto dial = [](const char* value, const char* region) {
        return dialForm(QString::fromUtf8(value), region).number.toStdString();
    };
    // Germany: national for German numbers, 00 and the country code for others.
    EXPECT_EQ(dial("+49 30 1234567", "DE"), "0301234567");
    EXPECT_EQ(dial("0049 30 1234567", "DE"), "0301234567");
    EXPECT_EQ(dial("+49 (0)30 1234567", "DE"), "0301234567");
    EXPECT_EQ(dial("+44 20 7946 0000", "DE"), "00442079460000");
    EXPECT_EQ(dial("tel:+44-20-7946-0000", "DE"), "00442079460000");
    // The United Kingdom: the other way round.
    EXPECT_EQ(dial("+44 20 7946 0000", "GB"), "02079460000");
    EXPECT_EQ(dial("+49 30 1234567", "GB"), "00493012345" "67");
    // The form dialled at home keeps its dial symbols; no trunk prefix is added.
    EXPECT_EQ(dial("(111) 555-4444", "DE"), "1115554444");
    EXPECT_EQ(dial("1234567", "DE"), "1234567");
    EXPECT_EQ(dial("*31#030 1234567", "DE"), "*31#0301234567");
    // A stray trunk zero after the country code is tidied until the form
    // reads back the same.
    const std::string tidied = dial("+49 (00170 98", "GB");
    EXPECT_EQ(dial(tidied.c_str(), "GB"), tidied);
    // No home region: only "+" numbers change.
    EXPECT_EQ(dial("+49 30 1234567", ""), "00493012345" "67");
    EXPECT_EQ(dial("0049 30 1234567", ""), "0049301234567");
}

TEST(DialForm, ExtensionsAreDroppedAndTheUndiallableRefusedWithTheirReason)
{
    const DialForm uri = dialForm("tel:+49-30-7654321;ext=102", "DE");
    EXPECT_EQ(uri.number, "0307654321");
    EXPECT_EQ(uri.extension, "102");
    EXPECT_EQ(dialForm("030 1234567 ext 12", "DE").extension, "12");
    EXPECT_EQ(dialForm("030 1234567 ext 12", "DE").number, "0301234567");
    EXPECT_EQ(dialForm("0301234567x12", "DE").number, "0301234567");
    EXPECT_EQ(dialForm("0301234567x12", "DE").extension, "12");

    EXPECT_EQ(dialForm("HomePhone", "DE").refusal, Refusal::NoDigit);
    EXPECT_EQ(dialForm("0800-ABCDEFG", "DE").refusal, Refusal::Letters);
    EXPECT_EQ(dialForm("+999 123", "DE").refusal, Refusal::NotANumber);
    EXPECT_EQ(dialForm("12345678901234567890123456", "DE").refusal, Refusal::TooLong);
    EXPECT_EQ(dialForm("1234567890123456789012345", "DE").number.size(), 25);
    EXPECT_FALSE(refusalText(Refusal::Letters).isEmpty());
}

// Names

TEST(PeerName, KeepsLatin1FindsTheClosestLettersAndCutsTo18)
{
    EXPECT_EQ(peerName(QString::fromUtf8("Jörg Müller")), QString::fromUtf8("Jörg Müller"));
    EXPECT_EQ(peerName(QString::fromUtf8("Łukasz Żółć")), QString::fromUtf8("Lukasz Zólc"));
    EXPECT_EQ(peerName(QString::fromUtf8("Ørsted Şahin ﬁ")), QString::fromUtf8("Ørsted Sahin fi"));
    EXPECT_EQ(peerName(QString::fromUtf8("Иван 😀")), QStringLiteral("???? ?"));
    EXPECT_EQ(peerName(QStringLiteral("Anna\nBerg")), QStringLiteral("Anna Berg"));
    EXPECT_EQ(peerName(QStringLiteral("Abcdefghijklmnopq rstu")), QStringLiteral("Abcdefghijklmnopq"));
    EXPECT_EQ(peerName(QStringLiteral("Abcdefghijklmnopqrstu")).size(), 18);
    EXPECT_TRUE(peerNameCut(QStringLiteral("Abcdefghijklmnopq rstu")));
    EXPECT_FALSE(peerNameCut(QStringLiteral("  Abcdefghijklmnopqr\n ")));
}

// The import

TEST(ImportPlan, FillsFreeEntriesInOrderAndSkipsNumbersAlreadyThere)
{
    PhoneBook book;
    book[0] = {"0301234567", "Old name"};
    book[2] = {"", "name only"};
    const QList<Contact> contacts = {
        {"Anna", {{"+49 30 1234567", {}}, {"+44 20 7946 0000", {}}}},
        {"Bob", {{"HomePhone", {}}, {"0711 1", {}}}},
        {"Anna", {{"+44 20 7946 0000", {}}}}};
    const ImportPlan plan = planImport(book, contacts, "DE");
    using O = ImportItem::Outcome;
    ASSERT_EQ(plan.items.size(), 5);
    EXPECT_EQ(plan.items[0].outcome, O::AlreadyThere);
    EXPECT_EQ(plan.items[0].record, 0);
    EXPECT_EQ(plan.items[1].outcome, O::Fill);
    EXPECT_EQ(plan.items[1].record, 1);
    EXPECT_EQ(plan.items[2].outcome, O::Refused);
    EXPECT_EQ(plan.items[3].record, 3);  // record 2 holds a name
    EXPECT_EQ(plan.items[4].outcome, O::Twice);

    const PhoneBook kept = applyImport(book, plan, false);
    EXPECT_EQ(kept[0].name, "Old name");
    EXPECT_EQ(kept[1], (Entry{"00442079460000", "Anna"}));
    EXPECT_EQ(kept[2], book[2]);
    EXPECT_EQ(kept[3], (Entry{"07111", "Bob"}));
    EXPECT_EQ(applyImport(book, plan, true)[0].name, "Anna");

    // The first name the file gives a number counts; a later one changes nothing.
    const ImportPlan twiceNamed = planImport(book, {{"Old name", {{"0301234567", {}}}}, {"Other", {{"0301234567", {}}}}}, "DE");
    EXPECT_EQ(applyImport(book, twiceNamed, true)[0].name, "Old name");
    EXPECT_FALSE(importReport(twiceNamed, true).join('\n').contains("name updated"));

    const QStringList report = importReport(plan, true);
    EXPECT_TRUE(report.join('\n').contains("name updated to \"Anna\""));
    EXPECT_TRUE(report.join('\n').contains("refused: \"HomePhone\" of \"Bob\": no digit"));

    // A name longer than the phone book holds is noted where it is stored.
    const QStringList cut = importReport(
        planImport(book, {{"Abcdefghijklmnopqrstu", {{"0301111", {}}}}, {"Anna", {{"0302222", {}}}}}, "DE"), false);
    ASSERT_EQ(cut.size(), 2);
    EXPECT_TRUE(cut[0].endsWith("\"Abcdefghijklmnopqr\": new, from \"0301111\" of \"Abcdefghijklmnopqrstu\" "
                                "(name cut to 18 characters)")) << cut[0].toStdString();
    EXPECT_FALSE(cut[1].contains("cut"));
}

TEST(ImportPlan, AFullPhoneBookSaysHowManyNumbersWereNotImported)
{
    const ImportPlan plan = planImport(fullBook(), {{"X", {{"0301", {}}, {"0302", {}}, {"+49 30 1000100", {}}}}}, "DE");
    EXPECT_EQ(plan.count(ImportItem::Outcome::NoRoom), 2);
    EXPECT_EQ(plan.count(ImportItem::Outcome::AlreadyThere), 1);
    EXPECT_EQ(importReport(plan, false).last(), "the phone book is full: 2 numbers were not imported");
    EXPECT_EQ(applyImport(fullBook(), plan, false), fullBook());
}

// The export

TEST(Export, ExportThenImportIntoAnEmptyPhoneBookGivesBackTheSameEntries)
{
    PhoneBook book = fullBook();
    book[5] = {"00442079460000", QString::fromUtf8("Jörg; \\Müller,")};
    book[6] = {"*31#0301", "Star"};
    book[7] = {"1234567", "Local"};
    for (const char* region : {"DE", "GB", ""}) {
        for (ExportFormat format : {ExportFormat::VCard, ExportFormat::Csv}) {
            const QByteArray out = exportPhoneBook(book, format, region);
            ContactFile file;
            QString reason;
            ASSERT_TRUE(readContactFile(out, format == ExportFormat::Csv ? "b.csv" : "b.vcf", file, reason));
            const PhoneBook back = applyImport(PhoneBook{}, planImport(PhoneBook{}, file.contacts, region), false);
            PhoneBook expected = book;
            // Stored with the home's own international prefix, a British
            // number comes back in its national form: the same line.
            if (std::string(region) == "GB")
                expected[5].number = "02079460000";
            EXPECT_EQ(back, expected) << region << (format == ExportFormat::Csv ? " CSV" : " vCard");
        }
    }
    const QByteArray vcard = exportPhoneBook(book, ExportFormat::VCard, "DE");
    EXPECT_TRUE(vcard.contains("VERSION:4.0\r\nFN:Entry 0\r\nTEL;VALUE=uri:tel:+49-30-1000100\r\n"));
    EXPECT_TRUE(vcard.contains("TEL;VALUE=text:1234567\r\n"));  // no area: kept as stored
    EXPECT_EQ(formatForFileName("a.CSV"), ExportFormat::Csv);
    EXPECT_EQ(formatForFileName("a.vcf"), ExportFormat::VCard);
}
