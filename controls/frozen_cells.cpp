// SPDX-License-Identifier: GPL-3.0-or-later
#include "frozen_cells.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace ql310 {

// A window of rows of a model: rows first .. first + size - 1 of the model
// as rows 0 .. size - 1. The frozen columns of a view of uniform rows show
// such a window, moved as the view scrolls, so that their views keep a few
// rows, not all of them (millions in a call log).
class FrozenCells::RowWindow : public QAbstractTableModel {
public:
    RowWindow(QAbstractItemModel* source, QObject* parent)
        : QAbstractTableModel(parent), m_source(source)
    {
        const auto reset = [this] { setWindow(m_first, m_wanted, true); };
        connect(source, &QAbstractItemModel::modelReset, this, reset);
        connect(source, &QAbstractItemModel::layoutChanged, this, reset);
        connect(source, &QAbstractItemModel::rowsInserted, this, reset);
        connect(source, &QAbstractItemModel::rowsRemoved, this, reset);
        connect(source, &QAbstractItemModel::columnsInserted, this, reset);
        connect(source, &QAbstractItemModel::columnsRemoved, this, reset);
        connect(source, &QAbstractItemModel::headerDataChanged, this, &RowWindow::headerDataChanged);
        connect(source, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                    const int top = qMax(from.row(), m_first) - m_first;
                    const int bottom = qMin(to.row(), m_first + m_rows - 1) - m_first;
                    if (top <= bottom)
                        emit dataChanged(index(top, from.column()), index(bottom, to.column()), roles);
                });
    }

    int first() const { return m_first; }
    // Shows `size` rows from `first` on (fewer at the model's end).
    void setWindow(int first, int size, bool reset = false)
    {
        m_wanted = qMax(size, 0);
        const int total = m_source->rowCount();
        const int rows = qMin(m_wanted, total);
        first = qBound(0, first, total - rows);
        if (reset || rows != m_rows || m_source->columnCount() != m_columns) {
            beginResetModel();
            m_first = first;
            m_rows = rows;
            m_columns = m_source->columnCount();
            endResetModel();
        } else if (first != m_first) {
            m_first = first;
            if (m_rows > 0)
                emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
        }
    }
    QModelIndex toSource(const QModelIndex& index) const
    {
        return index.isValid() ? m_source->index(m_first + index.row(), index.column()) : QModelIndex();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_columns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return m_source->data(toSource(index), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return m_source->headerData(orientation == Qt::Vertical ? m_first + section : section,
                                    orientation, role);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return m_source->flags(toSource(index));
    }

private:
    QAbstractItemModel* m_source;
    int m_first = 0;
    int m_rows = 0;
    int m_columns = 0;
    int m_wanted = 0;
};

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

void FrozenCells::setUniformRows(bool uniform)
{
    if (uniform == m_uniformRows)
        return;
    m_uniformRows = uniform;
    rebuild();
}

int FrozenCells::moveWindow()
{
    // The rows in view of the view's viewport, the first one partly; the
    // pixels of it above the viewport are returned.
    const int height = qMax(m_view->verticalHeader()->defaultSectionSize(), 1);
    const int offset = m_view->verticalScrollBar()->value();
    m_window->setWindow(offset / height, m_view->viewport()->height() / height + 2);
    return offset - m_window->first() * height;
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
    delete m_window;
    m_window = nullptr;
    // The frozen views are made when the view is first shown.
    m_built = false;
    invalidate();
}

void FrozenCells::build()
{
    const bool viewHeader = !m_view->horizontalHeader()->isHidden();
    if (m_rows > 0)
        m_top = makeView(false);
    if (m_columns > 0) {
        // Uniform rows below no frozen row: the header columns show the
        // rows in view only.
        if (m_uniformRows && m_rows == 0 && m_view->model()) {
            m_window = new RowWindow(m_view->model(), this);
            moveWindow();
        }
        m_left = makeView(viewHeader, m_window);
    }
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
        // Uniform rows take the default height given above.
        const int walkedRows = m_uniformRows ? qMin(m_rows, rowCount) : rowCount;
        for (int row = 0; row < walkedRows; ++row) {
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
        const int spanRows = frozen == m_left ? walkedRows : qMin(m_rows, rowCount);
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
    if (m_left && m_window) {
        const int offset = moveWindow();
        QScrollBar* bar = m_left->verticalScrollBar();
        // Room for the part of the first row above the viewport.
        bar->setRange(0, qMax(bar->maximum(), offset));
        bar->setValue(offset);
    } else if (m_left) {
        follow(m_left->verticalScrollBar(), m_view->verticalScrollBar());
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
    if (frozen && frozen == m_left && m_window)
        return m_window->toSource(frozen->indexAt(point));
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
