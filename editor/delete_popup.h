// SPDX-License-Identifier: GPL-3.0-or-later
// The "Delete Entry" pop-up of the LCR grid and the two phone-book grids:
// the right mouse button shows the menu mnuR, its item mnuRTD returns the
// grid's current entry to its empty state. The press does not move the
// grid's current cell, so the command acts on the row that was current.
#pragma once

#include <QObject>

class QMenu;

namespace ql310 {

class EditorWindow;
class FixedCellGrid;
class GridCellEditing;
class LcrEditor;

class DeletePopup : public QObject {
    Q_OBJECT

public:
    enum Grid : qint16 { NoGrid = 0, Lcr = 1, PhoneBook1 = 2, PhoneBook2 = 3 };

    DeletePopup(EditorWindow& window, GridCellEditing& grids, LcrEditor& lcr,
                QObject* parent = nullptr);

    // The grid the menu was last shown for (PopupGrid).
    qint16 popupGrid() const { return m_popupGrid; }

    // mnuRTD: empties the current row of the grid the menu was shown for.
    void deleteEntry();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FixedCellGrid* gridOf(qint16 popupGrid) const;

    GridCellEditing& m_grids;
    LcrEditor& m_lcr;
    QMenu* m_menu;
    FixedCellGrid* m_lcrGrid;
    FixedCellGrid* m_book1;
    FixedCellGrid* m_book2;
    qint16 m_popupGrid = NoGrid;
};

} // namespace ql310
