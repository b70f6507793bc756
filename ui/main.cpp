#include "frmConversor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    frmConversor ventana;
    ventana.show();
    return aplicacion.exec();
}
