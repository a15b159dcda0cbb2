// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_library.h"

#include "library_binding.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace ql310::test {

bool libraryComplete()
{
    static const bool complete = [] {
        LibraryBinding binding({QStringLiteral(QL310_LIBRARY_PATH)});
        return binding.functions() != nullptr;
    }();
    return complete;
}

QString windowTestLibrary()
{
    if (libraryComplete())
        return QStringLiteral(QL310_LIBRARY_PATH);
    qWarning("libql310.so lacks exports; the window tests bind through %s",
             QL310_PENDING_EXPORTS_PATH);
    return QStringLiteral(QL310_PENDING_EXPORTS_PATH);
}

void useTemporaryHome(const QTemporaryDir& home)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("config"));
    qputenv("QL310SET_DATA_DIR", home.filePath("data").toLocal8Bit());
    qputenv("QL310_TIMEOUT_MS", "2000");
    qputenv("XDG_RUNTIME_DIR", home.filePath("runtime").toLocal8Bit());
}

std::unique_ptr<LibraryBinding> boundTestLibrary()
{
    auto library = std::make_unique<LibraryBinding>(QStringList{windowTestLibrary()});
    library->setFailureHandler([](const QString& message) { QFAIL(qPrintable(message)); });
    return library;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace ql310::test
