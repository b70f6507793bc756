#include "frmConversor.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/convertir.gif")));
    frmConversor ventana;
    ventana.show();
    return aplicacion.exec();
}
