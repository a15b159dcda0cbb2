// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_grid.h"

#include "cell_text.h"
#include "frozen_cells.h"
#include "row_window.h"
#include "twips.h"

#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

namespace ql310::calllog {

CallLogGrid::CallLogGrid(QWidget* parent)
    : QTableView(parent), m_model(new CallLogModel(this)), m_rows(new RowWindow(m_model, this)),
      m_widthsTwips(CallLogModel::kColumnCount, -1)
{
    setObjectName(QStringLiteral("CallHistoryGrid"));
    setModel(m_rows);
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
    setColumnWidthTwips(CallLogModel::kIndexColumn, 0);
    // The header row is the view's own header; the row-header column stays.
    m_frozen = new FrozenCells(this, 0, 1);
    // The bar counts calls: the grid scrolls by rows.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    // The window's rows and cells are shown anew wherever it moves.
    // What the window's rows held (a selection) changes with them: the
    // log's is shown again after.
    connect(m_rows, &RowWindow::windowAboutToChange, this, [this] { m_showing = true; });
    connect(m_rows, &RowWindow::windowChanged, this, &CallLogGrid::showSelection);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (!m_barHeld)
            showFrom(top);
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CallLogGrid::takeSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &CallLogGrid::takeCurrent);
    // A press or drag on the header row selects whole columns of the log.
    for (auto signal : {&QHeaderView::sectionPressed, &QHeaderView::sectionEntered})
        connect(horizontalHeader(), signal, this, [this] {
            for (QRect& range : m_selected)
                range.setRect(range.x(), 0, range.width(), m_model->rowCount());
        });
    // Other calls under a new filter, or another log: nothing stays
    // selected, and the grid shows them from their first call.
    const auto showOtherCalls = [this] {
        forgetSelection();
        showFrom(0);
    };
    connect(m_model, &CallLogModel::otherCallsShown, this, showOtherCalls);
    connect(m_model, &QAbstractItemModel::modelReset, this, showOtherCalls);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first) {
        forgetRowsFrom(first);
        placeRows();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CallLogGrid::placeRows);
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

int CallLogGrid::topRow() const
{
    return m_rows->first();
}

QModelIndex CallLogGrid::shownIndex(const QModelIndex& call) const
{
    return m_rows->fromSource(call);
}

QModelIndex CallLogGrid::callIndex(const QModelIndex& shown) const
{
    return m_rows->toSource(shown);
}

QModelIndex CallLogGrid::currentCall() const
{
    return m_current.y() < 0 ? QModelIndex() : m_model->index(m_current.y(), m_current.x());
}

int CallLogGrid::rowHeightPixels() const
{
    return qMax(verticalHeader()->defaultSectionSize(), 1);
}

int CallLogGrid::wholeRows() const
{
    return qMax(viewport()->height() / rowHeightPixels(), 1);
}

void CallLogGrid::updateGeometries()
{
    {
        // The table view fits the bar to the window's few rows; the log's
        // count is given back to it below.
        const QScopedValueRollback held(m_barHeld, true);
        QTableView::updateGeometries();
    }
    placeRows();
}

void CallLogGrid::placeRows()
{
    // A window that grows or shrinks lays the view out again, which places
    // the rows again: the inner round only mends the bar.
    if (!m_placing) {
        const QScopedValueRollback placing(m_placing, true);
        const int top = qBound(0, m_rows->first(), qMax(m_model->rowCount() - wholeRows(), 0));
        m_rows->setWindow(top, wholeRows() + 1);
    }
    syncScrollBar();
}

void CallLogGrid::syncScrollBar()
{
    const QScopedValueRollback held(m_barHeld, true);
    QScrollBar* bar = verticalScrollBar();
    const int whole = wholeRows();
    bar->setRange(0, qMax(m_model->rowCount() - whole, 0));
    bar->setPageStep(whole);
    bar->setSingleStep(1);
    bar->setValue(m_rows->first());
    // The window's first row is always the top one.
    verticalHeader()->setOffset(0);
    // A screen reader counts the rows of the window: the place in the log
    // is told with the grid.
    const int total = m_model->rowCount();
    const int last = qMin(m_rows->first() + whole, total);
    setAccessibleDescription(total == 0 ? tr("No calls")
                                        : tr("Calls %L1 to %L2 of %L3").arg(m_rows->first() + 1).arg(last).arg(total));
}

void CallLogGrid::showFrom(int top)
{
    m_rows->setWindow(qBound(0, top, qMax(m_model->rowCount() - wholeRows(), 0)), wholeRows() + 1);
    syncScrollBar();
}

void CallLogGrid::scrollContentsBy(int dx, int dy)
{
    // Scrolling down moves the window (showFrom), not the rows in it.
    Q_UNUSED(dy);
    if (dx != 0)
        QTableView::scrollContentsBy(dx, 0);
}

int CallLogGrid::verticalOffset() const
{
    // Where the rows in view lie in the whole log: a drag that selects
    // while the grid scrolls keeps the row it started on.
    return int(qMin<qint64>(qint64(m_rows->first()) * rowHeightPixels(), INT_MAX));
}

void CallLogGrid::scrollToRow(int row, ScrollHint hint)
{
    const int whole = wholeRows();
    int top = m_rows->first();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row > top + whole - 1)
            top = row - whole + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - whole + 1;
        break;
    case PositionAtCenter:
        top = row - whole / 2;
        break;
    }
    showFrom(top);
}

void CallLogGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // Showing the log's selection in the window never scrolls.
    if (m_showing || !index.isValid())
        return;
    int row = index.row();
    if (index.model() == m_rows)
        row += m_rows->first();
    else if (index.model() != m_model)
        return;
    scrollToRow(row, hint);
    const QModelIndex shown = m_rows->index(row - m_rows->first(), index.column());
    const int horizontal = horizontalScrollBar()->value();
    {
        // The row is whole in view: the table view only scrolls sideways.
        const QScopedValueRollback held(m_barHeld, true);
        QTableView::scrollTo(shown, hint);
    }
    syncScrollBar();
    if (m_frozen)
        m_frozen->uncover(shown, horizontal, verticalScrollBar()->value());
}

int CallLogGrid::firstCallColumn() const
{
    for (int column = 1; column < m_model->columnCount(); ++column)
        if (!isColumnHidden(column))
            return column;
    return 0;
}

QModelIndex CallLogGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // The cursor never stands in the row-header column: the column kept in
    // view covers it, so a cell there would be current and never seen.
    const QModelIndex moved = moveCursorInLog(action, modifiers);
    if (moved.isValid() && moved.column() == 0)
        return m_rows->index(moved.row(), firstCallColumn());
    return moved;
}

QModelIndex CallLogGrid::moveCursorInLog(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const int total = m_model->rowCount();
    int row = m_current.y();
    // No current cell yet (the grid reached with Tab): the first key
    // makes the top call in view current.
    if (total > 0 && row < 0)
        return m_rows->index(0, firstCallColumn());
    if (total == 0 || row < 0 || row >= total)
        return QTableView::moveCursor(action, modifiers);
    // The current cell scrolled out of view: the cursor moves from there.
    scrollToRow(row, EnsureVisible);
    int column = m_current.x();
    const bool ends = modifiers & Qt::ControlModifier;
    switch (action) {
    case MoveUp:
        --row;
        break;
    case MoveDown:
        ++row;
        break;
    case MovePageUp:
        row -= wholeRows();
        break;
    case MovePageDown:
        row += wholeRows();
        break;
    case MoveHome:
    case MoveEnd:
        if (!ends)
            return QTableView::moveCursor(action, modifiers);
        // Ctrl+Home and Ctrl+End: the first or last call, in the column
        // the table view chooses.
        column = QTableView::moveCursor(action, modifiers).column();
        row = action == MoveHome ? 0 : total - 1;
        break;
    default:
        return QTableView::moveCursor(action, modifiers);
    }
    row = qBound(0, row, total - 1);
    scrollToRow(row, EnsureVisible);
    return m_rows->index(row - m_rows->first(), qMax(column, 0));
}

QPoint CallLogGrid::cellAt(const QPoint& point) const
{
    const int height = rowHeightPixels();
    const int below = point.y() >= 0 ? point.y() / height : -((height - 1 - point.y()) / height);
    const int row = qBound(0, m_rows->first() + below, qMax(m_model->rowCount() - 1, 0));
    int column = columnAt(point.x());
    if (column < 0) {
        // Beyond the columns: the first or the last one shown.
        const QHeaderView* header = horizontalHeader();
        const int visual = point.x() < 0 ? 0 : header->count() - 1;
        column = header->logicalIndex(visual);
        for (int step = point.x() < 0 ? 1 : -1; column >= 0 && isColumnHidden(column);) {
            const int next = header->visualIndex(column) + step;
            column = next >= 0 && next < header->count() ? header->logicalIndex(next) : -1;
        }
    }
    return {qMax(column, 0), row};
}

void CallLogGrid::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    // The rectangle runs from where the selection started to where it
    // reaches now, in the viewport; either end may lie beyond the rows in
    // view. A selection being extended starts where it started before.
    if (m_model->rowCount() == 0)
        return;
    const QPoint to = cellAt(rect.bottomRight());
    if (!(command & QItemSelectionModel::Current) || m_anchor.y() < 0)
        m_anchor = cellAt(rect.topLeft());
    m_selected.clear();
    if (command & (QItemSelectionModel::Select | QItemSelectionModel::Toggle))
        m_selected << QRect(QPoint(qMin(m_anchor.x(), to.x()), qMin(m_anchor.y(), to.y())),
                            QPoint(qMax(m_anchor.x(), to.x()), qMax(m_anchor.y(), to.y())));
    showSelection();
}

void CallLogGrid::selectAll()
{
    if (m_model->rowCount() == 0)
        return;
    m_selected = {QRect(0, 0, m_model->columnCount(), m_model->rowCount())};
    showSelection();
}

void CallLogGrid::showSelection()
{
    m_showing = true;
    const auto done = qScopeGuard([this] { m_showing = false; });
    const int first = m_rows->first();
    const int last = first + m_rows->rowCount() - 1;
    QItemSelection shown;
    for (const QRect& range : m_selected) {
        const int top = qMax(range.top(), first);
        const int bottom = qMin(range.bottom(), last);
        if (top <= bottom)
            shown.select(m_rows->index(top - first, range.left()), m_rows->index(bottom - first, range.right()));
    }
    selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
    const bool inView = m_current.y() >= first && m_current.y() <= last;
    selectionModel()->setCurrentIndex(inView ? m_rows->index(m_current.y() - first, m_current.x())
                                             : QModelIndex(),
                                      QItemSelectionModel::NoUpdate);
}

void CallLogGrid::takeSelection()
{
    if (m_showing)
        return;
    const int first = m_rows->first();
    m_selected.clear();
    for (const QItemSelectionRange& range : selectionModel()->selection())
        m_selected << QRect(QPoint(range.left(), first + range.top()),
                            QPoint(range.right(), first + range.bottom()));
}

void CallLogGrid::takeCurrent(const QModelIndex& current)
{
    if (m_showing)
        return;
    m_current = current.isValid() ? QPoint(current.column(), m_rows->first() + current.row()) : QPoint(-1, -1);
    if (!m_extending)
        m_anchor = m_current;
}

void CallLogGrid::forgetRowsFrom(int row)
{
    for (auto range = m_selected.begin(); range != m_selected.end();) {
        range->setBottom(qMin(range->bottom(), row - 1));
        range = range->isEmpty() ? m_selected.erase(range) : range + 1;
    }
    if (m_current.y() >= row)
        m_current = {-1, -1};
    if (m_anchor.y() >= row)
        m_anchor = {-1, -1};
}

void CallLogGrid::forgetSelection()
{
    m_selected.clear();
    m_current = m_anchor = {-1, -1};
    showSelection();
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
    if (m_selected.size() == 1 && m_selected.first().left() < m_selected.first().right()) {
        // A range of columns, from left to right.
        for (int column = m_selected.first().left(); column <= m_selected.first().right(); ++column)
            if (column > 0 && !isColumnHidden(column))
                columns << column;
    }
    if (columns.size() < 2) {
        // The current cell's column, in view or not; none chosen yet (or
        // the row-header column): Start Time.
        columns = {m_current.y() >= 0 && m_current.x() > 0 ? m_current.x() : CallLogModel::kStartColumn};
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
    const QScopedValueRollback extending(m_extending, bool(event->modifiers() & Qt::ShiftModifier));
    QTableView::mousePressEvent(event);
}

void CallLogGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QScopedValueRollback extending(m_extending, event->buttons() != Qt::NoButton);
    QTableView::mouseMoveEvent(event);
}

void CallLogGrid::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback extending(m_extending, bool(event->modifiers() & Qt::ShiftModifier));
    QTableView::keyPressEvent(event);
}

} // namespace ql310::calllog
