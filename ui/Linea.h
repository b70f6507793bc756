// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line control: a rule of one colour, drawn as a filled strip.

#include <QFrame>

inline QFrame *Linea(QWidget *padre, const char *nombre, QColor color, QRect lugar)
{
    auto *linea = new QFrame(padre);
    linea->setObjectName(QLatin1String(nombre));
    linea->setAutoFillBackground(true);
    QPalette paleta = linea->palette();
    paleta.setColor(QPalette::Window, color);
    linea->setPalette(paleta);
    linea->setGeometry(lugar);
    return linea;
}
