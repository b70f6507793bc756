// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the main window's controls go for an outer size, in twips. Plain
// arithmetic on Qt's geometry types, no widgets: the window applies the
// result by object name.
//
// Each place is Base + dW * PorAncho + dH * PorAlto twips, dW and dH being
// the growth of the outer size over the design size, rounded to whole twips.
// A size ends on the pixel of its far edge rather than on its own rounded
// length, so edges that meet in twips also meet on screen when dH / 2 is
// half a pixel. Example: at the design size sOriginal lies at (8, 24) and
// measures 321 x 73 pixels.

#include <QPoint>
#include <QSize>
#include <QSizeF>

#include <array>
#include <optional>

namespace Disposicion {

inline constexpr QSizeF TamanoDiseno{5865, 4020};  // outer size, twips
inline constexpr QSizeF TamanoMinimo{4740, 3780};

struct Medida {
    double Base, PorAncho, PorAlto;
};

// One control: where its top-left corner goes, and its size for the boxes
// that grow with the window; the others keep the size they have.
struct Fila {
    const char *Control;
    Medida Izquierda, Arriba;
    std::optional<Medida> Ancho, Alto;
};

inline constexpr std::array<Fila, 10> Filas{{
    {"sOriginal", {120, 0, 0}, {360, 0, 0}, Medida{4815, 1, 0}, Medida{1095, 0, 0.5}},
    {"sConvertido", {120, 0, 0}, {2160, 0, 0.5}, Medida{4815, 1, 0}, Medida{1095, 0, 0.5}},
    {"lblConvertido", {120, 0, 0}, {1920, 0, 0.5}, {}, {}},
    {"cmdConvertir", {3840, 1, 0}, {1560, 0, 0.5}, {}, {}},
    {"picSemaforo", {4680, 1, 0}, {1500, 0, 0.5}, {}, {}},
    {"cmdPegar", {5040, 1, 0}, {360, 0, 0}, {}, {}},
    {"cmdBorrar", {5040, 1, 0}, {960, 0, 0.5}, {}, {}},
    {"cmdPegayCopia", {5040, 1, 0}, {1560, 0, 0.5}, {}, {}},
    {"cmdCopiar", {5040, 1, 0}, {2160, 0, 0.5}, {}, {}},
    {"cmdCerrar", {5040, 1, 0}, {2760, 0, 1}, {}, {}},
}};

// A control's place in device-independent pixels.
struct Lugar {
    const char *Control;
    QPoint Esquina;
    std::optional<QSize> Tamano;
};

struct Reparto {
    std::array<Lugar, Filas.size()> Lugares;
    int AnchoLineas;  // the two lines under the menu bar span the window
};

Reparto Reparte(QSizeF exterior);

}  // namespace Disposicion
