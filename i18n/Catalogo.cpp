// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogo.h"

namespace Catalogo {

// clang-format off
const std::array<Fila, 29> Filas{{
    {"cmdConvertir", Destino::Tooltip, nullptr, {"Convertir", "Convertir", "Convertir", "Convert"}},
    {"cmdBorrar", Destino::Tooltip, nullptr, {"Borrar", "Esborrar", "Borrar", "Delete"}},
    {"cmdPegar", Destino::Tooltip, nullptr, {"Pegar portapapeles", "Engantxar portapapers", "Pegar portapapeis", "Paste clipboard"}},
    {"cmdPegayCopia", Destino::Tooltip, nullptr, {"Convertir portapapeles", "Convertir portapapers", "Convertir portapapeis", "Convert clipboard"}},
    {"cmdCopiar", Destino::Tooltip, nullptr, {"Copiar al portapapeles", "Copiar al portapapers", "Copiar ao portapapeis", "Copy to clipboard"}},
    {"cmdCerrar", Destino::Tooltip, nullptr, {"Cerrar", "Tancar", "Pechar", "Close"}},
    {"mnuArchivo", Destino::Texto, nullptr, {"Archivo", "Arxiu", "Arquivo", "File"}},
    {"mnuCerrar", Destino::Texto, nullptr, {"Cerrar", "Tancar", "Pechar", "Close"}},
    {"mnuModo", Destino::Texto, nullptr, {"Modo", "Mode", "Modo", "Mode"}},
    {"mnuTextoaHTML", Destino::Texto, nullptr, {"Texto a HTML", "Texte a HTML", "Texto a HTML", "Text to HTML"}},
    {"mnuHTMLaTexto", Destino::Texto, nullptr, {"HTML a texto", "HTML a texte", "HTML a texto", "HTML to text"}},
    {"mnuConversion", Destino::Texto, nullptr, {"Conversión", "Conversió", "Conversión", "Conversion"}},
    {"mnuPegar", Destino::TooltipDe, "cmdPegar", {}},
    {"mnuConvertir", Destino::TooltipDe, "cmdConvertir", {}},
    {"mnuCopiarResultado", Destino::TooltipDe, "cmdCopiar", {}},
    {"mnuConvertirPortapapeles", Destino::TooltipDe, "cmdPegayCopia", {}},
    {"mnuOpciones", Destino::Texto, nullptr, {"Opciones", "Opcions", "Opcións", "Options"}},
    {"mnuUnicode", Destino::Texto, nullptr, {"Usar códigos unicode", "Utilitzar codis unicode", "Usar códigos unicode", "Use unicode codes"}},
    {"mnuEntidadesHtml", Destino::Texto, nullptr, {"Convertir carácteres especiales HTML", "Convertir caràcters especials HTML", "Convertir carácteres especiais HTML", "Convert special HTML characters"}},
    {"mnuSaltos", Destino::Texto, nullptr, {"Procesar saltos de línea", "Processar salts de llínia", "Procesar saltos de liña", "Process line feeds"}},
    {"mnuSoloCR", Destino::Texto, nullptr, {"No usar LF tras CR", "No utilitzar LF darrera de CR", "Non usar LF tras CR", "Don't use LF after CR"}},
    {"mnuEspacios", Destino::Texto, nullptr, {"Convertir espacios en blanco", "Convertir espais en blanc", "Convertir espacios en branco", "Convert blank spaces"}},
    {"mnuCRtrasBR", Destino::Texto, nullptr, {"Salto de línea tras <BR>", "Salt de llínia darrera de <BR>", "Salto de liña tras <BR>", "Line feed after <BR>"}},
    {"mnuIdioma", Destino::Texto, nullptr, {"Idioma", "Idioma", "Idioma", "Language"}},
    {"mnuAyuda", Destino::Texto, nullptr, {"Ayuda", "Ajuda", "Axuda", "Help"}},
    {"mnuWeb", Destino::Texto, nullptr, {"Ayuda en línea", "Ajuda en llínia", "Axuda en liña", "Online help"}},
    {"mnuAcerca", Destino::Texto, nullptr, {"Acerca de...", "Respecte de...", "Acerca de...", "About..."}},
    {"lblConvertido", Destino::Texto, nullptr, {"Convertido:", "Convertit:", "Convertido:", "Converted:"}},
    {"lblOriginal", Destino::Texto, nullptr, {"Original:", "Original:", "Orixinal:", "Original:"}},
}};

const std::array<FilaCaja, 8> Cajas{{
    {Caja::Deshacer, {"Deshacer", "Desfés", "Desfacer", "Undo"}},
    {Caja::Rehacer, {"Rehacer", "Refés", "Refacer", "Redo"}},
    {Caja::Cortar, {"Cortar", "Retalla", "Cortar", "Cut"}},
    {Caja::Copiar, {"Copiar", "Copia", "Copiar", "Copy"}},
    {Caja::Pegar, {"Pegar", "Enganxa", "Pegar", "Paste"}},
    {Caja::Eliminar, {"Eliminar", "Suprimeix", "Eliminar", "Delete"}},
    {Caja::SeleccionarTodo, {"Seleccionar todo", "Selecciona-ho tot", "Seleccionar todo", "Select All"}},
    {Caja::SoloLectura, {"Solo lectura: líneas largas partidas (↵)",
                         "Només lectura: línies llargues partides (↵)",
                         "Só lectura: liñas longas partidas (↵)",
                         "Read-only: long lines broken (↵)"}},
}};

const std::array<FilaMensaje, 3> Mensajes{{
    {Mensaje::PortapapelesIlegible, {"No se puede leer el portapapeles.", "No es pot llegir el portapapers.",
                                     "Non se pode ler o portapapeis.", "The clipboard cannot be read."}},
    {Mensaje::PortapapelesNoEscribible, {"No se puede escribir en el portapapeles.", "No es pot escriure al portapapers.",
                                         "Non se pode escribir no portapapeis.", "The clipboard cannot be written to."}},
    {Mensaje::ConfiguracionNoGuardada, {"No se ha podido guardar la configuración en %1.",
                                        "No s'ha pogut desar la configuració a %1.",
                                        "Non se puido gardar a configuración en %1.",
                                        "The settings could not be saved to %1."}},
}};
// clang-format on

}  // namespace Catalogo
