// SPDX-License-Identifier: GPL-3.0-or-later
#include "frozen_cells.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace ql310 {

FrozenCells::FrozenCells(QTableView* view, int rows, int columns) : QObject(view), m_view(view)
{
    // The frozen views follow the view pixel by pixel.
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    for (QHeaderView* header : {view->horizontalHeader(), view->verticalHeader()}) {
        connect(header, &QHeaderView::sectionResized, this, &FrozenCells::invalidate);
        connect(header, &QHeaderView::sectionCountChanged, this, &FrozenCells::invalidate);
    }
    if (QAbstractItemModel* model = view->model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &FrozenCells::invalidate);
        connect(model, &QAbstractItemModel::layoutChanged, this, &FrozenCells::invalidate);
        connect(model, &QAbstractItemModel::rowsInserted, this, &FrozenCells::invalidate);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &FrozenCells::invalidate);
        connect(model, &QAbstractItemModel::columnsInserted, this, &FrozenCells::invalidate);
        connect(model, &QAbstractItemModel::columnsRemoved, this, &FrozenCells::invalidate);
    }
    for (QScrollBar* bar : {view->horizontalScrollBar(), view->verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &FrozenCells::followScroll);
        connect(bar, &QScrollBar::rangeChanged, this, &FrozenCells::followScroll);
    }
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    setFrozen(rows, columns);
}

void FrozenCells::setFrozen(int rows, int columns)
{
    m_rows = qMax(rows, 0);
    m_columns = qMax(columns, 0);
    rebuild();
}

QTableView* FrozenCells::makeView(bool withHeader, QAbstractItemModel* model)
{
    auto* frozen = new QTableView(m_view);
    frozen->setObjectName(m_view->objectName() + QStringLiteral("Frozen"));
    frozen->setModel(model ? model : m_view->model());
    frozen->setFocusPolicy(Qt::NoFocus);
    // Mouse events go to the view below, which knows the cell from indexAt().
    frozen->setAttribute(Qt::WA_TransparentForMouseEvents);
    frozen->setSelectionMode(QAbstractItemView::NoSelection);
    frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen->setFrameShape(QFrame::NoFrame);
    frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    frozen->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    frozen->verticalHeader()->hide();
    frozen->horizontalHeader()->setVisible(withHeader);
    if (withHeader) {
        frozen->horizontalHeader()->setSectionsClickable(false);
        frozen->horizontalHeader()->setHighlightSections(false);
        frozen->horizontalHeader()->setMinimumSectionSize(0);
    }
    for (QScrollBar* bar : {frozen->horizontalScrollBar(), frozen->verticalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, &FrozenCells::followScroll);
    frozen->show();
    return frozen;
}

void FrozenCells::rebuild()
{
    for (QPointer<QTableView>* frozen : {&m_top, &m_left, &m_corner}) {
        delete frozen->data();
        *frozen = nullptr;
    }
    // The frozen views are made when the view is first shown.
    m_built = false;
    invalidate();
}

void FrozenCells::build()
{
    const bool viewHeader = !m_view->horizontalHeader()->isHidden();
    if (m_rows > 0)
        m_top = makeView(false);
    if (m_columns > 0)
        m_left = makeView(viewHeader);
    if (m_rows > 0 && m_columns > 0)
        m_corner = makeView(false);
    m_built = true;
}

void FrozenCells::invalidate()
{
    m_dirty = true;
    if (m_syncQueued)
        return;
    // Many changes in a row (a grid being filled) make one sync.
    m_syncQueued = true;
    QMetaObject::invokeMethod(this, [this] {
        m_syncQueued = false;
        syncIfDirty();
    }, Qt::QueuedConnection);
}

void FrozenCells::syncIfDirty()
{
    if (m_dirty)
        sync();
}

int FrozenCells::frozenHeight() const
{
    int height = 0;
    if (!m_view->model())
        return 0;
    for (int row = 0; row < qMin(m_rows, m_view->model()->rowCount()); ++row)
        if (!m_view->isRowHidden(row))
            height += m_view->rowHeight(row);
    return height;
}

int FrozenCells::frozenWidth() const
{
    int width = 0;
    if (!m_view->model())
        return 0;
    for (int column = 0; column < qMin(m_columns, m_view->model()->columnCount()); ++column)
        if (!m_view->isColumnHidden(column))
            width += m_view->columnWidth(column);
    return width;
}

void FrozenCells::sync()
{
    // A view not shown (a page not yet chosen) draws its own header cells
    // where they belong; its frozen views wait until it is shown.
    if (!m_view->isVisible()) {
        m_dirty = true;
        return;
    }
    m_dirty = false;
    const QAbstractItemModel* model = m_view->model();
    if (!model)
        return;
    if (!m_built)
        build();
    const int rowCount = model->rowCount();
    const int columnCount = model->columnCount();
    for (QTableView* frozen : {m_top, m_left, m_corner}) {
        if (!frozen)
            continue;
        frozen->setShowGrid(m_view->showGrid());
        frozen->setGridStyle(m_view->gridStyle());
        frozen->setWordWrap(m_view->wordWrap());
        frozen->setTextElideMode(m_view->textElideMode());
        QHeaderView* rows = frozen->verticalHeader();
        rows->setMinimumSectionSize(m_view->verticalHeader()->minimumSectionSize());
        rows->setDefaultSectionSize(m_view->verticalHeader()->defaultSectionSize());
        for (int row = 0; row < rowCount; ++row) {
            frozen->setRowHidden(row, m_view->isRowHidden(row));
            if (!m_view->isRowHidden(row) && frozen->rowHeight(row) != m_view->rowHeight(row))
                frozen->setRowHeight(row, m_view->rowHeight(row));
        }
        for (int column = 0; column < columnCount; ++column) {
            frozen->setColumnHidden(column, m_view->isColumnHidden(column));
            if (!m_view->isColumnHidden(column))
                frozen->setColumnWidth(column, m_view->columnWidth(column));
        }
        // Spans of the cells the frozen view shows.
        frozen->clearSpans();
        const int spanRows = frozen == m_left ? rowCount : qMin(m_rows, rowCount);
        const int spanColumns = frozen == m_top ? columnCount : qMin(m_columns, columnCount);
        for (int row = 0; row < spanRows; ++row)
            for (int column = 0; column < spanColumns; ++column) {
                const int down = m_view->rowSpan(row, column);
                const int across = m_view->columnSpan(row, column);
                // A span is set once, at its first cell.
                if ((down > 1 || across > 1) && frozen->rowSpan(row, column) == 1 &&
                    frozen->columnSpan(row, column) == 1)
                    frozen->setSpan(row, column, down, across);
            }
    }
    place();
}

void FrozenCells::place()
{
    const QRect viewport = m_view->viewport()->geometry();
    const int height = qMin(frozenHeight(), viewport.height());
    const int width = qMin(frozenWidth(), viewport.width());
    if (m_top)
        m_top->setGeometry(viewport.x(), viewport.y(), viewport.width(), height);
    if (m_left) {
        if (m_left->horizontalHeader()->isHidden()) {
            m_left->setGeometry(viewport.x(), viewport.y(), width, viewport.height());
        } else {
            // The frozen columns' part of the view's header row.
            const QRect header = m_view->horizontalHeader()->geometry();
            m_left->horizontalHeader()->setFixedHeight(header.height());
            m_left->setGeometry(viewport.x(), header.y(), width, header.height() + viewport.height());
        }
    }
    if (m_corner)
        m_corner->setGeometry(viewport.x(), viewport.y(), width, height);
    for (QTableView* frozen : {m_top, m_left, m_corner})
        if (frozen)
            frozen->raise();
    followScroll();
}

void FrozenCells::followScroll()
{
    const auto follow = [](QScrollBar* frozen, const QScrollBar* view) {
        frozen->setRange(view->minimum(), view->maximum());
        frozen->setValue(view->value());
    };
    if (m_top)
        follow(m_top->horizontalScrollBar(), m_view->horizontalScrollBar());
    if (m_left) {
        // The rows lie where the view's rows lie: its row header's offset,
        // which is its scroll bar's value unless the view scrolls by rows of
        // its own (a window of a call log keeps it at its first row).
        QScrollBar* bar = m_left->verticalScrollBar();
        const int offset = m_view->verticalHeader()->offset();
        bar->setRange(0, qMax(bar->maximum(), offset));
        bar->setValue(offset);
    }
}

QModelIndex FrozenCells::frozenIndexAt(const QPoint& point) const
{
    const_cast<FrozenCells*>(this)->syncIfDirty();
    if (point.x() < 0 || point.y() < 0)
        return {};
    const bool inRows = m_rows > 0 && point.y() < frozenHeight();
    const bool inColumns = m_columns > 0 && point.x() < frozenWidth();
    // Every frozen view's cells start where the view's viewport starts.
    QTableView* frozen = inRows && inColumns ? m_corner.data() : inRows ? m_top.data()
                         : inColumns ? m_left.data() : nullptr;
    return frozen ? frozen->indexAt(point) : QModelIndex();
}

void FrozenCells::uncover(const QModelIndex& index, int horizontal, int vertical)
{
    syncIfDirty();
    if (!index.isValid())
        return;
    QScrollBar* across = m_view->horizontalScrollBar();
    QScrollBar* down = m_view->verticalScrollBar();
    if (index.row() < m_rows)
        down->setValue(vertical);
    if (index.column() < m_columns)
        across->setValue(horizontal);
    const QRect cell = m_view->visualRect(index);
    if (cell.isEmpty())
        return;
    const int height = frozenHeight();
    if (index.row() >= m_rows && cell.top() < height)
        down->setValue(down->value() - (height - cell.top()));
    const int width = frozenWidth();
    if (index.column() >= m_columns && cell.left() < width)
        across->setValue(across->value() - (width - cell.left()));
}

bool FrozenCells::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::LayoutRequest:
        place();
        break;
    case QEvent::Show:
        if (watched == m_view)
            syncIfDirty();
        break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
        if (watched == m_view)
            invalidate();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ql310
