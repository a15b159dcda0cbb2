// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes in twips (1/1440 inch) turned into device pixels. On the printer
// the printer's resolution alone converts them. On screen the screen's
// logical resolution converts them, times one layout scale taken from the
// widget's font: the layout was drawn for a font whose letters average
// kDesignLetterWidthTwips, and a larger font widens every width and
// position alike, so that the layout keeps its proportions and its texts
// fit at any font size and scale.
#pragma once

class QPaintDevice;
class QWidget;

namespace ql310 {

constexpr int kTwipsPerInch = 1440;
// The width the layout gives an average letter of a..z, A..Z: the letter of
// the 8-point sans serif it was drawn for (5.7 pixels at 96 dots to the
// inch) less its share of the room today's cells and boxes keep around
// their text (5.3 pixels).
constexpr double kDesignLetterWidthTwips = 80.0;

// How much larger than the design font the widget's font is (at least 1).
double layoutScale(const QWidget& widget);

int twipsToPixelsX(const QPaintDevice& device, int twips);
int twipsToPixelsY(const QPaintDevice& device, int twips);
// The width in twips that a width of `pixels` stands for; `previousTwips`
// is kept when it still converts to the same pixel count, so that a width
// read, shown and stored again does not drift by rounding.
int pixelsToTwipsX(const QPaintDevice& device, int pixels, int previousTwips = -1);

} // namespace ql310
