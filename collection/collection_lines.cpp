// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection_lines.h"

#include "call_gaps.h"
#include "call_log_grid.h"
#include "call_log_model.h"
#include "fetch_news.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ql310::collection {

namespace {

// A change of the log's file is looked at once its writes have settled.
constexpr int kSettleMs = 300;
// And now and then in any case: a log made where no folder was watched yet.
constexpr int kLookAgainMs = 30000;

QFrame* line(QWidget* parent, const QString& name, QStyle::StandardPixmap icon, QLabel*& text,
             QPushButton*& button, const QString& buttonText)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 3, 6, 3);
    auto* picture = new QLabel(frame);
    const int size = frame->style()->pixelMetric(QStyle::PM_SmallIconSize);
    picture->setPixmap(frame->style()->standardIcon(icon).pixmap(size, size));
    layout->addWidget(picture);
    text = new QLabel(frame);
    text->setObjectName(name + QStringLiteral("Text"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    layout->addWidget(text, 1);
    button = new QPushButton(buttonText, frame);
    layout->addWidget(button);
    frame->hide();
    return frame;
}

} // namespace

CollectionLines::CollectionLines(calllog::CallLogGrid& grid, calllog::CallLogStore& store,
                                 std::function<void()> refresh)
    : QObject(&grid), m_store(store), m_refresh(std::move(refresh))
{
    QWidget* page = grid.parentWidget();
    QLabel* newCallsText = nullptr;
    QPushButton* dismissButton = nullptr;
    QPushButton* refreshButton = nullptr;
    m_gapLine = line(page, QStringLiteral("GapLine"), QStyle::SP_MessageBoxWarning, m_gapText, dismissButton,
                     tr("&Dismiss"));
    dismissButton->setObjectName(QStringLiteral("GapDismiss"));
    m_newCallsLine = line(page, QStringLiteral("NewCallsLine"), QStyle::SP_MessageBoxInformation, newCallsText,
                          refreshButton, tr("&Refresh"));
    refreshButton->setObjectName(QStringLiteral("NewCallsRefresh"));
    newCallsText->setText(tr("New calls were fetched."));
    m_gapLine->setAccessibleName(tr("Missing calls"));
    m_newCallsLine->setAccessibleName(tr("New calls"));
    if (auto* layout = qobject_cast<QVBoxLayout*>(page->layout())) {
        const int at = layout->indexOf(&grid);
        layout->insertWidget(at, m_newCallsLine);
        layout->insertWidget(at, m_gapLine);
    }
    connect(dismissButton, &QPushButton::clicked, this, &CollectionLines::dismiss);
    connect(refreshButton, &QPushButton::clicked, this, [this] { m_refresh(); });
    // Every showing of the log (Read, Refresh, a filter) shows its calls.
    connect(grid.callLogModel(), &calllog::CallLogModel::rowsShown, this, &CollectionLines::shown);

    m_later.setSingleShot(true);
    m_later.setInterval(kSettleMs);
    connect(&m_later, &QTimer::timeout, this, &CollectionLines::check);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_later, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_later, qOverload<>(&QTimer::start));
    m_lookAgain.setInterval(kLookAgainMs);
    connect(&m_lookAgain, &QTimer::timeout, this, &CollectionLines::check);
    m_lookAgain.start();
    watchFile();
    shown();
}

void CollectionLines::watchFile()
{
    // A file made again under the same name is watched afresh.
    const QString path = m_store.callLogPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
    if (QFileInfo::exists(folder) && !m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

void CollectionLines::shown()
{
    // Nothing to look at before the first fetch makes the log (and no
    // empty file made by looking).
    if (!QFileInfo::exists(m_store.callLogPath()))
        return;
    m_shownIndex = qMax<qint64>(newestIndex(m_store), 0);
    m_newCallsLine->hide();
    check();
}

void CollectionLines::check()
{
    watchFile();
    if (!QFileInfo::exists(m_store.callLogPath()))
        return;
    const qint64 newest = newestIndex(m_store);
    m_newCallsLine->setVisible(newest > m_shownIndex);
    const std::optional<Gap> gap = newestGap(m_store);
    m_gapId = gap ? gap->id : 0;
    if (gap) {
        QString sentence = gapMessage(*gap);
        sentence[0] = sentence[0].toUpper();
        m_gapText->setText(sentence + u'.');
    }
    m_gapLine->setVisible(gap.has_value());
}

void CollectionLines::dismiss()
{
    if (m_gapId != 0)
        dismissGap(m_store, m_gapId);
    check();
}

} // namespace ql310::collection
