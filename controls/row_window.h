// SPDX-License-Identifier: GPL-3.0-or-later
// A window of rows of a model: rows first .. first + size - 1 of the source
// as rows 0 .. size - 1 (fewer at the source's end). A view over it holds
// a section per row of the window only, however many rows the source has
// (a call log of millions), and moving the window redraws its rows.
#pragma once

#include <QAbstractTableModel>

namespace ql310 {

class RowWindow : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowWindow(QAbstractItemModel* source, QObject* parent = nullptr);

    QAbstractItemModel* source() const { return m_source; }
    // The source row shown as row 0, and the number of rows asked for.
    int first() const { return m_first; }
    int size() const { return m_wanted; }
    // Shows `size` rows from `first` on; `first` stays within the source.
    void setWindow(int first, int size);

    // A cell of the window as a cell of the source, and back (invalid
    // outside the window).
    QModelIndex toSource(const QModelIndex& index) const;
    QModelIndex fromSource(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The window is about to show other rows: what views keep of its rows
    // (a selection) changes with it until windowChanged.
    void windowAboutToChange();
    // The window shows other rows of the source: it moved, grew or shrank,
    // or the source changed under it.
    void windowChanged();

private:
    // Takes `first` and the rows the source has from there on; rows come
    // or go at the window's end, and the rows kept are drawn again.
    void place(int first, bool redraw);
    void sourceReset();

    QAbstractItemModel* m_source;
    int m_first = 0;
    int m_rows = 0;
    int m_columns = 0;
    int m_wanted = 0;
};

} // namespace ql310
