// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_watch.h"

#include "cell_editor.h"
#include "editor_behaviour.h"
#include "editor_window.h"
#include "time_set.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace ql310 {

EditWatch::EditWatch(EditorWindow& window, EditorBehaviour& behaviour, QObject* parent)
    : QObject(parent)
{
    QWidget* callLog = window.findChild<QWidget*>(QStringLiteral("CallLogPage"));
    const auto inEditor = [callLog](const QWidget* widget) {
        return !callLog || !callLog->isAncestorOf(widget);
    };
    const QTabWidget* tabs = window.tabs();
    for (QLineEdit* box : tabs->findChildren<QLineEdit*>())
        if (inEditor(box))
            connect(box, &QLineEdit::textEdited, this, &EditWatch::edited);
    for (QComboBox* combo : tabs->findChildren<QComboBox*>())
        if (inEditor(combo))
            connect(combo, &QComboBox::activated, this, &EditWatch::edited);
    for (QCheckBox* box : tabs->findChildren<QCheckBox*>())
        if (inEditor(box))
            connect(box, &QCheckBox::clicked, this, &EditWatch::edited);
    // A time box changes under the user's hands while it has the focus:
    // typing, the spinner's arrows, the Up and Down keys.
    for (CtlTimeSet* time : tabs->findChildren<CtlTimeSet*>())
        for (QLineEdit* box : {time->hourBox(), time->minuteBox()})
            connect(box, &QLineEdit::textChanged, this, [this, box] {
                if (box->hasFocus())
                    emit edited();
            });
    for (CellEditor* editor : behaviour.findChildren<CellEditor*>())
        connect(editor, &CellEditor::emptied, this, &EditWatch::edited);
    if (auto* deleteEntry = window.findChild<QAction*>(QStringLiteral("mnuRTD")))
        connect(deleteEntry, &QAction::triggered, this, &EditWatch::edited);
}

} // namespace ql310
