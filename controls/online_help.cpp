// SPDX-License-Identifier: GPL-3.0-or-later
#include "online_help.h"

#include "busy_pointer.h"
#include "help_window.h"
#include "interaction.h"
#include "language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace ql310 {

namespace {

constexpr int kQueryStartMs = 2000;
constexpr int kQueryFinishMs = 3000;
const QString kChmMimeType = QStringLiteral("application/vnd.ms-htmlhelp");

QString mimeTypeOf(const QString& path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name() : kChmMimeType;
}

// The desktop entry of the default application for `mimeType`, or empty.
QString defaultApplication(const QString& mimeType)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForStarted(kQueryStartMs))
        return {};
    if (!query.waitForFinished(kQueryFinishMs)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

bool XdgDesktopViewer::open(const QString& path)
{
    if (defaultApplication(mimeTypeOf(path)).isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

OnlineHelp::OnlineHelp(QWidget* window, UserInteraction& interaction, QString messageTitle)
    : QObject(window),
      m_window(window),
      m_interaction(interaction),
      m_messageTitle(std::move(messageTitle)),
      m_xdgViewer(std::make_unique<XdgDesktopViewer>()),
      m_viewer(m_xdgViewer.get()),
      m_directories(defaultSearchDirectories()),
      m_language(uiLanguage())
{
    qApp->installEventFilter(this);
}

OnlineHelp::~OnlineHelp()
{
    qApp->removeEventFilter(this);
}

QStringList OnlineHelp::defaultSearchDirectories()
{
    QStringList directories{QCoreApplication::applicationDirPath()};
    // An installed program: PREFIX/bin/ql310set with PREFIX/share/ql310set.
    directories += QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/ql310set"))
                       .absolutePath();
    directories += QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    return directories;
}

QString OnlineHelp::helpFile() const
{
    // "de_AT" prefers ql310_de_AT.chm, then ql310_de.chm.
    QStringList translated;
    if (!m_language.isEmpty()) {
        translated << QStringLiteral("ql310_%1.chm").arg(m_language);
        if (m_language.contains(u'_'))
            translated << QStringLiteral("ql310_%1.chm").arg(m_language.section(u'_', 0, 0));
    }
    for (const QString& directory : m_directories) {
        const QFileInfo file(QDir(directory), QString::fromLatin1(kHelpFileName));
        if (!file.isFile())
            continue;
        for (const QString& name : translated) {
            const QFileInfo inLanguage(QDir(directory), name);
            if (inLanguage.isFile())
                return inLanguage.absoluteFilePath();
        }
        return file.absoluteFilePath();
    }
    return {};
}

OnlineHelp::Shown OnlineHelp::showHelp()
{
    const QString path = helpFile();
    if (path.isEmpty()) {
        m_interaction.warn(QCoreApplication::translate("ql310::OnlineHelp",
                                                       "The help file %1 cannot be found. It is looked for in: %2")
                               .arg(QString::fromLatin1(kHelpFileName), m_directories.join(QStringLiteral(", "))),
                           m_messageTitle, UserInteraction::Icon::Exclamation);
        return Shown::Missing;
    }
    bool opened = false;
    {
        BusyPointer busy;
        if (m_viewer && m_viewer->open(path))
            return Shown::DesktopViewer;
        if (!m_helpWindow)
            m_helpWindow = new HelpWindow(m_window, m_settingsName);
        opened = m_helpWindow->fileName() == path || m_helpWindow->openFile(path);
    }
    if (!opened) {
        m_interaction.warn(
            QCoreApplication::translate("ql310::OnlineHelp", "The help file %1 cannot be read as compiled help.")
                .arg(path),
            m_messageTitle, UserInteraction::Icon::Exclamation);
        return Shown::Unreadable;
    }
    if (m_contextPage) {
        const QString page = m_contextPage();
        if (!page.isEmpty() && page != m_helpWindow->currentPage())
            m_helpWindow->showPage(page);
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
    return Shown::OwnWindow;
}

void OnlineHelp::sendF1()
{
    QWidget* target = QApplication::focusWidget();
    if (!target || !belongsToWindow(target))
        target = m_window;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

bool OnlineHelp::belongsToWindow(const QObject* object) const
{
    for (const QObject* at = object; at; at = at->parent())
        if (at == m_window)
            return true;
    return false;
}

bool OnlineHelp::eventFilter(QObject* watched, QEvent* event)
{
    // F1 reaches the help as a key, also where a menu item shows it as its
    // shortcut: the item's shortcut gives way to the key press.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && belongsToWindow(watched)) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // F1 inside the help window itself leaves it on its page.
        const bool inHelp = m_helpWindow && (watched == m_helpWindow.data() ||
                                             m_helpWindow->isAncestorOf(static_cast<QWidget*>(watched)));
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            belongsToWindow(watched) && !inHelp) {
            showHelp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ql310
