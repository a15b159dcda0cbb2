// SPDX-License-Identifier: GPL-3.0-or-later
#include "lcr_editor.h"

#include "editor_controls.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "text_table.h"

#include <QEvent>

namespace ql310 {

using namespace grid_places;
using namespace lcr_cells;

namespace {

constexpr TextId kAllHoursText = TextId::All_364;
constexpr TextId kNoText = TextId::No;

QWidget* editorControl(const EditorWindow& window, const char* name)
{
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace

std::optional<QString> lcr_cells::emptyEntryText(int column)
{
    switch (column) {
    case kLcrRangeFromColumn:
    case kLcrRangeToColumn:
    case kLcrPrefixColumn:
        return QString();
    case kLcrPrefixModeColumn:
        return text(TextId::Replace);
    case kLcrStartColumn:
    case kLcrEndColumn:
        return QString::fromLatin1(kNoHour);
    case kLcrDaysColumn:
        return text(TextId::MonFri);
    case kLcrActiveColumn:
        return text(kNoText);
    default:
        return std::nullopt;
    }
}

LcrEditor::LcrEditor(EditorWindow& window, QObject* parent)
    : QObject(parent),
      m_window(window),
      m_grid(window.grid("LCRGrid")),
      m_text(editorControl(window, "LCRBufText"), this),
      m_mode(editorControl(window, "LCRAdd"), this),
      m_hour(editorControl(window, "LCRTime"), this),
      m_period(editorControl(window, "LCRWeek"), this),
      m_active(editorControl(window, "LCRActive"), this)
{
    onCellOpenRequest(m_grid, this, [this](int row, int column) { gridClick(row, column); });
    onGridScrolled(m_grid, this, [this] {
        m_gridScrolled = m_gridScrolled ? 0 : -1;
        hideAll();
        m_window.setStatusPanel(1, QString());
    });
    // Delete empties the dial ranges and the prefix; the listed columns
    // keep a value from their lists.
    onCellDeleteRequest(m_grid, this, [this](int row, int column) {
        if (editorFor(column) == &m_text)
            m_text.emptyCell(m_grid, row, column);
    });
    m_hour.setWritesBack(false);
    connect(&m_hour, &CellEditor::edited, this, &LcrEditor::hourChosen);
    m_text.widget()->installEventFilter(this);
}

CellEditor* LcrEditor::editorFor(int column)
{
    switch (column) {
    case kLcrRangeFromColumn:
    case kLcrRangeToColumn:
    case kLcrPrefixColumn:
        return &m_text;
    case kLcrPrefixModeColumn:
        return &m_mode;
    case kLcrStartColumn:
    case kLcrEndColumn:
        return &m_hour;
    case kLcrDaysColumn:
        return &m_period;
    case kLcrActiveColumn:
        return &m_active;
    default:
        return nullptr;
    }
}

void LcrEditor::hideAll()
{
    for (CellEditor* editor : {&m_mode, &m_hour, &m_period, &m_text, &m_active})
        editor->hide();
}

void LcrEditor::gridClick(int row, int column)
{
    hideAll();
    m_window.setStatusPanel(1, QString());
    if (m_grid->isFixedCell(row, column))
        return;
    if (CellEditor* editor = editorFor(column))
        editor->open(m_grid, row, column);
}

void LcrEditor::hourChosen(const QString& chosen)
{
    const QString all = text(kAllHoursText);
    const int row = m_hour.row();
    const int column = m_hour.column();
    const int otherColumn = column == kLcrStartColumn ? kLcrEndColumn : kLcrStartColumn;
    if (m_grid->cellText(row, column) != all) {
        if (chosen == all) {
            m_grid->setCellText(row, kLcrStartColumn, all);
            m_grid->setCellText(row, kLcrEndColumn, all);
        } else {
            m_grid->setCellText(row, column, chosen);
        }
    } else if (chosen != all) {
        // Leaving the whole day: the other hour is no longer set.
        m_grid->setCellText(row, column, chosen);
        m_grid->setCellText(row, otherColumn, QString::fromLatin1(kNoHour));
    }
}

void LcrEditor::showEmptyEntry()
{
    // Each editor with a column it edits.
    const std::pair<CellEditor*, int> editors[] = {{&m_mode, kLcrPrefixModeColumn},
                                                   {&m_period, kLcrDaysColumn},
                                                   {&m_hour, kLcrStartColumn},
                                                   {&m_text, kLcrRangeFromColumn},
                                                   {&m_active, kLcrActiveColumn}};
    for (const auto& [editor, column] : editors)
        if (!editor->isOpen())
            editor->setText(*emptyEntryText(column));
}

bool LcrEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text.widget() && event->type() == QEvent::FocusIn) {
        constexpr TextId kPrefixHint = TextId::ThePhoneCodeAllowsYou;
        constexpr TextId kNumberHint = TextId::ThePhoneNumberSuchAs;
        m_window.setStatusPanel(1, text(m_text.column() == kLcrPrefixColumn ? kPrefixHint : kNumberHint));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ql310
