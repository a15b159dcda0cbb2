// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace ql310 {

namespace {

const QString kScheme = QStringLiteral("chm");
constexpr int kContentsWidth = 200;
constexpr int kFrameAllowance = 40;
const QString kSizeKey = QStringLiteral("HelpWindow/Size");

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

HelpWindow::HelpWindow(QWidget* parent, QString settingsName)
    : QWidget(parent, Qt::Window), m_settingsName(std::move(settingsName))
{
    setObjectName(QStringLiteral("HelpWindow"));
    auto* layout = new QVBoxLayout(this);

    auto* bar = new QHBoxLayout;
    const auto button = [this, bar](const char* name, const QString& label, QStyle::StandardPixmap icon,
                                    QKeySequence::StandardKey key) {
        auto* tool = new QToolButton(this);
        tool->setObjectName(QLatin1String(name));
        tool->setText(label);
        tool->setIcon(style()->standardIcon(icon));
        tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        tool->setToolTip(QStringLiteral("%1 (%2)").arg(
            label, QKeySequence(key).toString(QKeySequence::NativeText)));
        tool->setEnabled(false);
        bar->addWidget(tool);
        return tool;
    };
    m_back = button("HelpBack", QCoreApplication::translate("ql310::HelpWindow", "Back"), QStyle::SP_ArrowBack,
                    QKeySequence::Back);
    m_forward = button("HelpForward", QCoreApplication::translate("ql310::HelpWindow", "Forward"),
                       QStyle::SP_ArrowForward, QKeySequence::Forward);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setPlaceholderText(QCoreApplication::translate("ql310::HelpWindow", "Search all pages"));
    m_search->setClearButtonEnabled(true);
    bar->addWidget(m_search, 1);
    layout->addLayout(bar);

    auto* splitter = new QSplitter(this);
    auto* side = new QWidget(splitter);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    m_contents = new QListWidget(side);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_noMatch = new QLabel(QCoreApplication::translate("ql310::HelpWindow", "No page contains this text."), side);
    m_noMatch->setObjectName(QStringLiteral("HelpNoMatch"));
    m_noMatch->setWordWrap(true);
    m_noMatch->hide();
    sideLayout->addWidget(m_noMatch);
    sideLayout->addWidget(m_contents, 1);
    m_browser = new HelpBrowser(m_archive, splitter);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    resize(kDefaultWidth, kDefaultHeight);
    splitter->setSizes({kContentsWidth, kDefaultWidth - kContentsWidth});

    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::sourceChanged);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    new QShortcut(QKeySequence::Back, this, m_browser, &QTextBrowser::backward);
    new QShortcut(QKeySequence::Forward, this, m_browser, &QTextBrowser::forward);
    new QShortcut(QKeySequence::Find, this, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::search);
    // Enter: the first page that holds the text, unless the page shown does.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        const QStringList pages = pagesContaining(m_search->text().trimmed());
        if (!pages.isEmpty() && !pages.contains(currentPage()))
            showPage(pages.first());
        markSearchText();
    });
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
    m_pageTexts.clear();
    fillContents();
    search(m_search->text());
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
    markSearchText();
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(Qt::UserRole).toString() == page) {
            m_contents->setCurrentRow(row);
            return;
        }
    }
}

QString HelpWindow::pageText(const QString& page) const
{
    const auto cached = m_pageTexts.constFind(page);
    if (cached != m_pageTexts.constEnd())
        return *cached;
    QString plain;
    if (const auto bytes = m_archive.read(HelpBrowser::pageUrl(page).path().toStdString())) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                                           static_cast<qsizetype>(bytes->size())));
        plain = document.toPlainText();
    }
    m_pageTexts.insert(page, plain);
    return plain;
}

QStringList HelpWindow::pagesContaining(const QString& text) const
{
    QStringList pages;
    if (text.isEmpty())
        return pages;
    for (int row = 0; row < m_contents->count(); ++row) {
        const QString page = m_contents->item(row)->data(Qt::UserRole).toString();
        if (!pages.contains(page) && pageText(page).contains(text, Qt::CaseInsensitive))
            pages.append(page);
    }
    return pages;
}

void HelpWindow::search(const QString& text)
{
    const QString wanted = text.trimmed();
    const QStringList pages = pagesContaining(wanted);
    for (int row = 0; row < m_contents->count(); ++row) {
        QListWidgetItem* item = m_contents->item(row);
        item->setHidden(!wanted.isEmpty() && !pages.contains(item->data(Qt::UserRole).toString()));
    }
    m_noMatch->setVisible(!wanted.isEmpty() && pages.isEmpty());
    markSearchText();
}

void HelpWindow::markSearchText()
{
    QList<QTextEdit::ExtraSelection> marks;
    const QString wanted = m_search->text().trimmed();
    if (!wanted.isEmpty()) {
        QTextCharFormat format;
        format.setBackground(palette().color(QPalette::Highlight));
        format.setForeground(palette().color(QPalette::HighlightedText));
        QTextDocument* document = m_browser->document();
        for (QTextCursor at = document->find(wanted); !at.isNull(); at = document->find(wanted, at))
            marks.append({at, format});
    }
    m_browser->setExtraSelections(marks);
    if (!marks.isEmpty()) {
        QTextCursor first = marks.first().cursor;
        first.clearSelection();
        m_browser->setTextCursor(first);
        m_browser->ensureCursorVisible();
    }
}

void HelpWindow::fitIntoScreen()
{
    QSize size(kDefaultWidth, kDefaultHeight);
    if (!m_settingsName.isEmpty()) {
        const QSize saved = QSettings(m_settingsName, m_settingsName).value(kSizeKey).toSize();
        if (saved.isValid() && !saved.isEmpty())
            size = saved;
    }
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(size);
        return;
    }
    // Room for the frame the window manager adds.
    const QRect available = screen->availableGeometry().adjusted(0, 0, -kFrameAllowance, -kFrameAllowance);
    size = size.boundedTo(available.size()).expandedTo(minimumSizeHint().boundedTo(available.size()));
    resize(size);
    QRect place(QPoint(), size);
    place.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center() : available.center());
    place.moveRight(qMin(place.right(), available.right()));
    place.moveBottom(qMin(place.bottom(), available.bottom()));
    place.moveLeft(qMax(place.left(), available.left()));
    place.moveTop(qMax(place.top(), available.top()));
    move(place.topLeft());
}

void HelpWindow::showEvent(QShowEvent* event)
{
    if (!m_placed && !event->spontaneous()) {
        fitIntoScreen();
        m_placed = true;
    }
    QWidget::showEvent(event);
}

void HelpWindow::hideEvent(QHideEvent* event)
{
    if (!m_settingsName.isEmpty() && !event->spontaneous() && !isMaximized() && !isFullScreen())
        QSettings(m_settingsName, m_settingsName).setValue(kSizeKey, size());
    QWidget::hideEvent(event);
}

} // namespace ql310
