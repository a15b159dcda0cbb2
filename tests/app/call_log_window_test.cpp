// SPDX-License-Identifier: GPL-3.0-or-later
// The call log in the main window against a real simulated adapter: the
// refresh at start-up and by Read, the grid's commands and their focus rule,
// sorting, printing and the clear dialog through the menu.
#include "call_log_commands.h"
#include "call_log_grid.h"
#include "call_log_indexing.h"
#include "clear_call_log_dialog.h"
#include "library_binding.h"
#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"

#include <QAction>
#include <QBrush>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QProgressBar>
#include <QSqlQuery>
#include <QtTest>

using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::calllog::CallLogModel;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;

namespace {

class TestClock : public ql310::Clock {
public:
    QDateTime now() const override { return m_now; }
    QDateTime m_now = QDateTime::currentDateTime();
};

// Answers the printer dialog by printing into a PDF file.
class PrintingInteraction : public ScriptedInteraction {
public:
    QString pdf;
    bool choosePrinter(QPrinter& printer) override
    {
        if (pdf.isEmpty())
            return ScriptedInteraction::choosePrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
};

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

class CallLogWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::unique_ptr<SimulatedAdapter> m_adapter;
    std::unique_ptr<ql310::LibraryBinding> m_library;
    PrintingInteraction m_interaction;
    TestClock m_clock;
    std::unique_ptr<MainWindow> m_window;

    MainWindow& window()
    {
        if (!m_window) {
            m_window = std::make_unique<MainWindow>(*m_library, m_interaction);
            m_window->setClock(m_clock);
        }
        return *m_window;
    }
    CallLogModel& grid() { return *window().callLogGrid()->callLogModel(); }
    QAction* action(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    QStringList column(int c)
    {
        QStringList cells;
        for (int row = 0; row < grid().rowCount(); ++row)
            cells << grid().cellText(row, c);
        return cells;
    }
    void startNormally()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
    }
    void addCalls(int count)
    {
        for (int i = 0; i < count; ++i) {
            ql310::calllog::LogRow row;
            row.port = QStringLiteral("Port2");
            row.phoneNumber = QString::number(1000 + i);
            row.startDate = row.endDate = QDate(2025, 6, 1);
            row.startTime = QTime(1, 0).addSecs(i);
            row.endTime = row.startTime.addSecs(30);
            QVERIFY(window().callLog().store().insertLog(row));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // Each test sets its own data directory (below).
        ql310::test::useTemporaryHome(m_home);
    }
    void init()
    {
        static int run = 0;
        qputenv("QL310SET_DATA_DIR", m_home.filePath(QStringLiteral("data%1").arg(++run)).toLocal8Bit());
        m_adapter = std::make_unique<SimulatedAdapter>(QL310_ADAPTER_PATH);
        m_library = ql310::test::boundTestLibrary();
        m_interaction = PrintingInteraction();
        m_clock.m_now = QDateTime::currentDateTime();
    }
    void cleanup()
    {
        if (m_window) {
            m_interaction.answer(UserInteraction::No);
            m_window->close();
        }
        m_window.reset();
        m_adapter.reset();
        m_library.reset();
    }

    // Refresh
    void startUpShowsTheAdaptersCallsInTheirColours()
    {
        startNormally();
        QCOMPARE(window().statusPanel(1), QStringLiteral("This time you got 6 records in Call Logging."));
        QCOMPARE(grid().rowCount(), 6);
        QCOMPARE(column(1), (QStringList{" IN", "OUT", "OUT", "OUT", " IN", "OUT"}));
        QCOMPARE(column(2), (QStringList{"Port1", "Port2", "Tran(B1)", "Data(B1)", "Port3", "Port4"}));
        QCOMPARE(grid().cellText(4, 3), QStringLiteral("*****"));
        QCOMPARE(grid().cellText(0, 6), QStringLiteral("00:03:05"));
        QCOMPARE(grid().index(0, 2).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
        QCOMPARE(grid().index(1, 2).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        // The last call is still going on.
        QCOMPARE(grid().cellText(5, 4), QStringLiteral("-----"));
        QCOMPARE(grid().cellText(5, 5), QStringLiteral("-----"));
        QVERIFY(QFile::exists(QDir(ql310::callLogDirectory()).filePath("CallHistory.mdb")));
    }
    void aLogWithoutSortIndexesIsShownAtOnceAndIndexedMeanwhile()
    {
        {
            // A log of an earlier version: its own start-sort index, none of today's.
            ql310::calllog::CallLogStore old(ql310::callLogDirectory());
            QVERIFY(old.ensureFiles());
            QSqlQuery query(old.logDatabase());
            QVERIFY(query.exec("SELECT name FROM sqlite_master WHERE type = 'index' AND "
                               "(name LIKE 'DataOrder%' OR name LIKE 'DataSort%' OR name = 'DataLost')"));
            QStringList names;
            while (query.next())
                names << query.value(0).toString();
            QCOMPARE(names.size(), 8);
            for (const QString& name : names)
                QVERIFY(query.exec("DROP INDEX " + name));
            QVERIFY(query.exec("CREATE INDEX DataOrderStart ON Data ((Recording = 0), StartDate, StartTime)"));
            QCOMPARE(old.missingSortIndexes(), 9);
        }
        startNormally();
        QCOMPARE(grid().rowCount(), 6);
        QProgressBar* bar = window().callLog().indexingBar();
        QVERIFY(!bar->isHidden());
        QTRY_COMPARE(window().callLog().store().missingSortIndexes(), 0);
        QTRY_VERIFY(!window().callLog().indexBuilder()->running() && bar->isHidden());
        QCOMPARE(bar->value(), bar->maximum());
    }
    void aSecondReadShowsTheSameCallsWithTheCallInProgressUpdated()
    {
        startNormally();
        const QString before = grid().cellText(5, 6);
        const QStringList numbers = column(3);
        m_clock.m_now = m_clock.m_now.addSecs(600);
        action("mnuCLRead")->trigger();
        QCOMPARE(window().statusPanel(1), QStringLiteral("This time you got 6 records in Call Logging."));
        QCOMPARE(window().clearStatusOnTabFocus(), ql310::kTrue);
        QCOMPARE(column(3), numbers);
        const QTime longer = QTime::fromString(grid().cellText(5, 6), QStringLiteral("hh:mm:ss"));
        QCOMPARE(QTime::fromString(before, QStringLiteral("hh:mm:ss")).secsTo(longer), 600);
    }
    void aFailedReadLeavesTheLogAsItWas()
    {
        startNormally();
        QCOMPARE(m_adapter->command("vanish"), std::string("ok"));
        action("mnuCLRead")->trigger();
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Fail ! ISDN TA may not active"));
        QCOMPARE(grid().rowCount(), 6);
        QCOMPARE(window().clearStatusOnTabFocus(), ql310::kFalse);
    }
    void aLogThatCannotBeOpenedIsReportedAndNothingIsShown()
    {
        // A directory where the log file should be.
        QVERIFY(QDir().mkpath(QDir(ql310::callLogDirectory()).filePath("CallHistory.mdb")));
        startNormally();
        QCOMPARE(window().statusPanel(1), QString::fromLatin1(ql310::kCallLogNotUpdated));
        QCOMPARE(grid().rowCount(), 0);
    }

    // Grid commands
    void clearAndSortAreUsableOnlyWhileTheGridHasTheFocus()
    {
        startNormally();
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        window().tabs()->setCurrentIndex(7);
        QVERIFY(!action("mnuCLClear")->isEnabled());
        QVERIFY(!window().menu("mnuCLSort")->menuAction()->isEnabled());
        window().callLogGrid()->setFocus();
        QTRY_VERIFY(action("mnuCLClear")->isEnabled());
        QVERIFY(window().menu("mnuCLSort")->menuAction()->isEnabled());
        window().tabs()->setFocus();
        QTRY_VERIFY(!action("mnuCLClear")->isEnabled());
        QVERIFY(!window().menu("mnuCLSort")->menuAction()->isEnabled());
        // The right button gives the grid the focus and pops the Sort menu up.
        QWidget* cells = window().callLogGrid()->viewport();
        QTest::mousePress(cells, Qt::RightButton, {}, QPoint(20, 10));
        QTRY_VERIFY(window().menu("mnuCLSort")->isVisible());
        QVERIFY(action("mnuCLSIncrease")->isEnabled());
        QVERIFY(action("mnuCLClear")->isEnabled());
        window().menu("mnuCLSort")->close();
        // The same pop-up from the header row.
        window().tabs()->setFocus();
        QTRY_VERIFY(!window().menu("mnuCLSort")->menuAction()->isEnabled());
        QWidget* header = window().callLogGrid()->horizontalHeader()->viewport();
        QTest::mousePress(header, Qt::RightButton, {}, QPoint(header->width() / 2, 5));
        QTRY_VERIFY(window().menu("mnuCLSort")->isVisible());
        QVERIFY(action("mnuCLSIncrease")->isEnabled());
        window().menu("mnuCLSort")->close();
    }
    void sortingThenReadingAgainReturnsToStartOrder()
    {
        startNormally();
        const QStringList startOrder = column(3);
        window().callLogGrid()->setCurrentIndex(window().callLogGrid()->shownIndex(grid().index(0, 2)));
        action("mnuCLSDecrease")->trigger();
        QCOMPARE(column(2), (QStringList{"Tran(B1)", "Port4", "Port3", "Port2", "Port1", "Data(B1)"}));
        action("mnuCLSIncrease")->trigger();
        QCOMPARE(column(2).first(), QStringLiteral("Data(B1)"));
        action("mnuCLRead")->trigger();
        QCOMPARE(column(3), startOrder);
    }
    void printingSixtyTwoCallsGivesTwoPagesAndCancelNone()
    {
        startNormally();
        window().callLog().store().deleteAllCalls();
        addCalls(62);
        window().callLog().showCallLog();
        action("mnuPCL")->trigger(); // the printer dialog cancelled
        QCOMPARE(m_interaction.unscripted(), 1);
        m_interaction.pdf = m_home.filePath("calls.pdf");
        action("mnuPCL")->trigger();
        QCOMPARE(pdfPages(m_interaction.pdf), 2);
    }
    void theClearDialogDeletesAndTheGridIsRefreshedEitherWay()
    {
        startNormally();
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        window().tabs()->setCurrentIndex(7);
        window().callLogGrid()->setFocus();
        QTRY_VERIFY(action("mnuCLClear")->isEnabled());
        addCalls(3); // not shown yet
        window().callLog().setDialogRunner([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("CanelCommand"))->click();
        });
        action("mnuCLClear")->trigger();
        QCOMPARE(grid().rowCount(), 9);
        window().callLog().setDialogRunner([](QDialog& dialog) {
            auto& form = static_cast<ql310::calllog::ClearCallLogDialog&>(dialog);
            form.findChild<QRadioButton*>(QStringLiteral("RangeOption"))->click();
            const QStringList values = {"6", "1", "2025", "6", "1", "2025"};
            for (int i = 0; i < ql310::calllog::ClearCallLogDialog::kBoxCount; ++i)
                form.box(ql310::calllog::ClearCallLogDialog::Box(i))->setText(values[i]);
            form.findChild<QPushButton*>(QStringLiteral("YesCommand"))->click();
        });
        action("mnuCLClear")->trigger();
        QCOMPARE(grid().rowCount(), 6);
    }
};

QTEST_MAIN(CallLogWindowTest)
#include "call_log_window_test.moc"
