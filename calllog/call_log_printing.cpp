// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_log_printing.h"

#include "call_log_grid.h"
#include "twips.h"

#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

namespace ql310::calllog {

namespace {

constexpr int kPictureTopTwips = 100;
constexpr int kCallsPerPage = kPrintedRowsPerPage - 1;

// The calls of one page, `count` rows from `first` (0-based) of the grid's model.
class PageRows : public QAbstractTableModel {
public:
    explicit PageRows(const QAbstractItemModel& source) : m_source(source) {}
    void show(int first, int count)
    {
        beginResetModel();
        m_first = first;
        m_count = count;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_count;
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_source.columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return m_source.index(index.row() + m_first, index.column()).data(role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return m_source.headerData(section, orientation, role);
    }

private:
    const QAbstractItemModel& m_source;
    int m_first = 0;
    int m_count = 0;
};

} // namespace

QList<int> printedPageTopRows(int calls)
{
    QList<int> tops{1};
    for (int top = 1 + kCallsPerPage; top <= calls; top += kCallsPerPage)
        tops.append(top);
    return tops;
}

int printCallLog(const CallLogGrid& grid, QPrinter& printer)
{
    PageRows rows(*grid.callLogModel());
    QTableView page;
    page.setModel(&rows);
    page.setAttribute(Qt::WA_DontShowOnScreen);
    page.verticalHeader()->hide();
    page.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page.setTextElideMode(Qt::ElideNone);
    page.setWordWrap(false);
    page.setFont(grid.font());
    page.setPalette(grid.palette());
    page.horizontalHeader()->setMinimumSectionSize(0);
    page.verticalHeader()->setDefaultSectionSize(grid.verticalHeader()->defaultSectionSize());
    int width = 2 * page.frameWidth();
    for (int column = 0; column < grid.callLogModel()->columnCount(); ++column) {
        page.setColumnHidden(column, grid.isColumnHidden(column));
        page.setColumnWidth(column, grid.columnWidth(column));
        if (!grid.isColumnHidden(column))
            width += grid.columnWidth(column);
    }
    const int headerHeight = grid.horizontalHeader()->sizeHint().height();
    page.resize(width, headerHeight + kCallsPerPage * page.verticalHeader()->defaultSectionSize() +
                           2 * page.frameWidth());
    page.show();

    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    // Screen pixels become printer pixels at the same size on paper, made
    // smaller where the picture would not fit on the page below its top.
    const int top = twipsToPixelsY(printer, kPictureTopTwips);
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = qMin(double(printer.logicalDpiX()) / page.logicalDpiX(),
                              qMin(double(paper.width()) / qMax(page.width(), 1),
                                   double(paper.height() - top) / qMax(page.height(), 1)));
    const int calls = grid.callLogModel()->rowCount();
    const QList<int> tops = printedPageTopRows(calls);
    for (int i = 0; i < tops.size(); ++i) {
        if (i > 0)
            printer.newPage();
        const int first = tops[i] - 1;
        rows.show(first, qMin(kCallsPerPage, calls - first));
        painter.save();
        painter.translate(0, top);
        painter.scale(scale, scale);
        page.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
        painter.restore();
    }
    painter.end();
    return int(tops.size());
}

} // namespace ql310::calllog
