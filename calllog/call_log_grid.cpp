// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_grid.h"

#include "cell_text.h"
#include "frozen_cells.h"
#include "twips.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

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
    // A click in the header row chooses a column, a drag or a Shift+click
    // a range of adjacent columns to sort by; the right button there pops
    // up the Sort menu as on the rows.
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->viewport()->installEventFilter(this);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    // The Name column takes the room the others leave.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column != CallLogModel::kNameColumn)
            fitNameColumn();
    });
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setWordWrap(false);
    m_model->setPalette(palette());
    // Other calls under a new filter: nothing stays selected.
    connect(m_model, &CallLogModel::otherCallsShown, this, [this] { selectionModel()->clear(); });
    setColumnWidthTwips(CallLogModel::kIndexColumn, 0);
    // The header row is the view's own header; the row-header column stays.
    m_frozen = new FrozenCells(this, 0, 1);
    // Every row has one height: a log of millions of calls is never walked.
    m_frozen->setUniformRows(true);
}

CallLogGrid::~CallLogGrid()
{
    delete m_frozen;
    m_frozen = nullptr;
}

QModelIndex CallLogGrid::indexAt(const QPoint& point) const
{
    const QModelIndex frozen = m_frozen ? m_frozen->frozenIndexAt(point) : QModelIndex();
    return frozen.isValid() ? frozen : QTableView::indexAt(point);
}

void CallLogGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (m_frozen)
        m_frozen->uncover(index, horizontal, vertical);
}

bool CallLogGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return showCutCellText(*this, static_cast<QHelpEvent*>(event));
    const bool handled = QTableView::viewportEvent(event);
    // A wider or narrower grid (or a scroll bar come or gone): Name refits.
    if (event->type() == QEvent::Resize)
        fitNameColumn();
    return handled;
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

QVector<int> CallLogGrid::sortColumns() const
{
    QVector<int> columns;
    const QItemSelection selection = selectionModel()->selection();
    if (selection.size() == 1 && selection.first().left() < selection.first().right()) {
        // A range of columns, from left to right.
        for (int column = selection.first().left(); column <= selection.first().right(); ++column)
            if (column > 0 && !isColumnHidden(column))
                columns << column;
    }
    if (columns.size() < 2) {
        // The current cell's column; none chosen yet (or the row-header
        // column): Start Time.
        const QModelIndex current = currentIndex();
        columns = {current.isValid() && current.column() > 0 ? current.column()
                                                             : CallLogModel::kStartColumn};
    }
    return columns;
}

void CallLogGrid::sortByCurrentColumn(Qt::SortOrder order)
{
    m_model->sortBy(sortColumns(), order);
}

bool CallLogGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton) {
            setFocus(Qt::MouseFocusReason);
            emit rightButtonPressed(press->globalPosition().toPoint());
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void CallLogGrid::fitNameColumn()
{
    constexpr int name = CallLogModel::kNameColumn;
    if (isColumnHidden(name))
        return;
    int others = 0;
    for (int column = 0; column < name; ++column)
        others += isColumnHidden(column) ? 0 : columnWidth(column);
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    const int least = horizontalHeader()->fontMetrics().horizontalAdvance(
                          model()->headerData(name, Qt::Horizontal).toString()) + 4 * margin;
    const int wanted = qMax(least, viewport()->width() - others);
    if (columnWidth(name) != wanted)
        setColumnWidth(name, wanted);
}

void CallLogGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_model->setPalette(palette());
        viewport()->update();
    }
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
