// SPDX-License-Identifier: GPL-3.0-or-later
// The binding of libql310.so: at the first call, beside the program first,
// every export or nothing, and a message naming the file when it fails.
#include "command_line.h"
#include "library_binding.h"
#include "test_library.h"

#include <QProcess>
#include <tuple>
#include <QTemporaryDir>
#include <QtTest>

using ql310::LibraryBinding;

class LibraryBindingTest : public QObject {
    Q_OBJECT

private:
    // Runs a copy of the program in `dir`, where nothing or `library` lies
    // beside it, with no screen; returns the exit code and the error text.
    static std::pair<int, QString> runProgramCopy(const QString& dir, const QString& library)
    {
        const QString program = dir + QStringLiteral("/ql310set");
        QFile::copy(QStringLiteral(QL310SET_PATH), program);
        QFile::setPermissions(program, QFileDevice::ExeOwner | QFileDevice::ReadOwner);
        if (!library.isEmpty())
            QFile::copy(library, dir + QStringLiteral("/libql310.so"));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
        environment.insert(QStringLiteral("QL310_DEVICE_DIR"), dir + QStringLiteral("/nodevice"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir + QStringLiteral("/config"));
        environment.insert(QStringLiteral("QL310SET_DATA_DIR"), dir + QStringLiteral("/data"));
        environment.insert(QStringLiteral("QL310_REGISTRY"), dir + QStringLiteral("/hklm.reg"));
        process.setProcessEnvironment(environment);
        process.start(program, {});
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return {-1, QStringLiteral("timed out")};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private slots:
    void nothingIsLoadedBeforeTheFirstCall()
    {
        int failures = 0;
        LibraryBinding binding({QStringLiteral("/nonexistent/libql310.so")});
        binding.setFailureHandler([&](const QString&) { ++failures; });
        QCOMPARE(failures, 0);
        QVERIFY(!binding.functions());
        QCOMPARE(failures, 1);
        // The failure is reported once, not at every call.
        QVERIFY(!binding.functions());
        QCOMPARE(failures, 1);
    }
    void aMissingLibraryIsNamedInTheMessage()
    {
        QString message;
        LibraryBinding binding({QStringLiteral("/nonexistent/libql310.so"),
                                QStringLiteral("libql310-not-installed.so")});
        binding.setFailureHandler([&](const QString& text) { message = text; });
        QVERIFY(!binding.functions());
        QVERIFY2(message.contains(QStringLiteral("libql310.so")), qPrintable(message));
    }
    void aLibraryLackingAnExportIsRefusedWithItsFileAndTheExport()
    {
        QString message;
        LibraryBinding binding({QStringLiteral(QL310_INCOMPLETE_STUB_PATH)});
        binding.setFailureHandler([&](const QString& text) { message = text; });
        QVERIFY(!binding.functions());
        QVERIFY2(message.contains(QStringLiteral(QL310_INCOMPLETE_STUB_PATH)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("QL_GetCallHistoryData")), qPrintable(message));
        QVERIFY2(!message.contains(QStringLiteral("QL310_LoadSetting,")), qPrintable(message));
    }
    void theLibraryBesideTheProgramComesFirst()
    {
        // The incomplete library beside the program hides a complete one
        // further down the list: it is taken, and refused.
        QString message;
        LibraryBinding binding({QStringLiteral(QL310_INCOMPLETE_STUB_PATH),
                                ql310::test::windowTestLibrary()});
        binding.setFailureHandler([&](const QString& text) { message = text; });
        QVERIFY(!binding.functions());
        QVERIFY(message.contains(QStringLiteral(QL310_INCOMPLETE_STUB_PATH)));
    }
    void aCompleteLibraryGivesEveryOperation()
    {
        LibraryBinding binding({QStringLiteral("/nonexistent/libql310.so"),
                                ql310::test::windowTestLibrary()});
        bool failed = false;
        binding.setFailureHandler([&](const QString&) { failed = true; });
        const ql310::LibraryFunctions* functions = binding.functions();
        QVERIFY(functions);
        QVERIFY(!failed);
        QVERIFY(functions->QL_Xcopy && functions->QL_Ycopy && functions->QL_AndB &&
                functions->QL_AndB_Value && functions->QL310_LoadSetting &&
                functions->QL_GetDataFromRegistry && functions->Call_Forward_Supplementary);
        QCOMPARE(functions->QL_AndB_Value(0xF0, 0x3C), uint8_t(0x30));
        QCOMPARE(functions->QL_AndB(0xF0, 0x0F), uint8_t(0));
        QVERIFY(binding.loadedFile().endsWith(QFileInfo(ql310::test::windowTestLibrary()).fileName()));
    }
    void helpAndUnknownOptionsAreAnsweredBeforeAnyWindowSystem()
    {
        // No screen and a platform that cannot start: only an answer given
        // before the window system starts can end well.
        auto run = [](const QStringList& args) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(QL310SET_PATH), args);
            if (!process.waitForFinished(30000))
                process.kill();
            process.waitForFinished();
            return std::tuple{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                              QString::fromLocal8Bit(process.readAllStandardError())};
        };
        for (const QStringList& args : {QStringList{"--help"}, QStringList{"-platform", "offscreen", "-h"}}) {
            const auto [code, out, err] = run(args);
            QCOMPARE(code, 0);
            QVERIFY2(out.startsWith(QStringLiteral("Usage: ql310set")), qPrintable(out));
        }
        // A usage error goes to standard error, names what was wrong and
        // points to --help.
        for (const auto& [args, said] : {std::pair{QStringList{"--bogus"}, "unknown option --bogus"},
                                         std::pair{QStringList{"backup.310"}, "unexpected argument backup.310"}}) {
            const auto [code, out, err] = run(args);
            QCOMPARE(code, 2);
            QVERIFY2(out.isEmpty(), qPrintable(out));
            QVERIFY2(err.startsWith(QStringLiteral("ql310set: ") + said + " (see ql310set --help)\nUsage: ql310set"),
                     qPrintable(err));
        }
        // The toolkit's options, with their values, reach the toolkit.
        std::string unknown;
        const char* const toolkit[] = {"ql310set", "-style", "fusion", "--platform=offscreen", "-reverse"};
        QCOMPARE(ql310::startAction(5, toolkit, unknown), ql310::StartAction::Run);
    }
    void theProgramEndsWithAMessageWhenItsLibraryIsMissing()
    {
        QTemporaryDir dir;
        const auto [code, errors] = runProgramCopy(dir.path(), QString());
        QVERIFY2(code != 0 && code != -1, qPrintable(QString::number(code) + errors));
        QVERIFY2(errors.contains(QStringLiteral("libql310.so")), qPrintable(errors));
    }
    void theProgramEndsWithAMessageWhenAnExportIsMissing()
    {
        QTemporaryDir dir;
        const auto [code, errors] = runProgramCopy(dir.path(), QStringLiteral(QL310_INCOMPLETE_STUB_PATH));
        QVERIFY2(code != 0 && code != -1, qPrintable(QString::number(code) + errors));
        QVERIFY2(errors.contains(dir.path() + QStringLiteral("/libql310.so")), qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("QL310_SaveSetting")), qPrintable(errors));
    }
    void theProgramDoesNotLinkTheLibrary()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(QL310SET_PATH)});
        if (!ldd.waitForFinished(30000) || ldd.exitCode() != 0)
            QSKIP("ldd is not available");
        const QString needed = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY(needed.contains(QStringLiteral("libQt6Widgets")));
        QVERIFY2(!needed.contains(QStringLiteral("libql310")), qPrintable(needed));
    }
};

QTEST_GUILESS_MAIN(LibraryBindingTest)
#include "library_binding_test.moc"
