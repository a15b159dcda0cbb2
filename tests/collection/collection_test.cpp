// SPDX-License-Identifier: GPL-3.0-or-later
// The call log collected in the background, as a user of ql310ctl sees it:
// `calllog watch` against a real simulated adapter whose memory of 90 calls
// is filled call by call, the gap of calls never fetched, and the desktop
// notification posted to a private session bus with a notification service
// of the test's own.
#include "notifications.h"
#include "simulated_adapter.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using ql310::test::SimulatedAdapter;

namespace {

const char* const kHistoryCode = "8001210C";

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Records every Notify call it gets, as the desktop's notification service.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList summaries;
    QStringList bodies;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int)
    {
        summaries << summary;
        bodies << body;
        return uint(summaries.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
};

} // namespace

class CollectionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void watchStoresEachCallOnceAndEndsOnSigterm();
    void watchSaysAnAdapterThatFailsOnceUntilItAnswers();
    void anOverflowRecordsOneGapWithItsBoundsAndSaysIt();
    void notifyPostsOneNoticeAFetchOnAPrivateBus();
    void withoutABusOrAServiceTheFetchStillSucceeds();
    void aNoticeSaysLostCallsAndGapsAsSuch();

private:
    QProcessEnvironment environment() const;
    Run ctl(const QStringList& args, const QProcessEnvironment& env);
    Run ctl(const QStringList& args) { return ctl(args, environment()); }
    void addCalls(const QStringList& lines);
    void emptyHistory();
    QStringList exportedNumbers();
    qsizetype fetches() const { return countOf(m_adapter->journalCodes(), kHistoryCode); }
    static qsizetype countOf(const std::vector<std::string>& codes, const char* code);
    QString startDbus();

    std::unique_ptr<SimulatedAdapter> m_adapter;
    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess m_dbus;
};

void CollectionTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_adapter = std::make_unique<SimulatedAdapter>(QL310_ADAPTER_PATH);
    QVERIFY(m_adapter->start());
    emptyHistory();
}

void CollectionTest::cleanup()
{
    if (m_dbus.state() != QProcess::NotRunning) {
        m_dbus.kill();
        m_dbus.waitForFinished(5000);
    }
    m_adapter.reset();
    m_dir.reset();
}

QProcessEnvironment CollectionTest::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QL310_DEVICE_DIR", QString::fromStdString(m_adapter->deviceDir()));
    env.insert("QL310_REGISTRY", QString::fromStdString(m_adapter->registryPath()));
    env.insert("QL310SET_DATA_DIR", m_dir->filePath("data"));
    // Never the machine's bus: a bus address that nothing listens at.
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + m_dir->filePath("no-bus"));
    env.remove("DISPLAY");
    return env;
}

Run CollectionTest::ctl(const QStringList& args, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QL310CTL_PATH, args);
    // The event loop runs meanwhile, so that the test's own notification
    // service answers.
    if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 30000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void CollectionTest::addCalls(const QStringList& lines)
{
    for (const QString& line : lines)
        QCOMPARE(m_adapter->command(line.toStdString()), std::string("ok"));
}

void CollectionTest::emptyHistory()
{
    QFile file(m_dir->filePath("empty-history.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2203, '\0'));
    file.close();
    QCOMPARE(m_adapter->command("history " + file.fileName().toStdString()), std::string("ok"));
}

QStringList CollectionTest::exportedNumbers()
{
    QStringList numbers;
    const QStringList rows = ctl({"calllog", "export"}).out.split("\r\n", Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < rows.size(); ++i)
        numbers << rows[i].section(u',', 2, 2);
    return numbers;
}

qsizetype CollectionTest::countOf(const std::vector<std::string>& codes, const char* code)
{
    return std::count(codes.begin(), codes.end(), std::string(code));
}

// A session bus of the test's own: a session configuration without service
// folders, so that no service of the machine is ever started. Its address.
QString CollectionTest::startDbus()
{
    QFile config(m_dir->filePath("session.conf"));
    if (!config.open(QIODevice::WriteOnly))
        return {};
    config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                 "<busconfig><type>session</type><listen>unix:dir=" +
                 QFile::encodeName(m_dir->path()) +
                 "</listen><policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                 "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    config.close();
    m_dbus.start("dbus-daemon", {"--config-file=" + config.fileName(), "--nofork",
                                 "--print-address"});
    if (!m_dbus.waitForStarted(10000))
        return {};
    QString address;
    const QDeadlineTimer deadline(10000);
    while (address.isEmpty() && !deadline.hasExpired() && m_dbus.state() == QProcess::Running)
        if (m_dbus.waitForReadyRead(100))
            address = QString::fromUtf8(m_dbus.readLine()).trimmed();
    return address;
}

void CollectionTest::watchStoresEachCallOnceAndEndsOnSigterm()
{
    QProcess watch;
    watch.setProcessEnvironment(environment());
    watch.start(QL310CTL_PATH, {"calllog", "watch", "--interval", "1"});
    QVERIFY(watch.waitForStarted());
    QStringList expected;
    for (int round = 1; round <= 3; ++round) {
        const QString in = QString("03012340%1").arg(round), out = QString("08912340%1").arg(round);
        addCalls({"call in 1 " + in + " 30", "call out Tran(B1) " + out + " 20"});
        expected << in << out;
        QTRY_VERIFY_WITH_TIMEOUT(exportedNumbers().size() == expected.size(), 10000);
    }
    // Two more fetches over the same calls append none of them again.
    const qsizetype seen = fetches();
    QTRY_VERIFY_WITH_TIMEOUT(fetches() >= seen + 2, 10000);
    QStringList stored = exportedNumbers();
    stored.sort();
    expected.sort();
    QCOMPARE(stored, expected);

    ::kill(pid_t(watch.processId()), SIGTERM);
    QVERIFY(watch.waitForFinished(1000));
    QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
    QCOMPARE(watch.exitCode(), 0);
    QCOMPARE(watch.readAllStandardError(), QByteArray());
}

void CollectionTest::watchSaysAnAdapterThatFailsOnceUntilItAnswers()
{
    addCalls({"reject history"});
    QProcess watch;
    watch.setProcessEnvironment(environment());
    watch.start(QL310CTL_PATH, {"calllog", "watch", "--interval", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(fetches() >= 3, 10000);
    addCalls({"clear", "call in 2 0301234567 60"});
    QTRY_VERIFY_WITH_TIMEOUT(exportedNumbers() == QStringList{"0301234567"}, 10000);
    addCalls({"reject history"});
    const qsizetype seen = fetches();
    QTRY_VERIFY_WITH_TIMEOUT(fetches() >= seen + 2, 10000);
    ::kill(pid_t(watch.processId()), SIGINT);
    QVERIFY(watch.waitForFinished(1000));
    QCOMPARE(watch.exitCode(), 0);
    // Failed, answered, failed: each change said once.
    const QStringList lines = QString::fromUtf8(watch.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].contains("Open Fail") && lines[2] == lines[0], qPrintable(lines.join(u'\n')));
    QCOMPARE(lines[1], QString("ql310ctl: the call log is fetched again"));

    QCOMPARE(ctl({"calllog", "watch", "--interval", "0"}).status, 2);
    QCOMPARE(ctl({"calllog", "watch", "--interval", "5m"}).status, 2);
}

void CollectionTest::anOverflowRecordsOneGapWithItsBoundsAndSaysIt()
{
    addCalls({"call in 3 0301111111 200"});
    QCOMPARE(ctl({"calllog", "fetch", "--quiet"}).status, 0);
    // 120 calls, each starting a second after the one before; the adapter
    // keeps the last 90.
    QStringList calls;
    for (int i = 1; i <= 120; ++i)
        calls << QString("call %1 %2 0302%3 %4").arg(i % 2 ? "in" : "out").arg(1 + i % 4).arg(i, 3, 10, QChar('0')).arg(121 - i);
    addCalls(calls);
    const Run fetch = ctl({"calllog", "fetch", "--quiet"});
    QCOMPARE(fetch.status, 0);

    const QStringList rows = ctl({"calllog", "export"}).out.split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1 + 1 + 90);
    QVERIFY(!rows.join(u'\n').contains(",0302030,"));
    auto startOf = [&rows](const QString& number) {
        for (const QString& row : rows)
            if (row.section(u',', 2, 2) == number)
                return QDateTime::fromString(row.section(u',', 3, 3), Qt::ISODate);
        return QDateTime();
    };
    const QDateTime from = startOf("0301111111"), to = startOf("0302031");
    QVERIFY(from.isValid() && to.isValid());
    const QString minute = "yyyy-MM-dd HH:mm";
    QCOMPARE(fetch.err, QString("ql310ctl: calls between %1 and %2 are missing: the adapter's memory of 90 "
                                "calls overflowed before it was read\n")
                            .arg(from.toString(minute), to.toString(minute)));

    // The same buffer again finds no new gap.
    const Run again = ctl({"calllog", "fetch", "--quiet"});
    QCOMPARE(again.status, 0);
    QCOMPARE(again.err, QString());
    const QStringList gaps = ctl({"calllog", "gaps"}).out.split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(gaps.size(), 2);
    QCOMPARE(gaps[0], QString("from,to,found"));
    QCOMPARE(QDateTime::fromString(gaps[1].section(u',', 0, 0), Qt::ISODate), from);
    QCOMPARE(QDateTime::fromString(gaps[1].section(u',', 1, 1), Qt::ISODate), to);
    const QByteArray json = ctl({"calllog", "gaps", "--json"}).out.toUtf8();
    QCOMPARE(QJsonDocument::fromJson(json).array().size(), 1);
    QCOMPARE(QJsonDocument::fromJson(json).array()[0].toObject()["to"].toString(), gaps[1].section(u',', 1, 1));
}

void CollectionTest::notifyPostsOneNoticeAFetchOnAPrivateBus()
{
    const QString address = startDbus();
    QVERIFY2(!address.isEmpty(), "dbus-daemon did not start");
    QDBusConnection bus = QDBusConnection::connectToBus(address, "collection-test");
    QVERIFY(bus.isConnected());
    NotificationService service;
    QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService("org.freedesktop.Notifications"));
    QProcessEnvironment env = environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", address);

    QFile card(m_dir->filePath("anna.vcf"));
    QVERIFY(card.open(QIODevice::WriteOnly));
    card.write("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Anna Example\r\nTEL:030 1234567\r\nEND:VCARD\r\n");
    card.close();
    QCOMPARE(ctl({"phonebook", "import", card.fileName()}).status, 0);

    // Nothing new: no notice.
    QCOMPARE(ctl({"calllog", "fetch", "--quiet", "--notify"}, env).status, 0);
    addCalls({"call in 1 0301234567 65", "call out 2 0891111111 10"});
    const Run one = ctl({"calllog", "fetch", "--quiet", "--notify"}, env);
    QCOMPARE(one.status, 0);
    QCOMPARE(one.err, QString());
    QCOMPARE(service.summaries.size(), 1);
    QVERIFY2(QRegularExpression("^Call from Anna Example \\(030 1234567\\), \\d\\d:\\d\\d$")
                 .match(service.summaries[0]).hasMatch(), qPrintable(service.summaries[0]));
    QCOMPARE(service.bodies[0], QString());

    addCalls({"call in 1 0301234567 40", "call in 2 0892222222 30", "call in 3 - 20"});
    QCOMPARE(ctl({"calllog", "fetch", "--notify"}, env).status, 0);
    QCOMPARE(service.summaries.size(), 2);
    QCOMPARE(service.summaries[1], QString("3 calls: Anna Example, 0892222222 and 1 more"));
    const QStringList body = service.bodies[1].split(u'\n');
    QCOMPARE(body.size(), 3);
    QVERIFY(body[0].endsWith("  Anna Example (030 1234567)"));
    QVERIFY(body[1].endsWith("  089 2222222"));
    QVERIFY(body[2].endsWith("  a hidden number"));
}

void CollectionTest::withoutABusOrAServiceTheFetchStillSucceeds()
{
    addCalls({"call in 1 0301234567 65"});
    const Run noBus = ctl({"calllog", "fetch", "--quiet", "--notify"});
    QCOMPARE(noBus.status, 0);
    QCOMPARE(noBus.err.count(u'\n'), 1);
    QVERIFY2(noBus.err.startsWith("ql310ctl: no desktop notification: no session bus"), qPrintable(noBus.err));
    QCOMPARE(exportedNumbers(), QStringList{"0301234567"});

    const QString address = startDbus();
    QVERIFY(!address.isEmpty());
    QProcessEnvironment env = environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", address);
    addCalls({"call in 1 0301234568 5"});
    const Run noService = ctl({"calllog", "fetch", "--quiet", "--notify"}, env);
    QCOMPARE(noService.status, 0);
    QCOMPARE(noService.err.count(u'\n'), 1);
    QVERIFY2(noService.err.startsWith("ql310ctl: no desktop notification: the notification service"),
             qPrintable(noService.err));
}

void CollectionTest::aNoticeSaysLostCallsAndGapsAsSuch()
{
    using ql310::calllog::LogRow;
    ql310::collection::FetchNews news;
    QVERIFY(!ql310::collection::noticeOf(news, {}, "DE"));
    LogRow outgoing;
    outgoing.inOut = true;
    outgoing.phoneNumber = "0301234567";
    news.newCalls = {outgoing};
    QVERIFY(!ql310::collection::noticeOf(news, {}, "DE")); // a call the user made is no news

    LogRow lost;
    lost.phoneNumber = "0301234567";
    lost.startTime = QTime(9, 5);
    news.lostCalls = {lost, lost};
    ql310::collection::Gap gap;
    gap.from = QDateTime(QDate(2026, 12, 1), QTime(10, 2, 59));
    gap.to = QDateTime(QDate(2026, 12, 3), QTime(18, 40));
    news.gap = gap;
    const auto named = [](const QString&) { return QString("Anna Example"); };
    auto notice = ql310::collection::noticeOf(news, named, "DE");
    QVERIFY(notice);
    QCOMPARE(notice->summary, QString("Calls are missing from the call log"));
    QCOMPARE(notice->body, QString("Lost call: 09:05  Anna Example (030 1234567)\n"
                                   "Lost call: 09:05  Anna Example (030 1234567)\n"
                                   "Calls between 2026-12-01 10:02 and 2026-12-03 18:40 are missing: the "
                                   "adapter's memory of 90 calls overflowed before it was read."));
    news.gap.reset();
    QCOMPARE(ql310::collection::noticeOf(news, {}, "")->summary, QString("2 lost calls"));
}

QTEST_GUILESS_MAIN(CollectionTest)
#include "collection_test.moc"
