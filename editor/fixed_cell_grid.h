// SPDX-License-Identifier: GPL-3.0-or-later
// A grid of text cells whose first rows and columns are fixed header cells:
// they show text but never become the current cell and are never edited.
#pragma once

#include <QTableWidget>

namespace ql310 {

class FixedCellGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit FixedCellGrid(QWidget* parent = nullptr);

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

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int column);

    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    QList<int> m_widthsTwips;
};

} // namespace ql310
