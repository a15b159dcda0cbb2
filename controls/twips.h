// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes in twips (1/1440 inch) turned into device pixels with the device's
// logical resolution, so that a layout keeps its proportions at any scale.
#pragma once

class QPaintDevice;

namespace ql310 {

constexpr int kTwipsPerInch = 1440;

int twipsToPixelsX(const QPaintDevice& device, int twips);
int twipsToPixelsY(const QPaintDevice& device, int twips);
// The width in twips that a width of `pixels` stands for; `previousTwips`
// is kept when it still converts to the same pixel count, so that a width
// read, shown and stored again does not drift by rounding.
int pixelsToTwipsX(const QPaintDevice& device, int pixels, int previousTwips = -1);

} // namespace ql310
