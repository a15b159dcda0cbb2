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
    EXPECT_EQ(cards[0].name, QString::fromUtf8("Jörg Müller"));  // given and family name of N
    EXPECT_EQ(values(cards[0]), QStringList{"+49 171 1234567"});
    EXPECT_EQ(cards[0].numbers[0].types, (QStringList{"cell", "pref"}));
    EXPECT_EQ(cards[1].name, QStringLiteral("Anna Berg"));       // folded
    EXPECT_EQ(values(cards[1]), (QStringList{"+44 20 7946 0000", "0171 555"}));
    EXPECT_EQ(cards[1].numbers[0].types, (QStringList{"home", "voice"}));
    EXPECT_EQ(cards[1].numbers[1].types, (QStringList{"cell", "voice"}));
    EXPECT_EQ(cards[2].name, QStringLiteral("Bob, the builder"));
    EXPECT_EQ(values(cards[2]), QStringList{"tel:+49-30-7654321;ext=102"});
}

TEST(VCardReader, NamesComeFromGivenAndFamilyNameWithoutTitlesCutTo18)
{
    const QList<Contact> cards = readVCards(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Prof. Dr. Maximiliane Anna Mustermann-Schmidt MBA\r\n"
        "N:Mustermann-Schmidt;Maximiliane;Anna;Prof.,Dr.;MBA\r\nTEL:0301\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Mr. Bo Li\r\nN:;;;Mr.;\r\nTEL:0302\r\nEND:VCARD\r\n");
    ASSERT_EQ(cards.size(), 2);
    EXPECT_EQ(cards[0].name, QStringLiteral("Maximiliane Mustermann-Schmidt"));
    EXPECT_EQ(cards[1].name, QStringLiteral("Mr. Bo Li"));  // N without a name: the full name
    const ImportPlan plan = planImport(PhoneBook{}, cards, "DE");
    EXPECT_EQ(plan.items[0].name, QStringLiteral("Maximiliane Muster"));
}

TEST(VCardReader, TakesEveryLineEndAndCharacterSetAndSkipsNestedCards)
{
    // LF only, Latin-1 without a CHARSET, N put together, a 2.1 AGENT card.
    const QByteArray lf = "BEGIN:VCARD\nVERSION:2.1\nN:Gro\xdf;Erika;;Dr.;\nTEL:0711 1\n"
                          "AGENT:\nBEGIN:VCARD\nN:Agent;Inner\nTEL:999\nEND:VCARD\nTEL;WORK:0711 2\nEND:VCARD\n";
    const QList<Contact> cards = readVCards(lf);
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards[0].name, QString::fromUtf8("Erika Groß"));  // no title
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
    EXPECT_TRUE(cr[0].cutOff);
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

    // The plan records which number renames its record; clearing the tick of
    // the first gives the name to the next ticked one.
    ImportPlan renamed = planImport(book, {{"First", {{"0301234567", {}}}}, {"Second", {{"0301234567", {}}}}}, "DE");
    EXPECT_TRUE(renamed.items[0].renames);
    EXPECT_FALSE(renamed.items[1].renames);
    EXPECT_TRUE(renamed.items[0].changes(true));
    EXPECT_FALSE(renamed.items[0].changes(false));
    renamed.setTicked(0, false);
    EXPECT_TRUE(renamed.items[1].renames);
    EXPECT_EQ(applyImport(book, renamed, true)[0].name, "Second");
    EXPECT_TRUE(importReport(renamed, true).join('\n').contains("name updated to \"Second\""));

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
    // One card per name with all its numbers; its import gives the same entries.
    PhoneBook shared{};
    shared[0] = {"0301000100", "Anna"};
    shared[2] = {"0302000200", "Bob"};
    shared[5] = {"0303000300", "Anna"};
    const QByteArray cards = exportPhoneBook(shared, ExportFormat::VCard, "DE");
    EXPECT_EQ(cards.count("BEGIN:VCARD"), 2);
    EXPECT_TRUE(cards.contains("FN:Anna\r\nTEL;VALUE=uri:tel:+49-30-1000100\r\nTEL;VALUE=uri:tel:+49-30-3000300\r\n"));
    ContactFile sharedFile;
    QString sharedReason;
    ASSERT_TRUE(readContactFile(cards, "s.vcf", sharedFile, sharedReason));
    const PhoneBook again = applyImport(PhoneBook{}, planImport(PhoneBook{}, sharedFile.contacts, "DE"), false);
    EXPECT_EQ(again[0], shared[0]);
    EXPECT_EQ(again[1], shared[5]);
    EXPECT_EQ(again[2], shared[2]);
    EXPECT_TRUE(again[3].free());

    const QByteArray vcard = exportPhoneBook(book, ExportFormat::VCard, "DE");
    EXPECT_TRUE(vcard.contains("VERSION:4.0\r\nFN:Entry 0\r\nTEL;VALUE=uri:tel:+49-30-1000100\r\n"));
    EXPECT_TRUE(vcard.contains("TEL;VALUE=text:1234567\r\n"));  // no area: kept as stored
    EXPECT_EQ(formatForFileName("a.CSV"), ExportFormat::Csv);
    EXPECT_EQ(formatForFileName("a.vcf"), ExportFormat::VCard);
}

// Hostile input

TEST(HostileImport, LongValuesAreRefusedWithTheirLengthAndQuotedShort)
{
    using O = ImportItem::Outcome;
    const QString digits = QStringLiteral("+49 ") + QString(20000, u'1');
    EXPECT_EQ(dialForm(digits, "DE").refusal, Refusal::ValueTooLong);
    // A long run of blanks before an extension never reaches the pattern.
    EXPECT_EQ(dialForm(QStringLiteral("030 1") + QString(100000, u' ') + QStringLiteral("ext 12"), "DE").refusal,
              Refusal::ValueTooLong);
    const QString longName(300, u'N');
    const ImportPlan plan =
        planImport(PhoneBook{}, {{"Anna", {{digits, {}}}}, {longName, {{"030 1234567", {}}}}}, "DE");
    ASSERT_EQ(plan.count(O::Refused), 2);
    const QStringList report = importReport(plan, false);
    EXPECT_EQ(report[0], QStringLiteral("refused: \"+49 %1...\" of \"Anna\": 20004 characters, more than 64")
                             .arg(QString(56, u'1')));
    EXPECT_EQ(report[1], QStringLiteral("refused: \"030 1234567\" of \"%1...\": a name of 300 characters, more "
                                        "than 256").arg(QString(60, u'N')));
}

TEST(HostileImport, ALineGoesIntoOneEntryWhateverNameItCarries)
{
    using O = ImportItem::Outcome;
    const ImportPlan plan = planImport(
        PhoneBook{}, {{"Anna", {{"+49 30 1234567", {}}}}, {"Bob", {{"030 1234567", {}}}}, {"Carl", {{"0302", {}}}}},
        "DE");
    EXPECT_EQ(plan.count(O::Fill), 2);
    EXPECT_EQ(plan.items[1].outcome, O::Twice);
    EXPECT_TRUE(importReport(plan, false).join('\n').contains("0301234567 \"Bob\": twice in the file"));
    // Duplicates of numbers that find no room are not counted as full.
    const ImportPlan full = planImport(fullBook(), {{"X", {{"0301", {}}, {"0301", {}}, {"0302", {}}}}}, "DE");
    EXPECT_EQ(full.count(O::NoRoom), 2);
    EXPECT_EQ(full.count(O::Twice), 1);
    // A number whose tick is cleared is neither imported nor reported.
    ImportPlan ticked = plan;
    ticked.items[0].ticked = false;
    const PhoneBook book = applyImport(PhoneBook{}, ticked, false);
    EXPECT_EQ(book[0], Entry{});
    EXPECT_EQ(book[1], (Entry{"0302", "Carl"}));
    EXPECT_FALSE(importReport(ticked, false).join('\n').contains("Anna"));
    // Past the first 5000 numbers an import looks no further, and says so.
    Contact many{"Many", {}};
    for (int i = 0; i < kMaxExamined + 3; ++i)
        many.numbers.append({QStringLiteral("0301"), {}});
    const ImportPlan capped = planImport(PhoneBook{}, {many}, "DE");
    EXPECT_EQ(capped.items.size(), kMaxExamined);
    EXPECT_EQ(importReport(capped, false).last(), "3 more numbers were not looked at: an import takes the first 5000");
    // The readers keep no more than that: the rest is counted.
    ContactFile file;
    QString reason;
    ASSERT_TRUE(readContactFile(QByteArray("BEGIN:VCARD\r\nFN:A\r\nTEL:0301\r\nEND:VCARD\r\n").repeated(kMaxNumbersRead + 2),
                                "a.vcf", file, reason));
    EXPECT_EQ(file.contacts.size(), kMaxNumbersRead);
    EXPECT_EQ(file.leftOut, 2);
    ASSERT_TRUE(readContactFile("Name,Phone\r\n" + QByteArray("A,0301\r\n").repeated(kMaxNumbersRead + 3), "a.csv",
                                file, reason));
    EXPECT_EQ(file.contacts.size(), kMaxNumbersRead);
    EXPECT_EQ(file.leftOut, 3);
    // A name far too long is kept cut, its length known.
    ASSERT_TRUE(readContactFile("BEGIN:VCARD\r\nFN:" + QByteArray(100000, 'N') + "\r\nTEL:0301\r\nEND:VCARD\r\n", "a.vcf",
                                file, reason));
    EXPECT_EQ(file.contacts[0].fullNameLength(), 100000);
}

TEST(HostileImport, HomeNumbersKeepTheirTrunkPrefixAndCutCardsAreLeftOut)
{
    const DialForm shortNumber = dialForm("+49 30 12", "DE");
    EXPECT_EQ(shortNumber.number, "03012");
    EXPECT_TRUE(shortNumber.incomplete);
    EXPECT_TRUE(dialForm("030 12", "DE").incomplete);
    EXPECT_FALSE(dialForm("+49 30 1234567", "DE").incomplete);
    EXPECT_FALSE(dialForm("+44 20 7946 0000", "DE").incomplete);

    ContactFile file;
    QString reason;
    ASSERT_TRUE(readContactFile("BEGIN:VCARD\r\nFN:A\r\nTEL:+49 30 12\r\nEND:VCARD\r\n"
                                "BEGIN:VCARD\r\nFN:B\r\nTEL:0302222\r\n",
                                "a.vcf", file, reason));
    EXPECT_EQ(numbersToImport(file.contacts), 1);
    const ImportPlan plan = planImport(PhoneBook{}, file.contacts, "DE");
    EXPECT_EQ(plan.count(ImportItem::Outcome::Fill), 1);
    EXPECT_EQ(importReport(plan, false),
              (QStringList{"801 03012 \"A\": new, from \"+49 30 12\" of \"A\" (looks incomplete)",
                           "refused: \"0302222\" of \"B\": the file ends inside a card"}));
}

TEST(HostileImport, UnclosedQuotesAndUtf16WithoutMarkAreNamed)
{
    ContactFile file;
    QString reason;
    EXPECT_FALSE(readContactFile("Name,Phone\r\nAnna,0301\r\n\"Bob,0302\r\nCarl,0303\r\n", "a.csv", file, reason));
    EXPECT_EQ(reason, "the quote opened in line 3 is never closed");
    EXPECT_TRUE(readContactFile("Name,Phone\r\n\"Anna\r\nBerg\",0301\r\n", "a.csv", file, reason));
    const QString text = QStringLiteral("Name,Phone\r\nAnna,0301\r\n");
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_FALSE(readContactFile(utf16, "a.csv", file, reason));
    EXPECT_TRUE(reason.startsWith("it is UTF-16 text without a byte-order mark")) << reason.toStdString();
}

TEST(HostileExport, CellsAreNoFormulasAndNamesComeBack)
{
    PhoneBook book;
    const QStringList names = {"=1+2", "@SUM(A1)", "-x", "\tTab", "A;B,C\\D", "Cr\rLf\nEsc\x1b"};
    for (int i = 0; i < names.size(); ++i)
        book[static_cast<size_t>(i)] = {QStringLiteral("030100%1").arg(i), names[i]};
    const QByteArray csv = exportPhoneBook(book, ExportFormat::Csv, "DE");
    EXPECT_TRUE(csv.contains("\"'=1+2\",\"'+49 30 1000\""));
    EXPECT_TRUE(csv.contains("\"'@SUM(A1)\""));
    const QByteArray vcard = exportPhoneBook(book, ExportFormat::VCard, "DE");
    EXPECT_TRUE(vcard.contains("FN:Cr\\nLf\\nEsc\x1b\r\n"));
    EXPECT_TRUE(vcard.contains("FN:A\\;B\\,C\\\\D\r\n"));
    for (ExportFormat format : {ExportFormat::Csv, ExportFormat::VCard}) {
        ContactFile file;
        QString reason;
        ASSERT_TRUE(readContactFile(format == ExportFormat::Csv ? csv : vcard,
                                    format == ExportFormat::Csv ? "b.csv" : "b.vcf", file, reason));
        ASSERT_EQ(file.contacts.size(), names.size());
        for (int i = 0; i < names.size(); ++i)
            EXPECT_EQ(peerName(file.contacts[i].name), peerName(names[i])) << i;
    }
    // What PeerName keeps of a name with control characters: blanks.
    EXPECT_EQ(peerName(names[5]), "Cr Lf Esc");
    EXPECT_EQ(printable(QStringLiteral("A\x1b[31mB\x7f\u0085C")), "A?[31mB??C");
}
