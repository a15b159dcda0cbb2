// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log column widths in the user's settings: key and value format,
// the lenient parse and the defaults.
#include "call_log_widths.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class CallLogWidthsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_config;
    std::unique_ptr<QSettings> settings()
    {
        return std::make_unique<QSettings>(m_config.path() + QStringLiteral("/ql310set.ini"),
                                           QSettings::IniFormat);
    }

private slots:
    void init()
    {
        QFile::remove(m_config.path() + QStringLiteral("/ql310set.ini"));
    }
    void theSevenDefaultsApplyOnTheFirstRun()
    {
        auto store = settings();
        const auto widths = ql310::readCallLogWidths(*store);
        QCOMPARE(QList<int>(widths.begin(), widths.end()),
                 (QList<int>{100, 600, 750, 1700, 1900, 1900, 1000}));
    }
    void storedWidthsReadBackAsTheSameNumbers()
    {
        {
            auto store = settings();
            ql310::storeCallLogWidths(*store, {0, 1, 22, 333, 4444, 5555, 66, 0});
        }
        auto store = settings();
        store->beginGroup(QStringLiteral("CallHistoryGrid"));
        QCOMPARE(store->value(QStringLiteral(" 4")).toString(), QStringLiteral(" 4444"));
        QCOMPARE(store->value(QStringLiteral(" 7")).toString(), QStringLiteral(" 0"));
        store->endGroup();
        const auto widths = ql310::readCallLogWidths(*store);
        QCOMPARE(QList<int>(widths.begin(), widths.end()), (QList<int>{0, 1, 22, 333, 4444, 5555, 66}));
    }
    void onlyMissingKeysTakeTheirDefault()
    {
        auto store = settings();
        store->setValue(QStringLiteral("CallHistoryGrid/ 2"), QStringLiteral(" 999"));
        const auto widths = ql310::readCallLogWidths(*store);
        QCOMPARE(widths[2], 999);
        QCOMPARE(widths[1], 600);
        QCOMPARE(widths[3], 1700);
    }
    void lenientParse_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("number");
        QTest::newRow("leading blank") << " 1700" << 1700;
        QTest::newRow("several blanks") << "   25" << 25;
        QTest::newRow("trailing junk") << " 250px" << 250;
        QTest::newRow("decimal") << "12.7" << 12;
        QTest::newRow("not a number") << "wide" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blank inside") << " 12 34" << 12;
    }
    void lenientParse()
    {
        QFETCH(QString, value);
        QFETCH(int, number);
        QCOMPARE(ql310::lenientNumber(value), number);
    }
    void aNonNumericValueGivesWidthZero()
    {
        auto store = settings();
        store->setValue(QStringLiteral("CallHistoryGrid/ 5"), QStringLiteral("abc"));
        QCOMPARE(ql310::readCallLogWidths(*store)[5], 0);
    }
};

QTEST_GUILESS_MAIN(CallLogWidthsTest)
#include "call_log_widths_test.moc"
