// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_set.h"

#include "twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace ql310 {

namespace {

// Child positions and sizes in twips.
constexpr int kBoxWidth = 255;
constexpr int kBoxHeight = 270;
constexpr int kLabelX = 240;
constexpr int kMinuteX = 300;
constexpr int kSpinnerWidth = 240;

// The value of `text` when the text reads as a number.
std::optional<double> numberIn(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

QString padTimeText(const QString& text)
{
    const std::optional<double> value = numberIn(text);
    if (!value || *value >= 10)
        return text;
    return QStringLiteral("0") + QString::number(static_cast<long long>(*value));
}

CtlTimeSet::CtlTimeSet(QWidget* parent)
    : QWidget(parent),
      m_hrText(new QLineEdit(this)),
      m_label1(new QLabel(QStringLiteral(":"), this)),
      m_minText(new QLineEdit(this)),
      m_upDown(new QWidget(this)),
      m_up(new QToolButton(m_upDown)),
      m_down(new QToolButton(m_upDown))
{
    setObjectName(QStringLiteral("ctlTimeSet"));
    m_hrText->setObjectName(QStringLiteral("HrText"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_minText->setObjectName(QStringLiteral("MinText"));
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    m_up->setObjectName(QStringLiteral("UpDown1Up"));
    m_down->setObjectName(QStringLiteral("UpDown1Down"));

    for (QLineEdit* box : {m_hrText, m_minText}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFrame(true);
        box->setTextMargins(0, 0, 0, 0);
        box->setAutoFillBackground(true);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, box] { checkChange(box); });
    }
    m_label1->setAlignment(Qt::AlignCenter);

    auto* arrows = new QVBoxLayout(m_upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {m_up, m_down}) {
        // The arrows never take the focus from the box they step.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        arrows->addWidget(arrow);
    }
    connect(m_up, &QToolButton::pressed, this, [this] { arrowPressed(Direction::Up); });
    connect(m_down, &QToolButton::pressed, this, [this] { arrowPressed(Direction::Down); });
    connect(m_up, &QToolButton::released, this, &CtlTimeSet::arrowReleased);
    connect(m_down, &QToolButton::released, this, &CtlTimeSet::arrowReleased);
    m_upDown->setEnabled(false);

    m_repeat.setInterval(kRepeatMs);
    connect(&m_repeat, &QTimer::timeout, this, &CtlTimeSet::repeatStep);

    layOut();
}

QString CtlTimeSet::hour() const
{
    return m_hrText->text();
}

void CtlTimeSet::setHour(const QString& text)
{
    m_hrText->setText(text);
}

QString CtlTimeSet::minute() const
{
    return m_minText->text();
}

void CtlTimeSet::setMinute(const QString& text)
{
    m_minText->setText(text);
}

void CtlTimeSet::widenByTwips(int twips)
{
    m_extraTwips += twips;
    layOut();
}

QSize CtlTimeSet::sizeHint() const
{
    return {scaled(kMinuteX + kBoxWidth + kSpinnerWidth + m_extraTwips), scaledHeight(kBoxHeight)};
}

double CtlTimeSet::fontScale() const
{
    // The boxes grow with a font too large for two digits at their size in
    // twips, keeping the control's proportions.
    const int needed = fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8;
    return qMax(1.0, static_cast<double>(needed) / twipsToPixelsX(*this, kBoxWidth));
}

int CtlTimeSet::scaled(int twips) const
{
    return qRound(twipsToPixelsX(*this, twips) * fontScale());
}

int CtlTimeSet::scaledHeight(int twips) const
{
    const int needed = fontMetrics().height() + 6;
    return qMax(twipsToPixelsY(*this, twips), needed);
}

void CtlTimeSet::layOut()
{
    const int height = scaledHeight(kBoxHeight);
    const int boxWidth = scaled(kBoxWidth);
    m_hrText->setGeometry(0, 0, boxWidth, height);
    m_label1->setGeometry(scaled(kLabelX), 0, scaled(kMinuteX - kLabelX), height);
    const int minuteX = scaled(kMinuteX);
    m_minText->setGeometry(minuteX, 0, boxWidth, height);
    m_upDown->setGeometry(minuteX + boxWidth, 0, scaled(kSpinnerWidth + m_extraTwips), height);
    setMinimumSize(sizeHint());
    updateGeometry();
}

QString& CtlTimeSet::savedText(QLineEdit* box)
{
    return box == m_hrText ? m_savedHour : m_savedMinute;
}

void CtlTimeSet::checkChange(QLineEdit* box)
{
    if (m_checking)
        return;
    const QString current = box->text();
    if (current.isEmpty())
        return;
    const std::optional<double> value = numberIn(current);
    const bool isHour = box == m_hrText;
    const bool rejected = current.size() > 2 || !value ||
                          (isHour ? (*value > 24 || *value <= 0) : (*value > 59 || *value < 0));
    if (!rejected)
        return;
    m_checking = true;
    box->setText(savedText(box));
    m_checking = false;
}

void CtlTimeSet::focusIn(QLineEdit* box)
{
    m_active = box == m_hrText ? Box::Hour : Box::Minute;
    QPalette palette = box->palette();
    m_savedColour = palette.color(QPalette::Base);
    palette.setColor(QPalette::Base, QColor(kFocusColour));
    box->setPalette(palette);
    m_upDown->setEnabled(true);
}

void CtlTimeSet::focusOut(QLineEdit* box)
{
    m_active = Box::None;
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, m_savedColour);
    box->setPalette(palette);
    m_upDown->setEnabled(false);
    arrowReleased();
    box->setText(padTimeText(box->text()));
}

bool CtlTimeSet::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != m_hrText && box != m_minText)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        focusIn(box);
        break;
    case QEvent::FocusOut:
        focusOut(box);
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            box->setText(padTimeText(box->text()));
        savedText(box) = box->text();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CtlTimeSet::arrowPressed(Direction direction)
{
    m_buttonHeld = true;
    m_heldDirection = direction;
    if (step(direction))
        m_repeat.start();
    else
        m_repeat.stop();
}

void CtlTimeSet::arrowReleased()
{
    m_buttonHeld = false;
    m_repeat.stop();
}

void CtlTimeSet::repeatStep()
{
    if (!m_buttonHeld || !(m_up->isDown() || m_down->isDown())) {
        arrowReleased();
        return;
    }
    if (!step(m_heldDirection))
        m_repeat.stop();
}

bool CtlTimeSet::step(Direction direction)
{
    if (m_active == Box::None)
        return false;
    QLineEdit* box = m_active == Box::Hour ? m_hrText : m_minText;
    const QString current = box->text();
    const double value = numberIn(current).value_or(0);
    const bool up = direction == Direction::Up;
    long long next = 0;
    if (m_active == Box::Hour) {
        if (up)
            next = (current == QLatin1String("24") || current.isEmpty()) ? 1 : value + 1;
        else
            next = (current == QLatin1String("01") || current.isEmpty()) ? 24 : value - 1;
    } else {
        if (up && current == QLatin1String("59")) {
            box->setText(QStringLiteral("0"));
            return false;
        }
        if (!up && current == QLatin1String("00")) {
            box->setText(QStringLiteral("59"));
            return false;
        }
        if (current.isEmpty())
            next = up ? 0 : 59;
        else
            next = up ? value + 1 : value - 1;
    }
    box->setText(QString::number(next));
    box->setText(padTimeText(box->text()));
    return true;
}

} // namespace ql310
