// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_identity.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ql310 {

namespace {

// The picture of the desktop entry (desktop/ql310set.svg), built in.
const QString kIconResource = QStringLiteral(":/icons/ql310set.svg");
// Drawn through Qt SVG itself, so that the icon shows even where the image
// plug-in for SVG is not installed.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128};

} // namespace

QIcon programIcon()
{
    QSvgRenderer renderer(kIconResource);
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void applyDesktopIdentity()
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QGuiApplication::setWindowIcon(programIcon());
}

} // namespace ql310
