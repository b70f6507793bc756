// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The oracle for the engine: every replace-all of the conversion, one after
// another, written as plainly as possible. Slow on purpose; only the tests,
// the benchmarks and the fuzzer use it.

#include "ConversionesTextoHTML.h"

#include <string>
#include <string_view>

namespace ModeloLiteral {

inline std::u16string ReemplazaTodo(const std::u16string &texto, std::u16string_view buscado,
                                    std::u16string_view reemplazo)
{
    std::u16string r;
    std::size_t desde = 0;
    for (std::size_t p; (p = texto.find(buscado, desde)) != std::u16string::npos; desde = p + buscado.size()) {
        r.append(texto, desde, p - desde);
        r.append(reemplazo);
    }
    r.append(texto, desde);
    return r;
}

inline std::u16string Numerica(int codigo)
{
    std::u16string r = u"&#";
    for (char c : std::to_string(codigo))
        r += char16_t(c);
    return r + u';';
}

inline std::u16string Convierte(std::u16string texto, int modo, int opciones)
{
    using ConversionesTextoHTML::Entidades;
    if (modo == 0) {
        for (int i = 98; i >= 0; --i) {
            if (Entidades[i].Especial != 0 && !(opciones & 8))
                continue;
            const std::u16string caracter(1, char16_t(Entidades[i].Codigo));
            if (opciones & 1)
                texto = ReemplazaTodo(texto, caracter, Numerica(Entidades[i].Codigo));
            else
                texto = ReemplazaTodo(texto, caracter, Entidades[i].Texto);
        }
        if (opciones & 2) {
            texto = ReemplazaTodo(texto, u"\n", u"");
            if ((opciones & 32) && (opciones & 4))
                texto = ReemplazaTodo(texto, u"\r", u"<BR>\r");
            else if (opciones & 32)
                texto = ReemplazaTodo(texto, u"\r", u"<BR>\r\n");
            else
                texto = ReemplazaTodo(texto, u"\r", u"<BR>");
        }
        if (opciones & 16)
            texto = ReemplazaTodo(texto, u" ", u"&nbsp;");
    } else if (modo == 1) {
        for (int i = 98; i >= 0; --i) {
            const std::u16string caracter(1, char16_t(Entidades[i].Codigo));
            texto = ReemplazaTodo(texto, Entidades[i].Texto, caracter);
            texto = ReemplazaTodo(texto, Numerica(Entidades[i].Codigo), caracter);
        }
        if (opciones & 2) {
            const std::u16string_view T = (opciones & 4) ? u"\r" : u"\r\n";
            texto = ReemplazaTodo(texto, u"<BR>\n\r", T);
            texto = ReemplazaTodo(texto, u"<BR>\r\n", T);
            texto = ReemplazaTodo(texto, u"<BR>\r", T);
            texto = ReemplazaTodo(texto, u"<BR>", T);
        }
        if (opciones & 16)
            texto = ReemplazaTodo(texto, u"&nbsp;", u" ");
    }
    return texto;
}

}  // namespace ModeloLiteral
