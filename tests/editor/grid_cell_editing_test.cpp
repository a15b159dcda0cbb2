// SPDX-License-Identifier: GPL-3.0-or-later
// In-place editing of the forwarding, short-dial and phone-book grids, and
// the refresh of the mirrored cells when the user changes pages.
#include "editor_controls.h"
#include "editor_fixture.h"
#include "text_table.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using ql310::FixedCellGrid;
using ql310::test::EditorFixture;
using namespace ql310::test;
namespace grid_places = ql310::grid_places;

namespace {

constexpr int kForwardingPage = 3;
constexpr int kShortDialPage = 5;
constexpr int kPhoneBookPage = 6;
constexpr int kMsnPage = 0;

} // namespace

class GridCellEditingTest : public QObject {
    Q_OBJECT

private:
    EditorFixture m_editor;

    QLineEdit* box(const char* name) { return m_editor.control<QLineEdit>(name); }
    // Keys as the user types them: each to the widget that has the focus.
    static void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

private slots:
    void init() { QVERIFY(m_editor.start()); }
    void cleanup() { m_editor.stop(); }

    void mirroredForwardingColumnsNeverOpenAnEditor()
    {
        FixedCellGrid* forward = m_editor.grid("ForwardGrid");
        m_editor.window().setStatusPanel(1, QStringLiteral("old hint"));
        for (int column : {0, 1, 2}) {
            clickCell(forward, 4, 3);
            QVERIFY(box("FWBufText")->isVisible());
            m_editor.window().setStatusPanel(1, QStringLiteral("old hint"));
            // A header or mirrored cell opens nothing but hides the open
            // editor and empties the help line.
            clickCell(forward, 7, column);
            QVERIFY(!box("FWBufText")->isVisible());
            QVERIFY(!m_editor.control<QComboBox>("FWActive")->isVisible());
            QCOMPARE(m_editor.help(), QString());
            QCOMPARE(forward->currentRow(), 4);
        }
        // So do the header row and the port mirror rows of the short-dial grid.
        FixedCellGrid* shortDial = m_editor.grid("ShortDialGrid");
        for (int row : {0, 1, 2}) {
            clickCell(shortDial, 4, 2);
            QVERIFY(box("SDBufText")->isVisible());
            m_editor.window().setStatusPanel(1, QStringLiteral("old hint"));
            clickCell(shortDial, row, 2);
            QVERIFY(!box("SDBufText")->isVisible());
            QCOMPARE(m_editor.help(), QString());
        }
        clickCell(forward, 4, 3);
        // The keyboard reaches only the editable columns too.
        forward->setFocus();
        QTest::keyClick(forward, Qt::Key_Left);
        QTest::keyClick(forward, Qt::Key_F2);
        QCOMPARE(forward->currentColumn(), 3);
        QVERIFY(box("FWBufText")->hasFocus());
    }

    void typingWritesEachKeystrokeAndEnterKeepsTheText()
    {
        FixedCellGrid* forward = m_editor.grid("ForwardGrid");
        forward->setCellText(9, 3, QStringLiteral("old"));
        m_editor.window().setStatusPanel(1, QStringLiteral("old hint"));
        clickCell(forward, 9, 3);
        QLineEdit* editor = box("FWBufText");
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->text(), QStringLiteral("old"));
        QCOMPARE(m_editor.help(), QString());
        QCOMPARE(placeIn(forward, editor),
                 forward->visualRect(forward->model()->index(9, 3)));

        editor->selectAll();
        const QString typed = QStringLiteral("0891234567#");
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(editor, typed[i].toLatin1());
            QCOMPARE(forward->cellText(9, 3), typed.left(i + 1));
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(forward->cellText(9, 3), typed);
        QVERIFY(forward->hasFocus());
    }

    void everyGridIsEditedFromTheKeyboardAlone()
    {
        FixedCellGrid* book = m_editor.grid("PhoneBookGrid");
        clickTab(m_editor.window(), kPhoneBookPage);
        book->setCellText(4, 1, QStringLiteral("555"));
        book->setFocus();
        book->setCurrentCell(3, 1);
        // Typing on a cell opens its editor with what is typed.
        type(QStringLiteral("0301"));
        QLineEdit* editor = box("PBBufText");
        QVERIFY(editor->hasFocus());
        QCOMPARE(book->cellText(3, 1), QStringLiteral("0301"));
        // Enter keeps it and moves down; the arrows move between cells.
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QVERIFY(book->hasFocus());
        QCOMPARE(book->currentRow(), 4);
        QTest::keyClick(book, Qt::Key_Up);
        QTest::keyClick(book, Qt::Key_Right);
        QCOMPARE(book->currentColumn(), 2);
        type(QStringLiteral("Ana"));
        QTest::keyClick(box("PBBufText"), Qt::Key_Enter);
        QCOMPARE(book->cellText(3, 2), QStringLiteral("Ana"));
        // A typed character replaces the text; Escape gives it back.
        QTest::keyClick(book, Qt::Key_Left);
        type(QStringLiteral("9"));
        QCOMPARE(book->cellText(4, 1), QStringLiteral("9"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(book->cellText(4, 1), QStringLiteral("555"));
        QVERIFY(book->hasFocus());

        // A list cell chooses by the typed letter; a cell that opens
        // nothing on a click takes nothing from the keyboard either.
        FixedCellGrid* lcr = m_editor.grid("LCRGrid");
        clickTab(m_editor.window(), 4);
        lcr->setFocus();
        lcr->setCurrentCell(3, grid_places::kLcrPrefixModeColumn);
        const QString before = lcr->cellText(3, grid_places::kLcrPrefixModeColumn);
        const QString other = before == ql310::text(ql310::TextId::Add) ? ql310::text(ql310::TextId::Replace) : ql310::text(ql310::TextId::Add);
        type(other.left(1));
        QCOMPARE(lcr->cellText(3, grid_places::kLcrPrefixModeColumn), other);
        QTest::keyClick(m_editor.control<QComboBox>("LCRAdd"), Qt::Key_Escape);
        QCOMPARE(lcr->cellText(3, grid_places::kLcrPrefixModeColumn), before);
        lcr->setCurrentCell(3, 2);
        type(QStringLiteral("7"));
        QCOMPARE(lcr->cellText(3, 2), QStringLiteral("--->"));
        QVERIFY(lcr->hasFocus());
    }

    void numberEditorsTakeOnlyDialSymbolsTypedOrPasted()
    {
        // Every grid column stored as packed digits, and a name column that
        // keeps its letters.
        const std::tuple<const char*, int, int, int, const char*, bool> cells[] = {
            {"PhoneBookGrid", kPhoneBookPage, 2, 1, "PBBufText", true},
            {"PhoneBookGrid2", kPhoneBookPage, 3, 2, "PBBufText", false},
            {"ForwardGrid", kForwardingPage, 4, 3, "FWBufText", true},
            {"ShortDialGrid", kShortDialPage, 5, 2, "SDBufText", true},
            {"LCRGrid", 4, 3, 1, "LCRBufText", true},
            {"LCRGrid", 4, 3, 3, "LCRBufText", true},
            {"LCRGrid", 4, 3, 5, "LCRBufText", true}};
        for (const auto& [gridName, page, row, column, editorName, digits] : cells) {
            FixedCellGrid* grid = m_editor.grid(gridName);
            clickTab(m_editor.window(), page);
            clickCell(grid, row, column);
            QLineEdit* editor = box(editorName);
            QVERIFY(editor->hasFocus());
            QTest::keyClicks(editor, QStringLiteral("Bob0"));
            QGuiApplication::clipboard()->setText(QStringLiteral("+49 (30) 12-34*#"));
            editor->paste();
            const QString expected = digits ? QStringLiteral("04930 1234*#").remove(u' ')
                                            : QStringLiteral("Bob0+49 (30) 12-34*#");
            QVERIFY2(grid->cellText(row, column) == expected,
                     qPrintable(QString::fromLatin1(gridName) + u' ' + grid->cellText(row, column)));
            QCOMPARE(editor->text(), expected);
            QTest::keyClick(editor, Qt::Key_Return);
        }

        // The text boxes of numbers stored as packed digits; the data
        // function's MSN is a line-parameter text and keeps what is typed.
        clickTab(m_editor.window(), kMsnPage);
        for (const auto& [name, index] : {std::pair{"PortNumber", 2}, std::pair{"PortMSN3", 1},
                                          std::pair{"PortOwnNumber", 0}, std::pair{"ForwardingNumber", 3},
                                          std::pair{"LCRETDialB", 4}}) {
            QLineEdit* number = m_editor.control<QLineEdit>(name, index);
            showPageOf(number);
            number->setFocus();
            number->clear();
            QTest::keyClicks(number, QStringLiteral("1a2"));
            QCOMPARE(number->text(), QStringLiteral("12"));
            QCOMPARE(number->cursorPosition(), 2);
        }
        QLineEdit* dataMsn = m_editor.control<QLineEdit>("DataMSN1");
        showPageOf(dataMsn);
        dataMsn->setFocus();
        QTest::keyClicks(dataMsn, QStringLiteral("1a2"));
        QCOMPARE(dataMsn->text(), QStringLiteral("1a2"));
        // What the program shows there itself stays as it is.
        m_editor.control<QLineEdit>("PortNumber", 0)->setText(QStringLiteral("1\r"));
        QCOMPARE(m_editor.control<QLineEdit>("PortNumber", 0)->text(), QStringLiteral("1\r"));
    }

    void theActiveColumnIsChosenFromItsList()
    {
        FixedCellGrid* forward = m_editor.grid("ForwardGrid");
        forward->setCellText(2, 4, QStringLiteral("Yes"));
        clickCell(forward, 2, 3);
        clickCell(forward, 2, 4);
        auto* active = m_editor.control<QComboBox>("FWActive");
        QVERIFY(!box("FWBufText")->isVisible());
        QVERIFY(active->hasFocus());
        QCOMPARE(active->currentText(), QStringLiteral("Yes"));
        QTest::keyClick(active, Qt::Key_Down);
        QCOMPARE(forward->cellText(2, 4), QStringLiteral("No"));
        QTest::keyClick(active, Qt::Key_Enter);
        QVERIFY(!active->isVisible());
        QCOMPARE(forward->cellText(2, 4), QStringLiteral("No"));
    }

    void phoneBookEditsReachTheForwardingGridAfterAPageChange()
    {
        FixedCellGrid* book1 = m_editor.grid("PhoneBookGrid");
        FixedCellGrid* book2 = m_editor.grid("PhoneBookGrid2");
        FixedCellGrid* forward = m_editor.grid("ForwardGrid");
        clickTab(m_editor.window(), kPhoneBookPage);
        clickCell(book2, 5, 1);
        QCOMPARE(m_editor.behaviour().grids().phoneBookEditTarget(), qint16(-1));
        QTest::keyClicks(box("PBBufText"), QStringLiteral("0221234"));
        QCOMPARE(book2->cellText(5, 1), QStringLiteral("0221234"));
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(book1->cellText(row, 1), QString());
        QCOMPARE(forward->cellText(25, 1), QString());

        clickTab(m_editor.window(), kForwardingPage);
        QCOMPARE(forward->cellText(25, 1), QStringLiteral("0221234"));
        QCOMPARE(forward->cellText(5, 1), QString());
        // The copy leaves the current cells at the ends of the tables.
        QCOMPARE(book1->currentRow(), 20);
        QCOMPARE(book2->currentRow(), 20);
        QCOMPARE(book2->currentColumn(), 2);
        QCOMPARE(forward->currentRow(), 40);
    }

    void aPortNameReachesTheShortDialGridAfterAPageChange()
    {
        clickTab(m_editor.window(), kMsnPage);
        auto* name = m_editor.control<QLineEdit>("PortName", 2);
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClicks(name, QStringLiteral("Fax"));
        auto* number = m_editor.control<QLineEdit>("PortNumber", 0);
        QTest::mouseClick(number, Qt::LeftButton);
        number->selectAll();
        QTest::keyClicks(number, QStringLiteral("15"));

        clickTab(m_editor.window(), kShortDialPage);
        FixedCellGrid* shortDial = m_editor.grid("ShortDialGrid");
        QCOMPARE(m_editor.window().tabs()->currentIndex(), kShortDialPage);
        QCOMPARE(shortDial->cellText(2, 3), QStringLiteral("Fax"));
        QCOMPARE(shortDial->cellText(1, 1), QStringLiteral("15"));
        QCOMPARE(shortDial->cellText(1, 4), QStringLiteral("40"));
        QCOMPARE(shortDial->currentRow(), 3);
        QCOMPARE(shortDial->currentColumn(), 4);
    }

    void theMirroredCellsAreCurrentWheneverTheirPageComesIntoView()
    {
        clickTab(m_editor.window(), kMsnPage);
        m_editor.window().tabs()->tabBar()->setFocus();
        m_editor.control<QLineEdit>("PortNumber", 1)->setText(QStringLiteral("22"));
        m_editor.control<QLineEdit>("PortName", 3)->setText(QStringLiteral("Hall"));
        m_editor.grid("PhoneBookGrid")->setCellText(3, 2, QStringLiteral("Ann"));
        // Shown while the tabs keep the focus: no new focus, no refresh.
        FixedCellGrid* shortDial = m_editor.grid("ShortDialGrid");
        shortDial->setCurrentCell(7, 1);
        QVERIFY(m_editor.window().tabs()->tabBar()->hasFocus());
        m_editor.window().tabs()->setCurrentIndex(kShortDialPage);
        QCOMPARE(shortDial->cellText(1, 2), QStringLiteral("22"));
        QCOMPARE(shortDial->cellText(2, 4), QStringLiteral("Hall"));
        m_editor.window().tabs()->setCurrentIndex(kForwardingPage);
        QCOMPARE(m_editor.grid("ForwardGrid")->cellText(3, 2), QStringLiteral("Ann"));
        // The copy alone moves no current cell.
        QCOMPARE(shortDial->currentRow(), 7);
        QCOMPARE(shortDial->currentColumn(), 1);
    }

    void onlyFocusOnTheTabsRefreshesAndMayEmptyTheHelpLine()
    {
        FixedCellGrid* shortDial = m_editor.grid("ShortDialGrid");
        clickTab(m_editor.window(), kMsnPage);
        m_editor.control<QLineEdit>("PortName", 0)->setText(QStringLiteral("Desk"));
        // Moving between pages while the tabs have the focus runs no refresh.
        QTest::keyClick(m_editor.window().tabs()->tabBar(), Qt::Key_Right);
        QCOMPARE(shortDial->cellText(2, 1), QString());

        m_editor.window().setStatusPanel(1, QStringLiteral("Read Success"));
        clickCell(shortDial, 5, 1);
        m_editor.window().setStatusPanel(1, QStringLiteral("Read Success"));
        clickTab(m_editor.window(), kMsnPage);
        QCOMPARE(shortDial->cellText(2, 1), QStringLiteral("Desk"));
        QCOMPARE(m_editor.help(), QStringLiteral("Read Success"));

        m_editor.clearStatusOnTabFocus = true;
        clickCell(shortDial, 5, 1);
        m_editor.window().setStatusPanel(1, QStringLiteral("Read Success"));
        clickTab(m_editor.window(), kShortDialPage);
        QCOMPARE(m_editor.help(), QString());
    }

    void scrollingHidesTheEditorAndKeepsTheText()
    {
        FixedCellGrid* shortDial = m_editor.grid("ShortDialGrid");
        shortDial->setMaximumHeight(6 * shortDial->rowHeight(4));
        clickCell(shortDial, 4, 2);
        QLineEdit* editor = box("SDBufText");
        QTest::keyClicks(editor, QStringLiteral("*21#"));
        QScrollBar* bar = shortDial->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QVERIFY(editor->isVisible());
        bar->setValue(bar->maximum());
        QVERIFY(!editor->isVisible());
        QCOMPARE(shortDial->cellText(4, 2), QStringLiteral("*21#"));
    }

    void aHalfHiddenCellScrolledIntoViewByTheClickGetsTheEditor()
    {
        FixedCellGrid* shortDial = m_editor.grid("ShortDialGrid");
        const int rowHeight = shortDial->rowHeight(3);
        shortDial->setMaximumHeight(5 * rowHeight + rowHeight / 2 + 2 * shortDial->frameWidth());
        showPageOf(shortDial);
        QTRY_VERIFY(shortDial->verticalScrollBar()->maximum() > 0);
        // Row 5 shows only its upper half: opening the editor brings it into
        // view first, so that no later scroll closes the editor again.
        const QRect half = shortDial->visualRect(shortDial->model()->index(5, 2));
        QVERIFY(half.bottom() > shortDial->viewport()->height());
        QTest::mouseClick(shortDial->viewport(), Qt::LeftButton, {}, half.topLeft() + QPoint(5, 3));
        QCOMPARE(shortDial->currentRow(), 5);
        QLineEdit* editor = box("SDBufText");
        QVERIFY(editor->isVisible());
        const QRect cell = shortDial->visualRect(shortDial->model()->index(5, 2));
        QVERIFY(shortDial->viewport()->rect().contains(cell));
        QCOMPARE(placeIn(shortDial, editor), cell);
    }

    void anOpenEditorKeepsWritingToItsOwnCellAfterARefresh()
    {
        FixedCellGrid* book1 = m_editor.grid("PhoneBookGrid");
        clickTab(m_editor.window(), kPhoneBookPage);
        clickCell(book1, 5, 2);
        QLineEdit* editor = box("PBBufText");
        QTest::keyClicks(editor, QStringLiteral("Ann"));
        clickTab(m_editor.window(), kMsnPage);
        clickTab(m_editor.window(), kPhoneBookPage);
        QCOMPARE(book1->currentRow(), 20);
        QVERIFY(editor->isVisible());
        QTest::mouseClick(editor, Qt::LeftButton);
        QTest::keyClicks(editor, QStringLiteral("a"));
        QCOMPARE(book1->cellText(5, 2), QStringLiteral("Anna"));
        QCOMPARE(book1->cellText(20, 2), QString());
    }

    void anOpenEditorShowsItsCellWhenSomethingElseChangesIt()
    {
        FixedCellGrid* forward = m_editor.grid("ForwardGrid");
        clickCell(forward, 6, 3);
        QLineEdit* editor = box("FWBufText");
        QTest::keyClicks(editor, QStringLiteral("12"));
        forward->setCellText(6, 3, QStringLiteral("0301"));  // as a read from the adapter does
        forward->setCellText(7, 3, QStringLiteral("0302"));
        QCOMPARE(editor->text(), QStringLiteral("0301"));
        QTest::keyClicks(editor, QStringLiteral("9"));
        QCOMPARE(forward->cellText(6, 3), QStringLiteral("03019"));
        QCOMPARE(forward->cellText(7, 3), QStringLiteral("0302"));
    }

    void theSharedPhoneBookEditorFollowsTheGridClicked()
    {
        FixedCellGrid* book1 = m_editor.grid("PhoneBookGrid");
        FixedCellGrid* book2 = m_editor.grid("PhoneBookGrid2");
        clickCell(book2, 3, 1);
        clickCell(book1, 3, 1);
        QCOMPARE(m_editor.behaviour().grids().phoneBookEditTarget(), qint16(0));
        QLineEdit* editor = box("PBBufText");
        QCOMPARE(placeIn(book1, editor), book1->visualRect(book1->model()->index(3, 1)));
        QTest::keyClicks(editor, QStringLiteral("7"));
        QCOMPARE(book1->cellText(3, 1), QStringLiteral("7"));
        QCOMPARE(book2->cellText(3, 1), QString());
    }
};

QTEST_MAIN(GridCellEditingTest)
#include "grid_cell_editing_test.moc"

