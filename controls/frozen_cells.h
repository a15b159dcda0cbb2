// SPDX-License-Identifier: GPL-3.0-or-later
// Header rows and columns of a table view that stay in view while it
// scrolls. Small views over the same model draw the first rows and columns
// a second time and lie over the view's top and left edges: the header rows
// follow the view sideways only, the header columns up and down only, the
// corner where they meet stays put. They take no focus and no mouse event:
// a press there reaches the view below, whose indexAt() answers with the
// header cell shown at that point (see frozenIndexAt()).
//
// A view with its own horizontal header (the call log) keeps it; its frozen
// columns then carry their part of that header along.
#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPointer>

#include <QTableView>

namespace ql310 {

class FrozenCells : public QObject {
    Q_OBJECT

public:
    // Keeps the first `rows` rows and `columns` columns of `view` in view.
    // Both of the view's scroll modes become pixel by pixel.
    explicit FrozenCells(QTableView* view, int rows = 0, int columns = 0);

    void setFrozen(int rows, int columns);
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }

    // The height of the frozen rows and the width of the frozen columns, in
    // pixels of the view's viewport (hidden sections count 0).
    int frozenHeight() const;
    int frozenWidth() const;

    // The frozen cell drawn at `point` of the view's viewport; invalid
    // where no frozen cell lies over the viewport.
    QModelIndex frozenIndexAt(const QPoint& point) const;
    // Run after the view scrolled to `index` from the scroll positions
    // `horizontal` and `vertical`: a cell outside the frozen rows and
    // columns is not left hidden under them, and along the axis where the
    // cell is frozen (always in view) the view goes back where it was.
    void uncover(const QModelIndex& index, int horizontal, int vertical);

    // Takes over the view's widths, heights, hidden sections, spans, look
    // and scroll position.
    void sync();
    // Asks for a sync once control returns to the event loop (or before the
    // frozen cells are next shown or asked for); runs by itself on every
    // change the view signals, and is run by hand after a change of spans.
    void invalidate();
    void syncIfDirty();

    // The views over the header rows, the header columns and the corner
    // (null where there is nothing frozen of that kind, and until the view
    // is first shown).
    QTableView* rowsView() const { return m_top; }
    QTableView* columnsView() const { return m_left; }
    QTableView* cornerView() const { return m_corner; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makeView(bool withHeader, QAbstractItemModel* model = nullptr);
    void rebuild();
    void build();
    void place();
    void followScroll();

    QTableView* m_view;
    int m_rows = 0;
    int m_columns = 0;
    bool m_dirty = false;
    bool m_built = false;
    bool m_syncQueued = false;
    // Gone with the view's children when the view is destroyed.
    QPointer<QTableView> m_top;
    QPointer<QTableView> m_left;
    QPointer<QTableView> m_corner;
};

} // namespace ql310
