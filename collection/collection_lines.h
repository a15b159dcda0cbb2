// SPDX-License-Identifier: GPL-3.0-or-later
// Two lines above the call-log grid: the newest gap of calls never fetched,
// with Dismiss, and "New calls were fetched." with Refresh when a fetch of
// the timer or of ql310ctl changed the log underneath the open window.
#pragma once

#include "call_log_store.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace ql310::calllog {
class CallLogGrid;
}

namespace ql310::collection {

class CollectionLines : public QObject {
    Q_OBJECT

public:
    // Puts the lines above `grid` in its page; `refresh` shows the log as a
    // Read does, without fetching.
    CollectionLines(calllog::CallLogGrid& grid, calllog::CallLogStore& store,
                    std::function<void()> refresh);

    QFrame* gapLine() const { return m_gapLine; }
    QFrame* newCallsLine() const { return m_newCallsLine; }
    QLabel* gapText() const { return m_gapText; }

    // Looks at the log again now (as after a change of its file).
    void check();

private:
    void shown();
    void dismiss();
    void watchFile();

    calllog::CallLogStore& m_store;
    std::function<void()> m_refresh;
    QFrame* m_gapLine;
    QLabel* m_gapText;
    QFrame* m_newCallsLine;
    qint64 m_gapId = 0;
    qint64 m_shownIndex = 0;
    QFileSystemWatcher m_watcher;
    QTimer m_later;
    QTimer m_lookAgain;
};

} // namespace ql310::collection
