// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help window on the built help file: its contents, its
// start page and links between pages.
#include "help_window.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

using ql310::HelpWindow;

namespace {

// The place of the first link to `href` in the shown page, in the
// browser's viewport.
QPoint linkPosition(QTextBrowser& browser, const QString& href)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor() && fragment.charFormat().anchorHref() == href) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(fragment.position() + 1);
                return browser.cursorRect(cursor).center();
            }
        }
    }
    return {-1, -1};
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<HelpWindow> m_window;

    HelpWindow& shownHelp()
    {
        m_window = std::make_unique<HelpWindow>();
        [&] { QVERIFY(m_window->openFile(QStringLiteral(QL310_HELP_FILE))); }();
        m_window->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_window.get())); }();
        return *m_window;
    }

private slots:
    void cleanup() { m_window.reset(); }

    void opensOnTheStartPageWithTheContentsInOrder()
    {
        HelpWindow& help = shownHelp();
        QCOMPARE(help.windowTitle(), QStringLiteral("ISDN TA Configuration Help"));
        QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
        QCOMPARE(help.browser()->documentTitle(), QStringLiteral("ISDN TA Configuration"));
        QStringList names;
        for (int row = 0; row < help.contents()->count(); ++row)
            names.append(help.contents()->item(row)->text());
        QCOMPARE(names, (QStringList{"ISDN TA Configuration", "MSN", "Phone & Data Function", "BOD",
                                     "Forwarding", "LCR", "Short Dial", "PhoneBook",
                                     "Call Logging"}));
        QCOMPARE(help.contents()->currentRow(), 0);
    }
    void everyContentsEntryShowsItsPage()
    {
        HelpWindow& help = shownHelp();
        for (int row = 0; row < help.contents()->count(); ++row) {
            QListWidgetItem* item = help.contents()->item(row);
            QTest::mouseClick(help.contents()->viewport(), Qt::LeftButton, {},
                              help.contents()->visualItemRect(item).center());
            QCOMPARE(help.currentPage(), item->data(Qt::UserRole).toString());
            // The page's own heading, not an empty document.
            QCOMPARE(help.browser()->documentTitle(), item->text());
            QVERIFY(help.browser()->toPlainText().size() > 300);
        }
    }
    void aLinkOpensTheLinkedPageAndBackReturns()
    {
        HelpWindow& help = shownHelp();
        const QPoint link = linkPosition(*help.browser(), QStringLiteral("forwarding.html"));
        QVERIFY(link.x() >= 0);
        QTest::mouseClick(help.browser()->viewport(), Qt::LeftButton, {}, link);
        QCOMPARE(help.currentPage(), QStringLiteral("forwarding.html"));
        QCOMPARE(help.contents()->currentItem()->text(), QStringLiteral("Forwarding"));

        // A link on that page to a third one.
        const QPoint book = linkPosition(*help.browser(), QStringLiteral("phonebook.html"));
        QVERIFY(book.x() >= 0);
        QTest::mouseClick(help.browser()->viewport(), Qt::LeftButton, {}, book);
        QCOMPARE(help.currentPage(), QStringLiteral("phonebook.html"));

        help.browser()->backward();
        QCOMPARE(help.currentPage(), QStringLiteral("forwarding.html"));
    }
    void aFileThatIsNotCompiledHelpLeavesTheWindowAsItWas()
    {
        HelpWindow& help = shownHelp();
        help.showPage(QStringLiteral("bod.html"));
        QTemporaryDir dir;
        QFile broken(dir.filePath("broken.chm"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(512, 'x'));
        broken.close();
        QVERIFY(!help.openFile(broken.fileName()));
        QVERIFY(!help.openFile(dir.filePath("absent.chm")));
        QCOMPARE(help.fileName(), QStringLiteral(QL310_HELP_FILE));
        QCOMPARE(help.currentPage(), QStringLiteral("bod.html"));
        QCOMPARE(help.browser()->documentTitle(), QStringLiteral("BOD"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
