// SPDX-License-Identifier: GPL-3.0-or-later
// A grid of text cells whose first rows and columns are fixed header cells:
// they show text but never become the current cell and are never edited,
// and they stay in view while the grid scrolls. A cell too narrow for its
// text shows it cut short with "…" and whole as its tool tip.
#pragma once

#include <QTableWidget>

namespace ql310 {

class FrozenCells;

class FixedCellGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit FixedCellGrid(QWidget* parent = nullptr);
    // The header views go first: the model, gone after them, must not
    // reach them while the grid is half destroyed.
    ~FixedCellGrid() override;

    // Sets the size and the number of fixed rows and columns; every cell
    // gets an empty text.
    void setGeometryInCells(int rows, int fixedRows, int columns, int fixedColumns);
    // Column widths in twips, shown with the screen's logical resolution.
    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const;

    int fixedRows() const { return m_fixedRows; }
    int fixedColumns() const { return m_fixedColumns; }
    bool isFixedCell(int row, int column) const;

    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    // Shows `columns` header cells of `row` from `column` on as one cell.
    void mergeCells(int row, int column, int columns);

    // The rows the grid asks room for in its size hint (all by default).
    void setRowsShown(int rows) { m_rowsShown = rows; updateGeometry(); }
    QSize sizeHint() const override;

    // The header rows and columns kept in view.
    FrozenCells* frozenCells() const { return m_frozen; }
    // A point of the viewport over a header cell gives that header cell.
    QModelIndex indexAt(const QPoint& point) const override;
    // A cell scrolled into view is not left under the header cells.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int column);

    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    QList<int> m_widthsTwips;
    int m_rowsShown = -1;
    FrozenCells* m_frozen = nullptr;
};

} // namespace ql310
