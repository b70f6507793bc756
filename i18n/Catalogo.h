#pragma once

// The texts of the window in the four interface languages: 29 targets, in the
// order they are applied. Four menu items have no texts of their own: they
// copy the tooltip of the button that does the same command, once that
// button's row has been applied.

#include <array>

namespace Catalogo {

// The language names, as stored and compared (case-sensitive); the column
// order of Fila::Textos.
inline constexpr std::array<const char *, 4> Idiomas{"Castellano", "Catalán", "Galego", "English"};

// The toolkit's own texts (context menus, the OK of message boxes) come from
// Qt's translation for this code, in the same column order. Qt has none for
// Galician, which takes the Spanish one; English needs none.
inline constexpr std::array<const char *, 4> IdiomasQt{"es", "ca", "es", nullptr};

enum class Destino {
    Tooltip,    // a button's tooltip
    Texto,      // a menu's, menu item's or label's caption
    TooltipDe,  // a menu item's caption, copied from Boton's tooltip
};

struct Fila {
    const char *Control;  // object name of the target
    Destino Que;
    const char *Boton;    // for TooltipDe only
    std::array<const char *, 4> Textos;
};

extern const std::array<Fila, 29> Filas;

}  // namespace Catalogo
