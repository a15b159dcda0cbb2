// SPDX-License-Identifier: GPL-3.0-or-later
// The open window and the call log collected without it: the line of new
// calls a fetch elsewhere brought, with Refresh, and the line of the newest
// gap of calls never fetched, with Dismiss; the statistics mark its days.
#include "call_gaps.h"
#include "library_binding.h"
#include "call_log_commands.h"
#include "call_log_grid.h"
#include "call_log_model.h"
#include "call_log_workbench.h"
#include "collection_lines.h"
#include "statistics_window.h"
#include "window_test_base.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

class CollectionLinesTest : public ql310::test::WindowTestBase {
    Q_OBJECT

    ql310::collection::CollectionLines& lines() { return window().collectionLines(); }
    int rows() { return window().callLogGrid()->callLogModel()->rowCount(); }
    QAction* action(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    void addCall(const QString& line) { QCOMPARE(m_adapter->command(line.toStdString()), std::string("ok")); }
    // ql310ctl fetches into the window's log, as the timer's service does.
    void fetchElsewhere()
    {
        QProcess ctl;
        ctl.start(QL310CTL_PATH, {"calllog", "fetch", "--quiet"});
        QVERIFY(ctl.waitForFinished(30000));
        QCOMPARE(ctl.exitCode(), 0);
    }

private slots:
    void initTestCase() { ql310::test::useTemporaryHome(m_home); }
    void init()
    {
        static int run = 0;
        qputenv("QL310SET_DATA_DIR", m_home.filePath(QStringLiteral("data%1").arg(++run)).toLocal8Bit());
        newRun();
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
    }
    void cleanup()
    {
        m_interaction.answer(ql310::UserInteraction::No);
        window().close();
        endRun();
    }

    void aFetchElsewhereShowsTheNewCallsLineUntilRefresh()
    {
        QFrame* line = lines().newCallsLine();
        QVERIFY(line->isHidden());
        QCOMPARE(rows(), 6);
        addCall("call in 1 0301234567 30");
        fetchElsewhere();
        QTRY_VERIFY(!line->isHidden());
        QCOMPARE(line->findChild<QLabel*>("NewCallsLineText")->text(), QString("New calls were fetched."));
        QCOMPARE(line->findChild<QPushButton*>("NewCallsRefresh")->text().remove(u'&'), QString("Refresh"));
        QCOMPARE(rows(), 6); // the grid is left as it was until the user asks
        line->findChild<QPushButton*>("NewCallsRefresh")->click();
        QVERIFY(line->isHidden());
        QCOMPARE(rows(), 7);

        // The window's own Read shows its calls: no line.
        addCall("call out 2 0891111111 10");
        action("mnuCLRead")->trigger();
        QCOMPARE(rows(), 8);
        lines().check();
        QVERIFY(line->isHidden());
    }

    void theNewestGapIsShownUntilDismissedAndMarkedInTheStatistics()
    {
        QFrame* line = lines().gapLine();
        QVERIFY(line->isHidden());
        // The adapter's memory overflows before the window's next Read.
        for (int i = 1; i <= 120; ++i)
            addCall(QString("call in 1 0302%1 %2").arg(i, 3, 10, QChar('0')).arg(121 - i));
        action("mnuCLRead")->trigger();
        QVERIFY(!line->isHidden());
        const QString text = lines().gapText()->text();
        QVERIFY2(text.startsWith("Calls between ") &&
                     text.endsWith(" are missing: the adapter's memory of 90 calls overflowed before it was read."),
                 qPrintable(text));

        window().callLogWorkbench().showStatistics();
        auto* axis = qobject_cast<QBarCategoryAxis*>(
            window().callLogWorkbench().statisticsWindow()->chartView(0)->chart()->axes(Qt::Horizontal).first());
        QVERIFY(axis);
        // Each day the gap spans is marked: one, or two around midnight.
        const std::optional<ql310::collection::Gap> gap = ql310::collection::newestGap(window().callLog().store());
        QVERIFY(gap);
        QVERIFY(axis->categories().contains(gap->to.date().toString("MM-dd") + " *"));
        QCOMPARE(axis->categories().filter(" *").size(), gap->from.date().daysTo(gap->to.date()) + 1);

        line->findChild<QPushButton*>("GapDismiss")->click();
        QVERIFY(line->isHidden());
        // Dismissed for good, and still listed.
        QVERIFY(!ql310::collection::newestGap(window().callLog().store()));
        QVector<ql310::collection::Gap> gaps;
        QVERIFY(ql310::collection::allGaps(window().callLog().store(), gaps));
        QCOMPARE(gaps.size(), 1);
    }
};

QTEST_MAIN(CollectionLinesTest)
#include "collection_lines_test.moc"
