// SPDX-License-Identifier: GPL-3.0-or-later
// The device commands against a real simulated adapter: Write with its
// status texts, the order of its library calls and its failures; Read and
// the edits it keeps; Reset to Default; Exit; and a write that comes back
// whole after a restart.
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
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;

namespace {

using ql310::test::readAll;
using ql310::test::writeAll;

constexpr const char* kWriteSetting = "800120DC";
constexpr const char* kWriteTable = "800120D8";
constexpr const char* kLineParamsMessage = "80012094";
const int kLcrDisabledOffset = ql310::image::slot(ql310::image::FieldId::LcrDisabled).offset;

int indexOf(const std::vector<std::string>& codes, const char* code)
{
    const auto at = std::find(codes.begin(), codes.end(), std::string(code));
    return at == codes.end() ? -1 : static_cast<int>(at - codes.begin());
}

// The bytes of a block that no field of the editor covers.
QList<int> uninterpreted(ql310::image::Block block, int size)
{
    QVector<bool> covered(size, false);
    ql310::image::test::forEachSlot([&](const ql310::image::Field&, const ql310::image::Slot& s) {
        if (s.block == block)
            for (int i = s.offset; i < s.offset + s.width; ++i)
                covered[i] = true;
    });
    QList<int> offsets;
    for (int i = 0; i < size; ++i)
        if (!covered[i])
            offsets.append(i);
    return offsets;
}

// Records the text of a label each time it is painted.
class PaintWatch : public QObject {
public:
    PaintWatch(QLabel* label, QStringList& painted) : m_label(label), m_painted(painted)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_label && event->type() == QEvent::Paint)
            m_painted.append(m_label->text());
        return false;
    }

private:
    QLabel* m_label;
    QStringList& m_painted;
};

} // namespace

class DeviceCommandsTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    void trigger(const char* action)
    {
        window().findChild<QAction*>(QLatin1String(action))->trigger();
    }
    QString stateFile(const char* name) const
    {
        return QString::fromStdString(m_adapter->stateDir()) + u'/' + QLatin1String(name);
    }
    QByteArray hive() const { return readAll(QString::fromStdString(m_adapter->registryPath())); }
    bool online()
    {
        return m_adapter->start() && window().startUp() && window().state() == MainWindow::State::Normal;
    }
    // A new program on the same adapter state.
    bool restart()
    {
        m_window.reset();
        m_adapter->stop();
        return online();
    }

    // One change on every page of the editor.
    void editEveryPage()
    {
        control<QLineEdit>("PortName", 0)->setText(QStringLiteral("Kitchen"));
        control<QLineEdit>("DataMSN1")->setText(QStringLiteral("4711"));
        control<QCheckBox>("PortNeedMCall", 1)->setChecked(true);
        window().timeSet(1)->setHour(QStringLiteral("07"));
        window().timeSet(1)->setMinute(QStringLiteral("30"));
        control<QComboBox>("Min2BCombo")->setEditText(QStringLiteral("60"));
        control<QComboBox>("ForwardingType", 2)->setCurrentIndex(2);
        control<QLineEdit>("ForwardingNumber", 2)->setText(QStringLiteral("0301234"));
        window().grid("LCRGrid")->setCellText(2, 1, QStringLiteral("0049"));
        window().grid("LCRGrid")->setCellText(2, 10, QStringLiteral("Yes"));
        control<QLineEdit>("LCRETDialA", 0)->setText(QStringLiteral("0190"));
        window().grid("ShortDialGrid")->setCellText(3, 1, QStringLiteral("55"));
        window().grid("PhoneBookGrid")->setCellText(1, 1, QStringLiteral("0221"));
        window().grid("PhoneBookGrid")->setCellText(1, 2, QStringLiteral("Ana"));
        window().grid("ForwardGrid")->setCellText(1, 4, QStringLiteral("Yes"));
    }
    void checkEveryPageShowsTheEdits()
    {
        QCOMPARE(control<QLineEdit>("PortName", 0)->text(), QStringLiteral("Kitchen"));
        QCOMPARE(control<QLineEdit>("DataMSN1")->text(), QStringLiteral("4711"));
        QVERIFY(control<QCheckBox>("PortNeedMCall", 1)->isChecked());
        QCOMPARE(window().timeSet(1)->hour(), QStringLiteral("07"));
        QCOMPARE(window().timeSet(1)->minute(), QStringLiteral("30"));
        QCOMPARE(control<QComboBox>("Min2BCombo")->currentText(), QStringLiteral("60"));
        QCOMPARE(control<QComboBox>("ForwardingType", 2)->currentText(), QStringLiteral("No Answer"));
        QCOMPARE(control<QLineEdit>("ForwardingNumber", 2)->text(), QStringLiteral("0301234"));
        QCOMPARE(window().grid("LCRGrid")->cellText(2, 1), QStringLiteral("0049"));
        QCOMPARE(window().grid("LCRGrid")->cellText(2, 10), QStringLiteral("Yes"));
        QCOMPARE(control<QLineEdit>("LCRETDialA", 0)->text(), QStringLiteral("0190"));
        QCOMPARE(window().grid("ShortDialGrid")->cellText(3, 1), QStringLiteral("55"));
        QCOMPARE(window().grid("PhoneBookGrid")->cellText(1, 2), QStringLiteral("Ana"));
        QCOMPARE(window().grid("ForwardGrid")->cellText(1, 2), QStringLiteral("Ana"));
        QCOMPARE(window().grid("ForwardGrid")->cellText(1, 4), QStringLiteral("Yes"));
    }
    void checkWriteFailed(const QByteArray& hiveBefore, const QByteArray& settingBefore)
    {
        const QString failure = QStringLiteral("Write to ISDN TA Fail ! ISDN TA May not active or busy");
        QCOMPARE(window().statusPanel(1), failure);
        QCOMPARE(m_interaction.asked().size(), 1);
        const auto& warned = m_interaction.asked().first();
        QCOMPARE(warned.text, failure);
        QCOMPARE(warned.title, QStringLiteral("USB ISDN TA Configuration"));
        QCOMPARE(warned.icon, UserInteraction::Icon::Exclamation);
        QCOMPARE(warned.buttons, UserInteraction::Buttons(UserInteraction::Ok));
        QCOMPARE(hive(), hiveBefore);
        QCOMPARE(readAll(stateFile("setting.bin")), settingBefore);
        QCOMPARE(indexOf(m_adapter->journalCodes(), kLineParamsMessage), -1);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
    }
    void init()
    {
        newRun();
    }
    void cleanup()
    {
        endRun();
    }

    // Write
    void aWriteReachesTheAdapterAndTheHiveAndComesBackAfterARestart()
    {
        QVERIFY(online());
        const QByteArray settingBefore = readAll(stateFile("setting.bin"));
        const QByteArray tableBefore = readAll(stateFile("table.bin"));
        editEveryPage();
        QStringList statusLine;
        connect(&window(), &ql310::EditorWindow::statusPanelChanged, this,
                [&statusLine](int panel, const QString& text) {
                    if (panel == 1)
                        statusLine.append(text);
                });
        trigger("mnuWrite");
        // "Writing", one dot per progress point of the encoder, then the result.
        QStringList expected;
        for (int dots = 0; dots <= 11; ++dots)
            expected.append(QStringLiteral("Writing") + QString(dots, u'.'));
        expected.append(QStringLiteral("Write to ISDN TA Success !"));
        QCOMPARE(statusLine, expected);
        QVERIFY(m_interaction.asked().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(readAll(stateFile("setting.bin")), window().settingBlock());
        QCOMPARE(readAll(stateFile("table.bin")), window().tableBlock());
        QVERIFY(hive().contains("\"MSN1\"=\"4711\""));
        QVERIFY(hive().contains("\"MP_Min_Time\"=dword:0000003c"));

        // The line parameters follow the blocks; nobody waits for their answer.
        QTRY_VERIFY_WITH_TIMEOUT(indexOf(m_adapter->journalCodes(), kLineParamsMessage) >= 0, 5000);
        const auto codes = m_adapter->journalCodes();
        const int message = indexOf(codes, kLineParamsMessage);
        QVERIFY(message > indexOf(codes, kWriteSetting));
        QVERIFY(message > indexOf(codes, kWriteTable));
        QVERIFY(indexOf(codes, kWriteTable) >= 0);

        // What the editor does not interpret is the adapter's as before.
        const QByteArray settingAfter = readAll(stateFile("setting.bin"));
        const QByteArray tableAfter = readAll(stateFile("table.bin"));
        for (int i : uninterpreted(ql310::image::Block::Setting, ql310::image::kSettingBlockSize))
            QVERIFY2(settingAfter[i] == settingBefore[i], qPrintable(QString::number(i)));
        for (int i : uninterpreted(ql310::image::Block::Table, ql310::image::kTableBlockSize))
            QVERIFY2(tableAfter[i] == tableBefore[i], qPrintable(QString::number(i)));

        m_interaction.answer(UserInteraction::No);
        QVERIFY(restart());
        checkEveryPageShowsTheEdits();
    }
    void encodingAnImageJustReadFromTheAdapterChangesNothing()
    {
        QVERIFY(online());
        const QByteArray setting = window().settingBlock();
        const QByteArray table = window().tableBlock();
        const QByteArray line = window().lineParams();
        int dots = 0;
        window().commands().encodeImages([&dots] { ++dots; });
        QCOMPARE(dots, 11);
        QCOMPARE(window().settingBlock(), setting);
        QCOMPARE(window().tableBlock(), table);
        QCOMPARE(window().lineParams(), line);
    }
    void aWriteToAVanishedAdapterFailsAndLeavesTheHive()
    {
        QVERIFY(online());
        const QByteArray hiveBefore = hive();
        const QByteArray settingBefore = readAll(stateFile("setting.bin"));
        control<QLineEdit>("DataMSN1")->setText(QStringLiteral("999"));
        QCOMPARE(m_adapter->command("vanish"), std::string("ok"));
        trigger("mnuWrite");
        checkWriteFailed(hiveBefore, settingBefore);
    }
    void aWriteToABusyAdapterFailsAndLeavesTheHive()
    {
        QVERIFY(online());
        const QByteArray hiveBefore = hive();
        const QByteArray settingBefore = readAll(stateFile("setting.bin"));
        control<QLineEdit>("DataMSN1")->setText(QStringLiteral("999"));
        control<QLineEdit>("PortName", 2)->setText(QStringLiteral("Busy"));
        QCOMPARE(m_adapter->command("busy write"), std::string("ok"));
        trigger("mnuWrite");
        checkWriteFailed(hiveBefore, settingBefore);
        // The edits stay for a retry.
        QCOMPARE(control<QLineEdit>("PortName", 2)->text(), QStringLiteral("Busy"));
    }

    void lineParametersTheHiveCannotTakeOrGiveAreSaid()
    {
        QVERIFY(online());
        const QString path = QString::fromStdString(m_adapter->registryPath());
        const QByteArray broken = "REGEDIT4\n\nthis is no hive\n";
        QVERIFY(writeAll(path, broken));
        control<QLineEdit>("DataMSN1")->setText(QStringLiteral("4711"));
        control<QLineEdit>("PortName", 1)->setText(QStringLiteral("Lab"));
        trigger("mnuWrite");
        // The blocks went to the adapter; the line parameters did not.
        QCOMPARE(readAll(stateFile("setting.bin")), window().settingBlock());
        QCOMPARE(readAll(path), broken);
        const QString said = window().statusPanel(1);
        QVERIFY2(said.startsWith(QStringLiteral("Line parameters not stored in \"") + path), qPrintable(said));
        QCOMPARE(window().statusWarning(), said);
        QCOMPARE(m_interaction.asked().size(), 1);
        QCOMPARE(m_interaction.asked().first().text, said + QStringLiteral(". The rest was written to ISDN TA."));
        QCOMPARE(m_interaction.asked().first().icon, UserInteraction::Icon::Exclamation);
        QVERIFY(!QGuiApplication::overrideCursor());

        // At the next start the missing key is said.
        QVERIFY(writeAll(path, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n"));
        m_window.reset();
        QVERIFY(window().startUp());
        // The status line keeps its own texts; the sign beside it says why.
        QVERIFY2(window().statusPanel(1).startsWith(QStringLiteral("This time you got ")),
                 qPrintable(window().statusPanel(1)));
        QVERIFY2(window().statusWarning().startsWith(QStringLiteral("Line parameters not read from \"") + path),
                 qPrintable(window().statusWarning()));
        trigger("mnuReset");
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Success !"));
        QVERIFY(window().statusWarning().startsWith(QStringLiteral("Line parameters not read from")));
        // A hive in order again: the Write says success.
        QVERIFY(writeAll(path, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\hemlor\\Ririv\\Settings]\n"));
        m_interaction = ScriptedInteraction();
        trigger("mnuWrite");
        QCOMPARE(window().statusPanel(1), QStringLiteral("Write to ISDN TA Success !"));
        QCOMPARE(window().statusWarning(), QString());
        QVERIFY(m_interaction.asked().isEmpty());
    }
    void theStatusLineIsPaintedBeforeEachBlockingCall()
    {
        QVERIFY(online());
        // The short-dial grid's port rows show the ports from the start,
        // before the tabs ever had the focus.
        QCOMPARE(window().grid("ShortDialGrid")->cellText(1, 1), control<QLineEdit>("PortNumber", 0)->text());
        QVERIFY(!control<QLineEdit>("PortNumber", 0)->text().isEmpty());
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));

        QLabel* panel = window().findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        QStringList painted;
        PaintWatch watch(panel, painted);
        window().setStatusPanel(1, QStringLiteral("old"));
        QCoreApplication::processEvents();
        painted.clear();
        trigger("mnuWrite");
        // Painted while the command ran, not only once it was over.
        QVERIFY2(painted.contains(QStringLiteral("Writing")), qPrintable(painted.join(u'|')));
        QVERIFY2(painted.contains(QStringLiteral("Writing...........")), qPrintable(painted.join(u'|')));
        painted.clear();
        trigger("mnuReset");
        QVERIFY2(painted.contains(QString()), qPrintable(painted.join(u'|')));
    }

    // Read
    void aReadWhileTheAdapterIsBusyKeepsTheEdits()
    {
        QVERIFY(online());
        control<QLineEdit>("PortName", 0)->setText(QStringLiteral("unsaved"));
        QCOMPARE(m_adapter->command("busy read"), std::string("ok"));
        trigger("mnuReset");
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Fail ! ISDN TA may not active"));
        QCOMPARE(window().statusPanel(2), QString());
        QCOMPARE(control<QLineEdit>("PortName", 0)->text(), QStringLiteral("unsaved"));
        QCOMPARE(window().clearStatusOnTabFocus(), ql310::kFalse);
        QVERIFY(!QGuiApplication::overrideCursor());

        QCOMPARE(m_adapter->command("clear"), std::string("ok"));
        trigger("mnuReset");
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Success !"));
        QVERIFY(window().statusPanel(2).startsWith(QStringLiteral("Firmware :")));
        QCOMPARE(control<QLineEdit>("PortName", 0)->text(), QString());
        QCOMPARE(window().clearStatusOnTabFocus(), ql310::kTrue);
        QCOMPARE(window().settingBlock(), readAll(stateFile("setting.bin")));
        QVERIFY(m_interaction.asked().isEmpty());
    }

    // Reset to default
    void aResetKeepsTheAdaptersOwnValuesAndNoLeavesTheAdapterAlone()
    {
        // An adapter that offers no least-cost routing.
        QVERIFY(m_adapter->start());
        m_adapter->stop();
        QByteArray setting = readAll(stateFile("setting.bin"));
        setting[kLcrDisabledOffset] = 1;
        QVERIFY(writeAll(stateFile("setting.bin"), setting));
        QVERIFY(online());
        QVERIFY(!window().tabs()->isTabVisible(4));
        const QString firmware = window().statusPanel(2);
        const QString country = window().statusPanel(3);
        QVERIFY(firmware.size() > QStringLiteral("Firmware :").size());
        QVERIFY(!country.isEmpty());
        control<QLineEdit>("PortName", 1)->setText(QStringLiteral("Hall"));
        control<QComboBox>("Min2BCombo")->setEditText(QStringLiteral("30"));
        control<QLineEdit>("SDBufText")->setText(QStringLiteral("half typed"));
        const QByteArray hiveBefore = hive();
        const size_t journalBefore = m_adapter->journalCodes().size();

        m_interaction.answer(UserInteraction::No);
        trigger("mnuResetToDefault");
        QCOMPARE(m_interaction.asked().size(), 1);
        const auto& asked = m_interaction.asked().first();
        QCOMPARE(asked.text, QStringLiteral("Writing to ISDN TA now?"));
        QCOMPARE(asked.buttons, UserInteraction::Yes | UserInteraction::No);
        QCOMPARE(asked.icon, UserInteraction::Icon::Question);
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Success !"));
        QCOMPARE(window().statusPanel(2), firmware);
        QCOMPARE(window().statusPanel(3), country);
        QVERIFY(!window().tabs()->isTabVisible(4));
        QCOMPARE(control<QLineEdit>("PortName", 1)->text(), QString());
        QCOMPARE(control<QLineEdit>("PortNumber", 1)->text(), QStringLiteral("20"));
        QCOMPARE(control<QComboBox>("Min2BCombo")->currentText(), QStringLiteral("120"));
        QCOMPARE(control<QLineEdit>("SDBufText")->text(), QString());
        QCOMPARE(control<QComboBox>("LCRTime")->currentText(), QStringLiteral("--"));
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(window().timeSet(p)->hour(), QString());
            QCOMPARE(window().timeSet(p)->minute(), QStringLiteral("00"));
        }
        QCOMPARE(window().settingBlock()[kLcrDisabledOffset], char(1));
        QVERIFY(!QGuiApplication::overrideCursor());

        // Nothing reached the adapter, the hive or the driver.
        QCOMPARE(readAll(stateFile("setting.bin")), setting);
        QCOMPARE(hive(), hiveBefore);
        QCOMPARE(m_adapter->journalCodes().size(), journalBefore);
        // The configuration was read in this run: closing asks to write.
        m_interaction.answer(UserInteraction::No);
        QVERIFY(window().close());
        QCOMPARE(m_interaction.asked().size(), 2);
    }
    void yesAfterAResetWritesTheFactoryState()
    {
        QVERIFY(online());
        control<QLineEdit>("PortName", 1)->setText(QStringLiteral("Hall"));
        trigger("mnuWrite");
        m_interaction.answer(UserInteraction::Yes);
        trigger("mnuResetToDefault");
        QCOMPARE(window().statusPanel(1), QStringLiteral("Write to ISDN TA Success !"));
        QCOMPARE(readAll(stateFile("setting.bin")), window().settingBlock());
        QVERIFY(hive().contains("\"MP_Open_CPS\"=dword:00001c20"));
        QVERIFY(hive().contains("\"MSN1\"=\"\""));
        m_interaction.answer(UserInteraction::No);
        QVERIFY(restart());
        QCOMPARE(control<QLineEdit>("PortName", 1)->text(), QString());
    }

    // Edits not yet written
    void readLoadAndResetAskBeforeDiscardingUnwrittenEdits()
    {
        const QString question = QStringLiteral("Discard the changes that are not written to the ISDN TA?");
        QVERIFY(online());
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        // Without the marker the commands run as they always did.
        QVERIFY(!window().isWindowModified());
        QTest::keyClick(&window(), Qt::Key_F5);
        QCOMPARE(window().statusPanel(1), QStringLiteral("Open Success !"));
        QVERIFY(m_interaction.asked().isEmpty());

        auto* name = control<QLineEdit>("PortName", 0);
        const QString adapters = name->text();
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Typed"));
        QVERIFY(window().isWindowModified());
        const QString typed = name->text();
        // No, the answer of Enter, changes nothing: no read, no file dialog.
        const size_t journal = m_adapter->journalCodes().size();
        for (const char* command : {"F5", "mnuReset", "mnuLoad", "mnuResetToDefault"}) {
            m_interaction = ScriptedInteraction();
            m_interaction.answer(UserInteraction::No);
            if (QLatin1String(command) == QLatin1String("F5"))
                QTest::keyClick(&window(), Qt::Key_F5);
            else
                trigger(command);
            QCOMPARE(m_interaction.asked().size(), 1);
            QCOMPARE(m_interaction.asked().first().text, question);
            QCOMPARE(m_interaction.asked().first().title, QStringLiteral("USB ISDN TA Configuration"));
            QCOMPARE(m_interaction.asked().first().buttons, UserInteraction::Yes | UserInteraction::No);
            QVERIFY(m_interaction.fileRequests().isEmpty());
            QCOMPARE(name->text(), typed);
            QVERIFY(window().isWindowModified());
        }
        QCOMPARE(m_adapter->journalCodes().size(), journal);

        // Yes to the reset, No to its write: the editor holds the factory
        // values, which the adapter does not have, so the marker stays.
        m_interaction = ScriptedInteraction();
        m_interaction.answer(UserInteraction::Yes);
        m_interaction.answer(UserInteraction::No);
        trigger("mnuResetToDefault");
        QCOMPARE(m_interaction.asked().size(), 2);
        QCOMPARE(name->text(), QString());
        QVERIFY(window().isWindowModified());
        // Yes to the Read: the adapter's values come back, the marker goes.
        m_interaction = ScriptedInteraction();
        m_interaction.answer(UserInteraction::Yes);
        trigger("mnuReset");
        QCOMPARE(name->text(), adapters);
        QVERIFY(!window().isWindowModified());
    }

    // Exit
    void exitAsksOnceAndClosesEvenWhenTheWriteFails()
    {
        QVERIFY(online());
        QCOMPARE(m_adapter->command("vanish"), std::string("ok"));
        m_interaction.answer(UserInteraction::Yes);
        window().show();
        trigger("mnuExit");
        QVERIFY(!window().isVisible());
        QCOMPARE(m_interaction.asked().size(), 2);
        QCOMPARE(m_interaction.asked()[0].text, QStringLiteral("Writing to ISDN TA now?"));
        QCOMPARE(m_interaction.asked()[1].icon, UserInteraction::Icon::Exclamation);
        QCOMPARE(window().settingsRead(), ql310::kFalse);
    }
    void exitWithNoWritesNothing()
    {
        QVERIFY(online());
        m_interaction.answer(UserInteraction::No);
        trigger("mnuExit");
        QCOMPARE(m_interaction.asked().size(), 1);
        QCOMPARE(indexOf(m_adapter->journalCodes(), kWriteSetting), -1);
    }
    void exitOfflineAsksNothing()
    {
        QVERIFY(m_adapter->start({"vanish"}));
        m_interaction.answer(UserInteraction::Ok);
        QVERIFY(window().startUp());
        window().show();
        trigger("mnuExit");
        QVERIFY(!window().isVisible());
        QCOMPARE(m_interaction.asked().size(), 1);
    }
};

QTEST_MAIN(DeviceCommandsTest)
#include "device_commands_test.moc"
