// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_fit.h"

#include <QLineEdit>
#include <QStyle>

namespace ql310 {

void fitTextWidth(QLineEdit* box, int textWidth)
{
    // Qt's line edit keeps two pixels beside its text on either side, and
    // one for the cursor after it.
    constexpr int kTextMargin = 2;
    constexpr int kCursor = 1;
    const QMargins margins = box->textMargins();
    const int frame = box->hasFrame()
                          ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box)
                          : 0;
    box->setMinimumWidth(textWidth + 2 * kTextMargin + kCursor + margins.left() + margins.right() +
                         2 * frame);
}

void fitDigits(QLineEdit* box, int digits)
{
    fitTextWidth(box, box->fontMetrics().horizontalAdvance(QString(digits, u'0')));
}

} // namespace ql310
