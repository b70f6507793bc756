// SPDX-License-Identifier: GPL-3.0-or-later
// The interface texts, spelled out here once more rather than read from the
// catalogue, so that a typo in any of its cells fails a row.

#include "Catalogo.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace {

struct Idioma {
    const char *nombre;
    int columna;
    const char *item;      // its menu item
    const char *rotulo;    // the item's caption
    const char *codigoQt;  // Qt's translation it loads, or none
    // Target and text, in the order the texts are applied.
    std::array<std::pair<std::string_view, std::string_view>, 29> textos;
    // The text boxes' context menu, then their read-only hint.
    std::array<std::string_view, 8> cajas;
    // The program's own messages, in the order of Catalogo::Mensaje.
    std::array<std::string_view, 3> mensajes;
};

void PrintTo(const Idioma &i, std::ostream *os) { *os << i.nombre; }

const Idioma Idiomas[] = {
    {"Castellano", 0, "mnuCastellano", "Castellano", "es", {{
        {"cmdConvertir", "Convertir"},
        {"cmdBorrar", "Borrar"},
        {"cmdPegar", "Pegar portapapeles"},
        {"cmdPegayCopia", "Convertir portapapeles"},
        {"cmdCopiar", "Copiar al portapapeles"},
        {"cmdCerrar", "Cerrar"},
        {"mnuArchivo", "Archivo"},
        {"mnuCerrar", "Cerrar"},
        {"mnuModo", "Modo"},
        {"mnuTextoaHTML", "Texto a HTML"},
        {"mnuHTMLaTexto", "HTML a texto"},
        {"mnuConversion", "Conversión"},
        {"mnuPegar", "Pegar portapapeles"},
        {"mnuConvertir", "Convertir"},
        {"mnuCopiarResultado", "Copiar al portapapeles"},
        {"mnuConvertirPortapapeles", "Convertir portapapeles"},
        {"mnuOpciones", "Opciones"},
        {"mnuUnicode", "Usar códigos unicode"},
        {"mnuEntidadesHtml", "Convertir carácteres especiales HTML"},
        {"mnuSaltos", "Procesar saltos de línea"},
        {"mnuSoloCR", "No usar LF tras CR"},
        {"mnuEspacios", "Convertir espacios en blanco"},
        {"mnuCRtrasBR", "Salto de línea tras <BR>"},
        {"mnuIdioma", "Idioma"},
        {"mnuAyuda", "Ayuda"},
        {"mnuWeb", "Ayuda en línea"},
        {"mnuAcerca", "Acerca de..."},
        {"lblConvertido", "Convertido:"},
        {"lblOriginal", "Original:"},
    }}, {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Eliminar", "Seleccionar todo",
      "Solo lectura: líneas largas partidas (↵)"}, {"No se puede leer el portapapeles.",
      "No se puede escribir en el portapapeles.", "No se ha podido guardar la configuración en %1."}},
    {"Catalán", 1, "mnuCatalán", "Català", "ca", {{
        {"cmdConvertir", "Convertir"},
        {"cmdBorrar", "Esborrar"},
        {"cmdPegar", "Engantxar portapapers"},
        {"cmdPegayCopia", "Convertir portapapers"},
        {"cmdCopiar", "Copiar al portapapers"},
        {"cmdCerrar", "Tancar"},
        {"mnuArchivo", "Arxiu"},
        {"mnuCerrar", "Tancar"},
        {"mnuModo", "Mode"},
        {"mnuTextoaHTML", "Texte a HTML"},
        {"mnuHTMLaTexto", "HTML a texte"},
        {"mnuConversion", "Conversió"},
        {"mnuPegar", "Engantxar portapapers"},
        {"mnuConvertir", "Convertir"},
        {"mnuCopiarResultado", "Copiar al portapapers"},
        {"mnuConvertirPortapapeles", "Convertir portapapers"},
        {"mnuOpciones", "Opcions"},
        {"mnuUnicode", "Utilitzar codis unicode"},
        {"mnuEntidadesHtml", "Convertir caràcters especials HTML"},
        {"mnuSaltos", "Processar salts de llínia"},
        {"mnuSoloCR", "No utilitzar LF darrera de CR"},
        {"mnuEspacios", "Convertir espais en blanc"},
        {"mnuCRtrasBR", "Salt de llínia darrera de <BR>"},
        {"mnuIdioma", "Idioma"},
        {"mnuAyuda", "Ajuda"},
        {"mnuWeb", "Ajuda en llínia"},
        {"mnuAcerca", "Respecte de..."},
        {"lblConvertido", "Convertit:"},
        {"lblOriginal", "Original:"},
    }}, {"Desfés", "Refés", "Retalla", "Copia", "Enganxa", "Suprimeix", "Selecciona-ho tot",
      "Només lectura: línies llargues partides (↵)"}, {"No es pot llegir el portapapers.",
      "No es pot escriure al portapapers.", "No s'ha pogut desar la configuració a %1."}},
    {"Galego", 2, "MnuGallego", "Galego", "es", {{
        {"cmdConvertir", "Convertir"},
        {"cmdBorrar", "Borrar"},
        {"cmdPegar", "Pegar portapapeis"},
        {"cmdPegayCopia", "Convertir portapapeis"},
        {"cmdCopiar", "Copiar ao portapapeis"},
        {"cmdCerrar", "Pechar"},
        {"mnuArchivo", "Arquivo"},
        {"mnuCerrar", "Pechar"},
        {"mnuModo", "Modo"},
        {"mnuTextoaHTML", "Texto a HTML"},
        {"mnuHTMLaTexto", "HTML a texto"},
        {"mnuConversion", "Conversión"},
        {"mnuPegar", "Pegar portapapeis"},
        {"mnuConvertir", "Convertir"},
        {"mnuCopiarResultado", "Copiar ao portapapeis"},
        {"mnuConvertirPortapapeles", "Convertir portapapeis"},
        {"mnuOpciones", "Opcións"},
        {"mnuUnicode", "Usar códigos unicode"},
        {"mnuEntidadesHtml", "Convertir carácteres especiais HTML"},
        {"mnuSaltos", "Procesar saltos de liña"},
        {"mnuSoloCR", "Non usar LF tras CR"},
        {"mnuEspacios", "Convertir espacios en branco"},
        {"mnuCRtrasBR", "Salto de liña tras <BR>"},
        {"mnuIdioma", "Idioma"},
        {"mnuAyuda", "Axuda"},
        {"mnuWeb", "Axuda en liña"},
        {"mnuAcerca", "Acerca de..."},
        {"lblConvertido", "Convertido:"},
        {"lblOriginal", "Orixinal:"},
    }}, {"Desfacer", "Refacer", "Cortar", "Copiar", "Pegar", "Eliminar", "Seleccionar todo",
      "Só lectura: liñas longas partidas (↵)"}, {"Non se pode ler o portapapeis.",
      "Non se pode escribir no portapapeis.", "Non se puido gardar a configuración en %1."}},
    {"English", 3, "mnuEnglish", "English", nullptr, {{
        {"cmdConvertir", "Convert"},
        {"cmdBorrar", "Delete"},
        {"cmdPegar", "Paste clipboard"},
        {"cmdPegayCopia", "Convert clipboard"},
        {"cmdCopiar", "Copy to clipboard"},
        {"cmdCerrar", "Close"},
        {"mnuArchivo", "File"},
        {"mnuCerrar", "Close"},
        {"mnuModo", "Mode"},
        {"mnuTextoaHTML", "Text to HTML"},
        {"mnuHTMLaTexto", "HTML to text"},
        {"mnuConversion", "Conversion"},
        {"mnuPegar", "Paste clipboard"},
        {"mnuConvertir", "Convert"},
        {"mnuCopiarResultado", "Copy to clipboard"},
        {"mnuConvertirPortapapeles", "Convert clipboard"},
        {"mnuOpciones", "Options"},
        {"mnuUnicode", "Use unicode codes"},
        {"mnuEntidadesHtml", "Convert special HTML characters"},
        {"mnuSaltos", "Process line feeds"},
        {"mnuSoloCR", "Don't use LF after CR"},
        {"mnuEspacios", "Convert blank spaces"},
        {"mnuCRtrasBR", "Line feed after <BR>"},
        {"mnuIdioma", "Language"},
        {"mnuAyuda", "Help"},
        {"mnuWeb", "Online help"},
        {"mnuAcerca", "About..."},
        {"lblConvertido", "Converted:"},
        {"lblOriginal", "Original:"},
    }}, {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All", "Read-only: long lines broken (↵)"},
      {"The clipboard cannot be read.", "The clipboard cannot be written to.",
       "The settings could not be saved to %1."}},
};

class TextosDeIdioma : public testing::TestWithParam<Idioma> {};

// Four rows copy a button's tooltip instead of holding texts of their own:
// what they show is that button's text in the same language.
std::string_view TextoMostrado(const Catalogo::Fila &fila, int columna)
{
    if (fila.Que != Catalogo::Destino::TooltipDe)
        return fila.Textos[std::size_t(columna)];
    for (const Catalogo::Fila &boton : Catalogo::Filas) {
        if (std::string_view(boton.Control) == fila.Boton)
            return boton.Textos[std::size_t(columna)];
    }
    return "(no such button)";
}

TEST_P(TextosDeIdioma, EveryTargetShowsItsTextInTheLanguage)
{
    const Idioma &idioma = GetParam();
    ASSERT_EQ(Catalogo::Idiomas.size(), std::size(Idiomas));
    const Catalogo::Idioma &descriptor = Catalogo::Idiomas[std::size_t(idioma.columna)];
    EXPECT_STREQ(descriptor.Nombre, idioma.nombre);
    EXPECT_STREQ(descriptor.Item, idioma.item);
    EXPECT_STREQ(descriptor.Rotulo, idioma.rotulo);
    EXPECT_STREQ(descriptor.CodigoQt, idioma.codigoQt);
    ASSERT_EQ(Catalogo::Filas.size(), idioma.textos.size());
    for (std::size_t i = 0; i < idioma.textos.size(); ++i) {
        const Catalogo::Fila &fila = Catalogo::Filas[i];
        EXPECT_EQ(std::string_view(fila.Control), idioma.textos[i].first) << "row " << i + 1;
        EXPECT_EQ(TextoMostrado(fila, idioma.columna), idioma.textos[i].second) << fila.Control;
    }
    for (std::size_t i = 0; i < idioma.cajas.size(); ++i) {
        EXPECT_EQ(std::size_t(Catalogo::Cajas[i].Que), i);
        EXPECT_EQ(std::string_view(Catalogo::Cajas[i].Textos[std::size_t(idioma.columna)]), idioma.cajas[i]);
    }
    for (std::size_t i = 0; i < idioma.mensajes.size(); ++i) {
        EXPECT_EQ(std::size_t(Catalogo::Mensajes[i].Que), i);
        EXPECT_EQ(std::string_view(Catalogo::Mensajes[i].Textos[std::size_t(idioma.columna)]), idioma.mensajes[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogo, TextosDeIdioma, testing::ValuesIn(Idiomas),
                         [](const testing::TestParamInfo<Idioma> &info) { return std::to_string(info.param.columna); });

}  // namespace
