// SPDX-License-Identifier: GPL-3.0-or-later
// Building the sort indexes of a log that lacks them (a log of an earlier
// version, or one made again) off the window's thread: the log is shown in
// start order meanwhile and the build reports its progress. Qt SQL, no
// widgets.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <thread>

namespace ql310::calllog {

class SortIndexBuilder : public QObject {
    Q_OBJECT

public:
    explicit SortIndexBuilder(QObject* parent = nullptr);
    // Stops a build that runs (the index being made is dropped by the
    // engine) and waits for its thread.
    ~SortIndexBuilder() override;
    SortIndexBuilder(const SortIndexBuilder&) = delete;
    SortIndexBuilder& operator=(const SortIndexBuilder&) = delete;

    // Builds the missing sort indexes of the log at `path` on a connection
    // of its own; nothing when a build runs already.
    void start(const QString& path);
    bool running() const { return m_running; }
    // Stops a build that runs and waits for it.
    void stop();

signals:
    // `done` of `total` steps are made (each an index, the last the
    // planner's figures).
    void progress(int done, int total);
    // The build ended: every index made (true), or failed or stopped.
    void finished(bool ok);

private:
    void run(const QString& path);

    std::thread m_thread;
    bool m_running = false;
    std::atomic<bool> m_stop{false};
    std::atomic<void*> m_handle{nullptr};
};

} // namespace ql310::calllog
