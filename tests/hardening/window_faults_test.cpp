// SPDX-License-Identifier: GPL-3.0-or-later
// The adapter's faults driven through the program: Read, Write and the call
// log's Read against every fault end within the bounded wait, show their
// status text and leave no busy pointer behind; the main window stays usable.
#include "library_binding.h"
#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using ql310::MainWindow;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;

namespace {

constexpr int kTimeoutMs = 300;
const QString kOpenSuccess = QStringLiteral("Open Success !");
const QString kOpenFail = QStringLiteral("Open Fail ! ISDN TA may not active");
const QString kWriteSuccess = QStringLiteral("Write to ISDN TA Success !");
const QString kWriteFail = QStringLiteral("Write to ISDN TA Fail ! ISDN TA May not active or busy");
// A call log that came in shows how many calls it brought.
const QString kCallLogRead = QStringLiteral("This time you got ");

QString successOf(const QString& action)
{
    if (action == u"mnuWrite")
        return kWriteSuccess;
    return action == u"mnuCLRead" ? kCallLogRead : kOpenSuccess;
}

} // namespace

class WindowFaultsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.filePath("config"));
        qputenv("QL310SET_DATA_DIR", m_home.filePath("data").toLocal8Bit());
        qputenv("QL310_TIMEOUT_MS", QByteArray::number(kTimeoutMs));
        qputenv("XDG_RUNTIME_DIR", m_home.filePath("runtime").toLocal8Bit());
    }

    void eachFaultEndsInTimeWithItsStatusText_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("status");

        struct Row {
            const char* action;
            const char* fault;
            const QString& status;
        };
        const Row rows[] = {
            {"mnuReset", "vanish", kOpenFail},
            {"mnuReset", "busy read", kOpenFail},
            {"mnuReset", "zero read-setting", kOpenFail},
            {"mnuReset", "hang read-setting", kOpenFail},
            {"mnuReset", "drop read-table", kOpenFail},
            {"mnuWrite", "vanish", kWriteFail},
            {"mnuWrite", "busy write", kWriteFail},
            {"mnuWrite", "zero write-setting", kWriteFail},
            {"mnuWrite", "hang write-setting", kWriteFail},
            {"mnuWrite", "drop write-table", kWriteFail},
            // The line-parameter message is not awaited: its faults pass unseen.
            {"mnuWrite", "hang line-params", kWriteSuccess},
            {"mnuCLRead", "vanish", kOpenFail},
            {"mnuCLRead", "busy read", kCallLogRead},
            {"mnuCLRead", "zero history", kOpenFail},
            {"mnuCLRead", "hang history", kOpenFail},
            {"mnuCLRead", "drop history", kOpenFail},
        };
        for (const Row& row : rows)
            QTest::addRow("%s %s", row.action, row.fault)
                << QString::fromLatin1(row.action) << QString::fromLatin1(row.fault) << row.status;
    }

    void eachFaultEndsInTimeWithItsStatusText()
    {
        QFETCH(QString, action);
        QFETCH(QString, fault);
        QFETCH(QString, status);

        SimulatedAdapter adapter(QL310_ADAPTER_PATH);
        QVERIFY(adapter.start());
        ql310::LibraryBinding library(QStringList{ql310::test::windowTestLibrary()});
        library.setFailureHandler([](const QString& message) { QFAIL(qPrintable(message)); });
        ScriptedInteraction interaction;
        {
            MainWindow window(library, interaction);
            QVERIFY(window.startUp());
            QCOMPARE(window.state(), MainWindow::State::Normal);

            QCOMPARE(adapter.command(fault.toStdString()), std::string("ok"));
            QElapsedTimer timer;
            timer.start();
            window.findChild<QAction*>(action)->trigger();
            QVERIFY2(timer.elapsed() < kTimeoutMs + 1000, qPrintable(QString::number(timer.elapsed())));
            QVERIFY2(window.statusPanel(1).startsWith(status), qPrintable(window.statusPanel(1)));
            QVERIFY(!QGuiApplication::overrideCursor());
            // A failed write also says so in a warning; nothing else asks.
            if (status == kWriteFail) {
                QCOMPARE(interaction.asked().size(), 1);
                QCOMPARE(interaction.asked().first().text, kWriteFail);
            } else {
                QVERIFY(interaction.asked().isEmpty());
            }

            // Once the fault is gone the same command goes through.
            QCOMPARE(adapter.command("clear"), std::string("ok"));
            QCOMPARE(adapter.command("appear"), std::string("ok"));
            window.findChild<QAction*>(action)->trigger();
            QVERIFY(window.statusPanel(1).startsWith(successOf(action)));
        }
    }
};

QTEST_MAIN(WindowFaultsTest)
#include "window_faults_test.moc"
