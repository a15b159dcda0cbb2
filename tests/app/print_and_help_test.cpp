// SPDX-License-Identifier: GPL-3.0-or-later
// The Print menu's table items, the About window and the way F1 and the
// Help menu open the help file, on the real main window.
#include "about_box.h"
#include "call_log_grid.h"
#include "call_log_widths.h"
#include "fixed_cell_grid.h"
#include "help_window.h"
#include "library_binding.h"
#include "main_window.h"
#include "print_and_help_menus.h"
#include "scripted_interaction.h"
#include "test_library.h"
#include "text_table.h"
#include "twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using ql310::MainWindow;
using ql310::PrintAndHelpMenus;
using ql310::UserInteraction;
using ql310::test::ScriptedInteraction;

namespace {

// The pages of a PDF file: its page objects, not the page tree.
int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

// Records what the help asked the desktop to open.
class FakeDesktopViewer : public ql310::DesktopViewer {
public:
    explicit FakeDesktopViewer(bool installed) : m_installed(installed) {}
    bool open(const QString& path) override
    {
        opened.append(path);
        return m_installed;
    }
    QStringList opened;

private:
    bool m_installed;
};

// The words of a PDF page with their left edges in points, through
// pdftotext: text drawn as a picture has none.
struct PdfWord {
    QString text;
    double x = 0;
};
QList<PdfWord> pdfWords(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<PdfWord> words;
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    for (auto match = word.globalMatch(out); match.hasNext();) {
        const auto m = match.next();
        words.append({m.captured(2), m.captured(1).toDouble()});
    }
    return words;
}
QStringList textsOf(const QList<PdfWord>& words)
{
    QStringList texts;
    for (const PdfWord& w : words)
        texts << w.text;
    return texts;
}
double xOf(const QList<PdfWord>& words, const QString& text)
{
    for (const PdfWord& w : words)
        if (w.text == text)
            return w.x;
    return -1;
}

} // namespace

class PrintAndHelpTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_out;  // printouts of one test
    ScriptedInteraction m_interaction;
    std::unique_ptr<ql310::LibraryBinding> m_library;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<FakeDesktopViewer> m_viewer;

    MainWindow& window() { return *m_window; }
    PrintAndHelpMenus& menus() { return m_window->printAndHelpMenus(); }
    QAction* action(const char* name)
    {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    // A laid-out, shown editor with some entries in its tables.
    void showEditor()
    {
        window().configureGrids(ql310::kDefaultCallLogWidths);
        window().setupEditorTexts();
        window().grid("PhoneBookGrid")->setCellText(1, 1, QStringLiteral("0301234567"));
        window().grid("PhoneBookGrid2")->setCellText(20, 2, QStringLiteral("Last Entry"));
        window().grid("ShortDialGrid")->setCellText(3, 1, QStringLiteral("0891111"));
        window().grid("LCRGrid")->setCellText(2, 1, QStringLiteral("030"));
        window().resize(1100, 700);
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void useViewer(bool installed)
    {
        m_viewer = std::make_unique<FakeDesktopViewer>(installed);
        menus().onlineHelp().setDesktopViewer(m_viewer.get());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.filePath("config"));
    }
    void init()
    {
        m_interaction = ScriptedInteraction();
        m_out = std::make_unique<QTemporaryDir>();
        // The window's items never reach the adapter: no library is bound.
        m_library = std::make_unique<ql310::LibraryBinding>(QStringList{m_home.filePath("none.so")});
        m_window = std::make_unique<MainWindow>(*m_library, m_interaction);
        useViewer(false);
    }
    void cleanup()
    {
        m_window.reset();
        m_viewer.reset();
    }

    // Printing the tables
    void eachTablePrintsOnOnePage_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("LCR") << "mnuPLCR";
        QTest::newRow("PhoneBook") << "mnuPPB";
        QTest::newRow("Short Dial") << "mnuSD";
    }
    void eachTablePrintsOnOnePage()
    {
        QFETCH(QString, item);
        showEditor();
        const QString pdf = m_out->filePath(item + ".pdf");
        m_interaction.printTo(pdf);
        action(qPrintable(item))->trigger();
        QCOMPARE(m_interaction.printerDialogs(), 1);
        QCOMPARE(pdfPageCount(pdf), 1);
    }
    void cancellingThePrinterDialogPrintsNothingAndKeepsTheEditor()
    {
        showEditor();
        window().grid("PhoneBookGrid")->setCurrentCell(5, 2);
        for (const char* item : {"mnuPLCR", "mnuPPB", "mnuSD"})
            action(item)->trigger();
        QCOMPARE(m_interaction.printerDialogs(), 3);
        QVERIFY(QDir(m_out->path()).isEmpty());
        QVERIFY(m_interaction.asked().isEmpty());
        QCOMPARE(window().grid("PhoneBookGrid")->cellText(1, 1), QStringLiteral("0301234567"));
        QCOMPARE(window().grid("PhoneBookGrid")->currentRow(), 5);
        QCOMPARE(window().grid("PhoneBookGrid")->currentColumn(), 2);
    }
    void aPrinterThatCannotStartPrintsNothingAndAsksNothing()
    {
        showEditor();
        const QString pdf = m_out->filePath("missing-folder/book.pdf");
        m_interaction.printTo(pdf);
        action("mnuPPB")->trigger();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(m_interaction.asked().isEmpty());
    }
    void everyEntryOfTheTablesIsPrintedAsText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        showEditor();
        // All 40 entries, in grids far shorter than their rows, scrolled to
        // the middle with a cell selected.
        for (int record = 0; record < 40; ++record) {
            auto* book = window().grid(record < 20 ? "PhoneBookGrid" : "PhoneBookGrid2");
            book->setCellText(record % 20 + 1, 1, QStringLiteral("0301%1").arg(record + 801));
            book->setCellText(record % 20 + 1, 2, QStringLiteral("Name%1").arg(record + 801));
        }
        for (int entry = 0; entry < 10; ++entry)
            for (int port = 0; port < 4; ++port)
                window().grid("ShortDialGrid")->setCellText(3 + entry, port + 1,
                                                            QStringLiteral("7%1%2").arg(port).arg(entry));
        for (int row = 2; row < 22; ++row)
            window().grid("LCRGrid")->setCellText(row, 5, QStringLiteral("01%1").arg(row + 10));
        window().tabs()->setCurrentIndex(6);
        window().resize(640, 400);
        for (const char* name : {"PhoneBookGrid", "PhoneBookGrid2", "ShortDialGrid", "LCRGrid"}) {
            auto* grid = window().grid(name);
            grid->setMaximumHeight(5 * grid->rowHeight(1));
            grid->setCurrentCell(grid->rowCount() / 2, 1);
            grid->scrollTo(grid->currentIndex());
        }
        QCoreApplication::processEvents();

        const auto print = [this](const char* item) {
            const QString pdf = m_out->filePath(QLatin1String(item) + QStringLiteral(".pdf"));
            m_interaction.printTo(pdf);
            action(item)->trigger();
            return pdfWords(pdf);
        };
        const QList<PdfWord> book = print("mnuPPB");
        const QStringList bookTexts = textsOf(book);
        for (int entry = 801; entry <= 840; ++entry) {
            QVERIFY2(bookTexts.contains(QString::number(entry)), qPrintable(QString::number(entry)));
            QVERIFY2(bookTexts.contains(QStringLiteral("0301%1").arg(entry)), qPrintable(QString::number(entry)));
            QVERIFY2(bookTexts.contains(QStringLiteral("Name%1").arg(entry)), qPrintable(QString::number(entry)));
        }
        // Entries 821-840 start 4000 twips (200 points) right of 801-820.
        QVERIFY(xOf(book, QStringLiteral("821")) - xOf(book, QStringLiteral("801")) >= 199.0);
        QVERIFY(xOf(book, QStringLiteral("Name801")) < xOf(book, QStringLiteral("821")));

        const QStringList shortDial = textsOf(print("mnuSD"));
        for (int entry = 0; entry < 10; ++entry)
            for (int port = 0; port < 4; ++port)
                QVERIFY(shortDial.contains(QStringLiteral("7%1%2").arg(port).arg(entry)));
        const QStringList lcr = textsOf(print("mnuPLCR"));
        for (int row = 2; row < 22; ++row)
            QVERIFY2(lcr.contains(QStringLiteral("01%1").arg(row + 10)), qPrintable(QString::number(row)));
        for (int entry = 1; entry <= 20; ++entry)
            QVERIFY(lcr.contains(QString::number(entry)));
        // Printing changed nothing on screen.
        QCOMPARE(window().grid("PhoneBookGrid")->currentRow(), 10);
    }

    // The About window
    void aboutShowsItsTextsWithoutBlockingTheWindow()
    {
        showEditor();
        action("mnuAbout")->trigger();
        ql310::AboutBox* about = menus().aboutBox();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->objectName(), QStringLiteral("About"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About ISDN TA Configuration"));
        auto label = [about](const char* name) {
            return about->findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(label("ProductName"), QStringLiteral("ISDN TA Configuration Program"));
        QCOMPARE(label("CompanyName"), ql310::text(ql310::TextId::CopyrightCTheQl310setAuthors));
        QCOMPARE(label("lblVersion"), QStringLiteral("Version 5.1.1"));
        QCOMPARE(label("lblDescription"), QString(17, u' '));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());

        // The main window stays usable while About is open.
        QVERIFY(!QApplication::activeModalWidget());
        auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about->isVisible());

        // Asked again, the same window comes back.
        action("mnuAbout")->trigger();
        QCOMPARE(menus().aboutBox(), about);
        QVERIFY(about->isVisible());
    }

    // On-line help
    void onLineMenuSendsF1WhichOpensTheHelpFileInTheDesktopViewer()
    {
        showEditor();
        useViewer(true);
        action("mnuOnLineMenu")->trigger();
        QTRY_COMPARE(m_viewer->opened.size(), 1);
        const QFileInfo opened(m_viewer->opened.first());
        QCOMPARE(opened.fileName(), QStringLiteral("ql310.chm"));
        QCOMPARE(opened.absolutePath(), QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
        QVERIFY(!menus().onlineHelp().helpWindow());
    }
    void withoutADesktopViewerF1ShowsTheOwnHelpWindow()
    {
        showEditor();
        auto* name = window().findChild<QLineEdit*>(QStringLiteral("PortName_0"));
        name->setFocus();
        QTest::keyClick(name, Qt::Key_F1);
        QCOMPARE(m_viewer->opened.size(), 1);
        ql310::HelpWindow* help = menus().onlineHelp().helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        // The page of the tab shown.
        QCOMPARE(help->currentPage(), QStringLiteral("msn.html"));
        QCOMPARE(help->windowTitle(), QStringLiteral("ISDN TA Configuration Help"));
        // F1 reaches no further: the box keeps its text.
        QVERIFY(name->text().isEmpty());

        // F1 again, here from the menu, brings back the same window.
        help->hide();
        action("mnuOnLineMenu")->trigger();
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(menus().onlineHelp().helpWindow(), help);

        // On another tab, F1 opens that tab's page.
        window().tabs()->setCurrentWidget(window().findChild<QWidget*>(QStringLiteral("CallLogPage")));
        window().callLogGrid()->setFocus();
        QTest::keyClick(window().callLogGrid(), Qt::Key_F1);
        QCOMPARE(help->currentPage(), QStringLiteral("calllog.html"));
        // F1 in the help window stays on its page.
        help->showPage(QStringLiteral("bod.html"));
        QTest::keyClick(help->browser(), Qt::Key_F1);
        QCOMPARE(help->currentPage(), QStringLiteral("bod.html"));
    }
    void aMissingHelpFileIsToldAndOpensNothing()
    {
        showEditor();
        QTemporaryDir empty;
        menus().onlineHelp().setSearchDirectories({empty.path()});
        QTest::keyClick(&window(), Qt::Key_F1);
        QCOMPARE(m_interaction.asked().size(), 1);
        QVERIFY(m_interaction.asked().first().text.contains(QStringLiteral("ql310.chm")));
        QCOMPARE(m_interaction.asked().first().title, QStringLiteral("USB ISDN TA Configuration"));
        QCOMPARE(m_interaction.asked().first().icon, UserInteraction::Icon::Exclamation);
        QVERIFY(m_viewer->opened.isEmpty());
        QVERIFY(!menus().onlineHelp().helpWindow());
    }
    void aFileThatIsNotCompiledHelpIsTold()
    {
        showEditor();
        QTemporaryDir dir;
        QFile broken(dir.filePath("ql310.chm"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a help file");
        broken.close();
        menus().onlineHelp().setSearchDirectories({dir.path()});
        QTest::keyClick(&window(), Qt::Key_F1);
        QCOMPARE(m_interaction.asked().size(), 1);
        QVERIFY(m_interaction.asked().first().text.contains(broken.fileName()));
        QVERIFY(!menus().onlineHelp().helpWindow()->isVisible());
    }
};

QTEST_MAIN(PrintAndHelpTest)
#include "print_and_help_test.moc"
