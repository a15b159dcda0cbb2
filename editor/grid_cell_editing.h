// SPDX-License-Identifier: GPL-3.0-or-later
// In-place editing of the forwarding, short-dial and phone-book grids, and
// the refresh of their mirrored cells when the tab control gets the focus.
//
// The cells are the editor's only copy of these tables: FWBufText and
// FWActive edit ForwardGrid columns 3 and 4, SDBufText the short-dial
// entries of ShortDialGrid, and PBBufText, shared by both phone-book grids,
// their numbers and names. ForwardGrid columns 1 and 2 mirror the phone book
// and ShortDialGrid rows 1 and 2 mirror the port numbers and names; they
// change only through the refresh and the decoder.
#pragma once

#include "cell_editor.h"

#include <QObject>

#include <functional>

namespace ql310 {

class EditorWindow;
class FixedCellGrid;

class GridCellEditing : public QObject {
    Q_OBJECT

public:
    // `clearStatusOnTabFocus` tells whether focus on the tab control also
    // empties panel 1 of the status bar.
    GridCellEditing(EditorWindow& window, std::function<bool()> clearStatusOnTabFocus,
                    QObject* parent = nullptr);

    // The grid PBBufText writes to: 0 PhoneBookGrid, -1 PhoneBookGrid2.
    qint16 phoneBookEditTarget() const { return m_phoneBookEditTarget; }
    CellEditor& phoneBookEditor() { return m_phoneBook; }

    // Copies the phone book into the forwarding grid's mirror columns and
    // the port numbers and names into the short-dial grid's mirror rows.
    void refreshMirroredCells();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forwardGridClick(int row, int column);
    void shortDialGridClick(int row, int column);
    void phoneBookGridClick(FixedCellGrid* grid, int row, int column);
    void tabsGotFocus();

    EditorWindow& m_window;
    std::function<bool()> m_clearStatusOnTabFocus;
    FixedCellGrid* m_forward;
    FixedCellGrid* m_shortDial;
    FixedCellGrid* m_book1;
    FixedCellGrid* m_book2;
    CellEditor m_forwardTo;
    CellEditor m_forwardActive;
    CellEditor m_shortDialEntry;
    CellEditor m_phoneBook;
    qint16 m_phoneBookEditTarget = 0;
};

} // namespace ql310
