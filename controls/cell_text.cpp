// SPDX-License-Identifier: GPL-3.0-or-later
#include "cell_text.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace ql310 {

int cellTextRoom(const QAbstractItemView& view, const QModelIndex& index)
{
    // The delegate keeps a margin on either side of the text.
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    int room = view.visualRect(index).width() - 2 * margin;
    // An icon before the text takes its width and a margin.
    if (index.data(Qt::DecorationRole).isValid()) {
        const int icon = view.iconSize().isValid()
                             ? view.iconSize().width()
                             : view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
        room -= icon + 2 * margin;
    }
    return room;
}

bool cellTextFits(const QAbstractItemView& view, const QModelIndex& index)
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return true;
    QFont font = view.font();
    if (const QVariant cellFont = index.data(Qt::FontRole); cellFont.canConvert<QFont>())
        font = cellFont.value<QFont>();
    return QFontMetrics(font, &view).horizontalAdvance(text) <= cellTextRoom(view, index);
}

bool showCutCellText(const QAbstractItemView& view, QHelpEvent* event)
{
    const QModelIndex index = view.indexAt(event->pos());
    // A cell's own tool tip comes first (a lost call's "Lost").
    if (const QString own = index.data(Qt::ToolTipRole).toString(); index.isValid() && !own.isEmpty())
        QToolTip::showText(event->globalPos(), own, view.viewport());
    else if (index.isValid() && !cellTextFits(view, index))
        QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(),
                           view.viewport());
    else
        QToolTip::hideText();
    return true;
}

} // namespace ql310
