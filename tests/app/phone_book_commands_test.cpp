// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's phone-book import and export against a real simulated
// adapter (country Germany): a vCard of three versions imported as the
// preview said and written to the adapter, Cancel and refused files that
// change nothing, the columns of an unknown CSV, a full phone book, and an
// export that an import into an empty phone book gives back.
#include "block_access.h"
#include "fixed_cell_grid.h"
#include "image_test_helpers.h"
#include "library_binding.h"
#include "main_window.h"
#include "phone_book_import_dialog.h"
#include "window_test_base.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using ql310::CsvColumnsDialog;
using ql310::MainWindow;
using ql310::PhoneBookImportDialog;
using ql310::UserInteraction;
using ql310::test::readAll;
using ql310::test::writeAll;

namespace {

// A 2.1 card with quoted-printable names and a photo, a folded 3.0 card
// with a group, a 4.0 card with a tel: URI and its extension.
const QByteArray kThreeVersions =
    "BEGIN:VCARD\r\nVERSION:2.1\r\n"
    "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg;;;\r\n"
    "TEL;CELL;PREF:+49 171 1234567\r\n"
    "TEL;HOME:030 1234567\r\n"
    "PHOTO;ENCODING=BASE64;TYPE=JPEG:\r\n /9j/4AAQSkZJRgABAQEASABIAAD/2wBD\r\n\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\n  Berg\r\n"
    "item1.TEL;type=HOME;type=VOICE:+44 20 7946 0000\r\nTEL;TYPE=cell:0800-ABCDEFG\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob\r\n"
    "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+49-30-7654321;ext=102\r\nEND:VCARD\r\n";

} // namespace

class PhoneBookCommandsTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_files;

    bool started() { return window().startUp() && window().state() == MainWindow::State::Normal; }
    QString filePath(const char* name) const { return m_files->filePath(QLatin1String(name)); }
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = filePath(name);
        return writeAll(path, bytes) ? path : QString();
    }
    void run(const char* action, const QString& path)
    {
        m_interaction.chooseFileAnswer(path);
        window().findChild<QAction*>(QLatin1String(action))->trigger();
    }
    // Number and name of entry 801 + record in the phone-book grid and in
    // the forward grid's copy.
    QStringList entry(int record)
    {
        auto* grid = window().grid(record < 20 ? "PhoneBookGrid" : "PhoneBookGrid2");
        auto* forward = window().grid("ForwardGrid");
        return {grid->cellText(record % 20 + 1, 1), grid->cellText(record % 20 + 1, 2),
                forward->cellText(record + 1, 1), forward->cellText(record + 1, 2)};
    }
    void setEntry(int record, const QString& number, const QString& name)
    {
        auto* grid = window().grid(record < 20 ? "PhoneBookGrid" : "PhoneBookGrid2");
        grid->setCellText(record % 20 + 1, 1, number);
        grid->setCellText(record % 20 + 1, 2, name);
    }
    QList<QStringList> allEntries()
    {
        QList<QStringList> all;
        for (int i = 0; i < 40; ++i)
            all.append(entry(i).mid(0, 2));
        return all;
    }
    // Every grid cell of the window, to see that nothing else changed.
    QStringList allGridCells()
    {
        QStringList cells;
        for (auto* grid : window().findChildren<ql310::FixedCellGrid*>())
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    cells << grid->cellText(r, c);
        return cells;
    }
    // The preview's rows under the group `name` ("fill", "already", "refused").
    QStringList previewRows(QDialog& dialog, const char* name)
    {
        auto* list = dialog.findChild<QTreeWidget*>("importPreview");
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* group = list->topLevelItem(i);
            if (group->data(0, Qt::UserRole).toString() != QLatin1String(name))
                continue;
            for (int k = 0; k < group->childCount(); ++k) {
                QStringList columns;
                for (int c = 0; c < 4; ++c)
                    columns << group->child(k)->text(c);
                rows << columns.join(u'|');
            }
        }
        return rows;
    }
    void acceptPreview(bool updateNames = false)
    {
        m_interaction.answerDialog([updateNames](QDialog& dialog) {
            if (auto* preview = qobject_cast<PhoneBookImportDialog*>(&dialog))
                preview->setUpdateNames(updateNames);
            return int(QDialog::Accepted);
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
    }
    void init()
    {
        m_files = std::make_unique<QTemporaryDir>();
        m_adapter = std::make_unique<ql310::test::SimulatedAdapter>(QL310_ADAPTER_PATH);
        QVERIFY(m_adapter->start());
        m_library = ql310::test::boundTestLibrary();
        m_interaction = ql310::test::ScriptedInteraction();
    }
    void cleanup()
    {
        endRun();
        m_files.reset();
    }

    void aVCardOfThreeVersionsImportsAsThePreviewSaidAndWriteSendsIt()
    {
        QVERIFY(started());
        setEntry(0, QStringLiteral("0301234567"), QStringLiteral("Home"));
        window().grid("ForwardGrid")->setCellText(3, 3, QStringLiteral("0555"));
        const QString path = write("contacts.vcf", kThreeVersions);

        QStringList fill, already, refused;
        m_interaction.answerDialog([&](QDialog& dialog) {
            fill = previewRows(dialog, "fill");
            already = previewRows(dialog, "already");
            refused = previewRows(dialog, "refused");
            return int(QDialog::Accepted);
        });
        run("mnuImportPhoneBook", path);
        QCOMPARE(m_interaction.dialogsShown(), 1);
        QVERIFY(m_interaction.asked().isEmpty());
        QCOMPARE(fill, (QStringList{
                           QString::fromUtf8("802|01711234567|Jörg Müller|Jörg Müller: +49 171 1234567"),
                           "803|00442079460000|Anna Berg|Anna Berg: +44 20 7946 0000",
                           "804|0307654321|Bob|Bob: tel:+49-30-7654321;ext=102 (extension 102 dropped)"}));
        QCOMPARE(already.size(), 1);
        QVERIFY(already[0].startsWith("801|0301234567|Home (skipped)"));
        QCOMPARE(refused, QStringList{"||letters in the number|Anna Berg: 0800-ABCDEFG"});

        // The grids show what the preview said; the forward grid's own column stays.
        // Entry 801 was typed, not imported: its forward-grid copy waits for the refresh.
        QCOMPARE(entry(0), (QStringList{"0301234567", "Home", "", ""}));
        QCOMPARE(entry(1), (QStringList{"01711234567", QString::fromUtf8("Jörg Müller"), "01711234567",
                                        QString::fromUtf8("Jörg Müller")}));
        QCOMPARE(entry(3), (QStringList{"0307654321", "Bob", "0307654321", "Bob"}));
        QCOMPARE(entry(4), (QStringList{"", "", "", ""}));
        QCOMPARE(window().grid("ForwardGrid")->cellText(3, 3), QStringLiteral("0555"));

        // Write puts them into the adapter's table block.
        window().findChild<QAction*>("mnuWrite")->trigger();
        QCOMPARE(window().statusPanel(1), QStringLiteral("Write to ISDN TA Success !"));
        QByteArray table = readAll(QString::fromStdString(m_adapter->stateDir()) + "/table.bin");
        QCOMPARE(table.size(), 1792);
        ql310::image::BlockAccess access(ql310::image::Block::Table, reinterpret_cast<uint8_t*>(table.data()),
                                         ql310::image::test::libraryPacking());
        const auto slots2 = ql310::image::phoneBookSlots(2);
        QCOMPARE(QString::fromStdU16String(access.readDigits(slots2.peerNumber)), QStringLiteral("00442079460000"));
        QCOMPARE(QString::fromStdU16String(access.readText(slots2.peerName)), QStringLiteral("Anna Berg"));
        QCOMPARE(QString::fromStdU16String(access.readText(ql310::image::phoneBookSlots(1).peerName)),
                 QString::fromUtf8("Jörg Müller"));
    }

    void cancelAndRefusedFilesChangeNothing()
    {
        QVERIFY(started());
        setEntry(0, QStringLiteral("0301234567"), QStringLiteral("Home"));
        const QStringList cells = allGridCells();
        const QByteArray table = window().tableBlock();

        // Cancel in the preview.
        run("mnuImportPhoneBook", write("contacts.vcf", kThreeVersions));
        QCOMPARE(m_interaction.dialogsShown(), 1);
        QCOMPARE(allGridCells(), cells);
        // Cancel in the file dialog.
        run("mnuImportPhoneBook", QString());
        QCOMPARE(m_interaction.dialogsShown(), 1);
        // A binary file, a file without a card: a message, no preview.
        run("mnuImportPhoneBook", write("program.vcf", QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0\0", 12)));
        run("mnuImportPhoneBook", write("empty.vcf", "FN:nobody\r\n"));
        // Cards without a number, or one cut off by the file's end.
        run("mnuImportPhoneBook", write("nonumber.vcf", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nTEL:1\r\n"));
        QCOMPARE(m_interaction.asked().size(), 3);
        QVERIFY(m_interaction.asked()[0].text.contains("binary"));
        QVERIFY(m_interaction.asked()[1].text.contains("holds no card"));
        QVERIFY(m_interaction.asked()[2].text.contains("no telephone number found in " + filePath("nonumber.vcf")));
        for (const auto& asked : m_interaction.asked()) {
            QVERIFY(asked.text.endsWith("Nothing was changed."));
            QCOMPARE(asked.icon, UserInteraction::Icon::Exclamation);
        }
        // A CSV file whose columns are not known: asked, then cancelled.
        run("mnuImportPhoneBook", write("odd.csv", "Spalte A,Spalte B\r\nAnna,0301\r\n"));
        QCOMPARE(m_interaction.dialogsShown(), 2);
        QCOMPARE(allGridCells(), cells);
        QCOMPARE(window().tableBlock(), table);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void theColumnsOfAnUnknownCsvAreAskedFor()
    {
        QVERIFY(started());
        m_interaction.answerDialog([](QDialog& dialog) {
            auto* columns = qobject_cast<CsvColumnsDialog*>(&dialog);
            if (!columns)
                return int(QDialog::Rejected);
            columns->choose(0, 1);
            return int(QDialog::Accepted);
        });
        acceptPreview();
        run("mnuImportPhoneBook", write("odd.csv", "Spalte A;Spalte B\r\nAnna;+49 30 1234567\r\n"));
        QCOMPARE(m_interaction.dialogsShown(), 2);
        QCOMPARE(entry(0).mid(0, 2), (QStringList{"0301234567", "Anna"}));
    }

    void aFullPhoneBookSaysHowManyNumbersWereNotImportedAndNamesUpdateWhenTicked()
    {
        QVERIFY(started());
        for (int i = 0; i < 40; ++i)
            setEntry(i, QStringLiteral("0301000%1").arg(100 + i), QStringLiteral("Entry %1").arg(i));
        const QString path = write("more.csv", "Name,Mobile\r\nNew,0401\r\nOther,0402\r\nRenamed,+49 30 1000105\r\n");
        QString summary;
        bool importEnabled = true;
        m_interaction.answerDialog([&](QDialog& dialog) {
            summary = dialog.findChild<QLabel*>("importSummary")->text();
            auto* preview = qobject_cast<PhoneBookImportDialog*>(&dialog);
            preview->setUpdateNames(true);
            importEnabled = dialog.findChild<QPushButton*>("importButton")->isEnabled();
            return int(QDialog::Accepted);
        });
        run("mnuImportPhoneBook", path);
        QVERIFY2(summary.contains("The phone book is full: 2 numbers were not imported."), qPrintable(summary));
        QVERIFY(importEnabled);
        QCOMPARE(entry(5).mid(0, 2), (QStringList{"0301000105", "Renamed"}));
        QCOMPARE(entry(6).mid(0, 2), (QStringList{"0301000106", "Entry 6"}));
    }
    void aNumberWhoseTickIsClearedIsLeftOut()
    {
        QVERIFY(started());
        m_interaction.answerDialog([](QDialog& dialog) {
            auto* preview = qobject_cast<PhoneBookImportDialog*>(&dialog);
            preview->setTicked(0, false);
            return int(QDialog::Accepted);
        });
        run("mnuImportPhoneBook", write("two.csv", "Name,Mobile\r\nFirst,0401\r\nSecond,0402\r\n"));
        QCOMPARE(entry(0).mid(0, 2), (QStringList{QString(), QString()}));
        QCOMPARE(entry(1).mid(0, 2), (QStringList{"0402", "Second"}));
    }

    void anExportImportedIntoAnEmptyPhoneBookGivesBackTheSame40Entries()
    {
        QVERIFY(started());
        for (int i = 0; i < 40; ++i)
            setEntry(i, i % 3 ? QStringLiteral("0301000%1").arg(100 + i) : QStringLiteral("*31#07%1").arg(i),
                     QString::fromUtf8("Müller, %1; A\\B").arg(i));
        const QList<QStringList> before = allEntries();
        for (const char* name : {"book.vcf", "book.csv"}) {
            const QString path = filePath(name);
            run("mnuExportPhoneBook", path);
            QVERIFY(m_interaction.asked().isEmpty());
            QCOMPARE(m_interaction.fileRequests().last().forSaving, true);
            QVERIFY(readAll(path).startsWith(QByteArray(name).endsWith("csv") ? "Entry,Name,Number\r\n"
                                                                              : "BEGIN:VCARD\r\nVERSION:4.0\r\n"));
            for (int i = 0; i < 40; ++i)
                setEntry(i, QString(), QString());
            acceptPreview();
            run("mnuImportPhoneBook", path);
            QCOMPARE(allEntries(), before);
            QCOMPARE(entry(39).mid(2), before[39]);
        }
        // The export replaces the file whole.
        QVERIFY(QDir(m_files->path()).entryList(QDir::Files).size() == 2);
    }
};

QTEST_MAIN(PhoneBookCommandsTest)
#include "phone_book_commands_test.moc"
