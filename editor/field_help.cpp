// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_help.h"

#include "editor_window.h"
#include "interaction.h"
#include "text_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>
#include <limits>

namespace ql310 {

namespace {

constexpr TextId kEmpty = TextId::NoText;
constexpr TextId kToOutsideHint = TextId::CallToRemotePartyWithout;
constexpr TextId kThresholdWarning = TextId::TheValueOfItem4Must;
constexpr TextId kTitle = TextId::UsbIsdnTaConfiguration;
constexpr int kExclusionRows = 5;

// The focus hints: control name, number of elements (0: a single control)
// and the text id shown, or kEmpty to empty the help line.
struct Hint {
    const char* name;
    int elements;
    TextId textId;
};

const Hint kHints[] = {
    {"PortNumber", kPortCount, TextId::RangeBetween1x4xxxThe},
    {"PortName", kPortCount, TextId::AlsoAppearsAtFskClid},
    {"PortOwnNumber", kPortCount, TextId::CanAppearAtRemoteSite},
    {"DataOwnNumber", 0, TextId::CanAppearAtRemoteSite},
    {"PortMSNType1", kPortCount, TextId::PleaseReferToTheDistinctive},
    {"PortMSNType2", kPortCount, TextId::PleaseReferToTheDistinctive},
    {"PortMSNType3", kPortCount, TextId::PleaseReferToTheDistinctive},
    {"PortCallIDOption", 0, TextId::PleaseReferToTheCaller},
    {"PortCallWait", kPortCount, TextId::ReceiveAndSendASecond},
    {"PortTakeOver", kPortCount, TextId::TakeAnOnGoingIncoming},
    {"PortStopMusicOnHold", kPortCount, TextId::NoWaitingMusicWhileCall},
    {"ForwardingNumber", kPortCount, TextId::EnterPhoneNumberOfLocal},
    {"LCRAdd", 0, TextId::AllowsThePrefixToBe},
    {"LCRETDialA", kExclusionRows, TextId::ThePhoneNumberSuchAs},
    {"LCRETDialB", kExclusionRows, TextId::ThePhoneNumberSuchAs},
    {"AcceptAllMSN", kPortCount, kEmpty},
    {"DataAcceptAllMSN", 0, kEmpty},
    {"PortMSN1", kPortCount, kEmpty},
    {"PortMSN2", kPortCount, kEmpty},
    {"PortMSN3", kPortCount, kEmpty},
    {"DataMSN1", 0, kEmpty},
    {"DataMSN2", 0, kEmpty},
    {"DataMSN3", 0, kEmpty},
    {"DataMSN4", 0, kEmpty},
    {"DataMSN5", 0, kEmpty},
    {"AnalogLaw", 0, kEmpty},
    {"Prefer1B", 0, kEmpty},
    {"PortNeedMCall", kPortCount, kEmpty},
    {"TimeSet", kPortCount, kEmpty},
    {"PortShowInID", kPortCount, kEmpty},
    {"PortShowOutID", kPortCount, kEmpty},
    {"ForwardingType", kPortCount, kEmpty},
    {"NoAnswerTime", kPortCount, kEmpty},
    {"Min2BCombo", 0, kEmpty},
    {"Delay2BCombo", 0, kEmpty},
    {"OpenCPSCombo", 0, kEmpty},
    {"CloseCPSCombo", 0, kEmpty},
    {"LCRTime", 0, kEmpty},
    {"LCRWeek", 0, kEmpty},
    {"LCRActive", 0, kEmpty},
    {"LCRETWeek", kExclusionRows, kEmpty},
    {"LCRETWeekend", kExclusionRows, kEmpty},
    {"LCRETAct", kExclusionRows, kEmpty},
    {"PBBufText", 0, kEmpty},
};

template <class Widget>
Widget* control(const EditorWindow& window, const char* name, int index = -1)
{
    return window.findChild<Widget*>(controlName(name, index));
}

// A threshold text as a 16-bit number, rounded to the nearest whole number
// (halves to even); false when it is not a number or out of range.
bool thresholdValue(const QString& text, qint16& value)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return false;
    value = static_cast<qint16>(rounded);
    return true;
}

} // namespace

FieldHelp::FieldHelp(EditorWindow& window, UserInteraction& interaction, QObject* parent)
    : QObject(parent),
      m_window(window),
      m_interaction(interaction),
      m_open(control<QComboBox>(window, "OpenCPSCombo")),
      m_close(control<QComboBox>(window, "CloseCPSCombo"))
{
    for (const Hint& hint : kHints) {
        if (hint.elements == 0) {
            watchFocus(control<QWidget>(window, hint.name), hint.textId);
            continue;
        }
        for (int i = 0; i < hint.elements; ++i)
            watchFocus(control<QWidget>(window, hint.name, i), hint.textId);
    }

    for (int i = 0; i < kPortCount; ++i) {
        connect(control<QCheckBox>(window, "PortToOutside", i), &QCheckBox::clicked, this,
                [this] { m_window.setStatusPanel(1, text(kToOutsideHint)); });
        connect(control<QCheckBox>(window, "PortStopMusicOnHold", i), &QCheckBox::clicked, this,
                &FieldHelp::stopMusicOnHoldClicked);
    }

    // The thresholds stay as typed: no completion from the list while typing,
    // and Enter does not add the typed value to the list.
    for (const char* name : {"Min2BCombo", "Delay2BCombo", "OpenCPSCombo", "CloseCPSCombo"}) {
        auto* combo = control<QComboBox>(window, name);
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    connect(m_close, &QComboBox::activated, this, &FieldHelp::checkBandwidthThresholds);
    m_close->installEventFilter(this);
}

void FieldHelp::watchFocus(QWidget* control, TextId textId)
{
    if (!control)
        return;
    // A composite control (the time control) takes the focus in its parts.
    QList<QWidget*> widgets = control->findChildren<QWidget*>();
    widgets.prepend(control);
    for (QWidget* widget : widgets) {
        m_hints.insert(widget, textId);
        widget->installEventFilter(this);
    }
}

void FieldHelp::stopMusicOnHoldClicked(bool checked)
{
    for (int i = 0; i < kPortCount; ++i)
        control<QCheckBox>(m_window, "PortStopMusicOnHold", i)->setChecked(checked);
}

void FieldHelp::checkBandwidthThresholds()
{
    qint16 open = 0;
    qint16 close = 0;
    if (!thresholdValue(m_close->currentText(), close) || !thresholdValue(m_open->currentText(), open))
        return;
    if (close > open)
        m_interaction.warn(text(kThresholdWarning), text(kTitle), UserInteraction::Icon::Information);
}

bool FieldHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.constEnd() && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason)
            m_window.setStatusPanel(1, *hint == kEmpty ? QString() : text(*hint));
    } else if (event->type() == QEvent::KeyPress && watched == m_close) {
        m_closeKeysDown.insert(static_cast<QKeyEvent*>(event)->key());
    } else if (event->type() == QEvent::KeyRelease && watched == m_close) {
        // Only a key pressed here counts: the release of the Enter or Escape
        // that closed the warning would otherwise bring it back at once.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_closeKeysDown.contains(key->key())) {
            if (!key->isAutoRepeat())
                m_closeKeysDown.remove(key->key());
            checkBandwidthThresholds();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ql310
