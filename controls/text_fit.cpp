// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_fit.h"

#include <QLineEdit>
#include <QStyle>

namespace ql310 {

int boxWidthForText(const QLineEdit* box, int textWidth)
{
    // Qt's line edit keeps two pixels beside its text on either side, and
    // one for the cursor after it.
    constexpr int kTextMargin = 2;
    constexpr int kCursor = 1;
    const QMargins margins = box->textMargins();
    const int frame = box->hasFrame()
                          ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box)
                          : 0;
    return textWidth + 2 * kTextMargin + kCursor + margins.left() + margins.right() + 2 * frame;
}

void fitTextWidth(QLineEdit* box, int textWidth)
{
    box->setMinimumWidth(boxWidthForText(box, textWidth));
}

void fitDigits(QLineEdit* box, int digits)
{
    fitTextWidth(box, box->fontMetrics().horizontalAdvance(QString(digits, u'0')));
}

void fitDigitRange(QLineEdit* box, int least, int most)
{
    const QFontMetrics metrics = box->fontMetrics();
    box->setMinimumWidth(boxWidthForText(box, metrics.horizontalAdvance(QString(least, u'0'))));
    box->setMaximumWidth(boxWidthForText(box, metrics.horizontalAdvance(QString(most, u'0'))));
}

WrappingCaption::WrappingCaption(QWidget* parent) : QLabel(parent)
{
    setWordWrap(true);
}

QSize WrappingCaption::sizeHint() const
{
    // QLabel would wrap even a short caption to a quarter of 80 letters.
    const QSize wrapped = QLabel::sizeHint();
    const int oneLine = fontMetrics().horizontalAdvance(text()) + 2 * margin() +
                        contentsMargins().left() + contentsMargins().right();
    return {qMax(wrapped.width(), oneLine), wrapped.height()};
}

} // namespace ql310
