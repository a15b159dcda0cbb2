// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme_colours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ql310::theme {

namespace {

constexpr double kLightnessStep = 0.01;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QPalette& palette)
{
    return relativeLuminance(palette.color(QPalette::Text)) >
           relativeLuminance(palette.color(QPalette::Base));
}

QColor readableAgainst(const QColor& colour, const QColor& other, double ratio)
{
    if (contrastRatio(colour, other) >= ratio)
        return colour;
    // Lighter when white reads better on `other` than black, else darker.
    const bool lighter = contrastRatio(Qt::white, other) >= contrastRatio(Qt::black, other);
    const QColor hsl = colour.toHsl();
    const float hue = std::max(hsl.hslHueF(), 0.0f);  // -1: a grey
    const float saturation = hsl.hslSaturationF();
    for (double lightness = hsl.lightnessF(); lightness >= 0.0 && lightness <= 1.0;
         lightness += lighter ? kLightnessStep : -kLightnessStep) {
        const QColor candidate = QColor::fromHslF(hue, saturation, static_cast<float>(lightness)).toRgb();
        if (contrastRatio(candidate, other) >= ratio)
            return candidate;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor faintestReadable(const QColor& colour, const QColor& other, double ratio)
{
    const bool lighter = contrastRatio(Qt::white, other) >= contrastRatio(Qt::black, other);
    const QColor hsl = colour.toHsl();
    const float hue = std::max(hsl.hslHueF(), 0.0f);
    const float saturation = hsl.hslSaturationF() / 2;
    // From the lightness of `other` away from it, the first that reads.
    for (double lightness = other.toHsl().lightnessF(); lightness >= 0.0 && lightness <= 1.0;
         lightness += lighter ? kLightnessStep : -kLightnessStep) {
        const QColor candidate = QColor::fromHslF(hue, saturation, static_cast<float>(lightness)).toRgb();
        if (contrastRatio(candidate, other) >= ratio)
            return candidate;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor inPalette(const QColor& colour, const QColor& other, const QPalette& palette)
{
    return isDark(palette) ? readableAgainst(colour, other) : colour;
}

HeaderColours headerColours(const QPalette& palette)
{
    const QColor background = palette.color(QPalette::Button);
    return {background, readableAgainst(palette.color(QPalette::ButtonText), background)};
}

} // namespace ql310::theme
