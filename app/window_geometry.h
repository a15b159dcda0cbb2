// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size, position and maximised state, kept in the user's
// settings store beside the call-log column widths (section "Window", key
// "Geometry", as Qt's saveGeometry() writes it), and the window's first
// size when nothing usable is stored.
#pragma once

#include <QList>
#include <QRect>

class QSettings;
class QWidget;

namespace ql310 {

void storeWindowGeometry(QSettings& settings, const QWidget& window);
// Gives `window` the stored geometry, brought onto a present screen; false
// (and the window unchanged) when none is stored or it cannot be read.
bool restoreWindowGeometry(QSettings& settings, QWidget& window);

// `frame` moved, and made smaller where it must, to lie whole on the one of
// `screens` it overlaps most (the first when it overlaps none).
QRect broughtOntoScreen(const QRect& frame, const QList<QRect>& screens);

// The size a window wants (its size hint), no larger than the available
// room of its screen leaves for it with its frame.
void giveDefaultSize(QWidget& window);

} // namespace ql310
