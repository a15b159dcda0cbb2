// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QPaintDevice>

#include <cmath>

namespace ql310 {

namespace {

int convert(int value, int from, int to)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * to / from));
}

} // namespace

int twipsToPixelsX(const QPaintDevice& device, int twips)
{
    return convert(twips, kTwipsPerInch, device.logicalDpiX());
}

int twipsToPixelsY(const QPaintDevice& device, int twips)
{
    return convert(twips, kTwipsPerInch, device.logicalDpiY());
}

int pixelsToTwipsX(const QPaintDevice& device, int pixels, int previousTwips)
{
    if (previousTwips >= 0 && twipsToPixelsX(device, previousTwips) == pixels)
        return previousTwips;
    return convert(pixels, device.logicalDpiX(), kTwipsPerInch);
}

} // namespace ql310
