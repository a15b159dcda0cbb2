// SPDX-License-Identifier: GPL-3.0-or-later
// CallHistoryGrid, the call-log grid: a header row and a row-header column,
// the view's seven columns after it (the last, the call's Index, hidden),
// rows coloured by direction and loss. It tells when it gains or loses the
// focus and when the right button is pressed on it.
#pragma once

#include "call_log_model.h"

#include <QList>
#include <QTableView>

namespace ql310::calllog {

class CallLogGrid : public QTableView {
    Q_OBJECT

public:
    explicit CallLogGrid(QWidget* parent = nullptr);

    CallLogModel* callLogModel() const { return m_model; }

    int columnCount() const { return m_model->columnCount(); }
    // Column widths in twips, shown with the screen's logical resolution; 0 hides.
    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const;

    // Sorts the rows by the current cell's column.
    void sortByCurrentColumn(Qt::SortOrder order);

signals:
    // The grid gained (true) or lost (false) the focus. Opening a menu does
    // not count as losing it, so that the menu's grid commands stay usable.
    void focusChanged(bool hasFocus);
    // The right button was pressed at `globalPosition`.
    void rightButtonPressed(const QPoint& globalPosition);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CallLogModel* m_model;
    QList<int> m_widthsTwips;
};

} // namespace ql310::calllog
