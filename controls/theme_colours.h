// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the program gives texts and cell backgrounds, in the user's
// palette. In a light palette the program's own colours stay as they are
// (the call-log rows, the time control's focus colour); in a dark palette
// each becomes a colour of the same hue that reads against what it is shown
// on, with a contrast ratio of at least 4.5:1 by the relative luminance of
// WCAG 2.1. Header cells take the palette's button colours, their text made
// readable in either palette. Qt GUI only: no widgets.
#pragma once

#include <QColor>

class QPalette;

namespace ql310::theme {

constexpr double kMinimumContrast = 4.5;

// Relative luminance, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour);
// (lighter + 0.05) / (darker + 0.05): 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// A palette whose text is lighter than the background it is written on.
bool isDark(const QPalette& palette);

// `colour`, or the nearest colour of its hue and saturation (lighter or
// darker, away from `other`) with at least `ratio` against `other`.
QColor readableAgainst(const QColor& colour, const QColor& other, double ratio = kMinimumContrast);

// The least prominent colour of `colour`'s hue, at half its saturation,
// that still reads against `other` with at least `ratio`: the faintest
// readable colour on the side of `other` that has more room.
QColor faintestReadable(const QColor& colour, const QColor& other, double ratio = kMinimumContrast);

// A colour of the program's own as `palette` shows it: itself in a light
// palette, made readable against `other` in a dark one. `other` is the
// background of a text colour, or the text on a background colour.
QColor inPalette(const QColor& colour, const QColor& other, const QPalette& palette);

struct HeaderColours {
    QColor background;
    QColor text;
};
// Header cells (and cells that mirror others and cannot be edited).
HeaderColours headerColours(const QPalette& palette);

} // namespace ql310::theme
