// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help window on the built help file: its contents, its
// start page and links between pages.
#include "help_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QToolButton>
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
    QTemporaryDir m_settingsHome;

    HelpWindow& shownHelp(const QString& settingsName = {})
    {
        m_window = std::make_unique<HelpWindow>(nullptr, settingsName);
        [&] { QVERIFY(m_window->openFile(QStringLiteral(QL310_HELP_FILE))); }();
        m_window->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(m_window.get())); }();
        return *m_window;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsHome.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsHome.path());
    }
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

    void backAndForwardFollowThePagesShown()
    {
        HelpWindow& help = shownHelp();
        QVERIFY(!help.backButton()->isEnabled());
        help.showPage(QStringLiteral("bod.html"));
        help.showPage(QStringLiteral("lcr.html"));
        QTest::mouseClick(help.backButton(), Qt::LeftButton);
        QCOMPARE(help.currentPage(), QStringLiteral("bod.html"));
        QVERIFY(help.forwardButton()->isEnabled());
        QTest::mouseClick(help.backButton(), Qt::LeftButton);
        QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
        QVERIFY(!help.backButton()->isEnabled());
        QTest::mouseClick(help.forwardButton(), Qt::LeftButton);
        QTest::mouseClick(help.forwardButton(), Qt::LeftButton);
        QCOMPARE(help.currentPage(), QStringLiteral("lcr.html"));
        QVERIFY(!help.forwardButton()->isEnabled());
        // The desktop's keys for the same.
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        help.browser()->setFocus();
        QTest::keySequence(help.browser(), QKeySequence(QKeySequence::Back));
        QCOMPARE(help.currentPage(), QStringLiteral("bod.html"));
        QTest::keySequence(help.browser(), QKeySequence(QKeySequence::Forward));
        QCOMPARE(help.currentPage(), QStringLiteral("lcr.html"));
    }
    void theSearchKeepsThePagesHoldingTheWordAndMarksIt()
    {
        HelpWindow& help = shownHelp();
        const auto shownEntries = [&help] {
            QStringList pages;
            for (int row = 0; row < help.contents()->count(); ++row)
                if (!help.contents()->item(row)->isHidden())
                    pages << help.contents()->item(row)->data(Qt::UserRole).toString();
            return pages;
        };
        QTest::keyClicks(help.searchField(), QStringLiteral("EXCLUSION"));
        const QStringList found = shownEntries();
        QVERIFY(found.contains(QStringLiteral("lcr.html")));
        QVERIFY(!found.contains(QStringLiteral("bod.html")));
        QCOMPARE(found, help.pagesContaining(QStringLiteral("exclusion")));
        // Enter goes to a page with the word, which is marked there.
        help.showPage(QStringLiteral("bod.html"));
        QTest::keyClick(help.searchField(), Qt::Key_Return);
        QVERIFY(found.contains(help.currentPage()));
        QVERIFY(!help.browser()->extraSelections().isEmpty());
        QCOMPARE(help.browser()->extraSelections().first().cursor.selectedText().toLower(),
                 QStringLiteral("exclusion"));

        help.searchField()->setText(QStringLiteral("qqzzxx"));
        QVERIFY(shownEntries().isEmpty());
        QVERIFY(help.findChild<QLabel*>(QStringLiteral("HelpNoMatch"))->isVisible());
        QVERIFY(help.browser()->extraSelections().isEmpty());
        help.searchField()->clear();
        QCOMPARE(shownEntries().size(), help.contents()->count());
    }
    void theWindowFitsTheScreenKeepsItsSizeAndEscapeClosesIt()
    {
        const QString name = QStringLiteral("help-size-test");
        QSettings(name, name).setValue(QStringLiteral("HelpWindow/Size"), QSize(5000, 4000));
        HelpWindow& help = shownHelp(name);
        const QRect screen = help.screen()->availableGeometry();
        QVERIFY2(screen.contains(help.frameGeometry()), qPrintable(QStringLiteral("%1x%2")
                                                                      .arg(help.width())
                                                                      .arg(help.height())));
        help.resize(520, 380);
        QTest::keyClick(help.browser(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());

        HelpWindow& again = shownHelp(name);
        QCOMPARE(again.size(), QSize(520, 380));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
