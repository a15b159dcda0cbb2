// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_controls.h"

#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "time_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace ql310 {

namespace {

template <class Widget>
Widget* find(const EditorWindow& editor, const char* name, int index = -1)
{
    auto* widget = editor.findChild<Widget*>(controlName(name, index));
    Q_ASSERT_X(widget, "EditorControls", name);
    return widget;
}

PortControls portControls(const EditorWindow& editor, int p)
{
    static const char* const kMsn[] = {"PortMSN1", "PortMSN2", "PortMSN3"};
    static const char* const kTypes[] = {"PortMSNType1", "PortMSNType2", "PortMSNType3"};
    PortControls c;
    c.number = find<QLineEdit>(editor, "PortNumber", p);
    c.name = find<QLineEdit>(editor, "PortName", p);
    for (int k = 0; k < image::kMsnSlots; ++k) {
        c.msn[k] = find<QLineEdit>(editor, kMsn[k], p);
        c.ringType[k] = find<QComboBox>(editor, kTypes[k], p);
    }
    c.ownNumber = find<QLineEdit>(editor, "PortOwnNumber", p);
    c.acceptAllMsn = find<QCheckBox>(editor, "AcceptAllMSN", p);
    c.needMorningCall = find<QCheckBox>(editor, "PortNeedMCall", p);
    c.morningCall = editor.timeSet(p);
    c.toOutside = find<QCheckBox>(editor, "PortToOutside", p);
    c.showInId = find<QCheckBox>(editor, "PortShowInID", p);
    c.showOutId = find<QCheckBox>(editor, "PortShowOutID", p);
    c.callWait = find<QCheckBox>(editor, "PortCallWait", p);
    c.takeOver = find<QCheckBox>(editor, "PortTakeOver", p);
    c.stopMusicOnHold = find<QCheckBox>(editor, "PortStopMusicOnHold", p);
    c.forwardingType = find<QComboBox>(editor, "ForwardingType", p);
    c.forwardingNumber = find<QLineEdit>(editor, "ForwardingNumber", p);
    c.noAnswerTime = find<QComboBox>(editor, "NoAnswerTime", p);
    return c;
}

} // namespace

EditorControls::EditorControls(const EditorWindow& editor)
{
    dataAcceptAllMsn = find<QCheckBox>(editor, "DataAcceptAllMSN");
    prefer1B = find<QCheckBox>(editor, "Prefer1B");
    ddi = find<QComboBox>(editor, "DDICombo");
    analogLaw = find<QComboBox>(editor, "AnalogLaw");
    for (int k = 0; k < static_cast<int>(dataMsn.size()); ++k) {
        const QByteArray name = "DataMSN" + QByteArray::number(k + 1);
        dataMsn[k] = find<QLineEdit>(editor, name.constData());
    }
    dataOwnNumber = find<QLineEdit>(editor, "DataOwnNumber");
    callIdOption = find<QComboBox>(editor, "PortCallIDOption");
    static const char* const kBod[] = {"Min2BCombo", "Delay2BCombo", "OpenCPSCombo", "CloseCPSCombo"};
    for (int i = 0; i < 4; ++i)
        bod[i] = find<QComboBox>(editor, kBod[i]);
    for (int p = 0; p < image::kPorts; ++p)
        ports[p] = portControls(editor, p);
    for (int i = 0; i < image::kExclusionEntries; ++i) {
        ExclusionControls& e = exclusion[i];
        e.dialA = find<QLineEdit>(editor, "LCRETDialA", i);
        e.dialB = find<QLineEdit>(editor, "LCRETDialB", i);
        e.week = find<QCheckBox>(editor, "LCRETWeek", i);
        e.weekend = find<QCheckBox>(editor, "LCRETWeekend", i);
        e.active = find<QCheckBox>(editor, "LCRETAct", i);
    }
    phoneBook = {editor.grid("PhoneBookGrid"), editor.grid("PhoneBookGrid2")};
    shortDial = editor.grid("ShortDialGrid");
    forward = editor.grid("ForwardGrid");
    lcr = editor.grid("LCRGrid");
}

PhoneBookCell phoneBookCell(const EditorControls& controls, int record)
{
    const int perGrid = grid_places::kPhoneBookRowsPerGrid;
    return {controls.phoneBook[record / perGrid], record % perGrid + 1};
}

void showInCombo(QComboBox* combo, const QString& shown)
{
    const int index = combo->findText(shown);
    if (combo->isEditable()) {
        combo->setCurrentIndex(index);
        combo->setEditText(shown);
        return;
    }
    combo->setPlaceholderText(index < 0 ? shown : QString());
    combo->setCurrentIndex(index);
}

} // namespace ql310
