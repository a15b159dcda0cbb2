// SPDX-License-Identifier: GPL-3.0-or-later
#include "delete_popup.h"

#include "editor_controls.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "grid_cell_editing.h"
#include "lcr_editor.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

namespace ql310 {

DeletePopup::DeletePopup(EditorWindow& window, GridCellEditing& grids, LcrEditor& lcr,
                         QObject* parent)
    : QObject(parent),
      m_grids(grids),
      m_lcr(lcr),
      m_menu(window.menu("mnuR")),
      m_lcrGrid(window.grid("LCRGrid")),
      m_book1(window.grid("PhoneBookGrid")),
      m_book2(window.grid("PhoneBookGrid2"))
{
    for (FixedCellGrid* grid : {m_lcrGrid, m_book1, m_book2})
        grid->viewport()->installEventFilter(this);
    connect(window.findChild<QAction*>(QStringLiteral("mnuRTD")), &QAction::triggered, this,
            &DeletePopup::deleteEntry);
}

FixedCellGrid* DeletePopup::gridOf(qint16 popupGrid) const
{
    switch (popupGrid) {
    case Lcr:
        return m_lcrGrid;
    case PhoneBook1:
        return m_book1;
    case PhoneBook2:
        return m_book2;
    default:
        return nullptr;
    }
}

bool DeletePopup::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton)
        return QObject::eventFilter(watched, event);
    // The right button never reaches the grid: it would move the current cell.
    if (type == QEvent::MouseButtonPress) {
        for (qint16 which : {Lcr, PhoneBook1, PhoneBook2})
            if (gridOf(which)->viewport() == watched)
                m_popupGrid = which;
        m_menu->popup(mouse->globalPosition().toPoint());
    }
    return true;
}

void DeletePopup::deleteEntry()
{
    FixedCellGrid* grid = gridOf(m_popupGrid);
    if (!grid)
        return;
    const int row = grid->currentRow();
    if (row < grid->fixedRows())
        return;
    if (grid == m_lcrGrid) {
        for (int column = grid->fixedColumns(); column < grid->columnCount(); ++column) {
            if (const auto empty = lcr_cells::emptyEntryText(column))
                grid->setCellText(row, column, *empty);
        }
        m_lcr.showEmptyEntry();
        return;
    }
    for (int column : {grid_places::kPeerNumberColumn, grid_places::kPeerNameColumn})
        grid->setCellText(row, column, QString());
    // Open, PBBufText shows its own cell: emptied with the entry, or another
    // entry's that it goes on editing.
    CellEditor& editor = m_grids.phoneBookEditor();
    if (!editor.isOpen())
        editor.setText(QString());
}

} // namespace ql310
