// SPDX-License-Identifier: GPL-3.0-or-later
// ql310ctl phonebook against a real simulated adapter (country Germany):
// the report an import prints, a dry run that writes nothing, an import that
// reaches the adapter's table block, an export that comes back the same,
// and the exit status of each failure.
#include "simulated_adapter.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using ql310::test::SimulatedAdapter;
using ql310::test::TemporaryDirectory;

struct Result {
    int status = -1;
    QString out;
    QString err;
};

Result ctl(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(QL310CTL_PATH), args);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray slurp(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool spit(const std::string& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class PhoneBookCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("QL310_DEVICE_DIR", (m_dir.path() + "/nodevice").c_str(), 1);
        setenv("QL310_REGISTRY", (m_dir.path() + "/hklm.reg").c_str(), 1);
        setenv("QL310_TIMEOUT_MS", "3000", 1);
    }
    QString path(const char* name) const { return QString::fromStdString(m_dir.path() + "/" + name); }
    QByteArray table() const { return slurp(m_adapter.stateDir() + "/table.bin"); }

    TemporaryDirectory m_dir;
    SimulatedAdapter m_adapter{QL310_ADAPTER_PATH};
};

const QByteArray kCards =
    "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:M=FCller;J=F6rg\r\n"
    "TEL;CELL:+49 171 1234567\r\nTEL;WORK:030 1234567 x12\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\nTEL;TYPE=home:+44 20 7946 0000\r\nTEL:HomePhone\r\nEND:VCARD\r\n";

TEST(PhoneBookCliWithoutAdapter, RefusesBadArgumentsAndFilesBeforeTheAdapter)
{
    TemporaryDirectory dir;
    setenv("QL310_DEVICE_DIR", (dir.path() + "/nodevice").c_str(), 1);
    EXPECT_EQ(ctl({"phonebook"}).status, 2);
    EXPECT_EQ(ctl({"phonebook", "export"}).status, 2);  // neither --vcard nor --csv
    EXPECT_EQ(ctl({"phonebook", "export", "--vcard", "--csv"}).status, 2);
    EXPECT_EQ(ctl({"phonebook", "import"}).status, 2);
    ASSERT_TRUE(spit(dir.path() + "/binary.vcf", QByteArray("\0\1\2\3", 4)));
    const Result binary = ctl({"phonebook", "import", QString::fromStdString(dir.path() + "/binary.vcf")});
    EXPECT_EQ(binary.status, 6);
    EXPECT_TRUE(binary.err.contains("binary")) << binary.err.toStdString();
    ASSERT_TRUE(spit(dir.path() + "/odd.csv", "A,B\r\nAnna,0301\r\n"));
    const Result odd = ctl({"phonebook", "import", QString::fromStdString(dir.path() + "/odd.csv")});
    EXPECT_EQ(odd.status, 2);
    EXPECT_TRUE(odd.err.contains("--number-column")) << odd.err.toStdString();
    // A file without a number fails; so does one that ends inside its card.
    for (const QByteArray& cards : {QByteArray("BEGIN:VCARD\r\nFN:Anna\r\nEND:VCARD\r\n"),
                                    QByteArray("BEGIN:VCARD\r\nFN:Anna\r\nTEL:0301\r\n")}) {
        ASSERT_TRUE(spit(dir.path() + "/none.vcf", cards));
        const QString none = QString::fromStdString(dir.path() + "/none.vcf");
        const Result result = ctl({"phonebook", "import", none});
        EXPECT_EQ(result.status, 6);
        EXPECT_TRUE(result.err.contains("no telephone number found in " + none)) << result.err.toStdString();
    }
    // Messages show control characters as "?".
    const QString escape = QString::fromStdString(dir.path() + "/\x1b[2J.vcf");
    const Result missing = ctl({"phonebook", "import", escape});
    EXPECT_EQ(missing.status, 6);
    EXPECT_FALSE(missing.err.contains(u'\x1b'));
    EXPECT_TRUE(missing.err.contains("/?[2J.vcf")) << missing.err.toStdString();
    // A readable file but no adapter.
    ASSERT_TRUE(spit(dir.path() + "/a.vcf", kCards));
    EXPECT_EQ(ctl({"phonebook", "import", QString::fromStdString(dir.path() + "/a.vcf")}).status, 3);
    EXPECT_TRUE(ctl({"phonebook", "import", "--help"}).out.contains("--update-names"));
}

TEST_F(PhoneBookCli, ADryRunReportsAndAnImportReachesTheAdapter)
{
    ASSERT_TRUE(m_adapter.start());
    ASSERT_TRUE(spit(path("a.vcf").toStdString(), kCards));
    const QByteArray before = table();

    const Result dry = ctl({"phonebook", "import", path("a.vcf"), "--dry-run"});
    ASSERT_EQ(dry.status, 0) << dry.err.toStdString();
    const QStringList report = dry.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(report.size(), 4) << dry.out.toStdString();
    EXPECT_TRUE(report[0].startsWith(QString::fromUtf8("801 01711234567 \"Jörg Müller\": new")));
    EXPECT_TRUE(report[1].endsWith("(extension 12 dropped)"));
    EXPECT_TRUE(report[2].startsWith("803 00442079460000 \"Anna\": new"));
    EXPECT_EQ(report[3], "refused: \"HomePhone\" of \"Anna\": no digit");
    EXPECT_EQ(table(), before);

    const Result real = ctl({"phonebook", "import", path("a.vcf")});
    ASSERT_EQ(real.status, 0) << real.err.toStdString();
    EXPECT_EQ(real.out, dry.out);
    EXPECT_TRUE(real.err.contains("Write to ISDN TA Success !"));
    EXPECT_NE(table(), before);

    // Again: every number is there; a new name only with --update-names.
    ASSERT_TRUE(spit(path("b.csv").toStdString(), "Name,Phone\r\nAnnabel,+44 20 7946 0000\r\n"));
    EXPECT_TRUE(ctl({"phonebook", "import", path("b.csv")}).out.contains("already in the phone book, skipped"));
    const Result quiet = ctl({"phonebook", "import", path("b.csv"), "--update-names", "--quiet"});
    ASSERT_EQ(quiet.status, 0) << quiet.err.toStdString();
    EXPECT_EQ(quiet.out + quiet.err, "");

    const Result vcard = ctl({"phonebook", "export", "--vcard"});
    ASSERT_EQ(vcard.status, 0);
    EXPECT_TRUE(vcard.out.contains("FN:Annabel\r\nTEL;VALUE=uri:tel:+44-20-7946-0000\r\n")) << vcard.out.toStdString();
    ASSERT_EQ(ctl({"phonebook", "export", "--csv", path("book.csv")}).status, 0);
    EXPECT_TRUE(slurp(path("book.csv").toStdString()).startsWith("Entry,Name,Number\r\n801,"));
    // The export read back finds every number in the phone book already.
    const Result again = ctl({"phonebook", "import", path("book.csv"), "--dry-run"});
    EXPECT_EQ(again.out.count("already in the phone book"), 3) << again.out.toStdString();
}

TEST_F(PhoneBookCli, AnAdapterThatRefusesTheWriteKeepsItsPhoneBookAndSaysSo)
{
    ASSERT_TRUE(m_adapter.start({"busy write"}));
    ASSERT_TRUE(spit(path("a.vcf").toStdString(), kCards));
    const QByteArray before = table();
    const Result busy = ctl({"phonebook", "import", path("a.vcf")});
    EXPECT_EQ(busy.status, 4) << busy.err.toStdString();
    EXPECT_TRUE(busy.err.contains("Write to ISDN TA Fail")) << busy.err.toStdString();
    EXPECT_EQ(table(), before);
}

} // namespace
