// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar above the call-log grid: search text, direction, port or
// channel, first and last day (each optional, with a calendar), lost only,
// in progress only, a reset button and the count "N of M calls".
#pragma once

#include "call_filter.h"
#include "text_id.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ql310::calllog {

class CallFilterBar : public QWidget {
    Q_OBJECT

public:
    // `text` gives the port and channel texts by text id.
    explicit CallFilterBar(const std::function<QString(TextId)>& text, QWidget* parent = nullptr);

    CallFilter filter() const;
    // Shows "N of M calls", or why no call can be shown.
    void showCount(qint64 shown, qint64 total);
    QString countText() const;

    QLineEdit* searchField() const { return m_search; }

public slots:
    void reset();

signals:
    // The filter changed; typing is taken together for a moment.
    void filterChanged();

private:
    void createControls(const std::function<QString(TextId)>& text);
    QDateEdit* dateEdit(const char* name, const QString& spoken);
    void layOutControls();
    void connectControls();
    void changed();

    QLineEdit* m_search;
    QComboBox* m_direction;
    QComboBox* m_port;
    QCheckBox* m_fromOn;
    QDateEdit* m_from;
    QCheckBox* m_toOn;
    QDateEdit* m_to;
    QCheckBox* m_lost;
    QCheckBox* m_inProgress;
    QPushButton* m_reset;
    QLabel* m_count;
    QTimer m_typing;
    bool m_resetting = false;
};

} // namespace ql310::calllog
