// SPDX-License-Identifier: GPL-3.0-or-later
#include "call_filter_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ql310::calllog {

namespace {

constexpr int kTypingPauseMs = 150;

} // namespace

CallFilterBar::CallFilterBar(const std::function<QString(TextId)>& text, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CallFilterBar"));
    createControls(text);
    layOutControls();
    connectControls();
}

void CallFilterBar::createControls(const std::function<QString(TextId)>& text)
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("CallSearch"));
    m_search->setPlaceholderText(tr("Number or name"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search calls by number or name"));
    m_search->setMinimumWidth(m_search->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);

    m_direction = new QComboBox(this);
    m_direction->setObjectName(QStringLiteral("CallDirection"));
    m_direction->setAccessibleName(tr("Direction"));
    m_direction->addItems({tr("All directions"), tr("Incoming"), tr("Outgoing")});

    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("CallPort"));
    m_port->setAccessibleName(tr("Port"));
    m_port->addItem(tr("All ports"));
    for (TextId id : kChannelTexts)
        m_port->addItem(text(id), text(id));

    m_fromOn = new QCheckBox(tr("From"), this);
    m_fromOn->setObjectName(QStringLiteral("CallFromOn"));
    m_from = dateEdit("CallFrom", tr("First day"));
    m_toOn = new QCheckBox(tr("To"), this);
    m_toOn->setObjectName(QStringLiteral("CallToOn"));
    m_to = dateEdit("CallTo", tr("Last day"));

    m_lost = new QCheckBox(tr("Lost only"), this);
    m_lost->setObjectName(QStringLiteral("CallLostOnly"));
    m_inProgress = new QCheckBox(tr("In progress only"), this);
    m_inProgress->setObjectName(QStringLiteral("CallInProgressOnly"));
    m_reset = new QPushButton(tr("Reset"), this);
    m_reset->setObjectName(QStringLiteral("CallFilterReset"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("CallCount"));
}

QDateEdit* CallFilterBar::dateEdit(const char* name, const QString& spoken)
{
    auto* edit = new QDateEdit(QDate::currentDate(), this);
    edit->setObjectName(QLatin1String(name));
    // The date's text box, which takes the focus, is said by the name too.
    edit->setAccessibleName(spoken);
    for (QLineEdit* box : edit->findChildren<QLineEdit*>())
        box->setAccessibleName(spoken);
    edit->setCalendarPopup(true);
    // The date as the program's language writes it.
    //: The format of the filter's dates (QDate::toString).
    edit->setDisplayFormat(tr("yyyy-MM-dd"));
    edit->setEnabled(false);
    // Room for the whole date beside the pop-up button.
    edit->setMinimumWidth(edit->sizeHint().width() +
                          edit->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    return edit;
}

void CallFilterBar::layOutControls()
{
    // Two rows, so that the bar fits the window at large fonts too.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* first = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    rows->addLayout(first);
    rows->addLayout(second);
    first->addWidget(m_search, 1);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_direction, m_port, m_fromOn, m_from,
                                                           m_toOn, m_to})
        first->addWidget(widget);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_lost, m_inProgress, m_reset})
        second->addWidget(widget);
    second->addWidget(m_count, 1);
}

void CallFilterBar::connectControls()
{
    m_typing.setSingleShot(true);
    m_typing.setInterval(kTypingPauseMs);
    connect(&m_typing, &QTimer::timeout, this, &CallFilterBar::changed);
    connect(m_search, &QLineEdit::textChanged, this, [this] { m_typing.start(); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        m_typing.stop();
        changed();
    });
    for (QComboBox* box : {m_direction, m_port})
        connect(box, &QComboBox::currentIndexChanged, this, &CallFilterBar::changed);
    for (QCheckBox* box : {m_lost, m_inProgress})
        connect(box, &QCheckBox::toggled, this, &CallFilterBar::changed);
    connect(m_fromOn, &QCheckBox::toggled, m_from, &QWidget::setEnabled);
    connect(m_toOn, &QCheckBox::toggled, m_to, &QWidget::setEnabled);
    for (QCheckBox* box : {m_fromOn, m_toOn})
        connect(box, &QCheckBox::toggled, this, &CallFilterBar::changed);
    for (QDateEdit* edit : {m_from, m_to})
        connect(edit, &QDateEdit::dateChanged, this, &CallFilterBar::changed);
    connect(m_reset, &QPushButton::clicked, this, &CallFilterBar::reset);
}

CallFilter CallFilterBar::filter() const
{
    CallFilter filter;
    filter.search = m_search->text();
    filter.direction = CallFilter::Direction(m_direction->currentIndex());
    filter.port = m_port->currentData().toString();
    if (m_fromOn->isChecked())
        filter.from = m_from->date();
    if (m_toOn->isChecked())
        filter.to = m_to->date();
    filter.lostOnly = m_lost->isChecked();
    filter.inProgressOnly = m_inProgress->isChecked();
    return filter;
}

void CallFilterBar::showCount(qint64 shown, qint64 total)
{
    if (filter().daysReversed())
        m_count->setText(tr("No calls: the first day is after the last day."));
    else
        m_count->setText(tr("%1 of %2 calls").arg(shown).arg(total));
}

QString CallFilterBar::countText() const
{
    return m_count->text();
}

void CallFilterBar::reset()
{
    m_resetting = true;
    m_typing.stop();
    m_search->clear();
    m_direction->setCurrentIndex(0);
    m_port->setCurrentIndex(0);
    m_fromOn->setChecked(false);
    m_toOn->setChecked(false);
    m_lost->setChecked(false);
    m_inProgress->setChecked(false);
    m_resetting = false;
    m_typing.stop();
    emit filterChanged();
}

void CallFilterBar::changed()
{
    if (!m_resetting)
        emit filterChanged();
}

} // namespace ql310::calllog
