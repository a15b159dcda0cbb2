// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the call-log grid: the view of the permanent log in start
// order (or in the order of the latest sort), read and formatted a block of
// rows at a time as the grid asks for them, so that a log of any size opens
// and sorts at once. Column 0 is the grid's row-header column, columns 1..7
// the view's columns, column 8 the name of the call's number when a name
// lookup is set. A condition may limit the calls shown.
#pragma once

#include "call_log_rows.h"
#include "call_log_store.h"
#include "text_id.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPalette>

#include <functional>

namespace ql310::calllog {

class CallLogModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 9;
    static constexpr int kInOutColumn = 1;
    static constexpr int kStartColumn = 4;
    static constexpr int kEndColumn = 5;
    static constexpr int kIndexColumn = 7;
    static constexpr int kNameColumn = 8;
    static constexpr int kBlockRows = 256;

    // Row text colours: outgoing, incoming, lost (whatever the direction).
    static inline const QColor kOutgoingColour{255, 0, 0};
    static inline const QColor kIncomingColour{0, 0, 255};
    static inline const QColor kLostColour{255, 192, 192};
    // In a dark palette the directions stand out more than lost calls,
    // which keep the least contrast that still reads.
    static constexpr double kDirectionContrastDark = 7.0;

    explicit CallLogModel(QObject* parent = nullptr);

    // Header and direction texts by text id.
    void setTexts(std::function<QString(TextId)> text);
    // The background of header cells, also given to the In/Out column.
    void setHeaderBackground(const QColor& colour) { m_headerBackground = colour; }
    // The palette the grid shows the rows in: the header background is its
    // button colour, and in a dark palette the row colours become readable
    // on the cells' backgrounds, lost calls the least prominent. Lost calls
    // carry an icon in their In/Out cell (tool tip "Lost") in either palette.
    void setPalette(const QPalette& palette);

    // Binds the model to a fresh view of `store` (null: no rows), in start
    // order; the condition stays.
    void bind(CallLogStore* store);
    // Shows only the calls that meet `condition`, in the present order.
    void setCondition(const RowCondition& condition);
    const RowCondition& condition() const { return m_condition; }
    // The same without telling the views, for a preparation (below) that
    // renews the condition's values just before the binding counts.
    void setConditionQuietly(const RowCondition& condition) { m_condition = condition; }
    // The name of a number for the Name column, and the SQL of a call's
    // name (over PhoneNumber) that sorts that column; none by default.
    // `namedSql`: SQL over Data that every call with a name meets (see
    // shownRows()), empty when not known.
    void setNameLookup(std::function<QString(const QString&)> lookup, const QString& nameSql,
                       const QString& namedSql = {});
    // Run on the store before each binding counts its rows (e.g. to give the
    // log's connection the functions that the condition uses).
    void setPreparation(std::function<void(CallLogStore&)> prepare) { m_prepare = std::move(prepare); }
    // The names changed (a new phone book): the Name column is drawn again.
    void namesChanged();
    // The present order and the name SQL it sorts by.
    const RowOrder& rowOrder() const { return m_rowOrder; }
    const QString& nameSql() const { return m_nameSql; }
    CallLogStore* store() const { return m_store; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Reorders the rows by the cells of `column` (see RowOrder); the log is
    // not changed.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The same by the cells of `columns` in turn, the first deciding first.
    void sortBy(const QVector<int>& columns, Qt::SortOrder order);

    // The text a cell shows (what the grid draws and the sort compares).
    QString cellText(int row, int column) const;

signals:
    // The log was shown anew (bound) or under a new condition: its rows
    // are counted and read again, with or without a reset of the views.
    void rowsShown();
    // The rows now show other calls (a new condition): a selection made in
    // the old rows means nothing in the new ones.
    void otherCallsShown();

private:
    using Row = ShownRow;
    // Counts the rows of the condition anew (and may keep the first block).
    void recount();
    // Tells the views that the `shown` rows became m_count rows.
    void showCounted(int shown);
    // The rows are in a new order: read and drawn again.
    void reorder();
    const Row* rowAt(int row) const;
    QVector<Row> fetchBlock(int block) const;
    QString decorated(int column, const QString& text, bool inOut, bool recording) const;

    CallLogStore* m_store = nullptr;
    int m_count = 0;
    RowCondition m_condition;
    RowOrder m_rowOrder;
    std::function<QString(const QString&)> m_nameLookup;
    QString m_nameSql;
    QString m_namedSql;
    std::function<void(CallLogStore&)> m_prepare;
    mutable QHash<int, QVector<Row>> m_blocks;
    std::function<QString(TextId)> m_text;
    QColor m_headerBackground{Qt::lightGray};
    QPalette m_palette;
    mutable QIcon m_lostIcon;  // made at the first lost row when no palette came yet
};

} // namespace ql310::calllog
