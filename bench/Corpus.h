// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A deterministic text of Spanish-like prose for the benchmarks: accented
// letters, inverted marks, a few markup characters, CR LF line breaks and
// the odd double blank, as pasted from a word processor.

#include <cstdint>
#include <string>

namespace Corpus {

inline std::u16string Prosa(std::size_t caracteres)
{
    // Frequent short words first and often, as in real prose: about one
    // accented letter in forty characters.
    static const char16_t *const comunes[] = {
        u"el", u"la", u"de", u"que", u"y", u"en", u"los", u"se", u"del", u"las", u"un", u"por", u"con", u"no",
        u"una", u"su", u"para", u"es", u"al", u"lo", u"como", u"pero", u"sus", u"le", u"ya", u"o", u"fue",
        u"este", u"ha", u"si", u"porque", u"esta", u"son", u"entre", u"cuando", u"muy", u"sin", u"sobre",
        u"ciudad", u"tiempo", u"mundo", u"casa", u"trabajo", u"vida", u"texto", u"programa", u"ventana",
        u"convertir", u"caracteres", u"parte", u"general", u"gobierno", u"historia", u"grupo", u"hombre",
        u"mujer", u"forma", u"manera", u"problema", u"proyecto", u"nombre", u"lugar", u"momento", u"ejemplo",
    };
    static const char16_t *const palabras[] = {
        u"más", u"año", u"años", u"niño", u"canción", u"corazón", u"información", u"también", u"además", u"está",
        u"según", u"después", u"pingüino", u"cigüeña", u"España", u"señor", u"mañana", u"árbol", u"último",
        u"página", u"público", u"él", u"música", u"camión", u"azúcar", u"Ángel", u"Óscar", u"reunión",
        u"página", u"línea", u"botón", u"menú", u"opción", u"José", u"María",
    };
    static const char16_t *const signos[] = {u",", u".", u";", u":", u" <", u" >", u" &", u"\"", u"¿", u"¡", u"?", u"!"};
    std::uint32_t estado = 12345;
    auto azar = [&estado](std::uint32_t n) {
        estado = estado * 1103515245u + 12345u;
        return (estado >> 16) % n;
    };

    std::u16string texto;
    texto.reserve(caracteres + 128);
    std::size_t columna = 0;
    while (texto.size() < caracteres) {
        texto += azar(5) != 0 ? comunes[azar(std::size(comunes))] : palabras[azar(std::size(palabras))];
        columna += 6;
        if (azar(12) == 0)
            texto += signos[azar(std::size(signos))];
        if (columna > 72) {
            texto += u"\r\n";
            columna = 0;
        } else {
            texto += azar(25) == 0 ? u"  " : u" ";
        }
    }
    texto.resize(caracteres);
    return texto;
}

}  // namespace Corpus
