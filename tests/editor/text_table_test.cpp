// SPDX-License-Identifier: GPL-3.0-or-later
// The text table: ids, exact texts with their typos and blanks, the value
// bases, and the access-key rule of captions.
#include "text_table.h"

#include <QKeySequence>
#include <QtTest>

using ql310::text;

class TextTableTest : public QObject {
    Q_OBJECT

private slots:
    void everyIdFrom101To422HasAPrintableTextOfAtMost72Characters()
    {
        for (int id = ql310::textNumber(ql310::kFirstTextId); id <= ql310::textNumber(ql310::kLastTextId); ++id) {
            const QString value = text(ql310::TextId(id));
            QVERIFY2(!value.isEmpty(), qPrintable(QString::number(id)));
            QVERIFY2(value.size() <= 72, qPrintable(QString::number(id)));
            for (QChar c : value)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(QString::number(id)));
        }
    }
    void idsOutsideTheTableGiveNothing()
    {
        QTest::ignoreMessage(QtWarningMsg, "ql310set: no text with id 100");
        QCOMPARE(text(ql310::TextId(100)), QString());
        QTest::ignoreMessage(QtWarningMsg, "ql310set: no text with id 423");
        QCOMPARE(text(ql310::TextId(423)), QString());
    }
    void textsKeepTheirTyposAndSpelling_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("expected");
        QTest::newRow("title") << 101 << "USB ISDN TA Configuration";
        QTest::newRow("ampersand pair") << 106 << "Phone && Data Function";
        QTest::newRow("MSN label") << 118 << "Incoming MSN && Ring type";
        QTest::newRow("caller id 2") << 137 << "DTMF pre-first ring";
        QTest::newRow("forward delay") << 144 << "Delay before forwarding on \"No Answer\"";
        QTest::newRow("MLPPP") << 158
                               << "Prefer 1 B channel first for MLPPP function when using NDISWAN driver";
        QTest::newRow("open ok") << 171 << "Open Success !";
        QTest::newRow("open fail") << 172 << "Open Fail ! ISDN TA may not active";
        QTest::newRow("write fail") << 174 << "Write to ISDN TA Fail ! ISDN TA May not active or busy";
        QTest::newRow("help 183") << 183
                                  << "Range between 1x -->4xxx , the first digit must between be 1 to 4";
        QTest::newRow("canel") << 392 << "Canel";
        QTest::newRow("waring") << 404 << "Waring! ISDN TA is not connected.";
        QTest::newRow("question") << 403 << "Writing to ISDN TA now?";
        QTest::newRow("BOD rule") << 413 << "The value of \"Item4\" must be less than the \"Item3\".";
        QTest::newRow("none") << 150 << "none";
        QTest::newRow("Mon-Sun") << 360 << "Mon-Sun";
        QTest::newRow("hour all") << 364 << "All";
        QTest::newRow("last") << 422 << "Deactivate";
    }
    void textsKeepTheirTyposAndSpelling()
    {
        QFETCH(int, id);
        QFETCH(QString, expected);
        QCOMPARE(text(ql310::TextId(id)), expected);
    }
    void blanksArePartOfTheText()
    {
        QCOMPARE(text(ql310::TextId::Blank), QString(17, u' '));
        QCOMPARE(text(ql310::TextId::In), QStringLiteral(" IN"));
        QVERIFY(text(ql310::TextId::MonthDayYearMonthDay).startsWith(QStringLiteral("  Month  / Day  /  Year")));
        QVERIFY(!text(ql310::TextId::MonthDayYearMonthDay).startsWith(QStringLiteral("   ")));
        QCOMPARE(text(ql310::TextId::Out), QStringLiteral("OUT"));
    }
    void rightsNoticeIsOneLineNamingTheLicence()
    {
        QVERIFY(!text(ql310::TextId::CopyrightCTheQl310setAuthors).contains(u'\n'));
        QVERIFY(text(ql310::TextId::CopyrightCTheQl310setAuthors).contains(QStringLiteral("GPL-3.0-or-later")));
    }
    void countryNamesAsTheAdapterReportsThem_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "International";
        QTest::newRow("13") << 13 << "xxxxxx";
        QTest::newRow("19") << 19 << "Isreal";
        QTest::newRow("26") << 26 << "NewZealand";
        QTest::newRow("29") << 29 << "Philippine";
        QTest::newRow("30") << 30 << "Thiland";
        QTest::newRow("37") << 37 << "Brasil";
        QTest::newRow("43") << 43 << "Hongkong";
        QTest::newRow("18") << 18 << "Portugal";
        QTest::newRow("51") << 51 << "Portugal";
        QTest::newRow("56") << 56 << "xxxxxx";
        QTest::newRow("58") << 58 << "Sri Lanka";
        QTest::newRow("59") << 59 << "xxxxxx";
        QTest::newRow("72") << 72 << "xxxxxx";
    }
    void countryNamesAsTheAdapterReportsThem()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(text(ql310::textAfter(ql310::TextId::International, code)), name);
    }
    void valueRunsFollowTheirBases()
    {
        QCOMPARE(text(ql310::textAfter(ql310::TextId::MultipleSubscriptionNumberAndRing, 1)), QStringLiteral("01"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::MultipleSubscriptionNumberAndRing, 24)), QStringLiteral("24"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::Count00, 0)), QStringLiteral("00"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::Count00, 60)), QStringLiteral("60"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::Type1, 3)), QStringLiteral("Type 4"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::NoForward, 2)), QStringLiteral("No Answer"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::Disable, 2)), QStringLiteral("Point to MP"));
        QCOMPARE(text(ql310::kPortHeaderTexts[3]), QStringLiteral("Port 4"));
        QCOMPARE(text(ql310::textAfter(ql310::TextId::MonFri, 1)), QStringLiteral("Sat-Sun"));
        // The base text itself is not an hour.
        QCOMPARE(text(ql310::TextId::MultipleSubscriptionNumberAndRing), QStringLiteral("Multiple Subscription Number && Ring Type Setting"));
    }
    void accessKeyRule()
    {
        QCOMPARE(ql310::captionDisplayText(text(ql310::TextId::PhoneAndDataFunction)), QStringLiteral("Phone & Data Function"));
        QCOMPARE(ql310::captionAccessKey(text(ql310::TextId::PhoneAndDataFunction)), QChar());
        QCOMPARE(ql310::captionDisplayText(text(ql310::TextId::ReadFromIsdnTa)), QStringLiteral("Read from ISDN TA"));
        QCOMPARE(ql310::captionAccessKey(text(ql310::TextId::ReadFromIsdnTa)), QChar(u'R'));
        QCOMPARE(ql310::captionAccessKey(text(ql310::TextId::LoadLcr)), QChar(u'o'));
        QCOMPARE(ql310::captionAccessKey(QStringLiteral("A && &B")), QChar(u'B'));
        QCOMPARE(ql310::captionDisplayText(QStringLiteral("A && &B")), QStringLiteral("A & B"));
        // Qt reads the captions by the same rule.
        QCOMPARE(QKeySequence::mnemonic(text(ql310::TextId::ReadFromIsdnTa)), QKeySequence(Qt::ALT | Qt::Key_R));
        QCOMPARE(QKeySequence::mnemonic(text(ql310::TextId::PhoneAndDataFunction)), QKeySequence());
    }
};

QTEST_GUILESS_MAIN(TextTableTest)
#include "text_table_test.moc"

