// SPDX-License-Identifier: GPL-3.0-or-later
// Every save of the program and of ql310ctl against what is no file to save
// into: a device node, a named pipe, a read-only file, a dangling link and a
// folder. Each save is refused with "The file was not changed." and each
// target stays what it was, with nothing left beside it.
#include "call_log_workbench.h"
#include "fixed_cell_grid.h"
#include "library_binding.h"
#include "statistics_window.h"
#include "window_test_base.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>

namespace {

enum class Target { Device, Pipe, ReadOnly, DanglingLink, Folder };
const Target kTargets[] = {Target::Device, Target::Pipe, Target::ReadOnly, Target::DanglingLink,
                           Target::Folder};
const QByteArray kKept = "kept as it was";

QString nameOf(Target target)
{
    switch (target) {
    case Target::Device: return QStringLiteral("device.out");
    case Target::Pipe: return QStringLiteral("pipe.out");
    case Target::ReadOnly: return QStringLiteral("readonly.out");
    case Target::DanglingLink: return QStringLiteral("dangling.out");
    case Target::Folder: return QStringLiteral("folder.out");
    }
    return {};
}

// Makes the target; false when this user may not (a device node needs root).
bool make(Target target, const QString& path)
{
    const QByteArray local = QFile::encodeName(path);
    switch (target) {
    case Target::Device: return ::mknod(local, S_IFCHR | 0666, makedev(1, 3)) == 0;
    case Target::Pipe: return ::mkfifo(local, 0600) == 0;
    case Target::ReadOnly: return ql310::test::writeAll(path, kKept) && ::chmod(local, 0444) == 0;
    case Target::DanglingLink: return ::symlink("missing.out", local) == 0;
    case Target::Folder: return QDir().mkdir(path);
    }
    return false;
}

bool unchanged(Target target, const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path), &st) != 0)
        return false;
    switch (target) {
    case Target::Device: return S_ISCHR(st.st_mode) && st.st_rdev == makedev(1, 3);
    case Target::Pipe: return S_ISFIFO(st.st_mode);
    case Target::ReadOnly:
        return S_ISREG(st.st_mode) && (st.st_mode & 0777) == 0444 && ql310::test::readAll(path) == kKept;
    case Target::DanglingLink: return S_ISLNK(st.st_mode) && !QFileInfo::exists(path);
    case Target::Folder: return S_ISDIR(st.st_mode) && QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    return false;
}

struct Ctl {
    int status = -1;
    QString err;
};

Ctl ctl(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(QL310CTL_PATH), args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class HostileTargetsTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    QAction* action(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    // The program's save: answers the file dialog with `path`, runs the
    // command, and gives the one message it showed ("" when none).
    QString programSave(const std::function<void()>& command, const QString& path)
    {
        const qsizetype before = m_interaction.asked().size();
        m_interaction.chooseFileAnswer(path);
        command();
        if (m_interaction.asked().size() != before + 1)
            return {};
        return m_interaction.asked().last().text;
    }
    QPushButton* saveChartButton()
    {
        for (QPushButton* button : window().callLogWorkbench().statisticsWindow()->findChildren<QPushButton*>())
            if (button->text() == u"Save Chart...")
                return button;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
        newRun();
    }
    void cleanupTestCase()
    {
        if (m_window) {
            m_interaction.answer(ql310::UserInteraction::No);
            m_window->close();
        }
        endRun();
    }

    void everySaveRefusesEveryHostileTargetAndLeavesItAsItWas()
    {
        QVERIFY(m_adapter->start());
        QVERIFY(window().startUp());
        // Something to export in the phone book, and the statistics open.
        window().grid("PhoneBookGrid")->setCellText(1, 1, QStringLiteral("0301234567"));
        window().grid("PhoneBookGrid")->setCellText(1, 2, QStringLiteral("Alice"));
        action("mnuCLStatistics")->trigger();
        QVERIFY(saveChartButton());

        const bool root = ::geteuid() == 0;
        struct Save {
            const char* name;
            std::function<void()> program; // empty for ql310ctl
            QStringList ctlArgs;
        };
        const Save saves[] = {
            {"Save Setting", [this] { action("mnuSave")->trigger(); }, {}},
            {"Save LCR", [this] { action("mnuSaveLCR")->trigger(); }, {}},
            {"Save Phone Book", [this] { action("mnuSavePhoneBook")->trigger(); }, {}},
            {"Export Phone Book", [this] { action("mnuExportPhoneBook")->trigger(); }, {}},
            {"call-log Export", [this] { action("mnuCLExport")->trigger(); }, {}},
            {"Save Chart", [this] { saveChartButton()->click(); }, {}},
            {"ql310ctl read", {}, {"read"}},
            {"ql310ctl phonebook export --csv", {}, {"phonebook", "export", "--csv"}},
            {"ql310ctl phonebook export --vcard", {}, {"phonebook", "export", "--vcard"}},
        };
        int folder = 0;
        for (const Save& save : saves) {
            const QString dir = m_home.filePath(QStringLiteral("targets%1").arg(++folder));
            QVERIFY(QDir().mkdir(dir));
            int made = 0;
            for (Target target : kTargets) {
                const QString path = dir + u'/' + nameOf(target);
                if (!make(target, path)) {
                    QVERIFY2(target == Target::Device && !root, qPrintable(path));
                    continue;
                }
                ++made;
                const QString where = QString::fromLatin1(save.name) + QStringLiteral(" into ") + nameOf(target);
                if (save.program) {
                    const QString message = programSave(save.program, path);
                    QVERIFY2(message.endsWith(u"The file was not changed."), qPrintable(where + QStringLiteral(": ") + message));
                } else {
                    const Ctl result = ctl(save.ctlArgs + QStringList{path});
                    QVERIFY2(result.status == 7, qPrintable(where + QStringLiteral(": ") + QString::number(result.status) + u' ' + result.err));
                    QVERIFY2(result.err.contains(u"The file was not changed."), qPrintable(where + QStringLiteral(": ") + result.err));
                }
                QVERIFY2(unchanged(target, path), qPrintable(where));
            }
            // No temporary file and no file made through the link.
            QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), made);
        }
        if (!root)
            qInfo("device nodes were left out: mknod needs root");
    }
};

QTEST_MAIN(HostileTargetsTest)
#include "hostile_targets_test.moc"
