// SPDX-License-Identifier: GPL-3.0-or-later
// CallHistoryGrid, the call-log grid: a header row and a row-header column,
// the view's seven columns after it (the last, the call's Index, hidden),
// rows coloured by direction and loss. It tells when it gains or loses the
// focus and when the right button is pressed on it. The header row and the
// row-header column stay in view while it scrolls; a cell too narrow for
// its text shows it cut short with "…" and whole as its tool tip.
//
// The grid's own rows are a window of the log: the rows in view and the one
// partly below them. Its scroll bar counts calls (its value is the call at
// the top), and the current cell and the selection are kept as cells of the
// log, shown where they fall in the window. So showing, filtering or
// scrolling a log of millions costs what a screenful costs.
#pragma once

#include "call_log_model.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QTableView>

namespace ql310 {
class FrozenCells;
class RowWindow;
}

namespace ql310::calllog {

class CallLogGrid : public QTableView {
    Q_OBJECT

public:
    explicit CallLogGrid(QWidget* parent = nullptr);
    // The header views go first: the model, gone after them, must not
    // reach them while the grid is half destroyed.
    ~CallLogGrid() override;

    // Every call of the log; the grid's own model() holds the rows in view.
    CallLogModel* callLogModel() const { return m_model; }
    // The row of the log at the top of the grid.
    int topRow() const;
    // A cell of the log as the grid's cell (invalid while out of view), and
    // a cell of the grid as the log's cell.
    QModelIndex shownIndex(const QModelIndex& call) const;
    QModelIndex callIndex(const QModelIndex& shown) const;
    // The current cell as a cell of the log (invalid: none), in view or not.
    QModelIndex currentCall() const;
    // The selected cells as ranges of the log's rows (x: columns, y: rows).
    const QList<QRect>& selectedCalls() const { return m_selected; }

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
    // Takes a cell of the grid or of the log; a call out of view is
    // scrolled into it.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void selectAll() override;

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
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;

private:
    // Rows of the log wholly in view, and the height of one.
    int wholeRows() const;
    int rowHeightPixels() const;
    // The window follows the scroll bar's call at the top; the bar counts
    // the log's calls.
    void placeRows();
    void syncScrollBar();
    void showFrom(int top);
    void scrollToRow(int row, ScrollHint hint);
    // The cursor's move within the log, and the first column of a call
    // the cursor may stand on (right of the row-header column).
    QModelIndex moveCursorInLog(CursorAction action, Qt::KeyboardModifiers modifiers);
    int firstCallColumn() const;
    // The log's cell at a point of the viewport (rows beyond it count on).
    QPoint cellAt(const QPoint& point) const;
    // The selection and current cell of the log, shown in the window; and
    // the window's, taken as the log's after the user changed them.
    void showSelection();
    void takeSelection();
    void takeCurrent(const QModelIndex& current);
    // Rows gone from the log's end take the selection on them along.
    void forgetRowsFrom(int row);
    void forgetSelection();

    // The Name column, the last shown, takes the width the others leave
    // (no less than its header text), so the calls span the whole grid.
    void fitNameColumn();
    CallLogModel* m_model;
    RowWindow* m_rows;
    QList<int> m_widthsTwips;
    FrozenCells* m_frozen = nullptr;
    // Cells of the log: x column, y row; y -1: none.
    QPoint m_current{-1, -1};
    QPoint m_anchor{-1, -1};  // where a selection being extended started
    QList<QRect> m_selected;
    bool m_showing = false;    // the window's selection is being set from the log's
    bool m_extending = false;  // a press, drag or key extends the selection
    bool m_barHeld = false;    // the table view sets the bar for its own rows
    bool m_placing = false;
};

} // namespace ql310::calllog
