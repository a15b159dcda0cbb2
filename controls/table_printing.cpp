// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_printing.h"

#include "busy_pointer.h"
#include "interaction.h"
#include "twips.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTableView>

#include <algorithm>
#include <functional>
#include <vector>

namespace ql310 {

namespace {

// The edges of the columns (or rows) of a picture, in target pixels: edge i
// is where column i starts; a hidden column has no width.
std::vector<double> edges(int count, double scale, const std::function<int(int)>& size)
{
    std::vector<double> at(static_cast<size_t>(count) + 1, 0.0);
    for (int i = 0; i < count; ++i)
        at[i + 1] = at[i] + size(i) * scale;
    return at;
}

struct Layout {
    std::vector<double> x;  // column edges
    std::vector<double> y;  // row edges
    double width() const { return x.back(); }
    double height() const { return y.back(); }
};

// The grid's font for the target: a font sized in pixels keeps its size on
// paper as the columns do; one sized in points already does.
QFont printedFont(QFont font, double scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return font;
}

// Space between a cell's border and its text, in grid pixels.
constexpr double kPadding = 2;

// The columns as wide as on screen, and wider where a cell's text (a
// header's above all) would not fit whole.
Layout layoutOf(const QTableView& grid, double scale, const QPaintDevice& target)
{
    const QAbstractItemModel* model = grid.model();
    const QFontMetricsF gridMetrics(printedFont(grid.font(), scale), &target);
    std::vector<double> textWidth(static_cast<size_t>(model->columnCount()), 0.0);
    for (int r = 0; r < model->rowCount(); ++r) {
        for (int c = 0; c < model->columnCount(); ++c) {
            if (grid.columnSpan(r, c) > 1)
                continue;
            const QModelIndex index = model->index(r, c);
            const QString text = index.data(Qt::DisplayRole).toString();
            if (text.isEmpty())
                continue;
            const QVariant font = index.data(Qt::FontRole);
            const double width = font.canConvert<QFont>()
                                     ? QFontMetricsF(printedFont(font.value<QFont>(), scale), &target)
                                           .horizontalAdvance(text)
                                     : gridMetrics.horizontalAdvance(text);
            textWidth[c] = std::max(textWidth[c], width + 2 * kPadding * scale + 1);
        }
    }
    Layout layout;
    layout.x.assign(1, 0.0);
    for (int c = 0; c < model->columnCount(); ++c) {
        const double width = grid.isColumnHidden(c) ? 0 : std::max(grid.columnWidth(c) * scale, textWidth[c]);
        layout.x.push_back(layout.x.back() + width);
    }
    layout.y = edges(model->rowCount(), scale,
                     [&](int r) { return grid.isRowHidden(r) ? 0 : grid.rowHeight(r); });
    return layout;
}

void drawGrid(QPainter& painter, const QTableView& grid, const Layout& layout, double scale)
{
    const QAbstractItemModel* model = grid.model();
    const int rows = model->rowCount();
    const int columns = model->columnCount();
    const QFont gridFont = printedFont(grid.font(), scale);
    const double padding = kPadding * scale;
    const QPen gridLine(QColor(0x80, 0x80, 0x80), 0);
    std::vector<bool> covered(static_cast<size_t>(rows) * columns, false);

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (covered[static_cast<size_t>(r) * columns + c])
                continue;
            const int rowSpan = std::clamp(grid.rowSpan(r, c), 1, rows - r);
            const int columnSpan = std::clamp(grid.columnSpan(r, c), 1, columns - c);
            for (int i = r; i < r + rowSpan; ++i)
                for (int k = c; k < c + columnSpan; ++k)
                    covered[static_cast<size_t>(i) * columns + k] = true;
            const QRectF cell(QPointF(layout.x[c], layout.y[r]),
                              QPointF(layout.x[c + columnSpan], layout.y[r + rowSpan]));
            if (cell.width() <= 0 || cell.height() <= 0)
                continue;

            const QModelIndex index = model->index(r, c);
            const QVariant background = index.data(Qt::BackgroundRole);
            if (background.canConvert<QBrush>() && background.value<QBrush>().style() != Qt::NoBrush)
                painter.fillRect(cell, background.value<QBrush>());
            painter.setPen(gridLine);
            painter.drawRect(cell);

            const QString text = index.data(Qt::DisplayRole).toString();
            if (text.isEmpty())
                continue;
            const QVariant font = index.data(Qt::FontRole);
            painter.setFont(font.canConvert<QFont>() ? printedFont(font.value<QFont>(), scale) : gridFont);
            const QVariant foreground = index.data(Qt::ForegroundRole);
            painter.setPen(foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color()
                                                           : QColor(Qt::black));
            const QVariant alignment = index.data(Qt::TextAlignmentRole);
            const int flags = alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
            painter.drawText(cell.adjusted(padding, 0, -padding, 0), flags | Qt::TextSingleLine, text);
        }
    }
}

} // namespace

void drawGridPictures(QPainter& painter, const QPaintDevice& target,
                      const QList<GridPicture>& pictures)
{
    struct Placed {
        const QTableView* grid;
        QPointF at;
        Layout layout;
        double scale;
    };
    std::vector<Placed> placed;
    double right = 0;
    double bottom = 0;
    for (const GridPicture& picture : pictures) {
        if (!picture.grid || !picture.grid->model())
            continue;
        // Pixels of the grid on screen to pixels of the target, so that the
        // picture has the grid's size on screen.
        const double scale = static_cast<double>(target.logicalDpiX()) / picture.grid->logicalDpiX();
        Placed next{picture.grid,
                    QPointF(twipsToPixelsX(target, picture.xTwips), twipsToPixelsY(target, picture.yTwips)),
                    layoutOf(*picture.grid, scale, target), scale};
        for (const Placed& before : placed) {
            const bool sameRows = next.at.y() < before.at.y() + before.layout.height() &&
                                  before.at.y() < next.at.y() + next.layout.height();
            const double end = before.at.x() + before.layout.width();
            if (sameRows && next.at.x() >= before.at.x() && next.at.x() < end)
                next.at.setX(end);
        }
        right = std::max(right, next.at.x() + next.layout.width());
        bottom = std::max(bottom, next.at.y() + next.layout.height());
        placed.push_back(std::move(next));
    }

    painter.save();
    const double fit = std::min({1.0, right > 0 ? (target.width() - 1) / right : 1.0,
                                 bottom > 0 ? (target.height() - 1) / bottom : 1.0});
    painter.scale(fit, fit);
    for (const Placed& picture : placed) {
        painter.save();
        painter.translate(picture.at);
        drawGrid(painter, *picture.grid, picture.layout, picture.scale);
        painter.restore();
    }
    painter.restore();
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
