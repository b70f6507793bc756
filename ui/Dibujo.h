// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An image of the resources, sharp on a screen at 200 %: there its @2x
// version is loaded, which keeps the same size in device-independent pixels.

#include <QGuiApplication>
#include <QPixmap>

inline QPixmap Dibujo(const QString &recurso)
{
    if (qGuiApp->devicePixelRatio() >= 2) {
        QPixmap doble(QString(recurso).replace(QLatin1String(".gif"), QLatin1String("@2x.gif")));
        if (!doble.isNull()) {
            doble.setDevicePixelRatio(2);
            return doble;
        }
    }
    return QPixmap(recurso);
}
