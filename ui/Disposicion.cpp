// SPDX-License-Identifier: GPL-3.0-or-later
#include "Disposicion.h"

#include "Twips.h"

#include <cmath>

namespace Disposicion {

Reparto Reparte(QSizeF exterior)
{
    const double dW = std::nearbyint(exterior.width() - TamanoDiseno.width());
    const double dH = std::nearbyint(exterior.height() - TamanoDiseno.height());
    const auto twips = [&](const Medida &m) { return m.Base + m.PorAncho * dW + m.PorAlto * dH; };

    Reparto reparto{{}, Twips::APixeles(exterior.width())};
    for (std::size_t i = 0; i < Filas.size(); ++i) {
        const Fila &fila = Filas[i];
        const double izquierda = twips(fila.Izquierda);
        const double arriba = twips(fila.Arriba);
        Lugar &lugar = reparto.Lugares[i];
        lugar.Control = fila.Control;
        lugar.Esquina = {Twips::APixeles(izquierda), Twips::APixeles(arriba)};
        if (fila.Ancho && fila.Alto)
            lugar.Tamano = QSize(Twips::APixeles(izquierda + twips(*fila.Ancho)) - lugar.Esquina.x(),
                                 Twips::APixeles(arriba + twips(*fila.Alto)) - lugar.Esquina.y());
    }
    return reparto;
}

}  // namespace Disposicion
