// SPDX-License-Identifier: GPL-3.0-or-later
// The LCR table editor: the five in-place editors of LCRGrid, chosen by
// column, with the whole-day rule of the hour columns ("All" stands in both
// hour columns of an entry together, "--" is no hour set).
//
// An LCR entry n (1..20) is row n + 1 of LCRGrid. The exclusion table is a
// set of ordinary controls and needs no editor of its own.
#pragma once

#include "cell_editor.h"

#include <QObject>
#include <QString>

#include <optional>

namespace ql310 {

class EditorWindow;
class FixedCellGrid;

namespace lcr_cells {
inline constexpr const char* kNoHour = "--";

// What column `column` of an empty entry shows ("replace", "--", "Mon-Fri",
// "No", or empty); nothing for the columns an empty entry keeps (the entry
// number and the arrows).
std::optional<QString> emptyEntryText(int column);
} // namespace lcr_cells

class LcrEditor : public QObject {
    Q_OBJECT

public:
    explicit LcrEditor(EditorWindow& window, QObject* parent = nullptr);

    // Toggled by every scroll of the grid (16-bit boolean, true = -1).
    qint16 gridScrolled() const { return m_gridScrolled; }

    // Brings the five editors in line with an emptied entry without writing
    // into any cell: an editor open over the entry already shows its emptied
    // cell, a hidden one takes the empty entry's text, and one left open over
    // another entry keeps showing its own cell.
    void showEmptyEntry();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gridClick(int row, int column);
    void hourChosen(const QString& chosen);
    void hideAll();
    CellEditor* editorFor(int column);

    EditorWindow& m_window;
    FixedCellGrid* m_grid;
    CellEditor m_text;    // LCRBufText
    CellEditor m_mode;    // LCRAdd
    CellEditor m_hour;    // LCRTime
    CellEditor m_period;  // LCRWeek
    CellEditor m_active;  // LCRActive
    qint16 m_gridScrolled = 0;
};

} // namespace ql310
