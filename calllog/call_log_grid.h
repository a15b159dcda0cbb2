// SPDX-License-Identifier: GPL-3.0-or-later
// CallHistoryGrid, the call-log grid: a header row and a row-header column,
// the view's seven columns after it (the last, the call's Index, hidden),
// rows coloured by direction and loss. It tells when it gains or loses the
// focus and when the right button is pressed on it. The header row and the
// row-header column stay in view while it scrolls; a cell too narrow for
// its text shows it cut short with "…" and whole as its tool tip.
#pragma once

#include "call_log_model.h"

#include <QList>
#include <QTableView>

namespace ql310 {
class FrozenCells;
}

namespace ql310::calllog {

class CallLogGrid : public QTableView {
    Q_OBJECT

public:
    explicit CallLogGrid(QWidget* parent = nullptr);
    // The header views go first: the model, gone after them, must not
    // reach them while the grid is half destroyed.
    ~CallLogGrid() override;

    CallLogModel* callLogModel() const { return m_model; }

    int columnCount() const { return m_model->columnCount(); }
    // Column widths in twips, shown with the screen's logical resolution; 0 hides.
    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const;

    // Sorts the rows by the selected columns: a range of adjacent columns
    // from left to right, else the current cell's column, else Start Time.
    void sortByCurrentColumn(Qt::SortOrder order);
    QVector<int> sortColumns() const;

    // The row-header column kept in view.
    FrozenCells* frozenCells() const { return m_frozen; }
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // The grid gained (true) or lost (false) the focus. Opening a menu does
    // not count as losing it, so that the menu's grid commands stay usable.
    void focusChanged(bool hasFocus);
    // The right button was pressed at `globalPosition`, on the rows or on
    // the header row.
    void rightButtonPressed(const QPoint& globalPosition);

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The Name column, the last shown, takes the width the others leave
    // (no less than its header text), so the calls span the whole grid.
    void fitNameColumn();
    CallLogModel* m_model;
    QList<int> m_widthsTwips;
    FrozenCells* m_frozen = nullptr;
};

} // namespace ql310::calllog
