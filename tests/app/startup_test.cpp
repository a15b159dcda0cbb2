// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life cycle against a real simulated adapter: start-up
// online and offline, the poll that ends the offline state, the close
// question and the column widths kept between runs.
#include "call_log_grid.h"
#include "call_log_widths.h"
#include "fixed_cell_grid.h"
#include "library_binding.h"
#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"
#include "window_geometry.h"
#include "window_test_base.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;

namespace {

constexpr const char* kFetchHistory = "8001210C";

QByteArray stateFile(const SimulatedAdapter& adapter, const char* name)
{
    QFile file(QString::fromStdString(adapter.stateDir()) + u'/' + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int count(const std::vector<std::string>& codes, const char* code)
{
    return static_cast<int>(std::count(codes.begin(), codes.end(), std::string(code)));
}

} // namespace

class StartupTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    QSettings userSettings()
    {
        return QSettings(ql310::settingsApplication(), ql310::settingsApplication());
    }
    bool menuEnabled(const char* name) { return window().menu(name)->menuAction()->isEnabled(); }
    bool deviceControlsEnabled()
    {
        return window().tabs()->isEnabled() && menuEnabled("mnuCommand") &&
               menuEnabled("mnuCallLogging") && menuEnabled("mnuPrint");
    }
    bool deviceControlsDisabled()
    {
        return !window().tabs()->isEnabled() && !menuEnabled("mnuCommand") &&
               !menuEnabled("mnuCallLogging") && !menuEnabled("mnuPrint");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
        qputenv("QL310_REGISTRY", m_home.filePath("hklm.reg").toLocal8Bit());
    }
    void init()
    {
        QFile::remove(userSettings().fileName());
        newRun();
    }
    void cleanup()
    {
        endRun();
    }

    // Adapter present
    void withTheAdapterTheWindowOpensInTheNormalState()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        QCOMPARE(window().state(), MainWindow::State::Normal);
        // The call-log refresh replaces "Open Success !" with its record count.
        QVERIFY(window().statusPanel(1).startsWith(QStringLiteral("This time you got ")));
        QCOMPARE(window().settingsRead(), ql310::kTrue);
        QVERIFY(!window().timer1().isActive());
        QVERIFY(deviceControlsEnabled());
        QVERIFY(m_interaction.asked().isEmpty());
        // The images hold what the adapter holds.
        QCOMPARE(window().settingBlock(), stateFile(*m_adapter, "setting.bin"));
        QCOMPARE(window().tableBlock(), stateFile(*m_adapter, "table.bin"));
        QCOMPARE(window().callHistoryBuffer(), stateFile(*m_adapter, "history.bin"));
        QCOMPARE(window().lineParams().size(), 673);
    }
    void startUpReadsTheBlocksBeforeTheHistory()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        const auto codes = m_adapter->journalCodes(4);
        QVERIFY(codes.size() >= 4);
        QCOMPARE(codes.back(), std::string(kFetchHistory));
        QCOMPARE(count(codes, kFetchHistory), 1);
    }
    void aFailedBlockReadWithAHistoryKeepsTheEditorUnwrittenUntilAPollSucceeds()
    {
        QVERIFY(m_adapter->start({"zero read-setting"}));
        QVERIFY(window().startUp());
        QCOMPARE(window().state(), MainWindow::State::Normal);
        QVERIFY(deviceControlsEnabled());
        QCOMPARE(window().settingsRead(), ql310::kFalse);
        QVERIFY(window().timer1().isActive());
        QVERIFY(m_interaction.asked().isEmpty());
        QVERIFY(window().statusPanel(1) != QStringLiteral("Open Success !"));

        QCOMPARE(m_adapter->command("clear"), std::string("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(window().settingsRead(), ql310::kTrue, 5000);
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Success !"));
        QVERIFY(!window().timer1().isActive());
        QCOMPARE(window().settingBlock(), stateFile(*m_adapter, "setting.bin"));
    }

    // Adapter absent
    void withoutTheAdapterTheWarningComesBeforeTheWindowAndCancelEnds()
    {
        QVERIFY(m_adapter->start({"vanish"}));
        m_interaction.answer(UserInteraction::Cancel);
        QVERIFY(!window().startUp());
        QCOMPARE(m_interaction.asked().size(), 1);
        const auto& asked = m_interaction.asked().first();
        QCOMPARE(asked.text, QStringLiteral("Waring! ISDN TA is not connected."));
        QCOMPARE(asked.title, QStringLiteral("USB ISDN TA Configuration"));
        QCOMPARE(asked.icon, UserInteraction::Icon::Question);
        QCOMPARE(asked.buttons, UserInteraction::Ok | UserInteraction::Cancel);
        QVERIFY(!window().isVisible());
        QCOMPARE(window().settingsRead(), ql310::kFalse);
        QVERIFY(!window().timer1().isActive());
        // Closed without the write question, the widths stored all the same.
        QSettings settings = userSettings();
        QCOMPARE(settings.value(QStringLiteral("CallHistoryGrid/ 3")).toString(), QStringLiteral(" 1700"));
        QCOMPARE(settings.value(QStringLiteral("CallHistoryGrid/ 7")).toString(), QStringLiteral(" 0"));
    }
    void okAtTheWarningLeavesTheWindowOfflineAndPolling()
    {
        QVERIFY(m_adapter->start({"vanish"}));
        m_interaction.answer(UserInteraction::Ok);
        QVERIFY(window().startUp());
        QCOMPARE(window().state(), MainWindow::State::Offline);
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Fail ! ISDN TA may not active"));
        QVERIFY(deviceControlsDisabled());
        QVERIFY(menuEnabled("mnuFile"));
        QVERIFY(menuEnabled("mnuHelp"));
        QVERIFY(window().timer1().isActive());
        QCOMPARE(window().timer1().interval(), 250);
        // The editor keeps its set-up contents.
        QCOMPARE(window().grid("ForwardGrid")->cellText(40, 0), QStringLiteral("840"));

        // Failed polls change nothing and ask nothing.
        QSignalSpy ticks(&window().timer1(), &QTimer::timeout);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 5000);
        QCOMPARE(window().state(), MainWindow::State::Offline);
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Fail ! ISDN TA may not active"));
        QCOMPARE(m_interaction.asked().size(), 1);
    }
    void pluggingTheAdapterInEndsTheOfflineStateWithoutRefreshingTheLog()
    {
        QVERIFY(m_adapter->start({"vanish"}));
        m_interaction.answer(UserInteraction::Ok);
        QVERIFY(window().startUp());
        QCOMPARE(m_adapter->command("appear"), std::string("ok"));
        QElapsedTimer since;
        since.start();
        QTRY_COMPARE_WITH_TIMEOUT(window().statusPanel(1), QStringLiteral("Open Success !"), 5000);
        QVERIFY2(since.elapsed() < 1500, qPrintable(QString::number(since.elapsed())));
        QCOMPARE(window().state(), MainWindow::State::Normal);
        QCOMPARE(window().settingsRead(), ql310::kTrue);
        QVERIFY(!window().timer1().isActive());
        QVERIFY(deviceControlsEnabled());
        QCOMPARE(window().settingBlock(), stateFile(*m_adapter, "setting.bin"));
        QCOMPARE(count(m_adapter->journalCodes(), kFetchHistory), 0);
    }

    // Closing
    void closingAfterAReadAsksToWriteAndYesRunsTheWrite()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        QSignalSpy writes(&window(), &MainWindow::writeCommandStarted);
        m_interaction.answer(UserInteraction::Yes);
        QVERIFY(window().close());
        QCOMPARE(m_interaction.asked().size(), 1);
        QCOMPARE(m_interaction.asked().first().text, QStringLiteral("Writing to ISDN TA now?"));
        QCOMPARE(m_interaction.asked().first().buttons, UserInteraction::Yes | UserInteraction::No);
        QCOMPARE(m_interaction.asked().first().icon, UserInteraction::Icon::Question);
        QCOMPARE(writes.count(), 1);
    }
    void noAtTheCloseQuestionClosesWithoutWriting()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        QSignalSpy writes(&window(), &MainWindow::writeCommandStarted);
        m_interaction.answer(UserInteraction::No);
        QVERIFY(window().close());
        QCOMPARE(writes.count(), 0);
        QCOMPARE(m_interaction.unscripted(), 0);
    }
    void closingOfflineAsksNothing()
    {
        QVERIFY(m_adapter->start({"vanish"}));
        m_interaction.answer(UserInteraction::Ok);
        QVERIFY(window().startUp());
        QVERIFY(window().close());
        QCOMPARE(m_interaction.asked().size(), 1);
        QVERIFY(!window().timer1().isActive());
    }

    // Column widths
    void storedColumnWidthsAreRestoredAtStartUp()
    {
        {
            QSettings settings = userSettings();
            settings.setValue(QStringLiteral("CallHistoryGrid/ 1"), QStringLiteral(" 1234"));
            settings.setValue(QStringLiteral("CallHistoryGrid/ 2"), QStringLiteral("junk"));
        }
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        ql310::calllog::CallLogGrid* grid = window().callLogGrid();
        QCOMPARE(grid->columnWidthTwips(1), 1234);
        QCOMPARE(grid->columnWidthTwips(2), 0);
        QCOMPARE(grid->columnWidthTwips(4), 1900);
        grid->setColumnWidthTwips(4, 2500);
        m_interaction.answer(UserInteraction::No);
        window().close();
        QSettings settings = userSettings();
        QCOMPARE(settings.value(QStringLiteral("CallHistoryGrid/ 1")).toString(), QStringLiteral(" 1234"));
        QCOMPARE(settings.value(QStringLiteral("CallHistoryGrid/ 4")).toString(), QStringLiteral(" 2500"));
        QCOMPARE(settings.value(QStringLiteral("CallHistoryGrid/ 6")).toString(), QStringLiteral(" 1000"));
    }

    // Window geometry
    void theWindowsSizeAndPlaceComeBackAtTheNextStart()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        // Small, but no smaller than the window's pages and filter bar allow.
        const QRect placed(QPoint(40, 30), QSize(640, 480).expandedTo(window().minimumSizeHint()));
        window().setGeometry(placed);
        m_interaction.answer(UserInteraction::No);
        window().close();
        m_window.reset();

        QVERIFY(window().startUp());
        QCOMPARE(window().geometry(), placed);
        m_interaction.answer(UserInteraction::No);
    }
    void aMaximisedWindowOpensMaximised()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        window().showMaximized();
        QTRY_VERIFY(window().isMaximized());
        m_interaction.answer(UserInteraction::No);
        window().close();
        m_window.reset();

        QVERIFY(window().startUp());
        window().show();
        QTRY_VERIFY(window().isMaximized());
        m_interaction.answer(UserInteraction::No);
    }
    void aGeometryOffEveryScreenIsBroughtOntoTheScreen()
    {
        {
            QWidget elsewhere;
            elsewhere.setGeometry(5000, 4000, 500, 300);
            QSettings settings = userSettings();
            settings.setValue(QStringLiteral("Window/Geometry"), elsewhere.saveGeometry());
        }
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        const QRect screen = window().screen()->availableGeometry();
        QVERIFY(screen.contains(window().geometry()));
        QCOMPARE(window().size(), QSize(500, 300));
        m_interaction.answer(UserInteraction::No);
    }
    void withNothingStoredTheWindowWantsItsWholeSizeWithinTheScreen()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        const QRect screen = window().screen()->availableGeometry();
        const QSize wanted = window().sizeHint();
        QCOMPARE(window().width(), qMin(wanted.width(), screen.width() - 16));
        QCOMPARE(window().height(), qMin(wanted.height(), screen.height() - 48));
        m_interaction.answer(UserInteraction::No);
    }
    void aWindowIsMovedAndCutToTheScreenItOverlapsMost()
    {
        const QList<QRect> screens = {QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
        // Overlapping the second screen most: moved within it.
        QCOMPARE(ql310::broughtOntoScreen(QRect(3000, -50, 400, 300), screens), QRect(2800, 0, 400, 300));
        // On no screen: onto the first, cut to its size.
        QCOMPARE(ql310::broughtOntoScreen(QRect(-5000, 9000, 1600, 900), screens), QRect(0, 0, 1280, 800));
        // Whole on a screen: unchanged.
        QCOMPARE(ql310::broughtOntoScreen(QRect(10, 10, 300, 200), screens), QRect(10, 10, 300, 200));
    }

    void writingDotAppendsToTheStatusLine()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        window().setStatusPanel(1, QStringLiteral("Writing"));
        for (int i = 0; i < 11; ++i)
            window().writingDot();
        QCOMPARE(window().statusPanel(1), QStringLiteral("Writing") + QString(11, u'.'));
        m_interaction.answer(UserInteraction::No);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
