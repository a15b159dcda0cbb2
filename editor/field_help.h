// SPDX-License-Identifier: GPL-3.0-or-later
// The help line and the editing rules of the settings editor: panel 1 of
// the status bar shows a one-line hint for the field that gets the focus
// (or is emptied), the check between the two bandwidth-on-demand
// thresholds, and "Stop Music On Hold", which all four ports share.
#pragma once

#include "text_id.h"

#include <QHash>
#include <QObject>
#include <QSet>

class QComboBox;

namespace ql310 {

class EditorWindow;
class UserInteraction;

class FieldHelp : public QObject {
    Q_OBJECT

public:
    FieldHelp(EditorWindow& window, UserInteraction& interaction, QObject* parent = nullptr);

    // Warns when the close threshold is above the open threshold. Nothing
    // happens when either text is not a number or does not fit in 16 bits.
    void checkBandwidthThresholds();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchFocus(QWidget* control, TextId textId);
    void stopMusicOnHoldClicked(bool checked);

    EditorWindow& m_window;
    UserInteraction& m_interaction;
    QComboBox* m_open;
    QComboBox* m_close;
    // Focus hint of each watched widget: a text id, or 0 for "empty".
    QHash<QObject*, TextId> m_hints;
    // Keys pressed in CloseCPSCombo and not yet released.
    QSet<int> m_closeKeysDown;
};

} // namespace ql310
