// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the window in the four interface languages: 29 targets, in the
// order they are applied. Four menu items have no texts of their own: they
// copy the tooltip of the button that does the same command, once that
// button's row has been applied.

#include <array>

namespace Catalogo {

// The four interface languages, in the column order of Fila::Textos and in
// menu order; the first is the language of a new window. Adding a language is
// one row here, a column of texts below, and its menu item appears.
struct Idioma {
    const char *Nombre;    // as stored in the settings file and compared (case-sensitive)
    const char *Item;      // object name of its menu item
    const char *Rotulo;    // the item's caption: the name in its own language, in every language
    // The toolkit's own texts (context menus, the OK of message boxes) come
    // from Qt's translation for this code. Qt has none for Galician, which
    // takes the Spanish one; English needs none.
    const char *CodigoQt;
};

inline constexpr std::array<Idioma, 4> Idiomas{{
    {"Castellano", "mnuCastellano", "Castellano", "es"},
    {"Catalán", "mnuCatalán", "Català", "ca"},
    {"Galego", "MnuGallego", "Galego", "es"},
    {"English", "mnuEnglish", "English", nullptr},
}};

enum class Destino {
    Tooltip,    // a button's tooltip
    Texto,      // a menu's, menu item's or label's caption
    TooltipDe,  // a menu item's caption, copied from Boton's tooltip
};

struct Fila {
    const char *Control;  // object name of the target
    Destino Que;
    const char *Boton;    // for TooltipDe only
    std::array<const char *, Idiomas.size()> Textos;
};

extern const std::array<Fila, 29> Filas;

// The text boxes' own texts, the same in both boxes: the seven entries of
// their context menu, in menu order, then the hint a box shows while it holds
// lines too long to show whole (Caja::SoloLectura).
enum class Caja { Deshacer, Rehacer, Cortar, Copiar, Pegar, Eliminar, SeleccionarTodo, SoloLectura };

struct FilaCaja {
    Caja Que;
    std::array<const char *, Idiomas.size()> Textos;
};

extern const std::array<FilaCaja, 8> Cajas;

// The messages the program shows beyond those it was first written with, in
// the interface language; %1 stands for a file's name.
enum class Mensaje { PortapapelesIlegible, PortapapelesNoEscribible, ConfiguracionNoGuardada };

struct FilaMensaje {
    Mensaje Que;
    std::array<const char *, Idiomas.size()> Textos;
};

extern const std::array<FilaMensaje, 3> Mensajes;

}  // namespace Catalogo
