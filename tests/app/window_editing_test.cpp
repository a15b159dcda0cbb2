// The editing behaviour inside the program's main window: its messages go
// through the window's interaction, and a page change refreshes the mirrored
// cells without emptying a result that the help line shows.
#include "fixed_cell_grid.h"
#include "library_binding.h"
#include "main_window.h"
#include "scripted_interaction.h"
#include "simulated_adapter.h"
#include "test_library.h"
#include "text_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;

class WindowEditingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::unique_ptr<SimulatedAdapter> m_adapter;
    std::unique_ptr<ql310::LibraryBinding> m_library;
    ScriptedInteraction m_interaction;
    std::unique_ptr<MainWindow> m_window;

    template <class Widget>
    Widget* control(const char* name, int index = -1)
    {
        return m_window->findChild<Widget*>(ql310::controlName(name, index));
    }
    void clickTab(int page)
    {
        QTabBar* bar = m_window->tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.filePath("config"));
        qputenv("QL310_REGISTRY", m_home.filePath("hklm.reg").toLocal8Bit());
        qputenv("QL310SET_DATA_DIR", m_home.filePath("data").toLocal8Bit());
        qputenv("QL310_TIMEOUT_MS", "2000");
        qputenv("XDG_RUNTIME_DIR", m_home.filePath("runtime").toLocal8Bit());
    }
    void init()
    {
        m_adapter = std::make_unique<SimulatedAdapter>(QL310_ADAPTER_PATH);
        QVERIFY(m_adapter->start());
        m_library = std::make_unique<ql310::LibraryBinding>(
            QStringList{ql310::test::windowTestLibrary()});
        m_library->setFailureHandler([](const QString& message) { QFAIL(qPrintable(message)); });
        m_interaction = ScriptedInteraction();
        m_window = std::make_unique<MainWindow>(*m_library, m_interaction);
        QVERIFY(m_window->formLoad());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_adapter.reset();
        m_library.reset();
    }

    void thePageChangeRefreshesTheMirrorsAndKeepsTheResult()
    {
        QCOMPARE(m_window->clearStatusOnTabFocus(), ql310::kFalse);
        QCOMPARE(m_window->statusPanel(1), QStringLiteral("Open Success !"));
        clickTab(0);
        auto* name = control<QLineEdit>("PortName", 3);
        QTest::mouseClick(name, Qt::LeftButton);
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Modem"));
        m_window->setStatusPanel(1, QStringLiteral("Open Success !"));
        clickTab(5);
        QCOMPARE(m_window->grid("ShortDialGrid")->cellText(2, 4), QStringLiteral("Modem"));
        QCOMPARE(m_window->statusPanel(1), QStringLiteral("Open Success !"));
    }

    void theThresholdWarningIsTheWindowsMessage()
    {
        clickTab(2);
        auto* open = control<QComboBox>("OpenCPSCombo");
        auto* close = control<QComboBox>("CloseCPSCombo");
        open->setEditText(QStringLiteral("2400"));
        close->setFocus(Qt::TabFocusReason);
        close->setEditText(QString());
        QTest::keyClicks(close, QStringLiteral("3000"));
        QCOMPARE(m_interaction.asked().size(), 1);
        QCOMPARE(m_interaction.asked().first().text, ql310::text(413));
        QCOMPARE(m_interaction.asked().first().icon, UserInteraction::Icon::Information);
    }
};

QTEST_MAIN(WindowEditingTest)
#include "window_editing_test.moc"
