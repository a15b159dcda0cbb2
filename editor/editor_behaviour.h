// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the settings editor does while the user edits: in-place grid
// editing with the mirrored-cell refresh, the LCR editor, the field help
// and the "Delete Entry" pop-up, wired to one editor window.
#pragma once

#include "delete_popup.h"
#include "field_help.h"
#include "grid_cell_editing.h"
#include "lcr_editor.h"

#include <QObject>

#include <functional>

namespace ql310 {

class EditorWindow;
class UserInteraction;

class EditorBehaviour : public QObject {
    Q_OBJECT

public:
    // `clearStatusOnTabFocus` tells whether focus on the tab control also
    // empties the help line (the window's ClearStatusOnTabFocus flag).
    EditorBehaviour(EditorWindow& window, UserInteraction& interaction,
                    std::function<bool()> clearStatusOnTabFocus, QObject* parent = nullptr);

    GridCellEditing& grids() { return m_grids; }
    LcrEditor& lcr() { return m_lcr; }
    FieldHelp& fieldHelp() { return m_fieldHelp; }
    DeletePopup& deletePopup() { return m_deletePopup; }

private:
    GridCellEditing m_grids;
    LcrEditor m_lcr;
    FieldHelp m_fieldHelp;
    DeletePopup m_deletePopup;
};

} // namespace ql310
