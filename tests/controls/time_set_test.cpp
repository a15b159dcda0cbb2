// SPDX-License-Identifier: GPL-3.0-or-later
// The time-set control: keystroke check, padding, focus colour, spinner
// wraps and the repetition while an arrow is held.
#include "time_set.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using ql310::CtlTimeSet;

class TimeSetTest : public QObject {
    Q_OBJECT

private:
    static void focus(QLineEdit* box)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(box, &in);
    }
    static void unfocus(QLineEdit* box)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }
    static void click(QToolButton* arrow)
    {
        QTest::mouseClick(arrow, Qt::LeftButton);
    }

private slots:
    // Keystrokes
    void zeroTypedIntoAnEmptyHourIsUndone()
    {
        CtlTimeSet control;
        QTest::keyClick(control.hourBox(), Qt::Key_0);
        QCOMPARE(control.hour(), QString());
    }
    void zeroTypedIntoAnEmptyMinuteStaysAndIsPaddedOnEnter()
    {
        CtlTimeSet control;
        QTest::keyClick(control.minuteBox(), Qt::Key_0);
        QCOMPARE(control.minute(), QStringLiteral("0"));
        QTest::keyClick(control.minuteBox(), Qt::Key_Return);
        QCOMPARE(control.minute(), QStringLiteral("00"));
    }
    void hourAboveTwentyFourIsRejectedKeyByKey()
    {
        CtlTimeSet control;
        QTest::keyClicks(control.hourBox(), QStringLiteral("25"));
        QCOMPARE(control.hour(), QStringLiteral("2"));
        control.setHour(QString());
        QTest::keyClicks(control.hourBox(), QStringLiteral("24"));
        QCOMPARE(control.hour(), QStringLiteral("24"));
    }
    void aThirdCharacterIsUndoneInEitherBox()
    {
        CtlTimeSet control;
        QTest::keyClicks(control.hourBox(), QStringLiteral("121"));
        QCOMPARE(control.hour(), QStringLiteral("12"));
        QTest::keyClicks(control.minuteBox(), QStringLiteral("455"));
        QCOMPARE(control.minute(), QStringLiteral("45"));
    }
    void minuteAboveFiftyNineAndLettersAreRejected()
    {
        CtlTimeSet control;
        QTest::keyClicks(control.minuteBox(), QStringLiteral("6"));
        QTest::keyClicks(control.minuteBox(), QStringLiteral("0"));
        QCOMPARE(control.minute(), QStringLiteral("6"));
        QTest::keyClicks(control.minuteBox(), QStringLiteral("x"));
        QCOMPARE(control.minute(), QStringLiteral("6"));
    }
    void propertyWritesPassTheSameCheck()
    {
        CtlTimeSet control;
        control.setHour(QStringLiteral("0"));
        QCOMPARE(control.hour(), QString());
        control.setHour(QStringLiteral("25"));
        QCOMPARE(control.hour(), QString());
        control.setProperty("Hour", QStringLiteral("07"));
        QCOMPARE(control.property("Hour").toString(), QStringLiteral("07"));
        control.setProperty("Minute", QStringLiteral("60"));
        QCOMPARE(control.property("Minute").toString(), QString());
    }

    // Focus
    void focusColoursTheBoxAndEnablesTheSpinner()
    {
        CtlTimeSet control;
        const QColor before = control.hourBox()->palette().color(QPalette::Base);
        QVERIFY(!control.spinner()->isEnabled());
        focus(control.hourBox());
        QCOMPARE(control.hourBox()->palette().color(QPalette::Base), QColor(192, 255, 255));
        QVERIFY(control.spinner()->isEnabled());
        QCOMPARE(control.activeBox(), CtlTimeSet::Box::Hour);
        control.setHour(QStringLiteral("5"));
        unfocus(control.hourBox());
        QCOMPARE(control.hourBox()->palette().color(QPalette::Base), before);
        QVERIFY(!control.spinner()->isEnabled());
        QCOMPARE(control.hour(), QStringLiteral("05"));
    }
    void paddingRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("padded");
        QTest::newRow("single digit") << "5" << "05";
        QTest::newRow("already padded") << "05" << "05";
        QTest::newRow("zero") << "0" << "00";
        QTest::newRow("two digits") << "12" << "12";
        QTest::newRow("empty") << "" << "";
    }
    void paddingRule()
    {
        QFETCH(QString, text);
        QFETCH(QString, padded);
        QCOMPARE(ql310::padTimeText(text), padded);
    }

    // Spinner
    void hourWrapsBetweenTwentyFourAndOne()
    {
        CtlTimeSet control;
        focus(control.hourBox());
        control.setHour(QStringLiteral("24"));
        click(control.upArrow());
        QCOMPARE(control.hour(), QStringLiteral("01"));
        click(control.downArrow());
        QCOMPARE(control.hour(), QStringLiteral("24"));
        control.setHour(QString());
        click(control.upArrow());
        QCOMPARE(control.hour(), QStringLiteral("01"));
        control.setHour(QString());
        click(control.downArrow());
        QCOMPARE(control.hour(), QStringLiteral("24"));
    }
    void minuteWrapsAndEmptyMinuteSteps()
    {
        CtlTimeSet control;
        focus(control.minuteBox());
        control.setMinute(QStringLiteral("59"));
        click(control.upArrow());
        QCOMPARE(control.minute(), QStringLiteral("0"));
        control.setMinute(QStringLiteral("00"));
        click(control.downArrow());
        QCOMPARE(control.minute(), QStringLiteral("59"));
        control.setMinute(QString());
        click(control.upArrow());
        QCOMPARE(control.minute(), QStringLiteral("00"));
        control.setMinute(QString());
        click(control.downArrow());
        QCOMPARE(control.minute(), QStringLiteral("59"));
        control.setMinute(QStringLiteral("8"));
        click(control.upArrow());
        QCOMPARE(control.minute(), QStringLiteral("09"));
    }
    void spinnerStepsNothingWithoutAFocusedBox()
    {
        CtlTimeSet control;
        control.setHour(QStringLiteral("10"));
        control.spinner()->setEnabled(true);
        click(control.upArrow());
        QCOMPARE(control.hour(), QStringLiteral("10"));
    }
    void heldArrowStepsOncePerSecond()
    {
        CtlTimeSet control;
        focus(control.hourBox());
        control.setHour(QStringLiteral("22"));
        QElapsedTimer held;
        held.start();
        QTest::mousePress(control.upArrow(), Qt::LeftButton);
        QCOMPARE(control.hour(), QStringLiteral("23"));
        QVERIFY(control.isRepeating());
        QTRY_COMPARE_WITH_TIMEOUT(control.hour(), QStringLiteral("24"), 3000);
        QVERIFY(held.elapsed() >= CtlTimeSet::kRepeatMs - 50);
        QTest::mouseRelease(control.upArrow(), Qt::LeftButton);
        QVERIFY(!control.isRepeating());
    }
    void minuteWrapEndsTheHeldAction()
    {
        CtlTimeSet control;
        focus(control.minuteBox());
        control.setMinute(QStringLiteral("59"));
        QTest::mousePress(control.upArrow(), Qt::LeftButton);
        QCOMPARE(control.minute(), QStringLiteral("0"));
        QVERIFY(!control.isRepeating());
        QTest::mouseRelease(control.upArrow(), Qt::LeftButton);
    }
};

QTEST_MAIN(TimeSetTest)
#include "time_set_test.moc"
