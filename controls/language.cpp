// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ql310 {

namespace {

QString g_language;

const QString kCatalog = QStringLiteral("ql310set_");

// "de_DE.UTF-8@euro" -> "de_DE".
QString withoutCodeset(QString locale)
{
    locale = locale.section(u'@', 0, 0);
    return locale.section(u'.', 0, 0);
}

bool isPlainLocale(const QString& locale)
{
    const QString name = withoutCodeset(locale);
    return name.isEmpty() || name == u"C" || name == u"POSIX";
}

QString messageFile(const QString& language)
{
    for (const QString& directory : translationDirectories()) {
        const QFileInfo file(QDir(directory), kCatalog + language + QStringLiteral(".qm"));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace

QString chooseLanguage(const std::function<QString(const char*)>& variable,
                       const std::function<bool(const QString&)>& hasTranslation)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    if (isPlainLocale(locale))
        return {};
    QStringList candidates = variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    candidates << locale;
    for (const QString& candidate : candidates) {
        const QString name = withoutCodeset(candidate);
        const QString language = name.section(u'_', 0, 0);
        if (language.isEmpty() || language == u"C" || language == u"POSIX" || language == u"en")
            return {};
        if (hasTranslation(name))
            return name;
        if (language != name && hasTranslation(language))
            return language;
    }
    return {};
}

QStringList translationDirectories()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/translations"),
            QDir(programDir + QStringLiteral("/../share/ql310set/translations")).absolutePath()};
}

QString installTranslations(QCoreApplication& app)
{
    const QString language = chooseLanguage([](const char* name) { return qEnvironmentVariable(name); },
                                            [](const QString& name) { return !messageFile(name).isEmpty(); });
    g_language.clear();
    if (language.isEmpty())
        return {};
    auto* program = new QTranslator(&app);
    if (!program->load(messageFile(language))) {
        delete program;
        return {};
    }
    QCoreApplication::installTranslator(program);
    // Qt's own buttons and dialogs; missing ones leave them English.
    auto* toolkit = new QTranslator(&app);
    if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    else
        delete toolkit;
    QLocale::setDefault(QLocale(language));
    g_language = language;
    return language;
}

QString uiLanguage()
{
    return g_language;
}

} // namespace ql310
