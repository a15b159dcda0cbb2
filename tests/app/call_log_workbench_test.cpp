// SPDX-License-Identifier: GPL-3.0-or-later
// The call log as a workbench in the main window against a real simulated
// adapter: names from the phone book, the filter bar, Export and Statistics.
#include "call_filter_bar.h"
#include "call_log_commands.h"
#include "call_log_grid.h"
#include "call_log_workbench.h"
#include "fixed_cell_grid.h"
#include "library_binding.h"
#include "statistics_window.h"
#include "window_test_base.h"

#include <QAction>
#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QtTest>

using ql310::calllog::CallLogModel;

class CallLogWorkbenchTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    CallLogModel& model() { return *window().callLogGrid()->callLogModel(); }
    ql310::calllog::CallLogWorkbench& bench() { return window().callLogWorkbench(); }
    QAction* action(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    QStringList column(int c)
    {
        QStringList cells;
        for (int row = 0; row < model().rowCount(); ++row)
            cells << model().cellText(row, c);
        return cells;
    }
    template <class Widget>
    Widget* bar(const char* name)
    {
        return bench().filterBar()->findChild<Widget*>(QString::fromLatin1(name));
    }
    void startNormally()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
    }
    void search(const QString& text)
    {
        bar<QLineEdit>("CallSearch")->setText(text);
        QTest::keyClick(bar<QLineEdit>("CallSearch"), Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
    }
    void init()
    {
        static int run = 0;
        qputenv("QL310SET_DATA_DIR", m_home.filePath(QStringLiteral("data%1").arg(++run)).toLocal8Bit());
        newRun();
    }
    void cleanup()
    {
        if (m_window) {
            m_interaction.answer(ql310::UserInteraction::No);
            m_window->close();
        }
        endRun();
    }

    void theMenuGainsExportAndStatisticsAfterItsOwnItems()
    {
        QStringList names;
        for (QAction* item : window().menu("mnuCallLogging")->actions())
            names << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
        QCOMPARE(names, (QStringList{"mnuCLRead", "mnuCLClear", "mnuCLSort", "-", "mnuCLExport",
                                     "mnuCLStatistics"}));
    }
    void aPhoneBookEntryNamesItsCallsAndTheSearchFindsThem()
    {
        startNormally();
        QCOMPARE(model().headerData(CallLogModel::kNameColumn, Qt::Horizontal).toString(), QStringLiteral("Name"));
        const int alice = int(column(3).indexOf("0301234567"));
        QVERIFY(alice >= 0);
        QCOMPARE(model().cellText(alice, CallLogModel::kNameColumn), QString());
        // The adapter is in Germany: the international form names the call.
        window().grid("PhoneBookGrid2")->setCellText(3, 1, QStringLiteral("0049301234567"));
        window().grid("PhoneBookGrid2")->setCellText(3, 2, QStringLiteral("Alice"));
        QTRY_COMPARE(model().cellText(alice, CallLogModel::kNameColumn), QStringLiteral("Alice"));
        QCOMPARE(bench().filterBar()->countText(), QStringLiteral("6 of 6 calls"));
        search(QStringLiteral("ali"));
        QCOMPARE(column(3), QStringList{"0301234567"});
        QCOMPARE(bench().filterBar()->countText(), QStringLiteral("1 of 6 calls"));
        // A Read keeps the filter.
        action("mnuCLRead")->trigger();
        QCOMPARE(column(3), QStringList{"0301234567"});
        search(QStringLiteral("0"));
        const int shown = model().rowCount();
        QVERIFY(shown > 1 && shown < 6);
        model().sort(3, Qt::DescendingOrder);
        QStringList sorted = column(3);
        QCOMPARE(sorted.size(), shown);
        QVERIFY(sorted.first().toDouble() > sorted.last().toDouble());
        bench().filterBar()->reset();
        QCOMPARE(model().rowCount(), 6);
    }
    void daysTheWrongWayRoundShowNoCallsAndSayWhy()
    {
        startNormally();
        bar<QDateEdit>("CallFrom")->setDate(QDate(2026, 3, 2));
        bar<QDateEdit>("CallTo")->setDate(QDate(2026, 3, 1));
        bar<QCheckBox>("CallFromOn")->setChecked(true);
        bar<QCheckBox>("CallToOn")->setChecked(true);
        QCOMPARE(model().rowCount(), 0);
        QVERIFY(bench().filterBar()->countText().contains(QStringLiteral("after the last day")));
        bar<QCheckBox>("CallToOn")->setChecked(false);
        QVERIFY(bench().filterBar()->countText().endsWith(QStringLiteral("of 6 calls")));
    }
    void exportWritesTheShownCallsAndSaysWhenItCannot()
    {
        startNormally();
        bar<QComboBox>("CallDirection")->setCurrentIndex(2); // outgoing
        QCOMPARE(model().rowCount(), 4);
        const QString csv = m_home.filePath(QStringLiteral("calls"));
        m_interaction.chooseFileAnswer(csv);
        action("mnuCLExport")->trigger();
        const QList<QByteArray> lines = ql310::test::readAll(csv + ".csv").split('\n');
        QCOMPARE(lines.size(), 1 + 4 + 1);
        QVERIFY(lines[0].startsWith("direction,port,number,start,end,duration,lost,in progress,name,duration_s"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(lines[i].startsWith("out,"));
        // The status line says what was written.
        QCOMPARE(window().statusPanel(1), QStringLiteral("4 calls written to calls.csv"));
        QCOMPARE(ql310::calllog::exportedText(1234, QStringLiteral("/tmp/calls.csv")),
                 QStringLiteral("1,234 calls written to calls.csv"));
        m_interaction.chooseFileAnswer(m_home.filePath(QStringLiteral("calls.json")));
        action("mnuCLExport")->trigger();
        QCOMPARE(QJsonDocument::fromJson(ql310::test::readAll(m_home.filePath("calls.json"))).array().size(), 4);
        QVERIFY(m_interaction.asked().isEmpty());
        m_interaction.chooseFileAnswer(m_home.filePath(QStringLiteral("no/such/dir/calls.csv")));
        action("mnuCLExport")->trigger();
        QCOMPARE(m_interaction.asked().size(), 1);
        QVERIFY(m_interaction.asked().first().text.startsWith(QStringLiteral("The calls could not be exported")));
        QCOMPARE(m_interaction.asked().first().title, QStringLiteral("USB ISDN TA Configuration"));
    }
    void statisticsFollowTheFilterAndSaveTheirCharts()
    {
        startNormally();
        action("mnuCLStatistics")->trigger();
        ql310::calllog::StatisticsWindow* stats = bench().statisticsWindow();
        QVERIFY(stats && stats->isVisible());
        // Centred over the main window, inside the screen; Escape closes it.
        const QRect screen = window().screen()->availableGeometry();
        QVERIFY2(screen.contains(stats->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6").arg(stats->frameGeometry().x()).arg(stats->frameGeometry().y())
                                .arg(stats->frameGeometry().width()).arg(stats->frameGeometry().height())
                                .arg(screen.width()).arg(screen.height())));
        const QPoint offset = stats->frameGeometry().center() - window().frameGeometry().center();
        QVERIFY2(stats->frameGeometry().width() == screen.width() || offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        QTest::keyClick(stats, Qt::Key_Escape);
        QVERIFY(!stats->isVisible());
        action("mnuCLStatistics")->trigger();
        QCOMPARE(stats->chartCount(), 5);
        QCOMPARE(stats->figures().calls, 6);
        const QString summary = stats->findChild<QLabel*>("CallStatisticsSummary")->text();
        QVERIFY2(summary.startsWith(QStringLiteral("6 calls, ")) &&
                     summary.endsWith(QStringLiteral(" (lost calls not counted)")),
                 qPrintable(summary));
        bar<QComboBox>("CallPort")->setCurrentIndex(1); // Port1
        QCOMPARE(stats->figures().calls, 1);
        const QString svg = m_home.filePath(QStringLiteral("calls.svg"));
        QVERIFY(stats->saveChart(0, svg));
        QVERIFY(ql310::test::readAll(svg).contains("<svg"));
        const QString png = m_home.filePath(QStringLiteral("talk.png"));
        QVERIFY(stats->saveChart(1, png));
        QVERIFY(ql310::test::readAll(png).startsWith("\x89PNG"));
    }
    void aLogOfMoreThanTwoMonthsIsChartedByMonthEveryMonthShown()
    {
        startNormally();
        // Beside the adapter's calls of December 2026: two in January 2025,
        // one on the last day of March 2025.
        ql310::calllog::CallLogStore& store = window().callLog().store();
        for (const auto& [day, number] : {std::pair{QDate(2025, 1, 15), "0301"}, {QDate(2025, 1, 31), "0302"},
                                          {QDate(2025, 3, 31), "0303"}}) {
            ql310::calllog::LogRow row;
            row.port = QStringLiteral("Port1");
            row.phoneNumber = QString::fromLatin1(number);
            row.startDate = row.endDate = day;
            row.startTime = QTime(10, 0);
            row.endTime = QTime(10, 1);
            QVERIFY(store.insertLog(row));
        }
        action("mnuCLRead")->trigger();
        bench().showStatistics();
        QChart* chart = bench().statisticsWindow()->chartView(0)->chart();
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).first());
        QVERIFY(axis);
        const QStringList months = axis->categories();
        QCOMPARE(months.size(), 24); // January 2025 to December 2026, none left out
        QCOMPARE(months.first(), QStringLiteral("2025-01"));
        QCOMPARE(months.last(), QStringLiteral("2026-12"));
        auto* series = qobject_cast<QAbstractBarSeries*>(chart->series().first());
        QVERIFY(series);
        const auto callsIn = [&](int month) {
            double calls = 0;
            for (QBarSet* set : series->barSets())
                calls += set->at(month);
            return calls;
        };
        QCOMPARE(callsIn(0), 2.0);
        QCOMPARE(callsIn(1), 0.0);
        QCOMPARE(callsIn(2), 1.0);
        QCOMPARE(callsIn(23), 6.0);
    }
};

QTEST_MAIN(CallLogWorkbenchTest)
#include "call_log_workbench_test.moc"
