// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_model.h"

#include <QBrush>

#include <algorithm>

namespace ql310::calllog {

namespace {

// Blocks kept at a time; further blocks replace them.
constexpr int kCachedBlocks = 64;

const char* const kInProgress = "-----";

// Header texts of columns 0..6 by text id (0: no text).
constexpr int kHeaderIds[7] = {0, 406, 379, 380, 381, 382, 383};

struct SortKey {
    QString text;
    double number = 0;
    bool numeric = false;
};

// Numbers compare as numbers; a text cell comes before a number cell, texts
// compare as text.
bool before(const SortKey& a, const SortKey& b)
{
    if (a.numeric && b.numeric)
        return a.number < b.number;
    if (a.numeric != b.numeric)
        return b.numeric;
    return a.text < b.text;
}

} // namespace

CallLogModel::CallLogModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_text = [](int id) { return QString::number(id); };
}

void CallLogModel::setTexts(std::function<QString(int)> text)
{
    m_text = std::move(text);
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (m_count > 0)
        emit dataChanged(index(0, 0), index(m_count - 1, kColumnCount - 1));
}

void CallLogModel::bind(CallLogStore* store)
{
    beginResetModel();
    m_store = store;
    m_order.clear();
    m_blocks.clear();
    m_count = store ? static_cast<int>(store->dataViewCount()) : 0;
    endResetModel();
}

int CallLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int CallLogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVector<CallLogModel::Row> CallLogModel::fetchBlock(int block) const
{
    QVector<Row> rows;
    if (!m_store)
        return rows;
    const qint64 first = qint64(block) * kBlockRows;
    QVector<ViewRow> views;
    if (m_order.isEmpty()) {
        views = m_store->dataView(kBlockRows, first);
    } else {
        const QVector<qint64> wanted = m_order.mid(first, kBlockRows);
        QHash<qint64, ViewRow> byIndex;
        for (const ViewRow& view : m_store->dataViewOf(wanted))
            byIndex.insert(view.index, view);
        for (qint64 index : wanted)
            views.push_back(byIndex.value(index));
    }
    QVector<qint64> indexes;
    for (const ViewRow& view : views)
        indexes.push_back(view.index);
    // The check rows of the block, found by Index.
    const QHash<qint64, LogRow> checks = m_store->dataCheckOf(indexes);
    for (const ViewRow& view : views) {
        Row row;
        row.view = view;
        const auto check = checks.constFind(view.index);
        if (check != checks.constEnd()) {
            row.view.inOut = check->inOut;
            row.lost = check->lost;
            row.recording = check->recording;
        }
        rows.push_back(row);
    }
    return rows;
}

const CallLogModel::Row* CallLogModel::rowAt(int row) const
{
    if (row < 0 || row >= m_count)
        return nullptr;
    const int block = row / kBlockRows;
    auto found = m_blocks.constFind(block);
    if (found == m_blocks.constEnd()) {
        if (m_blocks.size() >= kCachedBlocks)
            m_blocks.clear();
        found = m_blocks.insert(block, fetchBlock(block));
    }
    const int at = row % kBlockRows;
    return at < found->size() ? &found->at(at) : nullptr;
}

QString CallLogModel::decorated(int column, const QString& text, bool inOut, bool recording) const
{
    if (column == kInOutColumn)
        return m_text(inOut ? 385 : 384);
    if (recording && (column == kStartColumn || column == kEndColumn))
        return QString::fromLatin1(kInProgress);
    return text;
}

QString CallLogModel::cellText(int row, int column) const
{
    const Row* r = rowAt(row);
    if (!r)
        return {};
    const ViewRow& v = r->view;
    const QString texts[kColumnCount] = {QString(), QString(),   v.port,     v.phoneNumber,
                                         v.startTime, v.endTime, v.diffTime, QString::number(v.index)};
    if (column < 0 || column >= kColumnCount)
        return {};
    return decorated(column, texts[column], v.inOut, r->recording);
}

QVariant CallLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::ForegroundRole: {
        const Row* r = rowAt(index.row());
        if (!r)
            return {};
        return QBrush(r->lost ? kLostColour : r->view.inOut ? kOutgoingColour : kIncomingColour);
    }
    case Qt::BackgroundRole:
        if (index.column() <= kInOutColumn)
            return QBrush(m_headerBackground);
        return {};
    default:
        return {};
    }
}

QVariant CallLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (section < 0 || section >= kIndexColumn || kHeaderIds[section] == 0)
        return QString();
    return m_text(kHeaderIds[section]);
}

Qt::ItemFlags CallLogModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The row-header column is never selected.
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CallLogModel::sort(int column, Qt::SortOrder order)
{
    if (!m_store || m_count == 0 || column <= 0 || column >= kColumnCount)
        return;
    // The cells of the column for every call, in start order.
    const QVector<CallLogStore::ColumnCell> cells = m_store->dataViewColumn(column);
    std::vector<SortKey> keys(cells.size());
    for (int i = 0; i < cells.size(); ++i) {
        SortKey& key = keys[i];
        key.text = decorated(column, cells[i].text, cells[i].inOut, cells[i].recording);
        key.number = key.text.toDouble(&key.numeric);
    }
    // The rows' present order as positions into `cells`; a stable sort keeps
    // the present order of equal cells.
    std::vector<int> rows;
    rows.reserve(cells.size());
    if (m_order.isEmpty()) {
        for (int i = 0; i < cells.size(); ++i)
            rows.push_back(i);
    } else {
        QHash<qint64, int> position;
        position.reserve(cells.size());
        for (int i = 0; i < cells.size(); ++i)
            position.insert(cells[i].index, i);
        for (qint64 index : std::as_const(m_order))
            if (const auto at = position.constFind(index); at != position.constEnd())
                rows.push_back(*at);
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? before(keys[a], keys[b]) : before(keys[b], keys[a]);
    });
    QVector<qint64> sorted;
    sorted.reserve(rows.size());
    for (int row : rows)
        sorted.push_back(cells[row].index);
    emit layoutAboutToBeChanged();
    m_order = std::move(sorted);
    m_blocks.clear();
    emit layoutChanged();
}

} // namespace ql310::calllog
