// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"

#include "call_log_grid.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "text_table.h"
#include "time_set.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

namespace ql310 {

namespace {

QString captionOf(QLayoutItem* item)
{
    const auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label ? captionDisplayText(label->text()).simplified() : QString();
}

QString joinedCaptions(const QStringList& parts)
{
    QStringList kept;
    for (const QString& part : parts)
        if (!part.isEmpty() && !kept.contains(part))
            kept.append(part);
    return kept.join(QStringLiteral(", "));
}

// Names `widget` (and the boxes of a time control) unless it has a name.
void nameWidget(QWidget* widget, const QString& name)
{
    if (name.isEmpty())
        return;
    if (auto* time = qobject_cast<CtlTimeSet*>(widget)) {
        time->hourBox()->setAccessibleName(name + QCoreApplication::translate("ql310::AccessibleNames", ", hour"));
        time->minuteBox()->setAccessibleName(name
                                             + QCoreApplication::translate("ql310::AccessibleNames", ", minute"));
        return;
    }
    // An editable list's text box takes the focus: it is said by the name too.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit() &&
                                                         combo->lineEdit()->accessibleName().isEmpty())
        combo->lineEdit()->setAccessibleName(name);
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->accessibleName().isEmpty())
        return;
    // A button's own text is said with the captions of its place.
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
        widget->setAccessibleName(joinedCaptions({captionDisplayText(button->text()), name}));
    else
        widget->setAccessibleName(name);
}

void nameCell(QLayoutItem* item, const QString& name)
{
    if (item->widget()) {
        nameWidget(item->widget(), name);
    } else if (QLayout* inner = item->layout()) {
        // Several controls in one cell: the first by the captions, the
        // others by theirs and the label beside them.
        QString before;
        for (int i = 0; i < inner->count(); ++i) {
            QLayoutItem* part = inner->itemAt(i);
            if (const QString caption = captionOf(part); !caption.isEmpty()) {
                before = caption;
                continue;
            }
            if (part->widget())
                nameWidget(part->widget(), joinedCaptions({before, name}));
        }
    }
}

void nameGrid(QGridLayout* grid)
{
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        QLayoutItem* item = grid->itemAt(i);
        if (column == 0 && !captionOf(item).isEmpty())
            continue;
        nameCell(item, joinedCaptions({captionOf(grid->itemAtPosition(row, 0)),
                                       row > 0 ? captionOf(grid->itemAtPosition(0, column)) : QString()}));
    }
}

// The header texts of a grid's fixed rows become its columns' header
// data: what a screen reader says for a cell's column.
void headColumns(FixedCellGrid* grid)
{
    QStringList headers;
    for (int column = 0; column < grid->columnCount(); ++column) {
        QStringList parts;
        for (int row = 0; row < grid->fixedRows(); ++row)
            parts.append(grid->cellText(row, column).simplified());
        headers.append(joinedCaptions(parts));
    }
    grid->setHorizontalHeaderLabels(headers);
}

} // namespace

void nameByLayoutCaptions(QWidget* root)
{
    QList<QGridLayout*> grids = root->findChildren<QGridLayout*>();
    if (auto* own = qobject_cast<QGridLayout*>(root->layout()))
        grids.prepend(own);
    for (QGridLayout* grid : grids)
        nameGrid(grid);
}

void nameForAccessibility(EditorWindow& window)
{
    auto named = [&window](const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); };
    auto caption = [&window](const char* name) {
        const auto* label = window.findChild<QLabel*>(QLatin1String(name));
        return label ? captionDisplayText(label->text()).simplified() : QString();
    };

    // The MSN rows are numbered 1 to 5 under one caption.
    const QString msn = caption("MSNIncomingMSN");
    static const char* const kPortBoxes[] = {"PortMSN1", "PortMSN2", "PortMSN3"};
    static const char* const kTypeCombos[] = {"PortMSNType1", "PortMSNType2", "PortMSNType3"};
    for (int port = 0; port < kPortCount; ++port) {
        const QString column = caption(QStringLiteral("MSNPort%1").arg(port + 1).toLatin1().constData());
        for (int k = 0; k < 3; ++k) {
            named(controlName(kPortBoxes[k], port).toLatin1().constData())
                ->setAccessibleName(joinedCaptions({msn, QString::number(k + 1), column}));
            named(controlName(kTypeCombos[k], port).toLatin1().constData())
                ->setAccessibleName(
                    joinedCaptions({msn, QString::number(k + 1), column,
                                    QCoreApplication::translate("ql310::AccessibleNames", "ring type")}));
        }
    }
    for (int k = 1; k <= 5; ++k)
        named(QStringLiteral("DataMSN%1").arg(k).toLatin1().constData())
            ->setAccessibleName(joinedCaptions({msn, QString::number(k), caption("MSNData")}));

    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        nameByLayoutCaptions(tabs);
        const QString pages = tabs == window.tabs()
            ? QCoreApplication::translate("ql310::AccessibleNames", "Pages")
            : QCoreApplication::translate("ql310::AccessibleNames", "LCR pages");
        tabs->setAccessibleName(pages);
        tabs->tabBar()->setAccessibleName(pages);
    }
    // The forwarding frame's controls: its caption too.
    if (auto* frame = window.findChild<QGroupBox*>(QStringLiteral("FWBy")))
        for (QWidget* control : frame->findChildren<QWidget*>())
            if (!control->accessibleName().isEmpty() && !control->accessibleName().startsWith(frame->title()))
                control->setAccessibleName(joinedCaptions({frame->title(), control->accessibleName()}));

    // Grids by their captions, their columns by their header texts.
    const std::pair<const char*, QString> grids[] = {
        {"ForwardGrid", caption("FWBook")},
        {"ShortDialGrid", window.tabs()->tabText(5).remove(u'&')},
        {"PhoneBookGrid", joinedCaptions({window.tabs()->tabText(6).remove(u'&'), caption("PBLabel1")})},
        {"PhoneBookGrid2", joinedCaptions({window.tabs()->tabText(6).remove(u'&'), caption("PBLabel2")})},
        {"LCRGrid", text(TextId::Table120)}};
    for (const auto& [name, gridCaption] : grids) {
        FixedCellGrid* grid = window.grid(name);
        grid->setAccessibleName(gridCaption);
        headColumns(grid);
    }
    window.callLogGrid()->setAccessibleName(text(TextId::CallLogging_372));

    // The status panels.
    const char* const panels[] = {QT_TRANSLATE_NOOP("ql310::AccessibleNames", "Status"),
                                  QT_TRANSLATE_NOOP("ql310::AccessibleNames", "Firmware version"),
                                  QT_TRANSLATE_NOOP("ql310::AccessibleNames", "Country")};
    for (int i = 0; i < 3; ++i)
        if (QWidget* panel = named(QStringLiteral("StatusPanel%1").arg(i + 1).toLatin1().constData()))
            panel->setAccessibleName(QCoreApplication::translate("ql310::AccessibleNames", panels[i]));
}

} // namespace ql310
