// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_grid.h"

#include "twips.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace ql310::calllog {

CallLogGrid::CallLogGrid(QWidget* parent)
    : QTableView(parent), m_model(new CallLogModel(this)),
      m_widthsTwips(CallLogModel::kColumnCount, -1)
{
    setObjectName(QStringLiteral("CallHistoryGrid"));
    setModel(m_model);
    // The header row is the horizontal header; the row-header column is
    // column 0 of the model.
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    m_model->setHeaderBackground(palette().button().color());
    setColumnWidthTwips(CallLogModel::kIndexColumn, 0);
}

void CallLogGrid::setColumnWidthTwips(int column, int twips)
{
    if (column < 0 || column >= m_widthsTwips.size())
        return;
    m_widthsTwips[column] = qMax(twips, 0);
    setColumnHidden(column, m_widthsTwips[column] == 0);
    if (m_widthsTwips[column] > 0)
        setColumnWidth(column, twipsToPixelsX(*this, m_widthsTwips[column]));
}

int CallLogGrid::columnWidthTwips(int column) const
{
    if (column < 0 || column >= m_widthsTwips.size() || isColumnHidden(column))
        return 0;
    return pixelsToTwipsX(*this, columnWidth(column), m_widthsTwips[column]);
}

void CallLogGrid::sortByCurrentColumn(Qt::SortOrder order)
{
    const QModelIndex current = currentIndex();
    if (current.isValid())
        m_model->sort(current.column(), order);
}

void CallLogGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit focusChanged(true);
}

void CallLogGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::MenuBarFocusReason)
        emit focusChanged(false);
}

void CallLogGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        emit rightButtonPressed(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

} // namespace ql310::calllog
