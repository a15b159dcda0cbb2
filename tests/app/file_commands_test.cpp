// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's files against a real simulated adapter: the dialogs and
// Cancel, what each file holds, a settings file that brings the editor and
// the line parameters back, the partial LCR and phone-book loads that leave
// everything else alone, the registry that waits for the next Write, and
// the files that cannot be read or written.
#include "device_commands.h"
#include "fixed_cell_grid.h"
#include "image_test_helpers.h"
#include "library_binding.h"
#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"
#include "window_test_base.h"
#include "time_set.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::image::Block;
using ql310::image::FieldId;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;

namespace {

using ql310::test::readAll;
using ql310::test::writeAll;

constexpr const char* kLineParamsMessage = "80012094";
constexpr int kTableSize = ql310::image::kTableBlockSize;
constexpr int kSettingSize = ql310::image::kSettingBlockSize;
constexpr int kLineParamsSize = 673;
constexpr int kSettingsFileSize = 4513;
constexpr int kReservedLineByte = 663;
const QString kElevenDots(11, u'.');

// The bytes of a block that the fields of `ids` cover.
QVector<bool> coveredBy(Block block, std::initializer_list<FieldId> ids)
{
    QVector<bool> covered(ql310::image::blockSize(block), false);
    ql310::image::test::forEachSlot([&](const ql310::image::Field& f, const ql310::image::Slot& s) {
        if (s.block == block && std::find(ids.begin(), ids.end(), f.id) != ids.end())
            for (int i = s.offset; i < s.offset + s.width; ++i)
                covered[i] = true;
    });
    return covered;
}

// Offsets where `after` differs from `before` outside the covered bytes.
QList<int> changedOutside(const QByteArray& before, const QByteArray& after, const QVector<bool>& covered)
{
    QList<int> changed;
    for (int i = 0; i < before.size(); ++i)
        if (!covered[i] && before[i] != after[i])
            changed.append(i);
    return changed;
}

const QVector<bool>& lcrBytes()
{
    static const QVector<bool> covered = coveredBy(
        Block::Setting, {FieldId::LcrRangeFrom0, FieldId::LcrRangeTo0, FieldId::LcrPrefix0,
                         FieldId::LcrStartHour0, FieldId::LcrEndHour0, FieldId::LcrFlags0,
                         FieldId::LcrRangeFrom1, FieldId::LcrRangeTo1, FieldId::LcrPrefix1,
                         FieldId::LcrStartHour1, FieldId::LcrEndHour1, FieldId::LcrFlags1,
                         FieldId::ExclusionRangeFrom, FieldId::ExclusionRangeTo,
                         FieldId::ExclusionFlags});
    return covered;
}

const QVector<bool>& phoneBookBytes()
{
    static const QVector<bool> covered = coveredBy(Block::Table, {FieldId::PeerNumber, FieldId::PeerName});
    return covered;
}

// The three images of the window at one moment.
struct Images {
    QByteArray table;
    QByteArray setting;
    QByteArray line;
    bool operator==(const Images&) const = default;
};

} // namespace

class FileCommandsTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_files;
    ql310::FixedCellGrid* grid(const char* name) { return window().grid(name); }
    QString cell(const char* name, int row, int column) { return grid(name)->cellText(row, column); }
    // The grid and row of phone-book record i (0..39).
    std::pair<const char*, int> phoneBookRow(int record)
    {
        return {record < 20 ? "PhoneBookGrid" : "PhoneBookGrid2", record % 20 + 1};
    }
    QString filePath(const char* name) const { return m_files->filePath(QLatin1String(name)); }
    QByteArray hive() const { return readAll(QString::fromStdString(m_adapter->registryPath())); }
    QString stateFile(const char* name) const
    {
        return QString::fromStdString(m_adapter->stateDir()) + u'/' + QLatin1String(name);
    }
    bool started() { return window().startUp() && window().state() == MainWindow::State::Normal; }
    // A new program on the adapter as it is now.
    bool restarted()
    {
        m_window.reset();
        return started();
    }
    // A menu command whose file dialog returns `path` ("" = Cancel).
    void run(const char* action, const QString& path)
    {
        m_interaction.chooseFileAnswer(path);
        window().findChild<QAction*>(QLatin1String(action))->trigger();
    }
    Images images() { return {window().tableBlock(), window().settingBlock(), window().lineParams()}; }
    // What a save or a Write would store now.
    Images encoded()
    {
        window().commands().encodeImages();
        return images();
    }
    void checkNoMessageAndNoBusyPointer()
    {
        QVERIFY(m_interaction.asked().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
    // The one message box that names `path` and says why.
    void checkWarned(const QString& path, const QString& reason, const QString& ending)
    {
        QCOMPARE(m_interaction.asked().size(), 1);
        const auto& warned = m_interaction.asked().first();
        QCOMPARE(warned.title, QStringLiteral("USB ISDN TA Configuration"));
        QCOMPARE(warned.icon, UserInteraction::Icon::Exclamation);
        QVERIFY2(warned.text.contains(u'"' + path + u'"'), qPrintable(warned.text));
        QVERIFY2(warned.text.contains(reason), qPrintable(warned.text));
        QVERIFY2(warned.text.endsWith(ending), qPrintable(warned.text));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // Edits on every page that a settings file carries.
    void editTheSettings()
    {
        control<QLineEdit>("PortName", 3)->setText(QStringLiteral("Office"));
        control<QLineEdit>("PortMSN2", 1)->setText(QStringLiteral("4455"));
        control<QLineEdit>("DataMSN2")->setText(QStringLiteral("5566"));
        control<QLineEdit>("DataOwnNumber")->setText(QStringLiteral("030999"));
        control<QCheckBox>("PortNeedMCall", 2)->setChecked(true);
        window().timeSet(2)->setHour(QStringLiteral("06"));
        window().timeSet(2)->setMinute(QStringLiteral("45"));
        control<QComboBox>("OpenCPSCombo")->setEditText(QStringLiteral("6000"));
        control<QComboBox>("ForwardingType", 1)->setCurrentIndex(1);
        control<QLineEdit>("ForwardingNumber", 1)->setText(QStringLiteral("0711"));
        grid("LCRGrid")->setCellText(3, 1, QStringLiteral("0180"));
        control<QLineEdit>("LCRETDialB", 2)->setText(QStringLiteral("0199"));
        grid("ShortDialGrid")->setCellText(4, 2, QStringLiteral("66"));
        grid("PhoneBookGrid2")->setCellText(5, 1, QStringLiteral("0441"));
        grid("PhoneBookGrid2")->setCellText(5, 2, QStringLiteral("Bea"));
        grid("ForwardGrid")->setCellText(25, 3, QStringLiteral("0555"));
    }
    void checkTheSettingsEdits()
    {
        QCOMPARE(control<QLineEdit>("PortName", 3)->text(), QStringLiteral("Office"));
        QCOMPARE(control<QLineEdit>("PortMSN2", 1)->text(), QStringLiteral("4455"));
        QCOMPARE(control<QLineEdit>("DataMSN2")->text(), QStringLiteral("5566"));
        QCOMPARE(control<QLineEdit>("DataOwnNumber")->text(), QStringLiteral("030999"));
        QVERIFY(control<QCheckBox>("PortNeedMCall", 2)->isChecked());
        QCOMPARE(window().timeSet(2)->hour(), QStringLiteral("06"));
        QCOMPARE(window().timeSet(2)->minute(), QStringLiteral("45"));
        QCOMPARE(control<QComboBox>("OpenCPSCombo")->currentText(), QStringLiteral("6000"));
        QCOMPARE(control<QComboBox>("ForwardingType", 1)->currentIndex(), 1);
        QCOMPARE(control<QLineEdit>("ForwardingNumber", 1)->text(), QStringLiteral("0711"));
        QCOMPARE(cell("LCRGrid", 3, 1), QStringLiteral("0180"));
        QCOMPARE(control<QLineEdit>("LCRETDialB", 2)->text(), QStringLiteral("0199"));
        QCOMPARE(cell("ShortDialGrid", 4, 2), QStringLiteral("66"));
        QCOMPARE(cell("PhoneBookGrid2", 5, 1), QStringLiteral("0441"));
        QCOMPARE(cell("PhoneBookGrid2", 5, 2), QStringLiteral("Bea"));
        QCOMPARE(cell("ForwardGrid", 25, 3), QStringLiteral("0555"));
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
        QVERIFY(m_files->isValid());
        m_adapter = std::make_unique<SimulatedAdapter>(QL310_ADAPTER_PATH);
        QVERIFY(m_adapter->start());
        m_library = ql310::test::boundTestLibrary();
        m_interaction = ScriptedInteraction();
    }
    void cleanup()
    {
        endRun();
        m_files.reset();
    }

    // The dialogs
    void eachDialogOffersItsFiltersAndCancelDoesNothing()
    {
        QVERIFY(started());
        control<QLineEdit>("PortName", 0)->setText(QStringLiteral("not saved"));
        const Images before = images();
        const QString panelBefore = window().statusPanel(1);
        const QString settings = QStringLiteral("310 Files (*.310) | *.310|All Files (*.*) | *.*");
        const QString lcr = QStringLiteral("LCR Files (*.lcr) | *.lcr|All Files (*.*) | *.*");
        const QString phoneBook = QStringLiteral("PhoneBook Files (*.pb) | *.pb|All Files (*.*) | *.*");
        const std::tuple<const char*, QString, bool> commands[] = {
            {"mnuLoad", settings, false},        {"mnuSave", settings, true},
            {"mnuLoadLCR", lcr, false},          {"mnuSaveLCR", lcr, true},
            {"mnuLoadPhoneBook", phoneBook, false}, {"mnuSavePhoneBook", phoneBook, true}};
        for (const auto& [action, filter, saving] : commands) {
            run(action, QString());
            const auto& request = m_interaction.fileRequests().last();
            QCOMPARE(request.filter, filter);
            QCOMPARE(request.forSaving, saving);
        }
        QCOMPARE(m_interaction.fileRequests().size(), 6);
        // No encode ran, nothing was loaded, nothing was written or said.
        QVERIFY(images() == before);
        QCOMPARE(control<QLineEdit>("PortName", 0)->text(), QStringLiteral("not saved"));
        QCOMPARE(window().statusPanel(1), panelBefore);
        QVERIFY(QDir(m_files->path()).isEmpty());
        checkNoMessageAndNoBusyPointer();
    }

    // Settings files
    void aSettingsFileBringsBackTheEditorAndTheLineParams()
    {
        QVERIFY(started());
        editTheSettings();
        const QString path = filePath("home.310");
        run("mnuSave", path);
        QCOMPARE(window().statusPanel(1), path + kElevenDots);
        checkNoMessageAndNoBusyPointer();
        const QByteArray file = readAll(path);
        QCOMPARE(file.size(), kSettingsFileSize);
        QCOMPARE(file, window().tableBlock() + window().settingBlock() + window().lineParams());
        QCOMPARE(file[kTableSize + kSettingSize + kReservedLineByte], char(0));

        // A new run shows the adapter's configuration without the edits.
        QVERIFY(restarted());
        QCOMPARE(control<QLineEdit>("PortName", 3)->text(), QString());
        const QByteArray hiveBefore = hive();
        const size_t journalBefore = m_adapter->journalCodes().size();

        run("mnuLoad", path);
        QCOMPARE(window().statusPanel(1), path);
        checkNoMessageAndNoBusyPointer();
        checkTheSettingsEdits();
        QCOMPARE(cell("ForwardGrid", 25, 2), QStringLiteral("Bea"));
        QCOMPARE(window().tableBlock(), file.left(kTableSize));
        QCOMPARE(window().settingBlock(), file.mid(kTableSize, kSettingSize));
        QCOMPARE(window().lineParams(), file.right(kLineParamsSize));
        // Encoding what the load shows gives the file again.
        const Images again = encoded();
        QCOMPARE(again.table + again.setting + again.line, file);

        // The registry and the driver hear of the file only with the next Write.
        QCOMPARE(hive(), hiveBefore);
        QCOMPARE(m_adapter->journalCodes().size(), journalBefore);
        window().findChild<QAction*>(QStringLiteral("mnuWrite"))->trigger();
        QCOMPARE(window().statusPanel(1), QStringLiteral("Write to ISDN TA Success !"));
        QVERIFY(hive().contains("\"MSN2\"=\"5566\""));
        QVERIFY(hive().contains("\"PHONENUMBER\"=\"030999\""));
        QTRY_VERIFY_WITH_TIMEOUT(m_adapter->journalCodes().back() == kLineParamsMessage, 5000);
    }
    void eachFileHoldsExactlyTheImagesOfItsKind()
    {
        QVERIFY(started());
        editTheSettings();
        const std::tuple<const char*, const char*, int> saves[] = {
            {"mnuSave", "all.310", kSettingsFileSize},
            {"mnuSaveLCR", "all.lcr", kSettingSize},
            {"mnuSavePhoneBook", "all.pb", kTableSize}};
        for (const auto& [action, name, size] : saves) {
            run(action, filePath(name));
            QCOMPARE(window().statusPanel(1), filePath(name) + kElevenDots);
            QCOMPARE(readAll(filePath(name)).size(), size);
        }
        QCOMPARE(readAll(filePath("all.lcr")), window().settingBlock());
        QCOMPARE(readAll(filePath("all.pb")), window().tableBlock());

        // A phone book saved over a settings file overwrites only its start.
        const QByteArray before = readAll(filePath("all.310"));
        run("mnuSavePhoneBook", filePath("all.310"));
        QCOMPARE(readAll(filePath("all.310")), window().tableBlock() + before.mid(kTableSize));
        // No temporary file is left beside them.
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files).size(), 3);
        checkNoMessageAndNoBusyPointer();
    }
    void aNameWithoutExtensionGetsItsKindsExtension()
    {
        QVERIFY(started());
        const std::tuple<const char*, const char*, const char*> saves[] = {
            {"mnuSave", "home", "home.310"},
            {"mnuSaveLCR", "rates", "rates.lcr"},
            {"mnuSavePhoneBook", "book", "book.pb"}};
        for (const auto& [action, typed, saved] : saves) {
            run(action, filePath(typed));
            QCOMPARE(m_interaction.fileRequests().last().defaultSuffix,
                     QFileInfo(QLatin1String(saved)).suffix());
            QVERIFY(QFile::exists(filePath(saved)));
            QVERIFY(!QFile::exists(filePath(typed)));
            QCOMPARE(window().statusPanel(1), filePath(saved) + kElevenDots);
        }
        // A name with an extension of its own keeps it.
        run("mnuSave", filePath("home.bak"));
        QVERIFY(QFile::exists(filePath("home.bak")));
        checkNoMessageAndNoBusyPointer();

        // The file the extension now names is not replaced unasked.
        const QByteArray before = readAll(filePath("book.pb"));
        grid("PhoneBookGrid")->setCellText(1, 2, QStringLiteral("Changed"));
        m_interaction.answer(UserInteraction::No);
        run("mnuSavePhoneBook", filePath("book"));
        QCOMPARE(m_interaction.asked().size(), 1);
        QCOMPARE(m_interaction.asked().first().icon, UserInteraction::Icon::Question);
        QCOMPARE(readAll(filePath("book.pb")), before);
    }
    void theFilesAreWhatTheNextWriteSendsTheAdapter()
    {
        QVERIFY(started());
        editTheSettings();
        run("mnuSave", filePath("sent.310"));
        run("mnuSaveLCR", filePath("sent.lcr"));
        run("mnuSavePhoneBook", filePath("sent.pb"));
        window().findChild<QAction*>(QStringLiteral("mnuWrite"))->trigger();
        QCOMPARE(window().statusPanel(1), QStringLiteral("Write to ISDN TA Success !"));
        const QByteArray setting = readAll(stateFile("setting.bin"));
        const QByteArray table = readAll(stateFile("table.bin"));
        QCOMPARE(setting.size(), kSettingSize);
        QCOMPARE(readAll(filePath("sent.lcr")), setting);
        QCOMPARE(readAll(filePath("sent.pb")), table);
        QCOMPARE(readAll(filePath("sent.310")).left(kTableSize + kSettingSize), table + setting);
    }

    // LCR files
    void anLcrFileFillsOnlyTheLcrEditor()
    {
        QVERIFY(started());
        // A file whose setting block differs from the adapter's everywhere
        // the editor reaches.
        editTheSettings();
        grid("LCRGrid")->setCellText(2, 1, QStringLiteral("0049"));
        grid("LCRGrid")->setCellText(21, 3, QStringLiteral("0088"));
        grid("LCRGrid")->setCellText(12, 10, QStringLiteral("Yes"));
        control<QLineEdit>("LCRETDialA", 4)->setText(QStringLiteral("0190"));
        control<QCheckBox>("LCRETAct", 4)->setChecked(true);
        const QString path = filePath("cheap.lcr");
        run("mnuSaveLCR", path);
        const QByteArray file = readAll(path);

        QVERIFY(restarted());
        const Images before = encoded();
        run("mnuLoadLCR", path);
        QCOMPARE(window().statusPanel(1), path);
        checkNoMessageAndNoBusyPointer();
        // The file went into the load area's last bytes, not into the images.
        QCOMPARE(window().fileLoadArea().right(kSettingSize), file);
        QVERIFY(images() == before);

        QCOMPARE(cell("LCRGrid", 2, 1), QStringLiteral("0049"));
        QCOMPARE(cell("LCRGrid", 21, 3), QStringLiteral("0088"));
        QCOMPARE(cell("LCRGrid", 12, 10), QStringLiteral("Yes"));
        QCOMPARE(cell("LCRGrid", 3, 1), QStringLiteral("0180"));
        QCOMPARE(control<QLineEdit>("LCRETDialA", 4)->text(), QStringLiteral("0190"));
        QCOMPARE(control<QLineEdit>("LCRETDialB", 2)->text(), QStringLiteral("0199"));
        QVERIFY(control<QCheckBox>("LCRETAct", 4)->isChecked());
        // The rest of the file is ignored.
        QCOMPARE(control<QLineEdit>("PortName", 3)->text(), QString());
        QCOMPARE(cell("ShortDialGrid", 4, 2), QString());

        const Images after = encoded();
        QCOMPARE(after.table, before.table);
        QCOMPARE(after.line, before.line);
        QVERIFY(after.setting != before.setting);
        QCOMPARE(changedOutside(before.setting, after.setting, lcrBytes()), QList<int>());
        // What the next encode stores of the LCR tables is the file's.
        QCOMPARE(changedOutside(file, after.setting, QVector<bool>(kSettingSize, false)).size(),
                 changedOutside(file, after.setting, lcrBytes()).size());
    }

    // Phone-book files
    void aPhoneBookFileFillsThePhoneBookAndTheCallerColumns()
    {
        QVERIFY(started());
        for (int i = 0; i < ql310::image::kPhoneBookRecords; ++i) {
            const auto [name, row] = phoneBookRow(i);
            grid(name)->setCellText(row, 1, QStringLiteral("0%1").arg(1000 + i));
            grid(name)->setCellText(row, 2, QStringLiteral("Peer %1").arg(i));
        }
        grid("ForwardGrid")->setCellText(1, 3, QStringLiteral("0301"));
        grid("ForwardGrid")->setCellText(1, 4, QStringLiteral("Yes"));
        control<QLineEdit>("PortName", 0)->setText(QStringLiteral("Hall"));
        const QString path = filePath("friends.pb");
        run("mnuSavePhoneBook", path);
        const QByteArray file = readAll(path);

        QVERIFY(restarted());
        grid("ForwardGrid")->setCellText(1, 3, QStringLiteral("0999"));
        grid("ForwardGrid")->setCellText(2, 4, QStringLiteral("Yes"));
        const Images before = encoded();
        run("mnuLoadPhoneBook", path);
        QCOMPARE(window().statusPanel(1), path);
        checkNoMessageAndNoBusyPointer();
        QCOMPARE(window().fileLoadArea().left(kTableSize), file);
        QVERIFY(images() == before);

        for (int i = 0; i < ql310::image::kPhoneBookRecords; ++i) {
            const auto [name, row] = phoneBookRow(i);
            QCOMPARE(cell(name, row, 1), QStringLiteral("0%1").arg(1000 + i));
            QCOMPARE(cell(name, row, 2), QStringLiteral("Peer %1").arg(i));
            QCOMPARE(cell("ForwardGrid", i + 1, 1), QStringLiteral("0%1").arg(1000 + i));
            QCOMPARE(cell("ForwardGrid", i + 1, 2), QStringLiteral("Peer %1").arg(i));
        }
        // The forwarding columns keep what they showed.
        QCOMPARE(cell("ForwardGrid", 1, 3), QStringLiteral("0999"));
        QCOMPARE(cell("ForwardGrid", 2, 4), QStringLiteral("Yes"));
        QCOMPARE(cell("ForwardGrid", 1, 4), QStringLiteral("No"));
        QCOMPARE(control<QLineEdit>("PortName", 0)->text(), QString());

        const Images after = encoded();
        QCOMPARE(after.setting, before.setting);
        QCOMPARE(after.line, before.line);
        QCOMPARE(changedOutside(before.table, after.table, phoneBookBytes()), QList<int>());
        QCOMPARE(changedOutside(file, after.table, QVector<bool>(kTableSize, false)).size(),
                 changedOutside(file, after.table, phoneBookBytes()).size());
    }

    // Files that cannot be read
    void aFileThatCannotBeReadIsNamedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray none;
        QTest::newRow("missing settings") << "mnuLoad" << "gone.310" << none << "No such file or directory";
        QTest::newRow("missing lcr") << "mnuLoadLCR" << "gone.lcr" << none << "No such file or directory";
        QTest::newRow("missing phone book") << "mnuLoadPhoneBook" << "gone.pb" << none << "No such file or directory";
        QTest::newRow("a directory") << "mnuLoad" << "folder.310" << none << "Is a directory";
        QTest::newRow("a phone book as settings")
            << "mnuLoad" << "short.310" << QByteArray(kTableSize, '\x11') << "1792 bytes, 4513 are needed";
        QTest::newRow("short lcr") << "mnuLoadLCR" << "short.lcr" << QByteArray(2047, '\x11') << "2048 are needed";
        QTest::newRow("empty phone book") << "mnuLoadPhoneBook" << "empty.pb" << QByteArray("") << "0 bytes";
        QTest::newRow("unreadable") << "mnuLoad" << "locked.310" << QByteArray(kSettingsFileSize, '\x11')
                                    << "Permission denied";
    }
    void aFileThatCannotBeReadIsNamedAndChangesNothing()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = m_files->filePath(name);
        if (name == QLatin1String("folder.310"))
            QVERIFY(QDir().mkdir(path));
        if (!content.isNull())
            QVERIFY(writeAll(path, content));
        if (name == QLatin1String("locked.310")) {
            if (::geteuid() == 0)
                QSKIP("the superuser reads every file");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }

        QVERIFY(started());
        editTheSettings();
        const Images before = encoded();
        const QByteArray loadArea = window().fileLoadArea();
        run(qPrintable(action), path);
        checkWarned(path, reason, QStringLiteral("Nothing was changed."));
        QVERIFY(images() == before);
        QCOMPARE(window().fileLoadArea(), loadArea);
        checkTheSettingsEdits();
        QVERIFY(encoded() == before);
    }

    // Files that cannot be written
    void aFailedSaveSaysTheFileWasNotChanged_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "no/such/folder/a.310" << "No such file or directory";
        QTest::newRow("inside a file") << "plain/a.310" << "Not a directory";
        QTest::newRow("read-only folder") << "sealed/a.310" << "Permission denied";
        QTest::newRow("read-only file") << "readonly.310" << "Permission denied";
        QTest::newRow("named pipe") << "pipe.310" << "it is not a regular file";
    }
    void aFailedSaveSaysTheFileWasNotChanged()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString path = m_files->filePath(name);
        QVERIFY(writeAll(m_files->filePath(QStringLiteral("plain")), "a file"));
        QVERIFY(QDir(m_files->path()).mkdir(QStringLiteral("sealed")));
        const QByteArray old("an older settings file");
        QVERIFY(writeAll(m_files->filePath(QStringLiteral("sealed/a.310")), old));
        const QString sealed = m_files->filePath(QStringLiteral("sealed"));
        QVERIFY(writeAll(m_files->filePath(QStringLiteral("readonly.310")), old));
        QVERIFY(QFile::setPermissions(m_files->filePath(QStringLiteral("readonly.310")),
                                      QFileDevice::ReadOwner));
        QCOMPARE(::mkfifo(QFile::encodeName(m_files->filePath(QStringLiteral("pipe.310"))).constData(), 0600), 0);
        if (name.startsWith(QLatin1String("sealed"))) {
            if (::geteuid() == 0)
                QSKIP("the superuser writes into every folder");
            QVERIFY(QFile::setPermissions(sealed, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }

        QVERIFY(started());
        editTheSettings();
        run("mnuSave", path);
        QFile::setPermissions(sealed, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        checkWarned(path, reason, QStringLiteral("The file was not changed."));
        QCOMPARE(window().statusPanel(1), path + kElevenDots);
        QCOMPARE(readAll(m_files->filePath(QStringLiteral("sealed/a.310"))), old);
        QCOMPARE(QDir(sealed).entryList(QDir::Files).size(), 1);
        QCOMPARE(readAll(m_files->filePath(QStringLiteral("readonly.310"))), old);
        QVERIFY(QFileInfo(m_files->filePath(QStringLiteral("pipe.310"))).isFile() == false);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
