// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a grid cell against the room its cell leaves it: what the
// item delegate draws whole, and the whole text as a tool tip where the
// cell shows it cut short with "…".
#pragma once

#include <QString>

class QAbstractItemView;
class QHelpEvent;
class QModelIndex;

namespace ql310 {

// The width the view's delegate gives the text of the cell at `index`.
int cellTextRoom(const QAbstractItemView& view, const QModelIndex& index);
// True when the cell at `index` shows its whole text.
bool cellTextFits(const QAbstractItemView& view, const QModelIndex& index);
// Answers a tool-tip request on the view's viewport: the cell's own tool
// tip when it has one, else the whole text of a cell that does not fit, no
// tip otherwise. Always handles the event.
bool showCutCellText(const QAbstractItemView& view, QHelpEvent* event);

} // namespace ql310
