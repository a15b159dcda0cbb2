// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_commands.h"

#include "busy_pointer.h"
#include "call_gaps.h"
#include "call_log_grid.h"
#include "call_log_indexing.h"
#include "call_log_merge.h"
#include "call_log_printing.h"
#include "clear_call_log_dialog.h"
#include "editor_window.h"
#include "interaction.h"
#include "text_table.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QStandardPaths>
#include <QTimer>

namespace ql310 {

namespace {

// How long after showing the log its sort indexes begin to be built.
constexpr int kIndexingDelayMs = 500;

} // namespace

QString callLogDirectory()
{
    return calllog::dataDirectory();
}

CallLogCommands::CallLogCommands(EditorWindow& window, UserInteraction& interaction)
    : QObject(&window), m_window(window), m_interaction(interaction),
      m_store(std::make_unique<calllog::CallLogStore>(callLogDirectory())),
      m_runDialog([](QDialog& dialog) { dialog.exec(); }),
      m_indexer(new calllog::SortIndexBuilder(this)), m_indexing(new QProgressBar)
{
    calllog::CallLogGrid* grid = window.callLogGrid();
    m_indexing->setObjectName(QStringLiteral("CallLogIndexing"));
    m_indexing->setFormat(tr("Preparing the call log for sorting: %p%"));
    m_indexing->setAccessibleName(tr("Preparing the call log for sorting"));
    m_indexing->hide();
    if (auto* layout = qobject_cast<QVBoxLayout*>(grid->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(grid) + 1, m_indexing);
    else
        m_indexing->setParent(grid->parentWidget());
    connect(m_indexer, &calllog::SortIndexBuilder::progress, this, [this](int done, int total) {
        m_indexing->setRange(0, total);
        m_indexing->setValue(done);
    });
    connect(m_indexer, &calllog::SortIndexBuilder::finished, this, [this](bool ok) {
        if (ok) {
            m_indexing->hide();
            return;
        }
        // Shown, not swallowed: sorting still works, only slower.
        m_indexing->setRange(0, 1);
        m_indexing->setValue(0);
        m_indexing->setFormat(tr("The call log could not be prepared for sorting; "
                                 "sorting reads the whole log."));
    });
    connect(grid, &calllog::CallLogGrid::focusChanged, this,
            &CallLogCommands::setGridCommandsEnabled);
    connect(grid, &calllog::CallLogGrid::rightButtonPressed, this,
            [this](const QPoint& at) { m_window.menu("mnuCLSort")->popup(at); });
    auto action = [&window](const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    };
    connect(action("mnuCLClear"), &QAction::triggered, this, &CallLogCommands::clear);
    connect(action("mnuCLSIncrease"), &QAction::triggered, this,
            [this] { sort(Qt::AscendingOrder); });
    connect(action("mnuCLSDecrease"), &QAction::triggered, this,
            [this] { sort(Qt::DescendingOrder); });
    connect(action("mnuPCL"), &QAction::triggered, this, &CallLogCommands::print);
    setGridCommandsEnabled(grid->hasFocus());
}

CallLogCommands::~CallLogCommands()
{
    m_indexer->stop();
    // The grid reads the store until it is unbound.
    m_window.callLogGrid()->callLogModel()->bind(nullptr);
}

void CallLogCommands::setGridCommandsEnabled(bool enabled)
{
    m_window.findChild<QAction*>(QStringLiteral("mnuCLClear"))->setEnabled(enabled);
    m_window.menu("mnuCLSort")->menuAction()->setEnabled(enabled);
}

void CallLogCommands::refresh(const QByteArray& history)
{
    BusyPointer busy;
    {
        // One fetch at a time, with ql310ctl and other windows too.
        calllog::CallLogStore::FetchLock lock(*m_store);
        if (lock.held()) {
            loadHistoryIntoScratch(history);
            // Calls the adapter forgot before this fetch, kept once merged.
            const std::optional<collection::Gap> gap = collection::findGap(*m_store, m_clock->now());
            if (mergeHistoryIntoLog() && gap)
                collection::recordGap(*m_store, *gap);
        } else {
            m_window.setStatusPanel(1, QString::fromLatin1(kCallLogNotUpdated));
        }
    }
    showCallLog();
}

void CallLogCommands::loadHistoryIntoScratch(const QByteArray& history)
{
    m_store->ensureFiles();
    m_store->clearFailure();
    const QDateTime now = m_clock->now();
    const calllog::Date today{now.date().year(), now.date().month(), now.date().day()};
    const calllog::TimeOfDay time{now.time().hour(), now.time().minute(), now.time().second()};
    const int count = calllog::loadHistoryToTemp(
        *m_store, reinterpret_cast<const uint8_t*>(history.constData()), today, time,
        [](TextId id) { return text(id); });
    m_window.setStatusPanel(1, text(TextId::ThisTimeYouGot) + u' ' + QString::number(count) + u' ' + text(TextId::RecordsInCallLogging));
}

bool CallLogCommands::mergeHistoryIntoLog()
{
    // A scratch log that could not be filled completely is not merged: its
    // missing calls would mark the log's calls in progress lost.
    if (m_store->failed() || !calllog::mergeHistoryIntoLog(*m_store)) {
        m_window.setStatusPanel(1, QString::fromLatin1(kCallLogNotUpdated));
        return false;
    }
    return true;
}

void CallLogCommands::showCallLog()
{
    m_window.callLogGrid()->callLogModel()->bind(m_store.get());
    buildMissingIndexes();
}

void CallLogCommands::buildMissingIndexes()
{
    if (m_indexer->running() || m_store->missingSortIndexes() <= 0)
        return;
    m_indexing->setFormat(tr("Preparing the call log for sorting: %p%"));
    m_indexing->setRange(0, 0); // busy until the first index is made
    m_indexing->show();
    // Once the window is up: the build's reading of the whole log does not
    // delay the first screen.
    QTimer::singleShot(kIndexingDelayMs, this, [this] {
        if (!m_indexer->running() && m_store->missingSortIndexes() > 0)
            m_indexer->start(m_store->callLogPath());
        else if (!m_indexer->running())
            m_indexing->hide();
    });
}

void CallLogCommands::clear()
{
    calllog::ClearCallLogDialog dialog(*m_store, [](TextId id) { return text(id); }, &m_window);
    m_runDialog(dialog);
    showCallLog();
}

void CallLogCommands::sort(Qt::SortOrder order)
{
    BusyPointer busy;
    m_window.callLogGrid()->sortByCurrentColumn(order);
}

void CallLogCommands::print()
{
    QPrinter printer;
    if (!m_interaction.choosePrinter(printer))
        return;
    BusyPointer busy;
    calllog::printCallLog(*m_window.callLogGrid(), printer);
}

} // namespace ql310
