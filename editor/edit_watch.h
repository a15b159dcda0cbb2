// SPDX-License-Identifier: GPL-3.0-or-later
// Tells when the user changes the configuration in the editor: typing in a
// text box (a grid's in-place editors and the time controls included), a
// choice in a list, a click on a check box, a step of a time control, a cell
// emptied with Delete, an entry deleted from the pop-up menu. Changes made
// by the program (the decoder, the mirrored-cell refresh) do not count. The
// call log is not part of the configuration.
#pragma once

#include <QObject>

namespace ql310 {

class EditorBehaviour;
class EditorWindow;

class EditWatch : public QObject {
    Q_OBJECT

public:
    EditWatch(EditorWindow& window, EditorBehaviour& behaviour, QObject* parent = nullptr);

signals:
    void edited();
};

} // namespace ql310
