// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_printing.h"

#include "busy_pointer.h"
#include "interaction.h"
#include "twips.h"

#include <QLayout>
#include <QPainter>
#include <QPrinter>
#include <QStackedWidget>
#include <QWidget>

namespace ql310 {

namespace {

// A page of a tab or stack that is not the current one has never been given
// its size; give it the size it would have when shown and lay it out, so the
// grid's picture is the one the user sees on that page.
void layOutHiddenPages(QWidget* grid)
{
    QList<QWidget*> chain;
    for (QWidget* widget = grid; widget; widget = widget->parentWidget())
        chain.prepend(widget);
    for (QWidget* widget : chain) {
        auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
        if (stack && stack->currentWidget() != widget)
            widget->setGeometry(stack->contentsRect());
        if (widget->layout())
            widget->layout()->activate();
    }
}

} // namespace

void drawGridPictures(QPainter& painter, const QPaintDevice& target,
                      const QList<GridPicture>& pictures)
{
    for (const GridPicture& picture : pictures) {
        if (!picture.grid)
            continue;
        layOutHiddenPages(picture.grid);
        const QWidget& grid = *picture.grid;
        painter.save();
        painter.translate(twipsToPixelsX(target, picture.xTwips),
                          twipsToPixelsY(target, picture.yTwips));
        painter.scale(static_cast<double>(target.logicalDpiX()) / grid.logicalDpiX(),
                      static_cast<double>(target.logicalDpiY()) / grid.logicalDpiY());
        picture.grid->render(&painter, QPoint(), QRegion(),
                             QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.restore();
    }
}

PrintOutcome printGridPage(UserInteraction& interaction, QPrinter& printer,
                           const QList<GridPicture>& pictures)
{
    if (!interaction.choosePrinter(printer))
        return PrintOutcome::Cancelled;
    BusyPointer busy;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    drawGridPictures(painter, printer, pictures);
    // One page: the job ends with the painter.
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace ql310
