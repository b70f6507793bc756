// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The six conversion options, once for everything that names them: the
// window's menu items, the settings file and velmora-convert. Adding an option
// is one row here, plus its captions in the language catalogue.

#include "ConversionesTextoHTML.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace Opciones {

struct Opcion {
    std::int16_t Bit;            // in the option word
    std::string_view Item;       // object name of the menu item
    std::u16string_view Clave;   // key in Velmora.cfg
    std::string_view Marca;      // velmora-convert flag
    std::string_view Ayuda;      // its line in --help
    bool SinEfectoATexto;        // disabled while converting HTML to text
    bool PorDefecto;             // set in a new window and in velmora-convert
};

// In menu order, which is also the order of the settings file.
inline constexpr std::array<Opcion, 6> Tabla{{
    {ConversionesTextoHTML::OpcionUnicode, "mnuUnicode", u"Unicode", "--numeric",
     "numeric references, &#233; not &eacute;", true, false},
    {ConversionesTextoHTML::OpcionEntidadesHtml, "mnuEntidadesHtml", u"EntidadesHTML", "--reserved",
     "also \" < > & to references", true, false},
    {ConversionesTextoHTML::OpcionSaltos, "mnuSaltos", u"Saltos", "--line-breaks",
     "line breaks to <BR>, or <BR> to line breaks", false, false},
    {ConversionesTextoHTML::OpcionSoloCR, "mnuSoloCR", u"SoloCR", "--cr-only",
     "CR alone, without LF, for those line breaks", false, false},
    {ConversionesTextoHTML::OpcionEspacios, "mnuEspacios", u"Espacios", "--spaces",
     "blanks to &nbsp;, or back", false, false},
    {ConversionesTextoHTML::OpcionCRtrasBR, "mnuCRtrasBR", u"CRtrasBR", "--br-newline",
     "keep the line break after <BR> (on by default)", true, true},
}};

// Every option set: the largest option word that means something.
constexpr std::int16_t PalabraMaxima()
{
    std::int16_t palabra = 0;
    for (const Opcion &o : Tabla)
        palabra = std::int16_t(palabra | o.Bit);
    return palabra;
}

constexpr std::int16_t PalabraPorDefecto()
{
    std::int16_t palabra = 0;
    for (const Opcion &o : Tabla)
        palabra = std::int16_t(palabra | (o.PorDefecto ? o.Bit : 0));
    return palabra;
}

}  // namespace Opciones
