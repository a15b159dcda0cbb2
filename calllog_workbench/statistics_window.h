// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log statistics: calls a day (incoming and outgoing stacked),
// talk time per port or channel, lost calls a day and the ten numbers (with
// names) with the most calls and the longest talk time, for the calls the
// filter shows. Each chart can be saved as PNG or SVG.
#pragma once

#include "call_export.h"
#include "call_statistics.h"

#include <QWidget>

#include <functional>

class QChart;
class QChartView;
class QLabel;
class QTabWidget;

namespace ql310 {
class UserInteraction;
}

namespace ql310::calllog {

class StatisticsWindow : public QWidget {
    Q_OBJECT

public:
    // `messageTitle`: the title of its message boxes.
    StatisticsWindow(CallLogStore& store, UserInteraction& interaction, const QString& messageTitle,
                     QWidget* parent = nullptr);

    // Shows the figures of the calls that meet `condition`; `names` names
    // the numbers of the two top-ten charts.
    void showFigures(const RowCondition& condition, const NameOf& names);

    const CallStatistics& figures() const { return m_figures; }
    int chartCount() const;
    QChartView* chartView(int i) const;
    // Saves chart `i` as SVG (".svg") or PNG (otherwise); false when it
    // could not be written.
    bool saveChart(int i, const QString& path, QString* reason = nullptr);

    // Shows the window centred over `owner`, inside the screen it is on.
    void showOver(const QWidget& owner);

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addChart(const QString& title, QChart* chart);
    void replaceChart(int i, QChart* chart);
    void saveCurrentChart();

    CallLogStore& m_store;
    UserInteraction& m_interaction;
    QString m_messageTitle;
    QTabWidget* m_tabs;
    QLabel* m_summary;
    CallStatistics m_figures;
};

} // namespace ql310::calllog
