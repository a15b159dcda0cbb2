// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_model.h"

#include "theme_colours.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

#include <QBrush>


namespace ql310::calllog {

namespace {

// Blocks kept at a time; further blocks replace them.
constexpr int kCachedBlocks = 64;

const char* const kInProgress = "-----";

// Header texts of columns 0..6 by text id (0: no text).
constexpr TextId kHeaderIds[7] = {TextId::NoText,      TextId::InOut,     TextId::Port,
                                  TextId::PhoneNumber, TextId::StartTime, TextId::EndTime,
                                  TextId::Duration};
// "Name", the phone book's header, over the Name column.
constexpr TextId kNameHeaderId = TextId::Name;

} // namespace

CallLogModel::CallLogModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_text = [](TextId id) { return QString::number(textNumber(id)); };
}

void CallLogModel::setTexts(std::function<QString(TextId)> text)
{
    m_text = std::move(text);
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (m_count > 0)
        emit dataChanged(index(0, 0), index(m_count - 1, kColumnCount - 1));
}

void CallLogModel::bind(CallLogStore* store)
{
    if (store && store == m_store && m_rowOrder.column == 0) {
        // The same log shown again in start order: its rows are read and
        // drawn again, calls come or go at the end. A reset would make every
        // header view walk all its sections (millions in a large log).
        const int shown = m_count;
        if (m_prepare)
            m_prepare(*store);
        recount();
        showCounted(shown);
        emit rowsShown();
        return;
    }
    beginResetModel();
    m_store = store;
    m_rowOrder = RowOrder();
    m_blocks.clear();
    // The sort indexes are the store's (made with a new log, or built by
    // the program off this thread): binding never waits for them.
    if (store && m_prepare)
        m_prepare(*store);
    recount();
    endResetModel();
    emit rowsShown();
}

void CallLogModel::setCondition(const RowCondition& condition)
{
    const int shown = m_count;
    m_condition = condition;
    recount();
    showCounted(shown);
    emit otherCallsShown();
    emit rowsShown();
}

void CallLogModel::showCounted(int shown)
{
    // Rows beyond the shorter count go or come at the end, the rest are
    // drawn anew. A reset would make the views forget every row and build
    // one header section per row again (millions in a large log); this way
    // only the difference is told.
    const int counted = m_count;
    if (counted < shown) {
        m_count = shown;
        beginRemoveRows({}, counted, shown - 1);
        m_count = counted;
        endRemoveRows();
    } else if (counted > shown) {
        m_count = shown;
        beginInsertRows({}, shown, counted - 1);
        m_count = counted;
        endInsertRows();
    }
    if (qMin(shown, counted) > 0)
        emit dataChanged(index(0, 0), index(qMin(shown, counted) - 1, kColumnCount - 1));
}

void CallLogModel::recount()
{
    m_blocks.clear();
    if (!m_store) {
        m_count = 0;
        return;
    }
    if (m_rowOrder.column == 0 && !m_condition.isEmpty() && m_condition.readsEveryRow) {
        // A condition that reads every row (a search) counts and finds its
        // first screen in start order in the same pass.
        QVector<qint64> first;
        const qint64 count = countWithFirstInStartOrder(*m_store, m_condition, kBlockRows, first);
        m_count = static_cast<int>(qMax<qint64>(count, 0));
        if (count > 0)
            m_blocks.insert(0, shownRowsOf(*m_store, first));
        return;
    }
    m_count = static_cast<int>(qMax<qint64>(countRows(*m_store, m_condition), 0));
}

void CallLogModel::setNameLookup(std::function<QString(const QString&)> lookup,
                                 const QString& nameSql, const QString& namedSql)
{
    m_nameLookup = std::move(lookup);
    m_nameSql = nameSql;
    m_namedSql = namedSql;
    namesChanged();
}

void CallLogModel::namesChanged()
{
    if (m_rowOrder.column == kNameColumn) {
        // The order by name follows the new names.
        reorder();
    } else if (m_count > 0) {
        emit dataChanged(index(0, kNameColumn), index(m_count - 1, kNameColumn));
    }
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
    if (!m_store)
        return {};
    return shownRows(*m_store, m_condition, m_rowOrder, m_nameSql, kBlockRows,
                     qint64(block) * kBlockRows, m_namedSql);
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
        return m_text(inOut ? TextId::Out : TextId::In);
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
    if (column == kNameColumn)
        return m_nameLookup ? m_nameLookup(v.phoneNumber) : QString();
    const QString texts[kNameColumn] = {QString(), QString(),   v.port,     v.phoneNumber,
                                        v.startTime, v.endTime, v.diffTime, QString::number(v.index)};
    if (column < 0 || column >= kNameColumn)
        return {};
    return decorated(column, texts[column], v.inOut, r->recording);
}

namespace {

// The sign of a lost call: a ring with a cross, in the header cells' text
// colour, so that it reads in either palette without colour.
QIcon lostIcon(const QColor& colour)
{
    constexpr int kSide = 32;  // drawn at twice the size the grid shows
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawEllipse(QRectF(3, 3, kSide - 6, kSide - 6));
    painter.drawLine(QPointF(11, 11), QPointF(kSide - 11, kSide - 11));
    painter.drawLine(QPointF(kSide - 11, 11), QPointF(11, kSide - 11));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

void CallLogModel::setPalette(const QPalette& palette)
{
    m_palette = palette;
    const theme::HeaderColours header = theme::headerColours(palette);
    m_headerBackground = header.background;
    m_lostIcon = lostIcon(header.text);
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
        const QColor& colour = r->lost ? kLostColour : r->view.inOut ? kOutgoingColour : kIncomingColour;
        const QColor background =
            index.column() <= kInOutColumn ? m_headerBackground : m_palette.color(QPalette::Base);
        if (!theme::isDark(m_palette))
            return QBrush(colour);
        return QBrush(r->lost ? theme::faintestReadable(colour, background)
                              : theme::readableAgainst(colour, background, kDirectionContrastDark));
    }
    case Qt::DecorationRole:
    case Qt::ToolTipRole: {
        if (index.column() != kInOutColumn)
            return {};
        const Row* r = rowAt(index.row());
        if (!r || !r->lost)
            return {};
        if (role == Qt::ToolTipRole)
            return QCoreApplication::translate("ql310::CallLogModel", "Lost");
        if (m_lostIcon.isNull())
            m_lostIcon = lostIcon(theme::headerColours(m_palette).text);
        return m_lostIcon;
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
    if (section == kNameColumn)
        return m_text(kNameHeaderId);
    if (section < 0 || section >= kIndexColumn || kHeaderIds[section] == TextId::NoText)
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

void CallLogModel::sort(int column, Qt::SortOrder order) { sortBy({column}, order); }

void CallLogModel::sortBy(const QVector<int>& columns, Qt::SortOrder order)
{
    QVector<int> keys;
    for (int column : columns)
        if (column > 0 && column < kColumnCount && !keys.contains(column))
            keys << column;
    if (!m_store || keys.isEmpty())
        return;
    m_rowOrder = RowOrder{keys.first(), order, keys.mid(1)};
    reorder();
}

void CallLogModel::reorder()
{
    // The same number of rows, each of one height: the rows are read again
    // and drawn anew. A layout change would make every header view walk all
    // its sections (millions of them in a large log).
    m_blocks.clear();
    if (m_count > 0)
        emit dataChanged(index(0, 0), index(m_count - 1, kColumnCount - 1));
}

} // namespace ql310::calllog
