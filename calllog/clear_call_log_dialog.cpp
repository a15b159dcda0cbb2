// SPDX-License-Identifier: GPL-3.0-or-later
#include "clear_call_log_dialog.h"

#include "call_log_store.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>

namespace ql310::calllog {

namespace {

struct BoxRule {
    const char* name;
    int low, high;   // the accepted values; low > high: any number
    int moveLength;  // text length at which the focus moves on; 0: never
};

constexpr BoxRule kRules[ClearCCllForm::kBoxCount] = {
    {"StartMonthText", 1, 12, 2}, {"StartDayText", 1, 31, 2}, {"StartYearText", 1, 0, 4},
    {"EndMonthText", 1, 12, 2},   {"EndDayText", 1, 31, 2},   {"EndYearText", 1, 0, 0},
};

QDate dateFrom(const QLineEdit* month, const QLineEdit* day, const QLineEdit* year, bool first)
{
    double m = 0, d = 0, y = 0;
    if (!readNumber(month->text(), &m) || !readNumber(day->text(), &d) ||
        !readNumber(year->text(), &y))
        return {};
    const QDate start(int(y), int(m), 1);
    if (!start.isValid() || d < 1)
        return {};
    if (d > start.daysInMonth())
        return first ? start.addMonths(1) : start.addDays(start.daysInMonth() - 1);
    return start.addDays(int(d) - 1);
}

} // namespace

bool readNumber(const QString& text, double* value)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    if (!number.match(text).hasMatch())
        return false;
    *value = text.trimmed().toDouble();
    return true;
}

ClearCCllForm::ClearCCllForm(CallLogStore& store, std::function<QString(int)> text,
                             QWidget* parent)
    : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("ClearCCllForm"));
    setWindowTitle(text(387));
    m_all = new QRadioButton(text(388), this);
    m_all->setObjectName(QStringLiteral("AllOption"));
    m_range = new QRadioButton(text(389), this);
    m_range->setObjectName(QStringLiteral("RangeOption"));
    m_pointLabel = new QLabel(text(390), this);
    m_pointLabel->setObjectName(QStringLiteral("PointLabel"));
    m_yes = new QPushButton(text(391), this);
    m_yes->setObjectName(QStringLiteral("YesCommand"));
    m_yes->setEnabled(false);
    m_yes->setAutoDefault(false);
    m_cancel = new QPushButton(text(392), this);
    m_cancel->setObjectName(QStringLiteral("CanelCommand"));
    m_cancel->setAutoDefault(false);

    auto* boxes = new QHBoxLayout;
    for (int i = 0; i < kBoxCount; ++i) {
        m_boxes[i] = new QLineEdit(this);
        m_boxes[i]->setObjectName(QString::fromLatin1(kRules[i].name));
        m_boxes[i]->setEnabled(false);
        boxes->addWidget(m_boxes[i]);
        if (i == StartYear)
            boxes->addWidget(new QLabel(QStringLiteral("-->"), this));
        else if (i != EndYear)
            boxes->addWidget(new QLabel(QStringLiteral("/"), this));
        connect(m_boxes[i], &QLineEdit::textChanged, this, [this, i] { boxChanged(Box(i)); });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_all, 0, 0);
    layout->addWidget(m_range, 1, 0);
    layout->addWidget(m_pointLabel, 2, 0);
    layout->addLayout(boxes, 3, 0);
    layout->addLayout(buttons, 4, 0);

    QWidget* order[] = {m_all, m_range, m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3],
                        m_boxes[4], m_boxes[5], m_yes, m_cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_all, &QRadioButton::clicked, this, &ClearCCllForm::chooseAll);
    connect(m_range, &QRadioButton::clicked, this, &ClearCCllForm::chooseRange);
    connect(m_yes, &QPushButton::clicked, this, &ClearCCllForm::yes);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ClearCCllForm::chooseAll()
{
    for (QLineEdit* box : m_boxes)
        box->setEnabled(false);
    m_pointLabel->hide();
    m_yes->setEnabled(true);
}

void ClearCCllForm::chooseRange()
{
    for (QLineEdit* box : m_boxes)
        box->setEnabled(true);
    m_pointLabel->show();
    m_boxes[StartMonth]->setFocus(Qt::OtherFocusReason);
    m_yes->setEnabled(false);
    enableYesCommand();
}

void ClearCCllForm::boxChanged(Box which)
{
    if (m_normalising)
        return;
    QLineEdit* box = m_boxes[which];
    const BoxRule& rule = kRules[which];
    const QString typed = box->text();
    QString wanted = typed;
    double value = 0;
    if (!typed.isEmpty()) {
        const bool accepted = readNumber(typed, &value) &&
                              (rule.low > rule.high || (value >= rule.low && value <= rule.high));
        // The integer part, without leading zeros (and without a sign on 0).
        wanted = accepted ? QString::number(std::trunc(value) + 0.0, 'f', 0) : QString();
    }
    if (wanted != typed) {
        m_normalising = true;
        box->setText(wanted);
        m_normalising = false;
    }
    if (rule.moveLength > 0 && wanted.size() == rule.moveLength)
        m_boxes[which + 1]->setFocus(Qt::TabFocusReason);
    enableYesCommand();
}

void ClearCCllForm::enableYesCommand()
{
    if (m_all->isChecked()) {
        m_yes->setEnabled(true);
        return;
    }
    if (!m_range->isChecked())
        return;
    bool complete = true;
    for (QLineEdit* box : m_boxes)
        complete = complete && !box->text().isEmpty();
    m_yes->setEnabled(complete && firstDay().isValid() && lastDay().isValid());
}

QDate ClearCCllForm::firstDay() const
{
    return dateFrom(m_boxes[StartMonth], m_boxes[StartDay], m_boxes[StartYear], true);
}

QDate ClearCCllForm::lastDay() const
{
    return dateFrom(m_boxes[EndMonth], m_boxes[EndDay], m_boxes[EndYear], false);
}

void ClearCCllForm::yes()
{
    if (m_all->isChecked())
        m_store.dataDelAll();
    else if (firstDay().isValid() && lastDay().isValid())
        m_store.dataDel(firstDay(), lastDay());
    accept();
}

} // namespace ql310::calllog
