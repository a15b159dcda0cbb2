// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_window.h"

namespace ql310 {

RowWindow::RowWindow(QAbstractItemModel* source, QObject* parent)
    : QAbstractTableModel(parent), m_source(source), m_columns(source->columnCount())
{
    const auto follow = [this] { place(m_first, true); };
    connect(source, &QAbstractItemModel::modelReset, this, &RowWindow::sourceReset);
    connect(source, &QAbstractItemModel::columnsInserted, this, &RowWindow::sourceReset);
    connect(source, &QAbstractItemModel::columnsRemoved, this, &RowWindow::sourceReset);
    connect(source, &QAbstractItemModel::layoutChanged, this, follow);
    connect(source, &QAbstractItemModel::rowsInserted, this, follow);
    connect(source, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(source, &QAbstractItemModel::rowsMoved, this, follow);
    connect(source, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation orientation, int from, int to) {
                if (orientation == Qt::Horizontal) {
                    emit headerDataChanged(orientation, from, to);
                    return;
                }
                from = qMax(from, m_first) - m_first;
                to = qMin(to, m_first + m_rows - 1) - m_first;
                if (from <= to)
                    emit headerDataChanged(orientation, from, to);
            });
    connect(source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                const int top = qMax(from.row(), m_first) - m_first;
                const int bottom = qMin(to.row(), m_first + m_rows - 1) - m_first;
                if (top <= bottom)
                    emit dataChanged(index(top, from.column()), index(bottom, to.column()), roles);
            });
}

void RowWindow::setWindow(int first, int size)
{
    m_wanted = qMax(size, 0);
    place(first, false);
}

void RowWindow::place(int first, bool redraw)
{
    const int total = m_source->rowCount();
    first = qBound(0, first, qMax(total - 1, 0));
    const int rows = qBound(0, total - first, m_wanted);
    const bool moved = first != m_first;
    if (!moved && rows == m_rows && !redraw)
        return;
    emit windowAboutToChange();
    m_first = first;
    if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    } else if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    if ((moved || redraw) && m_rows > 0 && m_columns > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
    emit windowChanged();
}

void RowWindow::sourceReset()
{
    emit windowAboutToChange();
    beginResetModel();
    const int total = m_source->rowCount();
    m_first = qBound(0, m_first, qMax(total - 1, 0));
    m_rows = qBound(0, total - m_first, m_wanted);
    m_columns = m_source->columnCount();
    endResetModel();
    emit windowChanged();
}

QModelIndex RowWindow::toSource(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this
               ? m_source->index(m_first + index.row(), index.column())
               : QModelIndex();
}

QModelIndex RowWindow::fromSource(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != m_source || index.row() < m_first ||
        index.row() >= m_first + m_rows)
        return {};
    return this->index(index.row() - m_first, index.column());
}

int RowWindow::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RowWindow::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant RowWindow::data(const QModelIndex& index, int role) const
{
    return m_source->data(toSource(index), role);
}

QVariant RowWindow::headerData(int section, Qt::Orientation orientation, int role) const
{
    return m_source->headerData(orientation == Qt::Vertical ? m_first + section : section,
                                orientation, role);
}

Qt::ItemFlags RowWindow::flags(const QModelIndex& index) const
{
    return m_source->flags(toSource(index));
}

} // namespace ql310
