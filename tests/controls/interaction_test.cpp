// SPDX-License-Identifier: GPL-3.0-or-later
// The program's filter lists as the file dialog takes them, and the
// default extension that only a save adds.
#include "interaction.h"

#include <QFileDialog>
#include <QTemporaryDir>
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
    void aNameTypedWithoutExtensionIsLoadedAsTypedAndSavedWithTheExtension()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const bool saving : {false, true}) {
            ql310::UserInteraction::FileRequest request;
            request.filter = QStringLiteral("310 Files (*.310) | *.310|All Files (*.*) | *.*");
            request.defaultSuffix = QStringLiteral("310");
            request.forSaving = saving;
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            ql310::configureFileDialog(dialog, request);
            dialog.setDirectory(folder.path());
            dialog.selectFile(QStringLiteral("noextfile"));
            QCOMPARE(dialog.selectedFiles().value(0),
                     folder.filePath(saving ? QStringLiteral("noextfile.310") : QStringLiteral("noextfile")));
        }
    }
};

QTEST_MAIN(InteractionTest)
#include "interaction_test.moc"
