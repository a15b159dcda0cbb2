// SPDX-License-Identifier: GPL-3.0-or-later
// The program's filter lists as the file dialog takes them.
#include "interaction.h"

#include <QtTest>

class InteractionTest : public QObject {
    Q_OBJECT

private slots:
    void aFilterListBecomesOneDialogFilterPerPair()
    {
        QCOMPARE(ql310::dialogFilters(QStringLiteral("310 Files (*.310) | *.310|All Files (*.*) | *.*")),
                 QStringLiteral("310 Files (*.310);;All Files (*)"));
        QCOMPARE(ql310::dialogFilters(QStringLiteral("PhoneBook Files (*.pb) | *.pb|All Files (*.*) | *.*")),
                 QStringLiteral("PhoneBook Files (*.pb);;All Files (*)"));
        // Several patterns, a description without its own patterns.
        QCOMPARE(ql310::dialogFilters(QStringLiteral("Tables | *.lcr;*.pb")),
                 QStringLiteral("Tables (*.lcr *.pb)"));
    }
    void aDialogFilterIsTakenAsItIs()
    {
        QCOMPARE(ql310::dialogFilters(QStringLiteral("Settings (*.310);;All (*)")),
                 QStringLiteral("Settings (*.310);;All (*)"));
        QCOMPARE(ql310::dialogFilters(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(InteractionTest)
#include "interaction_test.moc"
