// SPDX-License-Identifier: GPL-3.0-or-later
// The call log in the main window: the refresh after every history fetch
// (load into the scratch log, merge into the log, show it), the Clear, Sort
// and Print commands, and the grid's focus that enables Clear and Sort.
#pragma once

#include "call_log_store.h"
#include "clock.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>

class QDialog;
class QProgressBar;

namespace ql310::calllog {
class SortIndexBuilder;
}

namespace ql310 {

class EditorWindow;
class UserInteraction;

// The program's data directory: $QL310SET_DATA_DIR, else the user's data
// location of ql310set.
QString callLogDirectory();

// Panel 1 after a fetch whose calls could not be merged into the log.
inline constexpr const char* kCallLogNotUpdated = "The call log could not be updated.";

class CallLogCommands : public QObject {
    Q_OBJECT

public:
    CallLogCommands(EditorWindow& window, UserInteraction& interaction);
    ~CallLogCommands() override;

    // The clock read for "today" and "now"; the system's clock by default.
    void setClock(const Clock& clock) { m_clock = &clock; }
    // How the clear dialog is run; modally by default.
    void setDialogRunner(std::function<void(QDialog&)> run) { m_runDialog = std::move(run); }

    // The three steps of a fetch's fold-in, in order.
    void refresh(const QByteArray& history);
    void loadHistoryIntoScratch(const QByteArray& history);
    bool mergeHistoryIntoLog();
    void showCallLog();

    void clear();
    void sort(Qt::SortOrder order);
    void print();

    calllog::CallLogStore& store() { return *m_store; }
    // The sort indexes a log lacks are built off the window's thread while
    // the log is shown; this bar on the call-log page shows the progress.
    QProgressBar* indexingBar() const { return m_indexing; }
    calllog::SortIndexBuilder* indexBuilder() const { return m_indexer; }

private:
    void setGridCommandsEnabled(bool enabled);
    void buildMissingIndexes();

    EditorWindow& m_window;
    UserInteraction& m_interaction;
    std::unique_ptr<calllog::CallLogStore> m_store;
    SystemClock m_systemClock;
    const Clock* m_clock = &m_systemClock;
    std::function<void(QDialog&)> m_runDialog;
    calllog::SortIndexBuilder* m_indexer;
    QProgressBar* m_indexing;
};

} // namespace ql310
