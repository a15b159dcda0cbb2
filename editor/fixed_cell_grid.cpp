// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_cell_grid.h"

#include "twips.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace ql310 {

FixedCellGrid::FixedCellGrid(QWidget* parent) : QTableWidget(parent)
{
    // The grid draws its own header cells; Qt's headers stay hidden.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    // In-place editing goes through the grid's own editors.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void FixedCellGrid::setGeometryInCells(int rows, int fixedRows, int columns, int fixedColumns)
{
    clear();
    setRowCount(rows);
    setColumnCount(columns);
    m_fixedRows = fixedRows;
    m_fixedColumns = fixedColumns;
    m_widthsTwips = QList<int>(columns, -1);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            setCellText(row, column, QString());
    if (rows > fixedRows && columns > fixedColumns)
        setCurrentCell(fixedRows, fixedColumns);
}

void FixedCellGrid::setColumnWidthTwips(int column, int twips)
{
    if (column < 0 || column >= columnCount())
        return;
    twips = qMax(twips, 0);
    m_widthsTwips[column] = twips;
    setColumnHidden(column, twips == 0);
    if (twips > 0)
        setColumnWidth(column, twipsToPixelsX(*this, twips));
}

int FixedCellGrid::columnWidthTwips(int column) const
{
    if (column < 0 || column >= columnCount())
        return 0;
    const int pixels = isColumnHidden(column) ? 0 : columnWidth(column);
    return pixelsToTwipsX(*this, pixels, m_widthsTwips.value(column, -1));
}

bool FixedCellGrid::isFixedCell(int row, int column) const
{
    return row < m_fixedRows || column < m_fixedColumns;
}

QTableWidgetItem* FixedCellGrid::cell(int row, int column)
{
    QTableWidgetItem* item = this->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (isFixedCell(row, column)) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
            item->setForeground(palette().buttonText());
            item->setTextAlignment(Qt::AlignCenter);
        } else {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(row, column, item);
    }
    return item;
}

void FixedCellGrid::setCellText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    cell(row, column)->setText(text);
}

QString FixedCellGrid::cellText(int row, int column) const
{
    const QTableWidgetItem* item = this->item(row, column);
    return item ? item->text() : QString();
}

QModelIndex FixedCellGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || !isFixedCell(next.row(), next.column()))
        return next;
    return model()->index(qMax(next.row(), m_fixedRows), qMax(next.column(), m_fixedColumns));
}

void FixedCellGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (current.isValid() && isFixedCell(current.row(), current.column())) {
        const int row = qMax(current.row(), m_fixedRows);
        const int column = qMax(current.column(), m_fixedColumns);
        if (row < rowCount() && column < columnCount()) {
            setCurrentCell(row, column);
        } else {
            setCurrentIndex(previous);
        }
        return;
    }
    QTableWidget::currentChanged(current, previous);
}

void FixedCellGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && isFixedCell(at.row(), at.column())) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

} // namespace ql310
