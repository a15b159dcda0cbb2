// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_cell_grid.h"

#include "cell_text.h"
#include "frozen_cells.h"
#include "theme_colours.h"
#include "twips.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace ql310 {

FixedCellGrid::FixedCellGrid(QWidget* parent) : QTableWidget(parent)
{
    // The grid draws its own header cells; Qt's headers stay hidden.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideRight);
    setWordWrap(false);
    // In-place editing goes through the grid's own editors.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_frozen = new FrozenCells(this);
    // No wider than its columns; as tall as there is room for.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    // Where the rows come to scroll (a short window), the width asked for
    // takes in the scroll bar, so that the columns never scroll sideways by
    // its few pixels while room lies beside the grid.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { updateGeometry(); });
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
    m_frozen->setFrozen(fixedRows, fixedColumns);
    if (rows > fixedRows && columns > fixedColumns)
        setCurrentCell(fixedRows, fixedColumns);
}

void FixedCellGrid::mergeCells(int row, int column, int columns)
{
    setSpan(row, column, 1, columns);
    m_frozen->invalidate();
}

QSize FixedCellGrid::sizeHint() const
{
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column)
        if (!isColumnHidden(column))
            width += columnWidth(column);
    int height = 2 * frameWidth();
    const int shown = m_rowsShown < 0 ? rowCount() : qMin(m_rowsShown, rowCount());
    for (int row = 0; row < shown; ++row)
        if (!isRowHidden(row))
            height += rowHeight(row);
    // Room for the scroll bar of the rows not shown.
    if (shown < rowCount() || verticalScrollBar()->maximum() > 0)
        width += verticalScrollBar()->sizeHint().width();
    return {width, height};
}

FixedCellGrid::~FixedCellGrid()
{
    delete m_frozen;
    m_frozen = nullptr;
}

QModelIndex FixedCellGrid::indexAt(const QPoint& point) const
{
    const QModelIndex frozen = m_frozen ? m_frozen->frozenIndexAt(point) : QModelIndex();
    return frozen.isValid() ? frozen : QTableWidget::indexAt(point);
}

void FixedCellGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    QTableWidget::scrollTo(index, hint);
    if (m_frozen)
        m_frozen->uncover(index, horizontal, vertical);
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
            const theme::HeaderColours colours = theme::headerColours(palette());
            item->setBackground(colours.background);
            item->setForeground(colours.text);
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

void FixedCellGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    // The header cells follow a palette that changes while the program runs.
    const theme::HeaderColours colours = theme::headerColours(palette());
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (QTableWidgetItem* item = this->item(row, column); item && isFixedCell(row, column)) {
                item->setBackground(colours.background);
                item->setForeground(colours.text);
            }
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

bool FixedCellGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return showCutCellText(*this, static_cast<QHelpEvent*>(event));
    return QTableWidget::viewportEvent(event);
}

} // namespace ql310
