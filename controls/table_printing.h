// SPDX-License-Identifier: GPL-3.0-or-later
// Printing of a table as the picture of its grid: what the grid shows on
// screen (rows, columns, cell texts, scroll position) drawn on one printed
// page at a position given in twips from the top left of the printable area.
#pragma once

#include <QList>

class QPainter;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace ql310 {

class UserInteraction;

// One grid and where its picture goes on the page.
struct GridPicture {
    QWidget* grid = nullptr;
    int xTwips = 0;
    int yTwips = 0;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Draws each grid's picture, in order, on `painter`, which paints on
// `target`. A picture keeps the size it has on screen: twips on paper are
// twips on screen. A grid on a tab page that has not been shown yet is laid
// out as its page would be first.
void drawGridPictures(QPainter& painter, const QPaintDevice& target,
                      const QList<GridPicture>& pictures);

// The printer dialog, then one page with the pictures. Cancel prints
// nothing; so does a printer that cannot start the job.
PrintOutcome printGridPage(UserInteraction& interaction, QPrinter& printer,
                           const QList<GridPicture>& pictures);

} // namespace ql310
