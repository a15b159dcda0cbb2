// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_cell_editing.h"

#include "editor_controls.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace ql310 {

using namespace grid_places;

namespace {

constexpr int kForwardRows = 2 * kPhoneBookRowsPerGrid;  // entries 801..840 in rows 1..40
constexpr int kShortDialNumberRow = 1;                   // mirrors of the port numbers
constexpr int kShortDialNameRow = 2;                     // and names

template <class Widget>
Widget* control(const EditorWindow& window, const char* name, int index = -1)
{
    return window.findChild<Widget*>(controlName(name, index));
}

// Sets the current cell without scrolling the grid (a scroll would hide
// the grid's open editors).
void moveCurrentCell(FixedCellGrid* grid, int row, int column)
{
    const bool autoScroll = grid->hasAutoScroll();
    grid->setAutoScroll(false);
    grid->setCurrentCell(row, column);
    grid->setAutoScroll(autoScroll);
}

} // namespace

GridCellEditing::GridCellEditing(EditorWindow& window, std::function<bool()> clearStatusOnTabFocus,
                                 QObject* parent)
    : QObject(parent),
      m_window(window),
      m_clearStatusOnTabFocus(std::move(clearStatusOnTabFocus)),
      m_forward(window.grid("ForwardGrid")),
      m_shortDial(window.grid("ShortDialGrid")),
      m_book1(window.grid("PhoneBookGrid")),
      m_book2(window.grid("PhoneBookGrid2")),
      m_forwardTo(control<QWidget>(window, "FWBufText"), this),
      m_forwardActive(control<QWidget>(window, "FWActive"), this),
      m_shortDialEntry(control<QWidget>(window, "SDBufText"), this),
      m_phoneBook(control<QWidget>(window, "PBBufText"), this)
{
    onCellOpenRequest(m_forward, this, [this](int row, int column) { forwardGridClick(row, column); });
    onCellOpenRequest(m_shortDial, this,
                      [this](int row, int column) { shortDialGridClick(row, column); });
    for (FixedCellGrid* book : {m_book1, m_book2})
        onCellOpenRequest(book, this,
                          [this, book](int row, int column) { phoneBookGridClick(book, row, column); });

    onGridScrolled(m_forward, this, [this] {
        m_forwardTo.hide();
        m_forwardActive.hide();
    });
    onGridScrolled(m_shortDial, this, [this] { m_shortDialEntry.hide(); });
    for (FixedCellGrid* book : {m_book1, m_book2})
        onGridScrolled(book, this, [this] { m_phoneBook.hide(); });

    // A click on a page tab gives the tabs the focus, as the refresh needs;
    // moving between pages while they have it gives them no new focus.
    QTabBar* tabBar = window.tabs()->tabBar();
    tabBar->setFocusPolicy(Qt::StrongFocus);
    tabBar->installEventFilter(this);
}

void GridCellEditing::forwardGridClick(int row, int column)
{
    m_forwardTo.hide();
    m_forwardActive.hide();
    m_window.setStatusPanel(1, QString());
    if (m_forward->isFixedCell(row, column))
        return;
    if (column == kForwardToColumn)
        m_forwardTo.open(m_forward, row, column);
    else if (column == kForwardActiveColumn)
        m_forwardActive.open(m_forward, row, column);
}

void GridCellEditing::shortDialGridClick(int row, int column)
{
    m_shortDialEntry.hide();
    m_window.setStatusPanel(1, QString());
    if (m_shortDial->isFixedCell(row, column))
        return;
    m_shortDialEntry.open(m_shortDial, row, column);
}

void GridCellEditing::phoneBookGridClick(FixedCellGrid* grid, int row, int column)
{
    m_phoneBook.hide();
    m_window.setStatusPanel(1, QString());
    if (grid->isFixedCell(row, column) || (column != kPeerNumberColumn && column != kPeerNameColumn))
        return;
    m_phoneBookEditTarget = grid == m_book2 ? -1 : 0;
    m_phoneBook.open(grid, row, column);
}

void GridCellEditing::refreshMirroredCells()
{
    for (int k = 0; k < kForwardRows; ++k) {
        FixedCellGrid* book = k < kPhoneBookRowsPerGrid ? m_book1 : m_book2;
        const int bookRow = k % kPhoneBookRowsPerGrid + 1;
        for (int column : {kPeerNumberColumn, kPeerNameColumn})
            m_forward->setCellText(k + 1, column, book->cellText(bookRow, column));
    }
    for (int port = 0; port < kPortCount; ++port) {
        const int column = port + 1;
        m_shortDial->setCellText(kShortDialNumberRow, column,
                                 control<QLineEdit>(m_window, "PortNumber", port)->text());
        m_shortDial->setCellText(kShortDialNameRow, column,
                                 control<QLineEdit>(m_window, "PortName", port)->text());
    }
    // Where the copy leaves the grids' current cells. ForwardGrid's column 2
    // is a header column, so its current cell lands on column 3 of row 40.
    moveCurrentCell(m_forward, kForwardRows, kPeerNameColumn);
    moveCurrentCell(m_book1, kPhoneBookRowsPerGrid, kPeerNameColumn);
    moveCurrentCell(m_book2, kPhoneBookRowsPerGrid, kPeerNameColumn);
    moveCurrentCell(m_shortDial, kFirstShortDialRow, kPortCount);
}

void GridCellEditing::tabsGotFocus()
{
    if (m_clearStatusOnTabFocus && m_clearStatusOnTabFocus())
        m_window.setStatusPanel(1, QString());
    refreshMirroredCells();
}

bool GridCellEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // Coming back to the window or from a pop-up is no new focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            tabsGotFocus();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ql310
