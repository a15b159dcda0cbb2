// SPDX-License-Identifier: GPL-3.0-or-later
// The LCR table editor (five editors chosen by column, the whole-day rule of
// the hours) and the "Delete Entry" pop-up of the LCR and phone-book grids.
#include "editor_fixture.h"
#include "text_table.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

using ql310::FixedCellGrid;
using ql310::test::EditorFixture;
using namespace ql310::test;

namespace {

constexpr int kForwardingPage = 3;
constexpr int kPhoneBookPage = 6;

const char* const kEditors[] = {"LCRBufText", "LCRAdd", "LCRTime", "LCRWeek", "LCRActive"};

QStringList rowTexts(const FixedCellGrid* grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column)
        texts << grid->cellText(row, column);
    return texts;
}

} // namespace

class LcrEditorTest : public QObject {
    Q_OBJECT

private:
    EditorFixture m_editor;
    FixedCellGrid* m_lcr = nullptr;

    QComboBox* combo(const char* name) { return m_editor.control<QComboBox>(name); }
    QLineEdit* textEditor() { return m_editor.control<QLineEdit>("LCRBufText"); }
    QStringList visibleEditors()
    {
        QStringList names;
        for (const char* name : kEditors)
            if (m_editor.control<QWidget>(name)->isVisible())
                names << QString::fromLatin1(name);
        return names;
    }
    void setRow(int row, const QStringList& texts)
    {
        for (int column = 1; column < texts.size(); ++column)
            m_lcr->setCellText(row, column, texts[column]);
    }
    // Shows mnuR with the right button and chooses its one item.
    void deleteWithPopup(FixedCellGrid* grid, int row, int column)
    {
        clickCell(grid, row, column, Qt::RightButton);
        QMenu* menu = m_editor.window().menu("mnuR");
        QTRY_VERIFY(menu->isVisible());
        QAction* item = m_editor.window().findChild<QAction*>(QStringLiteral("mnuRTD"));
        QCOMPARE(item->text(), QStringLiteral("Delete Entry"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    }

private slots:
    void init()
    {
        QVERIFY(m_editor.start());
        m_lcr = m_editor.grid("LCRGrid");
    }
    void cleanup() { m_editor.stop(); }

    void eachColumnOpensItsEditorOverTheCell()
    {
        setRow(4, {"3", "0800", "--->", "0899", "add", "1010", "08", "--->", "17", "Sat-Sun", "Yes"});
        const QStringList expected = {"LCRBufText", {}, "LCRBufText", "LCRAdd", "LCRBufText",
                                      "LCRTime", {}, "LCRTime", "LCRWeek", "LCRActive"};
        for (int column = 1; column <= 10; ++column) {
            clickCell(m_lcr, 4, column);
            const QString name = expected[column - 1];
            if (name.isEmpty()) {
                QVERIFY2(visibleEditors().isEmpty(), qPrintable(visibleEditors().join(u',')));
                continue;
            }
            QCOMPARE(visibleEditors(), QStringList{name});
            auto* editor = m_editor.control<QWidget>(name.toLatin1().constData());
            QVERIFY(editor->hasFocus());
            const QRect cell = m_lcr->visualRect(m_lcr->model()->index(4, column));
            const QRect placed = placeIn(m_lcr, editor);
            QCOMPARE(placed.topLeft(), cell.topLeft());
            QCOMPARE(placed.width(), cell.width());
            const QString shown = name == "LCRBufText" ? textEditor()->text()
                                                       : qobject_cast<QComboBox*>(editor)->currentText();
            QCOMPARE(shown, m_lcr->cellText(4, column));
        }
    }

    void theHelpLineFollowsTheEditorOpened()
    {
        clickCell(m_lcr, 2, 1);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::ThePhoneNumberSuchAs));
        clickCell(m_lcr, 2, 5);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::ThePhoneCodeAllowsYou));
        clickCell(m_lcr, 2, 4);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::AllowsThePrefixToBe));
        clickCell(m_lcr, 2, 3);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::ThePhoneNumberSuchAs));
        clickCell(m_lcr, 2, 7);
        QCOMPARE(m_editor.help(), QString());
    }

    void allForTheStartHourSetsBothHours()
    {
        setRow(5, {"", "", "", "", "", "", "08", "", "17"});
        clickCell(m_lcr, 5, 6);
        chooseFromList(combo("LCRTime"), QStringLiteral("All"));
        QCOMPARE(m_lcr->cellText(5, 6), QStringLiteral("All"));
        QCOMPARE(m_lcr->cellText(5, 8), QStringLiteral("All"));
        QCOMPARE(m_lcr->currentColumn(), 6);
    }

    void anHourForAWholeDayEntryClearsTheOtherHour()
    {
        setRow(5, {"", "", "", "", "", "", "All", "", "All"});
        clickCell(m_lcr, 5, 8);
        chooseFromList(combo("LCRTime"), QStringLiteral("09"));
        QCOMPARE(m_lcr->cellText(5, 6), QStringLiteral("--"));
        QCOMPARE(m_lcr->cellText(5, 8), QStringLiteral("09"));
        QCOMPARE(m_lcr->currentColumn(), 8);
    }

    void otherHourChoicesChangeOnlyTheirCell()
    {
        setRow(6, {"", "", "", "", "", "", "All", "", "All"});
        clickCell(m_lcr, 6, 6);
        chooseFromList(combo("LCRTime"), QStringLiteral("All"));
        QCOMPARE(m_lcr->cellText(6, 6), QStringLiteral("All"));
        QCOMPARE(m_lcr->cellText(6, 8), QStringLiteral("All"));

        setRow(7, {"", "", "", "", "", "", "08", "", "17"});
        clickCell(m_lcr, 7, 8);
        chooseFromList(combo("LCRTime"), QStringLiteral("--"));
        QCOMPARE(m_lcr->cellText(7, 6), QStringLiteral("08"));
        QCOMPARE(m_lcr->cellText(7, 8), QStringLiteral("--"));

        // An hour cell without text shows no entry of the list.
        clickCell(m_lcr, 8, 6);
        QCOMPARE(combo("LCRTime")->currentIndex(), -1);
    }

    void scrollingHidesTheEditorsAndTogglesTheFlag()
    {
        m_lcr->setMaximumHeight(6 * m_lcr->rowHeight(3));
        clickCell(m_lcr, 3, 5);
        QTest::keyClicks(textEditor(), QStringLiteral("0190"));
        QCOMPARE(m_editor.behaviour().lcr().gridScrolled(), qint16(0));
        QScrollBar* bar = m_lcr->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QVERIFY(textEditor()->isVisible());
        bar->setValue(bar->value() + 1);
        QVERIFY(visibleEditors().isEmpty());
        QCOMPARE(m_editor.help(), QString());
        QCOMPARE(m_lcr->cellText(3, 5), QStringLiteral("0190"));
        QCOMPARE(m_editor.behaviour().lcr().gridScrolled(), qint16(-1));
        bar->setValue(bar->value() - 1);
        QCOMPARE(m_editor.behaviour().lcr().gridScrolled(), qint16(0));
    }

    void anEntryEditedWithMouseAndKeyboardIsWhatTheGridHolds()
    {
        // Entry 7, row 8: every editable column in turn, each closed by Enter.
        clickCell(m_lcr, 8, 1);
        QTest::keyClicks(textEditor(), QStringLiteral("0800"));
        QTest::keyClick(textEditor(), Qt::Key_Return);
        clickCell(m_lcr, 8, 3);
        QTest::keyClicks(textEditor(), QStringLiteral("0899"));
        clickCell(m_lcr, 8, 4);
        chooseFromList(combo("LCRAdd"), QStringLiteral("add"));
        clickCell(m_lcr, 8, 5);
        QTest::keyClicks(textEditor(), QStringLiteral("1010"));
        clickCell(m_lcr, 8, 8);
        chooseFromList(combo("LCRTime"), QStringLiteral("All"));
        clickCell(m_lcr, 8, 9);
        chooseFromList(combo("LCRWeek"), QStringLiteral("Sat-Sun"));
        clickCell(m_lcr, 8, 10);
        chooseFromList(combo("LCRActive"), QStringLiteral("Yes"));
        QTest::keyClick(combo("LCRActive"), Qt::Key_Return);
        QVERIFY(visibleEditors().isEmpty());

        QCOMPARE(rowTexts(m_lcr, 8), (QStringList{"7", "0800", "--->", "0899", "add", "1010", "All",
                                                  "--->", "All", "Sat-Sun", "Yes"}));
        // Neighbouring entries are untouched.
        QCOMPARE(rowTexts(m_lcr, 7).mid(1, 2), (QStringList{"", "--->"}));
        QCOMPARE(rowTexts(m_lcr, 9).mid(1, 2), (QStringList{"", "--->"}));
    }

    // The delete pop-up

    void deletingEntryFiveGivesTheEmptyEntryAndLinesUpTheEditors()
    {
        setRow(6, {"5", "0800", "--->", "0899", "add", "1010", "All", "--->", "All", "Sat-Sun", "Yes"});
        clickCell(m_lcr, 6, 10);
        chooseFromList(combo("LCRActive"), QStringLiteral("Yes"));
        clickCell(m_lcr, 6, 3);
        QCOMPARE(textEditor()->text(), QStringLiteral("0899"));
        deleteWithPopup(m_lcr, 6, 8);

        QCOMPARE(m_editor.behaviour().deletePopup().popupGrid(), qint16(1));
        QCOMPARE(rowTexts(m_lcr, 6), (QStringList{"5", "", "--->", "", "replace", "", "--", "--->",
                                                  "--", "Mon-Fri", "No"}));
        QCOMPARE(m_lcr->currentRow(), 6);
        QCOMPARE(m_lcr->currentColumn(), 3);
        QVERIFY(textEditor()->isVisible());
        QCOMPARE(textEditor()->text(), QString());
        QCOMPARE(combo("LCRAdd")->currentText(), QStringLiteral("replace"));
        QCOMPARE(combo("LCRWeek")->currentText(), QStringLiteral("Mon-Fri"));
        QCOMPARE(combo("LCRTime")->currentText(), QStringLiteral("--"));
        QCOMPARE(combo("LCRActive")->currentText(), QStringLiteral("No"));
        // Lining up the editors wrote nothing back into the grid.
        QCOMPARE(m_lcr->cellText(6, 3), QString());
    }

    void theRightButtonActsOnTheRowLastClickedWithTheLeft()
    {
        FixedCellGrid* book = m_editor.grid("PhoneBookGrid");
        for (int row : {3, 7}) {
            book->setCellText(row, 1, QStringLiteral("80%1").arg(row));
            book->setCellText(row, 2, QStringLiteral("Peer %1").arg(row));
        }
        clickCell(book, 3, 2);
        // Escape closes the editor without moving the current cell (Enter
        // would move it down a row).
        QTest::keyClick(m_editor.control<QLineEdit>("PBBufText"), Qt::Key_Escape);
        deleteWithPopup(book, 7, 1);
        QCOMPARE(m_editor.behaviour().deletePopup().popupGrid(), qint16(2));
        QCOMPARE(rowTexts(book, 3), (QStringList{"803", "", ""}));
        QCOMPARE(rowTexts(book, 7), (QStringList{"807", "807", "Peer 7"}));
        QCOMPARE(book->currentRow(), 3);
        QCOMPARE(book->currentColumn(), 2);
    }

    void deletingInOneBookLeavesTheOtherWhereTheEditorWasUsed()
    {
        FixedCellGrid* book1 = m_editor.grid("PhoneBookGrid");
        FixedCellGrid* book2 = m_editor.grid("PhoneBookGrid2");
        book1->setCellText(1, 1, QStringLiteral("111"));
        clickCell(book2, 4, 1);
        QTest::keyClicks(m_editor.control<QLineEdit>("PBBufText"), QStringLiteral("444"));
        deleteWithPopup(book1, 9, 1);
        QCOMPARE(rowTexts(book1, 1), (QStringList{"801", "", ""}));
        QCOMPARE(rowTexts(book2, 4), (QStringList{"824", "444", ""}));
        // Still open over entry 824, the editor goes on showing and editing it.
        auto* editor = m_editor.control<QLineEdit>("PBBufText");
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("444"));
        QTest::keyClicks(editor, QStringLiteral("5"));
        QCOMPARE(rowTexts(book2, 4), (QStringList{"824", "4445", ""}));
        QCOMPARE(rowTexts(book1, 9), (QStringList{"809", "", ""}));
    }

    void aDeletedPhoneBookEntryLeavesTheForwardingGridOnThePageChange()
    {
        FixedCellGrid* book = m_editor.grid("PhoneBookGrid");
        FixedCellGrid* forward = m_editor.grid("ForwardGrid");
        book->setCellText(3, 1, QStringLiteral("0301"));
        book->setCellText(3, 2, QStringLiteral("Ann"));
        clickCell(book, 3, 1);
        clickTab(m_editor.window(), kForwardingPage);
        QCOMPARE(forward->cellText(3, 2), QStringLiteral("Ann"));
        clickCell(book, 3, 1);
        deleteWithPopup(book, 3, 1);
        clickTab(m_editor.window(), kForwardingPage);
        QCOMPARE(forward->cellText(3, 1), QString());
        QCOMPARE(forward->cellText(3, 2), QString());
    }

    void onlyTheRightButtonOnTheThreeGridsShowsTheMenu()
    {
        QMenu* menu = m_editor.window().menu("mnuR");
        FixedCellGrid* book2 = m_editor.grid("PhoneBookGrid2");
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
            clickCell(m_lcr, 4, 7, button);
            clickCell(book2, 4, 0, button);
            QVERIFY(!menu->isVisible());
        }
        clickCell(m_editor.grid("ForwardGrid"), 4, 3, Qt::RightButton);
        clickCell(m_editor.grid("ShortDialGrid"), 4, 3, Qt::RightButton);
        QVERIFY(!menu->isVisible());
        QCOMPARE(m_editor.behaviour().deletePopup().popupGrid(), qint16(0));
        // Nor does the right button open an editor or move the current cell.
        const int row = m_lcr->currentRow();
        clickCell(m_lcr, row + 5, 5, Qt::RightButton);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(visibleEditors().isEmpty());
        QCOMPARE(m_lcr->currentRow(), row);
        menu->hide();
    }
};

QTEST_MAIN(LcrEditorTest)
#include "lcr_editor_test.moc"

