// SPDX-License-Identifier: GPL-3.0-or-later
#include "Memoria.h"
#include "frmConversor.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    Memoria::ReutilizaBloques();
    QApplication aplicacion(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/convertir.gif")));
    frmConversor ventana;
    ventana.show();
    return aplicacion.exec();
}
