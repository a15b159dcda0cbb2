// SPDX-License-Identifier: GPL-3.0-or-later
// The child that the crash tests kill: one save, hive store or call-log
// merge, built with the crash points armed ($QL310_CRASH_AT).
//
//   ql310_crash_helper settings FILE BYTE     saves a settings file of BYTE
//   ql310_crash_helper hive FILE TEXT         stores MSN1 = TEXT in the hive
//   ql310_crash_helper merge DIR HISTORY [N]  folds the history into DIR's log
//                                             (N times, each a fetch of its own)
//   ql310_crash_helper dump DIR               prints DIR's log, a call a line
#include "call_log_merge.h"
#include "call_log_store.h"
#include "registry_hive.h"
#include "setting_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int saveSettings(const std::string& path, const std::string& byte)
{
    using namespace ql310::files;
    std::vector<uint8_t> table(kTableBlockSize), setting(kSettingBlockSize), line(kLineParamsSize);
    const auto value = static_cast<uint8_t>(std::strtoul(byte.c_str(), nullptr, 0));
    for (auto* image : {&table, &setting, &line})
        image->assign(image->size(), value);
    std::string reason;
    if (!saveFile(path, FileKind::Settings, Images{table.data(), setting.data(), line.data()}, reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    return 0;
}

int storeInHive(const std::string& path, const std::string& text)
{
    ql310::registry::RegistryKey key;
    bool created = false;
    if (key.create("Software\\hemlor\\Ririv\\Settings", created, path) != ql310::registry::OpenStatus::Ok)
        return 1;
    return key.setString("MSN1", text) && key.close() ? 0 : 1;
}

int merge(const QString& dir, const QString& historyFile)
{
    QFile file(historyFile);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray history = file.readAll();
    if (history.size() != 2203)
        return 1;
    const QDateTime now = QDateTime::currentDateTime();
    ql310::calllog::CallLogStore store(dir);
    const auto result = ql310::calllog::refreshCallLog(
        store, reinterpret_cast<const uint8_t*>(history.constData()),
        {now.date().year(), now.date().month(), now.date().day()},
        {now.time().hour(), now.time().minute(), now.time().second()},
        [](ql310::TextId id) { return QStringLiteral("text %1").arg(ql310::textNumber(id)); });
    return result.logUpdated ? 0 : 1;
}

int dump(const QString& dir)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dump");
    db.setDatabaseName(dir + "/CallHistory.mdb");
    if (!db.open())
        return 1;
    QSqlQuery query(db);
    if (!query.exec("SELECT * FROM Data ORDER BY 1"))
        return 1;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        std::printf("%s\n", qPrintable(fields.join(u'|')));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "settings" && argc == 4)
        return saveSettings(argv[2], argv[3]);
    if (verb == "hive" && argc == 4)
        return storeInHive(argv[2], argv[3]);
    if (verb == "merge" && (argc == 4 || argc == 5)) {
        int failed = 0;
        for (int i = 0, n = argc == 5 ? std::atoi(argv[4]) : 1; i < n; ++i)
            failed += merge(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) != 0;
        return failed ? 1 : 0;
    }
    if (verb == "dump" && argc == 3)
        return dump(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: ql310_crash_helper settings|hive|merge|dump ...\n");
    return 2;
}
