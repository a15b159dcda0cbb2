// SPDX-License-Identifier: GPL-3.0-or-later
// The help line on panel 1, the bandwidth-on-demand threshold warning and
// the "Stop Music On Hold" setting shared by the four ports.
#include "editor_fixture.h"
#include "text_table.h"
#include "time_set.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using ql310::UserInteraction;
using ql310::test::EditorFixture;
using namespace ql310::test;

class FieldHelpTest : public QObject {
    Q_OBJECT

private:
    EditorFixture m_editor;

    // Gives `widget` the focus from the keyboard, on its page.
    void focus(QWidget* widget)
    {
        showPageOf(widget);
        widget->setFocus(Qt::TabFocusReason);
        QVERIFY(widget->hasFocus());
    }
    void focus(const char* name, int index = -1) { focus(m_editor.control<QWidget>(name, index)); }
    QComboBox* combo(const char* name) { return m_editor.control<QComboBox>(name); }
    int warnings()
    {
        int count = 0;
        for (const auto& message : m_editor.interaction().messages)
            count += message.text == ql310::text(ql310::TextId::TheValueOfItem4Must);
        return count;
    }
    void typeThresholds(const QString& open, const QString& close)
    {
        focus("OpenCPSCombo");
        combo("OpenCPSCombo")->lineEdit()->selectAll();
        QTest::keyClicks(combo("OpenCPSCombo"), open);
        focus("CloseCPSCombo");
        combo("CloseCPSCombo")->lineEdit()->selectAll();
        QTest::keyClicks(combo("CloseCPSCombo"), close);
    }

private slots:
    void init() { QVERIFY(m_editor.start()); }
    void cleanup() { m_editor.stop(); }

    void focusShowsTheFieldsHintOrEmptiesTheLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("help");
        const QString empty;
        QTest::newRow("port number") << "PortNumber" << 3 << ql310::text(ql310::TextId::RangeBetween1x4xxxThe);
        QTest::newRow("msn after number") << "PortMSN1" << 0 << empty;
        QTest::newRow("port name") << "PortName" << 1 << ql310::text(ql310::TextId::AlsoAppearsAtFskClid);
        QTest::newRow("own number") << "PortOwnNumber" << 2 << ql310::text(ql310::TextId::CanAppearAtRemoteSite);
        QTest::newRow("ring type") << "PortMSNType3" << 1 << ql310::text(ql310::TextId::PleaseReferToTheDistinctive);
        QTest::newRow("caller id option") << "PortCallIDOption" << -1 << ql310::text(ql310::TextId::PleaseReferToTheCaller);
        QTest::newRow("call waiting") << "PortCallWait" << 0 << ql310::text(ql310::TextId::ReceiveAndSendASecond);
        QTest::newRow("music on hold") << "PortStopMusicOnHold" << 2 << ql310::text(ql310::TextId::NoWaitingMusicWhileCall);
        QTest::newRow("forwarding number") << "ForwardingNumber" << 1 << ql310::text(ql310::TextId::EnterPhoneNumberOfLocal);
        QTest::newRow("exclusion start") << "LCRETDialA" << 4 << ql310::text(ql310::TextId::ThePhoneNumberSuchAs);
        QTest::newRow("exclusion weekend") << "LCRETWeekend" << 3 << empty;
        QTest::newRow("open threshold") << "OpenCPSCombo" << -1 << empty;
    }
    void focusShowsTheFieldsHintOrEmptiesTheLine()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, help);
        m_editor.window().setStatusPanel(1, QStringLiteral("old"));
        focus(name.toLatin1().constData(), index);
        QCOMPARE(m_editor.help(), help);
    }

    void aSequenceOfFocusesShowsOnlyTheLastFieldsHint()
    {
        focus("PortNumber", 0);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::RangeBetween1x4xxxThe));
        focus("PortMSN1", 0);
        QCOMPARE(m_editor.help(), QString());
        focus("PortName", 0);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::AlsoAppearsAtFskClid));
        // Fields without a hint leave the line as it is.
        focus("DDICombo");
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::AlsoAppearsAtFskClid));
        focus("PortCallWait", 0);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::ReceiveAndSendASecond));
        focus("PortToOutside", 1);
        QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::ReceiveAndSendASecond));
        // The time control takes the focus in its hour box.
        focus(m_editor.window().timeSet(2)->hourBox());
        QCOMPARE(m_editor.help(), QString());
    }

    void clickingToOutsideShowsItsHintEitherWay()
    {
        auto* box = m_editor.control<QCheckBox>("PortToOutside", 2);
        focus(box);
        for (bool checked : {true, false}) {
            m_editor.window().setStatusPanel(1, QStringLiteral("old"));
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            QCOMPARE(box->isChecked(), checked);
            QCOMPARE(m_editor.help(), ql310::text(ql310::TextId::CallToRemotePartyWithout));
        }
    }

    void closeAboveOpenWarnsOnTheKeyReleaseThatMakesIt()
    {
        typeThresholds(QStringLiteral("4800"), QString());
        QComboBox* close = combo("CloseCPSCombo");
        const QString typed = QStringLiteral("5000");
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(close, typed[i].toLatin1());
            QCOMPARE(warnings(), i == 3 ? 1 : 0);
        }
        QCOMPARE(close->currentText(), typed);
        const auto& message = m_editor.interaction().messages.last();
        QCOMPARE(message.text, QStringLiteral("The value of \"Item4\" must be less than the \"Item3\"."));
        QCOMPARE(message.title, QStringLiteral("USB ISDN TA Configuration"));
        QCOMPARE(message.icon, UserInteraction::Icon::Information);
        // Every further key release warns again while close stays above open.
        QTest::keyClick(close, Qt::Key_Left);
        QCOMPARE(warnings(), 2);
        QCOMPARE(close->currentText(), typed);
        // Enter keeps the list as it was designed.
        QTest::keyClick(close, Qt::Key_Return);
        QCOMPARE(close->count(), 6);
        QCOMPARE(close->currentText(), typed);
        const int before = warnings();
        // The release of the Enter or Escape that closed the message box,
        // pressed there, does not bring the message back.
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
            QTest::sendKeyEvent(QTest::Release, close, key, QString(), Qt::NoModifier);
        QCOMPARE(warnings(), before);
    }

    void equalOrUnreadableThresholdsDoNotWarn_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::newRow("equal") << "4800" << "4800";
        QTest::newRow("below") << "4800" << "4799";
        QTest::newRow("close not a number") << "4800" << "abc";
        QTest::newRow("open not a number") << "fast" << "5000";
        QTest::newRow("close beyond 16 bits") << "4800" << "70000";
        QTest::newRow("open beyond 16 bits") << "40000" << "5000";
        QTest::newRow("fraction rounds to open") << "4800" << "4800.4";
        QTest::newRow("blanks around equal") << " 4800" << "4800 ";
    }
    void equalOrUnreadableThresholdsDoNotWarn()
    {
        QFETCH(QString, open);
        QFETCH(QString, close);
        combo("OpenCPSCombo")->setEditText(open);
        focus("CloseCPSCombo");
        combo("CloseCPSCombo")->setEditText(close);
        QTest::keyClick(combo("CloseCPSCombo"), Qt::Key_End);
        QCOMPARE(warnings(), 0);
        QCOMPARE(combo("CloseCPSCombo")->currentText(), close);
    }

    void choosingACloseValueFromTheListIsChecked()
    {
        typeThresholds(QStringLiteral("2400"), QString());
        QComboBox* close = combo("CloseCPSCombo");
        QTest::keyClick(close, Qt::Key_F4);
        QAbstractItemView* list = close->view();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_End);  // "6000"
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(close->currentText(), QStringLiteral("6000"));
        QVERIFY(warnings() >= 1);
        // Changing the open threshold runs no check.
        const int before = warnings();
        focus("OpenCPSCombo");
        QTest::keyClicks(combo("OpenCPSCombo"), QStringLiteral("1"));
        QCOMPARE(warnings(), before);
    }

    void stopMusicOnHoldIsTickedForAllPortsTogether()
    {
        auto box = [this](int port) { return m_editor.control<QCheckBox>("PortStopMusicOnHold", port); };
        focus(box(2));
        QTest::keyClick(box(2), Qt::Key_Space);
        for (int port = 0; port < 4; ++port)
            QVERIFY(box(port)->isChecked());
        QTest::mouseClick(box(0), Qt::LeftButton, {}, box(0)->rect().center());
        for (int port = 0; port < 4; ++port)
            QVERIFY(!box(port)->isChecked());
    }
};

QTEST_MAIN(FieldHelpTest)
#include "field_help_test.moc"

