// SPDX-License-Identifier: GPL-3.0-or-later
// The call log as a workbench in the main window: the filter bar above
// CallHistoryGrid, names from the phone book beside the numbers, and the
// Call Logging menu's Export... and Statistics... after its own items. It
// changes only what is shown: the log itself, Read, Clear, Sort and Print
// keep their meaning (Sort orders and Print prints the calls shown).
#pragma once

#include "call_filter.h"
#include "call_export.h"
#include "phone_book_names.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QAction;

namespace ql310 {
class EditorWindow;
class UserInteraction;
}

namespace ql310::calllog {

class CallFilterBar;
class CallLogModel;
class StatisticsWindow;

// What the status line says after an export: "1,234 calls written to calls.csv".
QString exportedText(qint64 calls, const QString& path);

class CallLogWorkbench : public QObject {
    Q_OBJECT

public:
    // `region` gives the home region of the adapter's present setting block.
    CallLogWorkbench(EditorWindow& window, CallLogStore& store, UserInteraction& interaction,
                     std::function<std::string()> region);
    ~CallLogWorkbench() override;

    CallFilterBar* filterBar() const { return m_bar; }
    QAction* exportAction() const { return m_export; }
    QAction* statisticsAction() const { return m_statistics; }
    StatisticsWindow* statisticsWindow() const { return m_statisticsWindow; }

    // The name of a number from the phone book now in the editor.
    QString nameOf(const QString& number) const;
    // Takes the editor's phone book and the adapter's region again.
    void reloadNames();
    // Applies the filter bar's filter now.
    void applyFilter();

    // Export...: the calls shown into a CSV or JSON file the user chooses.
    void exportShown();
    // Statistics...: the statistics window for the calls shown.
    void showStatistics();

private:
    void prepare(CallLogStore& store);
    void showCount();

    EditorWindow& m_window;
    CallLogStore& m_store;
    UserInteraction& m_interaction;
    std::function<std::string()> m_region;
    CallLogModel* m_model;
    CallFilterBar* m_bar;
    QAction* m_export;
    QAction* m_statistics;
    StatisticsWindow* m_statisticsWindow = nullptr;
    std::shared_ptr<const numbers::PhoneBookNames> m_names;
    QTimer m_namesLater;
};

} // namespace ql310::calllog
