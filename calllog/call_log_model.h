// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the call-log grid: the view of the permanent log in start
// order (or in the order of the latest sort), formatted a block of rows at a
// time as the grid asks for them, so that a log of any size opens at once.
// Column 0 is the grid's row-header column, columns 1..7 the view's columns.
#pragma once

#include "call_log_store.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

#include <functional>

namespace ql310::calllog {

class CallLogModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 8;
    static constexpr int kInOutColumn = 1;
    static constexpr int kStartColumn = 4;
    static constexpr int kEndColumn = 5;
    static constexpr int kIndexColumn = 7;
    static constexpr int kBlockRows = 256;

    // Row text colours: outgoing, incoming, lost (whatever the direction).
    static inline const QColor kOutgoingColour{255, 0, 0};
    static inline const QColor kIncomingColour{0, 0, 255};
    static inline const QColor kLostColour{255, 192, 192};

    explicit CallLogModel(QObject* parent = nullptr);

    // Header and direction texts by text id.
    void setTexts(std::function<QString(int)> text);
    // The background of header cells, also given to the In/Out column.
    void setHeaderBackground(const QColor& colour) { m_headerBackground = colour; }

    // Binds the model to a fresh view of `store` (null: no rows), in start order.
    void bind(CallLogStore* store);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Reorders the rows by the cells of `column`: numbers as numbers where
    // both cells read as numbers, text otherwise. The log is not changed.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The text a cell shows (what the grid draws and the sort compares).
    QString cellText(int row, int column) const;

private:
    struct Row {
        ViewRow view;
        bool lost = false;
        bool recording = false;
    };
    const Row* rowAt(int row) const;
    QVector<Row> fetchBlock(int block) const;
    QString decorated(int column, const QString& text, bool inOut, bool recording) const;

    CallLogStore* m_store = nullptr;
    int m_count = 0;
    // Index of the call shown in each row once sorted; empty in start order.
    QVector<qint64> m_order;
    mutable QHash<int, QVector<Row>> m_blocks;
    std::function<QString(int)> m_text;
    QColor m_headerBackground{Qt::lightGray};
};

} // namespace ql310::calllog
