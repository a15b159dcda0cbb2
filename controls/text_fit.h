// SPDX-License-Identifier: GPL-3.0-or-later
// Widths taken from the font: a line edit made wide enough for a text.
#pragma once

#include <QLabel>

class QLineEdit;

namespace ql310 {

// Makes `box` at least wide enough to show `textWidth` pixels of text.
void fitTextWidth(QLineEdit* box, int textWidth);
// Makes `box` at least wide enough for `digits` digits.
void fitDigits(QLineEdit* box, int digits);
// The width of a box that shows `textWidth` pixels of text.
int boxWidthForText(const QLineEdit* box, int textWidth);
// Makes `box` at least wide enough for `least` digits and at most for
// `most` (its longest content): it grows with the room it gets, never wider
// than what it can hold.
void fitDigitRange(QLineEdit* box, int least, int most);

// A caption that asks for the room of its text on one line and wraps at
// word breaks only where the layout gives it less (a small screen).
class WrappingCaption : public QLabel {
public:
    explicit WrappingCaption(QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

} // namespace ql310
