// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>

namespace ql310 {

namespace {

const QString kScheme = QStringLiteral("chm");
constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 600;
constexpr int kContentsWidth = 200;

struct ContentsEntry {
    QString name;
    QString page;
};

// The few character references a sitemap's attribute values use.
QString decodeEntities(QString value)
{
    value.replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">"));
    value.replace(QLatin1String("&quot;"), QLatin1String("\""));
    value.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return value;
}

// The topics of a sitemap (.hhc): each <object> names a topic with its
// "Name" and "Local" parameters.
QList<ContentsEntry> parseSitemap(const QString& sitemap)
{
    static const QRegularExpression object(
        QStringLiteral("<object[^>]*>(.*?)</object>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(
        QStringLiteral("<param\\s+name\\s*=\\s*\"([^\"]*)\"\\s+value\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QList<ContentsEntry> entries;
    for (const auto& match : object.globalMatch(sitemap)) {
        ContentsEntry entry;
        for (const auto& field : param.globalMatch(match.captured(1))) {
            const QString key = field.captured(1).toLower();
            if (key == QLatin1String("name"))
                entry.name = decodeEntities(field.captured(2));
            else if (key == QLatin1String("local"))
                entry.page = decodeEntities(field.captured(2));
        }
        if (!entry.page.isEmpty())
            entries.append(entry);
    }
    return entries;
}

QString pageOf(const QUrl& url)
{
    QString path = url.path();
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    return path;
}

} // namespace

HelpBrowser::HelpBrowser(const ChmArchive& archive, QWidget* parent)
    : QTextBrowser(parent), m_archive(archive)
{
}

QUrl HelpBrowser::pageUrl(const QString& page)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(u'/' + page);
    return url;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != kScheme)
        return QTextBrowser::loadResource(type, name);
    const auto bytes = m_archive.read(url.path().toStdString());
    if (!bytes)
        return {};
    return QByteArray(reinterpret_cast<const char*>(bytes->data()),
                      static_cast<qsizetype>(bytes->size()));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    auto* layout = new QHBoxLayout(this);
    auto* splitter = new QSplitter(this);
    m_contents = new QListWidget(splitter);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_browser = new HelpBrowser(m_archive, splitter);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);
    resize(kWindowWidth, kWindowHeight);
    splitter->setSizes({kContentsWidth, kWindowWidth - kContentsWidth});

    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::sourceChanged);
}

bool HelpWindow::openFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    if (!m_archive.open(QFile::encodeName(path).toStdString()))
        return false;
    m_fileName = path;
    setWindowTitle(QString::fromStdString(m_archive.title()));
    m_browser->clearHistory();
    fillContents();
    QString first = QString::fromStdString(m_archive.defaultTopic());
    if (first.isEmpty() && m_contents->count() > 0)
        first = m_contents->item(0)->data(Qt::UserRole).toString();
    showPage(first);
    return true;
}

void HelpWindow::fillContents()
{
    m_contents->clear();
    QList<ContentsEntry> entries;
    if (const auto sitemap = m_archive.read(m_archive.contentsFile()))
        entries = parseSitemap(QString::fromUtf8(reinterpret_cast<const char*>(sitemap->data()),
                                                 static_cast<qsizetype>(sitemap->size())));
    if (entries.isEmpty()) {
        // No table of contents: every page by its file name.
        for (const std::string& file : m_archive.files()) {
            const QString page = QString::fromStdString(file).mid(1);
            if (page.endsWith(QLatin1String(".html")) || page.endsWith(QLatin1String(".htm")))
                entries.append({page, page});
        }
    }
    for (const ContentsEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.name, m_contents);
        item->setData(Qt::UserRole, entry.page);
    }
}

void HelpWindow::showPage(const QString& page)
{
    if (!page.isEmpty())
        m_browser->setSource(HelpBrowser::pageUrl(page));
}

QString HelpWindow::currentPage() const
{
    return pageOf(m_browser->source());
}

void HelpWindow::sourceChanged(const QUrl& url)
{
    const QString page = pageOf(url);
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(Qt::UserRole).toString() == page) {
            m_contents->setCurrentRow(row);
            return;
        }
    }
}

} // namespace ql310
