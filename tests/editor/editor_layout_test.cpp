// SPDX-License-Identifier: GPL-3.0-or-later
// The editor layout after its set-up: named controls and arrays, lists and
// initial texts, grid geometry, header cells that never become current.
#include "call_log_grid.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "text_table.h"
#include "time_set.h"
#include "twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QWindow>
#include <QtTest>

using ql310::EditorWindow;
using ql310::FixedCellGrid;

class EditorLayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorWindow> m_window;

    template <class Widget>
    Widget* control(const char* name, int index = -1)
    {
        auto* widget = m_window->findChild<Widget*>(ql310::controlName(name, index));
        if (!widget)
            qWarning("missing control %s", qPrintable(ql310::controlName(name, index)));
        return widget;
    }
    QStringList items(const char* name, int index = -1)
    {
        QStringList list;
        auto* combo = control<QComboBox>(name, index);
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }

private slots:
    void init()
    {
        m_window = std::make_unique<EditorWindow>();
        std::array<int, ql310::kCallLogColumnsRestored> widths = {100, 600, 750, 1700, 1900, 1900, 1000};
        m_window->configureGrids(widths);
        m_window->setupDdiFunction();
        m_window->setupEditorTexts();
    }
    void cleanup() { m_window.reset(); }

    void windowAndTabsCarryTheirNamesAndCaptions()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("QLSETTING"));
        // The caption with the desktop's marker of unsaved edits, shown only
        // while there are some.
        QCOMPARE(m_window->windowTitle(), QStringLiteral("USB ISDN TA Configuration[*]"));
        m_window->winId();
        QCOMPARE(m_window->windowHandle()->title(), QStringLiteral("USB ISDN TA Configuration"));
        QTabWidget* tabs = m_window->tabs();
        QCOMPARE(tabs->objectName(), QStringLiteral("SSTab1"));
        const QStringList captions = {"MSN", "Phone && Data Function", "BOD", "Forwarding",
                                      "LCR", "Short Dial", "PhoneBook", "Call Logging"};
        QCOMPARE(tabs->count(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        auto* inner = control<QTabWidget>("SSTab3");
        QCOMPARE(inner->tabText(0), QStringLiteral("Table (1->20)"));
        QCOMPARE(inner->tabText(1), QStringLiteral("Exclusion Table"));
    }
    void menuBarHoldsFiveMenusInOrderAndThePopupStaysOff()
    {
        QStringList names;
        for (QAction* action : m_window->menuBar()->actions())
            names << action->objectName();
        QCOMPARE(names, (QStringList{"mnuFile", "mnuCommand", "mnuCallLogging", "mnuPrint", "mnuHelp"}));
        QStringList file;
        for (QAction* action : m_window->menu("mnuFile")->actions())
            file << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(file, (QStringList{"mnuLoad", "mnuSave", "-", "mnuLoadLCR", "mnuSaveLCR", "-",
                                    "mnuLoadPhoneBook", "mnuSavePhoneBook", "-", "mnuImportPhoneBook",
                                    "mnuExportPhoneBook", "-", "mnuExit"}));
        QCOMPARE(m_window->findChild<QAction*>("mnuImportPhoneBook")->text(), QStringLiteral("&Import Phone Book…"));
        QCOMPARE(m_window->findChild<QAction*>("mnuReset")->text(), QStringLiteral("&Read from ISDN TA"));
        QCOMPARE(m_window->findChild<QAction*>("mnuSavePhoneBook")->text(), QStringLiteral("Save Phone &Book"));
        QCOMPARE(m_window->menu("mnuCLSort")->menuAction()->text(), QStringLiteral("&Sort"));
        QCOMPARE(m_window->findChild<QAction*>("mnuRTD")->text(), QStringLiteral("Delete Entry"));
        QVERIFY(m_window->menu("mnuR"));
        QVERIFY(!m_window->menuBar()->actions().contains(m_window->menu("mnuR")->menuAction()));
    }
    void everyPerPortControlExistsFourTimes()
    {
        const char* const lineEdits[] = {"PortNumber", "PortName", "PortMSN1", "PortMSN2", "PortMSN3",
                                         "PortOwnNumber", "ForwardingNumber"};
        const char* const checks[] = {"AcceptAllMSN", "PortNeedMCall", "PortToOutside", "PortShowInID",
                                      "PortShowOutID", "PortCallWait", "PortTakeOver", "PortStopMusicOnHold"};
        const char* const combos[] = {"PortMSNType1", "PortMSNType2", "PortMSNType3", "ForwardingType",
                                      "NoAnswerTime"};
        for (int i = 0; i < 4; ++i) {
            for (const char* name : lineEdits)
                QVERIFY(control<QLineEdit>(name, i));
            for (const char* name : checks)
                QVERIFY(control<QCheckBox>(name, i));
            for (const char* name : combos)
                QVERIFY(control<QComboBox>(name, i));
            QVERIFY(control<QLabel>("FWSec", i));
            QVERIFY(control<ql310::CtlTimeSet>("TimeSet", i));
        }
        QVERIFY(!m_window->findChild<QWidget*>("PortName_4"));
        for (int r = 0; r < 5; ++r) {
            QVERIFY(control<QLineEdit>("LCRETDialA", r));
            QVERIFY(control<QLineEdit>("LCRETDialB", r));
            QVERIFY(control<QCheckBox>("LCRETWeek", r));
            QVERIFY(control<QCheckBox>("LCRETWeekend", r));
            QVERIFY(control<QCheckBox>("LCRETAct", r));
            QCOMPARE(control<QLabel>("Label34", r)->text(), QStringLiteral("---->"));
            QCOMPARE(control<QLabel>("LCRLabel", 20 + r)->text(), QString::number(r + 1));
        }
        for (const char* name : {"DataMSN1", "DataMSN5", "DataOwnNumber", "FWBufText", "LCRBufText",
                                 "SDBufText", "PBBufText"})
            QVERIFY(control<QLineEdit>(name));
        for (const char* name : {"AnalogLaw", "DDICombo", "PortCallIDOption", "FWActive", "LCRAdd",
                                 "LCRTime", "LCRWeek", "LCRActive", "Min2BCombo", "CloseCPSCombo"})
            QVERIFY(control<QComboBox>(name));
        QVERIFY(control<QCheckBox>("DataAcceptAllMSN"));
        QVERIFY(control<QCheckBox>("Prefer1B"));
    }
    void textBoxLimitsAndInitialNumbers()
    {
        const QStringList numbers = {"10", "20", "30", "40"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(control<QLineEdit>("PortNumber", i)->text(), numbers[i]);
            QCOMPARE(control<QLineEdit>("PortNumber", i)->maxLength(), 4);
            QCOMPARE(control<QLineEdit>("PortName", i)->maxLength(), 18);
            QCOMPARE(control<QLineEdit>("PortMSN3", i)->maxLength(), 26);
            QCOMPARE(control<QLineEdit>("PortOwnNumber", i)->maxLength(), 26);
            QCOMPARE(control<QLineEdit>("ForwardingNumber", i)->maxLength(), 26);
        }
        QCOMPARE(control<QLineEdit>("DataMSN4")->maxLength(), 26);
        QCOMPARE(control<QLineEdit>("LCRETDialA", 0)->maxLength(), 10);
        QCOMPARE(control<QLineEdit>("LCRETDialB", 4)->maxLength(), 10);
    }
    void initialComboTextsBeforeAnyRead()
    {
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(control<QComboBox>("PortMSNType1", i)->currentText(), QStringLiteral("Type 2"));
            QCOMPARE(control<QComboBox>("PortMSNType2", i)->currentText(), QStringLiteral("Type 3"));
            QCOMPARE(control<QComboBox>("PortMSNType3", i)->currentText(), QStringLiteral("Type 4"));
            QCOMPARE(control<QComboBox>("ForwardingType", i)->currentText(), QStringLiteral("No Forward"));
        }
        QCOMPARE(control<QComboBox>("PortCallIDOption")->currentText(), QStringLiteral("DTMF aft-first ring"));
    }
    void listsHoldTheirEntries()
    {
        const QStringList hours = items("LCRTime");
        QCOMPARE(hours.size(), 26);
        QCOMPARE(hours.first(), QStringLiteral("01"));
        QCOMPARE(hours[23], QStringLiteral("24"));
        QCOMPARE(hours[24], QStringLiteral("All"));
        QCOMPARE(hours.last(), QStringLiteral("--"));
        QVERIFY(!hours.contains(QStringLiteral("00")));
        for (int i = 0; i < 4; ++i) {
            const QStringList delays = items("NoAnswerTime", i);
            QCOMPARE(delays.size(), 61);
            QCOMPARE(delays.first(), QStringLiteral("00"));
            QCOMPARE(delays[45], QStringLiteral("45"));
            QCOMPARE(delays.last(), QStringLiteral("60"));
        }
        QCOMPARE(items("LCRWeek"), (QStringList{"Mon-Fri", "Sat-Sun", "Mon-Sun"}));
        QCOMPARE(items("LCRAdd"), (QStringList{"replace", "add"}));
        QCOMPARE(items("FWActive"), (QStringList{"Yes", "No"}));
        QCOMPARE(items("DDICombo"), (QStringList{"Disable", "Point to Point", "Point to MP"}));
        QCOMPARE(items("AnalogLaw"), (QStringList{"A-law", "u-law"}));
        QCOMPARE(items("ForwardingType", 2), (QStringList{"No Forward", "Busy", "No Answer", "Immediately"}));
        QCOMPARE(items("OpenCPSCombo"), (QStringList{"2400", "4800", "7200", "7800"}));
        QCOMPARE(items("Delay2BCombo").size(), 8);
        // Only the BOD combos accept typed text.
        QVERIFY(control<QComboBox>("Min2BCombo")->isEditable());
        QVERIFY(!control<QComboBox>("ForwardingType", 0)->isEditable());
    }
    void captionsShowAmpersandsByTheAccessKeyRule()
    {
        QCOMPARE(control<QLabel>("MSNIncomingMSN")->text(), QStringLiteral("Incoming MSN & Ring type"));
        QCOMPARE(control<QLabel>("DDILabel")->text(), QStringLiteral("DDI Function"));
        QCOMPARE(control<QCheckBox>("AcceptAllMSN", 3)->text(), QStringLiteral("Accept All"));
        QCOMPARE(control<QLabel>("FWNoAnswer")->text(), QStringLiteral("Delay before forwarding on \"No Answer\""));
        QCOMPARE(control<QGroupBox>("FWBy")->title(), QStringLiteral("Call Forwarding"));
        QCOMPARE(control<QLabel>("OpenCPScpsLabel")->text(), QStringLiteral("CPS"));
        QCOMPARE(control<QLabel>("PBLabel2")->text(), QStringLiteral("821->840"));
        QCOMPARE(control<QLabel>("ForwardPort4")->text(), QStringLiteral("Port 4"));
    }
    void gridGeometryAndHeaders()
    {
        FixedCellGrid* forward = m_window->grid("ForwardGrid");
        QCOMPARE(forward->rowCount(), 41);
        QCOMPARE(forward->columnCount(), 5);
        QCOMPARE(forward->cellText(40, 0), QStringLiteral("840"));
        QCOMPARE(forward->cellText(0, 3), QStringLiteral("Forward To"));
        FixedCellGrid* book2 = m_window->grid("PhoneBookGrid2");
        QCOMPARE(book2->rowCount(), 21);
        QCOMPARE(book2->cellText(20, 0), QStringLiteral("840"));
        QCOMPARE(book2->cellText(1, 0), QStringLiteral("821"));
        QCOMPARE(m_window->grid("PhoneBookGrid")->cellText(20, 0), QStringLiteral("820"));
        FixedCellGrid* shortDial = m_window->grid("ShortDialGrid");
        QCOMPARE(shortDial->cellText(1, 0), QStringLiteral("Port Number"));
        QCOMPARE(shortDial->cellText(3, 0), QStringLiteral("700"));
        QCOMPARE(shortDial->cellText(12, 0), QStringLiteral("709"));
        QCOMPARE(shortDial->cellText(0, 4), QStringLiteral("Port 4"));
        FixedCellGrid* lcr = m_window->grid("LCRGrid");
        QCOMPARE(lcr->rowCount(), 22);
        QCOMPARE(lcr->columnCount(), 11);
        QCOMPARE(lcr->cellText(0, 6), QStringLiteral("Active Time Range"));
        QCOMPARE(lcr->columnSpan(0, 6), 4);
        QCOMPARE(lcr->columnSpan(0, 1), 3);
        QCOMPARE(lcr->cellText(1, 4), QStringLiteral("add/replace"));
        QCOMPARE(lcr->cellText(1, 8), QStringLiteral("Hour"));
        QCOMPARE(lcr->cellText(21, 7), QStringLiteral("--->"));
        QCOMPARE(lcr->cellText(21, 0), QStringLiteral("20"));
        QCOMPARE(lcr->cellText(2, 0), QStringLiteral("1"));
    }
    void columnWidthsAreTwipsAtTheScreensResolution()
    {
        FixedCellGrid* lcr = m_window->grid("LCRGrid");
        QCOMPARE(lcr->columnWidth(4), ql310::twipsToPixelsX(*lcr, 1750));
        QCOMPARE(lcr->columnWidthTwips(4), 1750);
        ql310::calllog::CallLogGrid* callLog = m_window->callLogGrid();
        QCOMPARE(callLog->objectName(), QStringLiteral("CallHistoryGrid"));
        QCOMPARE(callLog->columnCount(), 9); // the Name column follows the hidden Index
        QCOMPARE(callLog->columnWidthTwips(3), 1700);
        QVERIFY(callLog->isColumnHidden(7));
    }
    void headerCellsAreNeverEditableNorCurrent()
    {
        const std::tuple<const char*, int, int> grids[] = {
            {"ForwardGrid", 1, 3}, {"ShortDialGrid", 3, 1}, {"PhoneBookGrid", 1, 1},
            {"PhoneBookGrid2", 1, 1}, {"LCRGrid", 2, 1}};
        for (const auto& [name, rows, columns] : grids) {
            FixedCellGrid* grid = m_window->grid(name);
            QCOMPARE(grid->fixedRows(), rows);
            QCOMPARE(grid->fixedColumns(), columns);
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    if (grid->isFixedCell(row, column))
                        QVERIFY2(!(grid->item(row, column)->flags() & Qt::ItemIsEditable), name);
            if (grid->rowCount() <= rows)
                continue;
            grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
            grid->setCurrentCell(0, 0);
            QVERIFY2(!grid->isFixedCell(grid->currentRow(), grid->currentColumn()), name);
            grid->setCurrentCell(rows, columns);
            QTest::keyClick(grid, Qt::Key_Up);
            QTest::keyClick(grid, Qt::Key_Left);
            QVERIFY2(!grid->isFixedCell(grid->currentRow(), grid->currentColumn()), name);
        }
    }
    void statusBarHasThreePanels()
    {
        m_window->setStatusPanel(1, QStringLiteral("a"));
        m_window->setStatusPanel(3, QStringLiteral("c"));
        QCOMPARE(m_window->statusPanel(1), QStringLiteral("a"));
        QCOMPARE(m_window->statusPanel(3), QStringLiteral("c"));
        m_window->clearStatusPanels();
        for (int panel = 1; panel <= 3; ++panel)
            QCOMPARE(m_window->statusPanel(panel), QString());
        QCOMPARE(m_window->statusBar()->objectName(), QStringLiteral("StatusBar1"));
    }
    void timeControlsWiden()
    {
        ql310::CtlTimeSet* first = m_window->timeSet(0);
        const int before = first->sizeHint().width();
        m_window->widenTimeControls(30);
        const int grown = first->sizeHint().width() - before;
        QVERIFY(grown >= ql310::twipsToPixelsX(*first, 30) - 1);
    }
};

QTEST_MAIN(EditorLayoutTest)
#include "editor_layout_test.moc"
