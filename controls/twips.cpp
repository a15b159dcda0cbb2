// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QWidget>

#include <cmath>

namespace ql310 {

namespace {

const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

// Device pixels per twip along one axis: the device's resolution, and on
// screen the layout scale.
double pixelsPerTwip(const QPaintDevice& device, int dpi)
{
    double perTwip = static_cast<double>(dpi) / kTwipsPerInch;
    if (device.devType() == QInternal::Widget)
        perTwip *= layoutScale(static_cast<const QWidget&>(device));
    return perTwip;
}

} // namespace

double layoutScale(const QWidget& widget)
{
    // Every widget of a window shares one font: the scale of the latest
    // font and resolution is kept.
    struct Scale {
        QFont font;
        int dpi = 0;
        double scale = 1.0;
    };
    static Scale latest;
    const QFont font = widget.font();
    const int dpi = widget.logicalDpiX();
    if (latest.dpi == dpi && latest.font == font)
        return latest.scale;
    const QFontMetricsF metrics(font, &widget);
    const double letterWidth = metrics.horizontalAdvance(kLetters) / kLetters.size();
    const double designWidth = kDesignLetterWidthTwips * dpi / kTwipsPerInch;
    latest = {font, dpi, qMax(1.0, letterWidth / designWidth)};
    return latest.scale;
}

int twipsToPixelsX(const QPaintDevice& device, int twips)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip(device, device.logicalDpiX())));
}

int twipsToPixelsY(const QPaintDevice& device, int twips)
{
    // The one layout scale for both axes keeps the proportions.
    return static_cast<int>(std::lround(twips * pixelsPerTwip(device, device.logicalDpiY())));
}

int pixelsToTwipsX(const QPaintDevice& device, int pixels, int previousTwips)
{
    if (previousTwips >= 0 && twipsToPixelsX(device, previousTwips) == pixels)
        return previousTwips;
    return static_cast<int>(std::lround(pixels / pixelsPerTwip(device, device.logicalDpiX())));
}

} // namespace ql310
