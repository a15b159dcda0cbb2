// SPDX-License-Identifier: GPL-3.0-or-later
// Printing of a table as the picture of its grid on one printed page, at a
// position given in twips from the top left of the printable area.
//
// The picture is drawn from the grid's cells, not from the screen: every row
// and column with its text, font, colours, alignment and merged cells, at
// the column widths and row heights the grid has on screen (the same size
// on paper as there), header cells whole, without scroll bars, selection or
// the scroll position. Text stays text (a PDF printout can be searched).
#pragma once

#include <QList>

class QPainter;
class QPaintDevice;
class QPrinter;
class QTableView;

namespace ql310 {

class UserInteraction;

// One grid and where its picture goes on the page.
struct GridPicture {
    QTableView* grid = nullptr;
    int xTwips = 0;
    int yTwips = 0;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Draws each grid's picture, in order, on `painter`, which paints on
// `target`. A picture that would cover the one before it at the same height
// starts where that one ends instead; when the pictures are larger than the
// page, all of them are drawn smaller alike, so that every row and column
// is on it.
void drawGridPictures(QPainter& painter, const QPaintDevice& target,
                      const QList<GridPicture>& pictures);

// The printer dialog, then one page with the pictures. Cancel prints
// nothing; so does a printer that cannot start the job.
PrintOutcome printGridPage(UserInteraction& interaction, QPrinter& printer,
                           const QList<GridPicture>& pictures);

} // namespace ql310
