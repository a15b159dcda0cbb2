// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the call-log grid: each page is a picture of the grid as it is
// drawn on screen, its header row and up to 61 calls below it, placed
// 100 twips below the top left of the page.
#pragma once

#include <QList>

class QPrinter;

namespace ql310::calllog {

class CallLogGrid;

// Grid rows a page holds, the header row counted.
inline constexpr int kPrintedRowsPerPage = 62;

// The first call (grid row, 1 = the first call) of every page for a log of
// `calls` calls; an empty log prints one page with the header row alone.
QList<int> printedPageTopRows(int calls);

// Prints `grid` on `printer`, which the user has chosen. Returns the pages
// printed; 0 when the printer could not be started.
int printCallLog(const CallLogGrid& grid, QPrinter& printer);

} // namespace ql310::calllog
