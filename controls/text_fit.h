// SPDX-License-Identifier: GPL-3.0-or-later
// Widths taken from the font: a line edit made wide enough for a text.
#pragma once

class QLineEdit;

namespace ql310 {

// Makes `box` at least wide enough to show `textWidth` pixels of text.
void fitTextWidth(QLineEdit* box, int textWidth);
// Makes `box` at least wide enough for `digits` digits.
void fitDigits(QLineEdit* box, int digits);

} // namespace ql310
