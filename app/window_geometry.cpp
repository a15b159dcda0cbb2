// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace ql310 {

namespace {

const QString kGeometryKey = QStringLiteral("Window/Geometry");

// What the frame of a window not yet shown is taken to need: its borders
// and its title bar.
constexpr QSize kFrameAllowance(16, 48);

QList<QRect> availableScreens()
{
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    return screens;
}

} // namespace

void storeWindowGeometry(QSettings& settings, const QWidget& window)
{
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.sync();
}

bool restoreWindowGeometry(QSettings& settings, QWidget& window)
{
    const QByteArray stored = settings.value(kGeometryKey).toByteArray();
    if (stored.isEmpty() || !window.restoreGeometry(stored))
        return false;
    const QList<QRect> screens = availableScreens();
    if (screens.isEmpty())
        return true;
    const QRect placed = broughtOntoScreen(window.geometry(), screens);
    if (placed != window.geometry())
        window.setGeometry(placed);
    return true;
}

QRect broughtOntoScreen(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame;
    QRect screen = screens.first();
    qint64 best = 0;
    for (const QRect& candidate : screens) {
        const QRect common = candidate.intersected(frame);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > best) {
            best = area;
            screen = candidate;
        }
    }
    QRect placed(frame.topLeft(), frame.size().boundedTo(screen.size()));
    placed.moveLeft(qBound(screen.left(), placed.left(), screen.right() - placed.width() + 1));
    placed.moveTop(qBound(screen.top(), placed.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

void giveDefaultSize(QWidget& window)
{
    QSize size = window.sizeHint();
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableGeometry().size() - kFrameAllowance);
    window.resize(size);
}

} // namespace ql310
