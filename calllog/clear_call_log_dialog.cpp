// SPDX-License-Identifier: GPL-3.0-or-later
#include "clear_call_log_dialog.h"

#include "call_log_store.h"
#include "text_fit.h"
#include "text_table.h"

#include <QEvent>
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

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

struct BoxRule {
    const char* name;
    int low, high;   // the accepted values; low > high: any number
    int moveLength;  // text length at which the focus moves on; 0: never
};

constexpr BoxRule kRules[ClearCallLogDialog::kBoxCount] = {
    {"StartMonthText", 1, 12, 2}, {"StartDayText", 1, 31, 2}, {"StartYearText", 1, 0, 4},
    {"EndMonthText", 1, 12, 2},   {"EndDayText", 1, 31, 2},   {"EndYearText", 1, 0, 0},
};

QDate dateFrom(const QLineEdit* month, const QLineEdit* day, const QLineEdit* year, bool first)
{
    double m = 0, d = 0, y = 0;
    if (!readNumber(month->text(), &m) || !readNumber(day->text(), &d) ||
        !readNumber(year->text(), &y))
        return {};
    // Only the years the log can hold: a longer year would compare as a
    // different day, and a huge one does not fit an int.
    if (y < kFirstYear || y >= kLastYear + 1.0 || m < 1 || m >= 13)
        return {};
    const QDate start(int(y), int(m), 1);
    if (!start.isValid() || d < 1)
        return {};
    if (d > start.daysInMonth())
        return first ? start.addMonths(1) : start.addDays(start.daysInMonth() - 1);
    return start.addDays(int(d) - 1);
}

// The six date boxes and their separators, each box centred under its
// word of the label above ("  Month  / Day  /  Year      -->   Month ..."),
// measured with the label's font, so that they line up at every font size.
// The row and the label start at the same left edge.
class DateBoxRow : public QWidget {
public:
    DateBoxRow(const QLabel* label, QWidget* parent) : QWidget(parent), m_label(label) {}

    void addBox(QLineEdit* box)
    {
        box->setParent(this);
        m_boxes.append(box);
    }
    void addSeparator(const QString& text)
    {
        auto* separator = new QLabel(text, this);
        separator->setAlignment(Qt::AlignCenter);
        m_separators.append(separator);
    }

    QSize sizeHint() const override
    {
        const QList<QRect> places = boxPlaces();
        int height = 0;
        for (const QLineEdit* box : m_boxes)
            height = qMax(height, box->sizeHint().height());
        return {places.isEmpty() ? 0 : places.last().right() + 1, height};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent*) override { placeChildren(); }
    void showEvent(QShowEvent*) override { placeChildren(); }
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            updateGeometry();
        QWidget::changeEvent(event);
    }

private:
    // Where each box goes: centred under its word, never over the box before.
    QList<QRect> boxPlaces() const
    {
        const QFontMetrics metrics(m_label->font());
        const QString caption = m_label->text();
        static const QRegularExpression word(QStringLiteral("\\w+"));
        QList<int> centres;
        for (auto it = word.globalMatch(caption); it.hasNext();) {
            const QRegularExpressionMatch found = it.next();
            const int left = metrics.horizontalAdvance(caption.left(found.capturedStart()));
            centres.append(left + metrics.horizontalAdvance(found.captured()) / 2);
        }
        const int textLeft = m_label->contentsMargins().left() + m_label->margin();
        QList<QRect> places;
        int next = 0;
        for (qsizetype i = 0; i < m_boxes.size(); ++i) {
            const int width = m_boxes[i]->minimumWidth();
            // Without a word for every box, the boxes stand side by side.
            int left = centres.size() == m_boxes.size() ? textLeft + centres[i] - width / 2 : next;
            left = qMax(left, next);
            places.append(QRect(left, 0, width, m_boxes[i]->sizeHint().height()));
            next = left + width + 2;
        }
        return places;
    }

    void placeChildren()
    {
        const QList<QRect> places = boxPlaces();
        for (qsizetype i = 0; i < m_boxes.size(); ++i)
            m_boxes[i]->setGeometry(places[i]);
        // Each separator in the middle of the gap between its two boxes.
        for (qsizetype i = 0; i < m_separators.size() && i + 1 < places.size(); ++i) {
            const int width = m_separators[i]->sizeHint().width();
            const int middle = (places[i].right() + places[i + 1].left()) / 2;
            m_separators[i]->setGeometry(middle - width / 2, 0, width, places[i].height());
        }
    }

    const QLabel* m_label;
    QList<QLineEdit*> m_boxes;
    QList<QLabel*> m_separators;
};

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

ClearCallLogDialog::ClearCallLogDialog(CallLogStore& store, std::function<QString(TextId)> text,
                             QWidget* parent)
    : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("ClearCCllForm"));
    // A window title shows no access key: "&Clear" reads "Clear".
    setWindowTitle(captionDisplayText(text(TextId::Clear)));
    m_all = new QRadioButton(text(TextId::All_388), this);
    m_all->setObjectName(QStringLiteral("AllOption"));
    m_range = new QRadioButton(text(TextId::Range), this);
    m_range->setObjectName(QStringLiteral("RangeOption"));
    m_pointLabel = new QLabel(text(TextId::MonthDayYearMonthDay), this);
    m_pointLabel->setObjectName(QStringLiteral("PointLabel"));
    m_yes = new QPushButton(text(TextId::Yes_391), this);
    m_yes->setObjectName(QStringLiteral("YesCommand"));
    m_yes->setEnabled(false);
    m_yes->setAutoDefault(false);
    m_cancel = new QPushButton(text(TextId::Canel), this);
    m_cancel->setObjectName(QStringLiteral("CanelCommand"));
    m_cancel->setAutoDefault(false);

    auto* boxes = new DateBoxRow(m_pointLabel, this);
    for (int i = 0; i < kBoxCount; ++i) {
        m_boxes[i] = new QLineEdit(this);
        m_boxes[i]->setObjectName(QString::fromLatin1(kRules[i].name));
        m_boxes[i]->setEnabled(false);
        // As wide as the digits of a month, a day or a year.
        fitDigits(m_boxes[i], i == StartYear || i == EndYear ? 4 : 2);
        boxes->addBox(m_boxes[i]);
        if (i == StartYear)
            boxes->addSeparator(QStringLiteral("-->"));
        else if (i != EndYear)
            boxes->addSeparator(QStringLiteral("/"));
        connect(m_boxes[i], &QLineEdit::textChanged, this, [this, i] { boxChanged(Box(i)); });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_all, 0, 0);
    layout->addWidget(m_range, 1, 0);
    // The label and the boxes under its words start at one left edge.
    layout->addWidget(m_pointLabel, 2, 0, Qt::AlignLeft);
    layout->addWidget(boxes, 3, 0, Qt::AlignLeft);
    layout->addLayout(buttons, 4, 0);

    QWidget* order[] = {m_all, m_range, m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3],
                        m_boxes[4], m_boxes[5], m_yes, m_cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_all, &QRadioButton::clicked, this, &ClearCallLogDialog::chooseAll);
    connect(m_range, &QRadioButton::clicked, this, &ClearCallLogDialog::chooseRange);
    connect(m_yes, &QPushButton::clicked, this, &ClearCallLogDialog::yes);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ClearCallLogDialog::chooseAll()
{
    for (QLineEdit* box : m_boxes)
        box->setEnabled(false);
    m_pointLabel->hide();
    m_yes->setEnabled(true);
}

void ClearCallLogDialog::chooseRange()
{
    for (QLineEdit* box : m_boxes)
        box->setEnabled(true);
    m_pointLabel->show();
    m_boxes[StartMonth]->setFocus(Qt::OtherFocusReason);
    m_yes->setEnabled(false);
}

void ClearCallLogDialog::boxChanged(Box which)
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

void ClearCallLogDialog::enableYesCommand()
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

QDate ClearCallLogDialog::firstDay() const
{
    return dateFrom(m_boxes[StartMonth], m_boxes[StartDay], m_boxes[StartYear], true);
}

QDate ClearCallLogDialog::lastDay() const
{
    return dateFrom(m_boxes[EndMonth], m_boxes[EndDay], m_boxes[EndYear], false);
}

void ClearCallLogDialog::yes()
{
    if (m_all->isChecked())
        m_store.deleteAllCalls();
    else if (firstDay().isValid() && lastDay().isValid())
        m_store.deleteDays(firstDay(), lastDay());
    accept();
}

} // namespace ql310::calllog
