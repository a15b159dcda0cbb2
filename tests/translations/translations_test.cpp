// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: every text of the program has a finished translation in
// each .ts (checked against a fresh lupdate of the sources), every text id
// has its text in the compiled German file, the language follows the locale
// as gettext's does, and the help file follows the language.
#include "interaction.h"
#include "language.h"
#include "online_help.h"
#include "text_table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

namespace {

// The placeholders %1..%99 of a text, as a sorted set.
std::set<QString> placeholders(const QString& text)
{
    std::set<QString> found;
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    for (const auto& match : marker.globalMatch(text))
        found.insert(match.captured().remove(u'L'));
    return found;
}

// What is wrong with the messages of a .ts file, one line each.
QStringList faultsOf(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsPath};
    QStringList faults;
    QXmlStreamReader xml(&file);
    QString context, source, comment, type;
    QStringList translations;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                source.clear();
                comment.clear();
                translations.clear();
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (name == u"source") {
                source = xml.readElementText();
            } else if (name == u"comment") {
                comment = xml.readElementText();
            } else if (name == u"translation") {
                type = xml.attributes().value(QLatin1String("type")).toString();
                if (!numerus)
                    translations << xml.readElementText();
            } else if (name == u"numerusform") {
                translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            const QString where = context + QStringLiteral(" \"") + source + u'"' +
                                  (comment.isEmpty() ? QString() : QStringLiteral(" (") + comment + u')');
            if (!type.isEmpty())
                faults << where + QStringLiteral(": ") + type;
            else if (translations.isEmpty() || translations.contains(QString()))
                faults << where + QStringLiteral(": no translation");
            for (const QString& t : translations)
                if (!t.isEmpty() && placeholders(t) != placeholders(source))
                    faults << where + QStringLiteral(": placeholders differ in \"") + t + u'"';
        }
    }
    if (xml.hasError())
        faults << tsPath + QStringLiteral(": ") + xml.errorString();
    return faults;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheSourcesHasAFinishedTranslation()
    {
        const QStringList tsFiles = QDir(QStringLiteral(QL310_TRANSLATIONS_SOURCE_DIR))
                                        .entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(tsFiles.contains(QStringLiteral("ql310set_de.ts")));
        for (const QString& name : tsFiles) {
            // lupdate against a copy: a text without an entry comes in as
            // unfinished, an entry whose text is gone as vanished.
            QTemporaryDir dir;
            const QString copy = dir.filePath(name);
            QVERIFY(QFile::copy(QStringLiteral(QL310_TRANSLATIONS_SOURCE_DIR "/") + name, copy));
            QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QProcess lupdate;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LUPDATE"), QStringLiteral(QL310_LUPDATE));
            lupdate.setProcessEnvironment(env);
            lupdate.start(QStringLiteral("bash"),
                          {QStringLiteral(QL310_TRANSLATIONS_SOURCE_DIR "/update.sh"), copy});
            QVERIFY(lupdate.waitForFinished(120000));
            QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
            const QStringList faults = faultsOf(copy);
            QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(":\n") +
                                                  faults.mid(0, 40).join(u'\n')));
        }
    }

    void everyTextIdReadsInGermanFromItsNumber()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(QL310_TRANSLATIONS_DIR "/ql310set_de.qm")));
        std::map<int, QString> english;
        for (int id = ql310::textNumber(ql310::kFirstTextId); id <= ql310::textNumber(ql310::kLastTextId); ++id)
            english[id] = ql310::text(ql310::TextId(id));
        QCoreApplication::installTranslator(&german);
        for (int id = ql310::textNumber(ql310::kFirstTextId); id <= ql310::textNumber(ql310::kLastTextId); ++id) {
            const QString translated = german.translate("ql310::TextTable", english[id].toUtf8().constData(),
                                                        QByteArray::number(id).constData());
            QVERIFY2(!translated.isEmpty(), qPrintable(QStringLiteral("no German text for id %1").arg(id)));
            QCOMPARE(ql310::text(ql310::TextId(id)), translated);
        }
        // Same English text, own number: each reads as its place needs.
        QCOMPARE(ql310::text(ql310::TextId::File), QStringLiteral("&Datei"));
        QCOMPARE(ql310::text(ql310::TextId::PhoneAndDataFunction), QStringLiteral("Telefon- && Datenfunktionen"));
        QCOMPARE(ql310::text(ql310::TextId::PhoneBook), QStringLiteral("Telefonbuch"));
        // The call log's cell texts are stored with the calls and exported:
        // the same in every language.
        for (int id : {373, 374, 375, 376, 377, 378, 384, 385, 400, 401})
            QCOMPARE(ql310::text(ql310::TextId(id)), english[id]);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(ql310::text(ql310::TextId::File), QStringLiteral("&File"));
    }

    void theLocaleChoosesTheLanguageAsGettextDoes_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German LANG") << QStringList{"LANG=de_DE.UTF-8"} << "de";
        QTest::newRow("Austrian falls back to German") << QStringList{"LANG=de_AT.UTF-8@euro"} << "de";
        QTest::newRow("C is English") << QStringList{"LANG=C"} << "";
        QTest::newRow("nothing set is English") << QStringList{} << "";
        QTest::newRow("no French translation") << QStringList{"LANG=fr_FR.UTF-8"} << "";
        QTest::newRow("LC_ALL before LANG") << QStringList{"LC_ALL=C.UTF-8", "LANG=de_DE.UTF-8"} << "";
        QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LC_MESSAGES=de_CH", "LANG=en_GB"} << "de";
        QTest::newRow("LANGUAGE first") << QStringList{"LANGUAGE=de", "LANG=en_US.UTF-8"} << "de";
        QTest::newRow("LANGUAGE list, first with a translation")
            << QStringList{"LANGUAGE=fr:de:en", "LANG=en_US.UTF-8"} << "de";
        QTest::newRow("LANGUAGE English before German") << QStringList{"LANGUAGE=en:de", "LANG=de_DE"} << "";
        QTest::newRow("LANGUAGE ignored in the C locale") << QStringList{"LANGUAGE=de", "LC_ALL=C"} << "";
    }
    void theLocaleChoosesTheLanguageAsGettextDoes()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, expected);
        auto variable = [&](const char* name) {
            for (const QString& pair : environment)
                if (pair.section(u'=', 0, 0) == QLatin1String(name))
                    return pair.section(u'=', 1);
            return QString();
        };
        auto hasTranslation = [](const QString& language) { return language == u"de"; };
        QCOMPARE(ql310::chooseLanguage(variable, hasTranslation), expected);
    }

    void theHelpFileFollowsTheLanguageWhereItsTranslationLiesBesideIt()
    {
        QTemporaryDir english, both;
        auto touch = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly);
        };
        QVERIFY(touch(english.filePath("ql310.chm")));
        QVERIFY(touch(both.filePath("ql310.chm")));
        QVERIFY(touch(both.filePath("ql310_de.chm")));
        QWidget window;
        ql310::WidgetInteraction interaction;
        ql310::OnlineHelp help(&window, interaction, QStringLiteral("title"));
        help.setSearchDirectories({both.path()});
        help.setLanguage(QStringLiteral("de_AT"));
        QCOMPARE(help.helpFile(), both.filePath("ql310_de.chm"));
        help.setLanguage(QString());
        QCOMPARE(help.helpFile(), both.filePath("ql310.chm"));
        // The first folder with the help file decides: no German there.
        help.setSearchDirectories({english.path(), both.path()});
        help.setLanguage(QStringLiteral("de"));
        QCOMPARE(help.helpFile(), english.filePath("ql310.chm"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"

