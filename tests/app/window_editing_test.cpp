// SPDX-License-Identifier: GPL-3.0-or-later
// The editing behaviour inside the program's main window: its messages go
// through the window's interaction, a page change refreshes the mirrored
// cells and empties the help line only once a read asked for it, and what the
// cells show after an edit is what Write sends to the adapter.
#include "block_access.h"
#include "editor_fixture.h"
#include "fixed_cell_grid.h"
#include "image_test_helpers.h"
#include "library_binding.h"
#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"
#include "window_test_base.h"
#include "text_table.h"
#include "time_set.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using ql310::FixedCellGrid;
using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;
using namespace ql310::test;

namespace {

constexpr int kLcrPage = 4;
constexpr int kPhoneBookPage = 6;

} // namespace

class WindowEditingTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    void clickTab(int page) { ql310::test::clickTab(*m_window, page); }
    QByteArray adapterState(const char* name) const
    {
        QFile file(QString::fromStdString(m_adapter->stateDir()) + u'/' + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        m_adapter = std::make_unique<SimulatedAdapter>(QL310_ADAPTER_PATH);
        QVERIFY(m_adapter->start());
        m_library = ql310::test::boundTestLibrary();
        m_interaction = ScriptedInteraction();
        m_window = std::make_unique<MainWindow>(*m_library, m_interaction);
        QVERIFY(m_window->startUp());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        endRun();
    }

    void thePageChangeRefreshesTheMirrorsAndEmptiesTheLineOnlyAfterARead()
    {
        // After start-up the line keeps its result across a page change.
        QCOMPARE(m_window->clearStatusOnTabFocus(), ql310::kFalse);
        clickTab(0);
        auto* name = control<QLineEdit>("PortName", 3);
        QTest::mouseClick(name, Qt::LeftButton);
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Modem"));
        m_window->setStatusPanel(1, QStringLiteral("Open Success !"));
        clickTab(5);
        QCOMPARE(m_window->grid("ShortDialGrid")->cellText(2, 4), QStringLiteral("Modem"));
        QCOMPARE(m_window->statusPanel(1), QStringLiteral("Open Success !"));

        // After the Read command (which may discard the typed name) the next
        // focus on the tabs empties it.
        m_interaction.answer(UserInteraction::Yes);
        m_window->findChild<QAction*>(QStringLiteral("mnuReset"))->trigger();
        QCOMPARE(m_window->statusPanel(1), QStringLiteral("Open Success !"));
        QCOMPARE(m_window->clearStatusOnTabFocus(), ql310::kTrue);
        clickCell(m_window->grid("ShortDialGrid"), 3, 1);
        m_window->setStatusPanel(1, QStringLiteral("Open Success !"));
        clickTab(0);
        QCOMPARE(m_window->statusPanel(1), QString());
    }

    void theTimeControlsArrowsStepTheBoxWithTheMouseInsideTheScrollingPage()
    {
        constexpr int kPhonePage = 1;
        clickTab(kPhonePage);
        ql310::CtlTimeSet* time = m_window->timeSet(2);
        QTest::mouseClick(time->hourBox(), Qt::LeftButton);
        QVERIFY(time->hourBox()->hasFocus());
        time->setHour(QStringLiteral("22"));
        // Held on the up arrow: 23 at once, 24 a second later.
        QTest::mousePress(time->upArrow(), Qt::LeftButton);
        QCOMPARE(time->hour(), QStringLiteral("23"));
        QVERIFY(time->hourBox()->hasFocus());
        QTRY_COMPARE_WITH_TIMEOUT(time->hour(), QStringLiteral("24"), 5000);
        QTest::mouseRelease(time->upArrow(), Qt::LeftButton);
        QTest::mouseClick(time->upArrow(), Qt::LeftButton);
        QCOMPARE(time->hour(), QStringLiteral("01"));
        QTest::mouseClick(time->minuteBox(), Qt::LeftButton);
        QTest::mouseClick(time->downArrow(), Qt::LeftButton);
        QCOMPARE(time->minute(), QStringLiteral("59"));
        QVERIFY(time->minuteBox()->hasFocus());
        // A click on the page's background leaves the focus where it was.
        QWidget* page = m_window->findChild<QWidget*>(QStringLiteral("PhonePage"));
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(page->width() - 3, page->height() - 3));
        QVERIFY(time->minuteBox()->hasFocus());
    }
    void theThresholdWarningIsTheWindowsMessage()
    {
        clickTab(2);
        auto* open = control<QComboBox>("OpenCPSCombo");
        auto* close = control<QComboBox>("CloseCPSCombo");
        open->setEditText(QStringLiteral("2400"));
        close->setFocus(Qt::TabFocusReason);
        close->setEditText(QString());
        QTest::keyClicks(close, QStringLiteral("3000"));
        QCOMPARE(m_interaction.asked().size(), 1);
        QCOMPARE(m_interaction.asked().first().text, ql310::text(ql310::TextId::TheValueOfItem4Must));
        QCOMPARE(m_interaction.asked().first().icon, UserInteraction::Icon::Information);
    }

    void anLcrEntryAndAPhoneBookNameEditedInTheGridsReachTheAdapter()
    {
        // Entry 12 lies in the second LCR table, row 13 of the grid.
        FixedCellGrid* lcr = m_window->grid("LCRGrid");
        clickTab(kLcrPage);
        auto* text = control<QLineEdit>("LCRBufText");
        const std::pair<int, QString> typed[] = {{1, "0800"}, {3, "0899"}, {5, "1010"}};
        for (const auto& [column, digits] : typed) {
            clickCell(lcr, 13, column);
            text->selectAll();
            QTest::keyClicks(text, digits);
            QTest::keyClick(text, Qt::Key_Return);
        }
        const std::pair<int, const char*> chosen[] = {
            {4, "LCRAdd"}, {6, "LCRTime"}, {9, "LCRWeek"}, {10, "LCRActive"}};
        const QString entries[] = {"add", "All", "Sat-Sun", "Yes"};
        for (int i = 0; i < 4; ++i) {
            clickCell(lcr, 13, chosen[i].first);
            chooseFromList(control<QComboBox>(chosen[i].second), entries[i]);
        }
        QCOMPARE(lcr->cellText(13, 8), QStringLiteral("All"));

        FixedCellGrid* book2 = m_window->grid("PhoneBookGrid2");
        clickTab(kPhoneBookPage);
        clickCell(book2, 4, 2);
        auto* name = control<QLineEdit>("PBBufText");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Zoe"));

        m_window->findChild<QAction*>(QStringLiteral("mnuWrite"))->trigger();
        QCOMPARE(m_window->statusPanel(1), QStringLiteral("Write to ISDN TA Success !"));

        using namespace ql310::image;
        QByteArray setting = adapterState("setting.bin");
        QByteArray table = adapterState("table.bin");
        QCOMPARE(setting.size(), 2048);
        const Packing packing = ql310::image::test::libraryPacking();
        const BlockAccess s(Block::Setting, reinterpret_cast<uint8_t*>(setting.data()), packing);
        const LcrEntrySlots entry = lcrEntrySlots(12);
        QCOMPARE(s.readDigits(entry.rangeFrom), std::u16string(u"0800"));
        QCOMPARE(s.readDigits(entry.rangeTo), std::u16string(u"0899"));
        QCOMPARE(s.readDigits(entry.prefix), std::u16string(u"1010"));
        QCOMPARE(int(s.readByte(entry.startHour)), 24);
        QCOMPARE(int(s.readByte(entry.endHour)), 24);
        QVERIFY(s.readFlag(entry.flags, kLcrActive));
        QVERIFY(s.readFlag(entry.flags, kLcrAddPrefix));
        QVERIFY(s.readFlag(entry.flags, kLcrWeekend));
        QVERIFY(!s.readFlag(entry.flags, kLcrAllDays));
        const BlockAccess t(Block::Table, reinterpret_cast<uint8_t*>(table.data()), packing);
        QCOMPARE(t.readText(phoneBookSlots(23).peerName), std::u16string(u"Zoe"));
    }
};

QTEST_MAIN(WindowEditingTest)
#include "window_editing_test.moc"
