// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The line functions of the settings file Velmora.cfg: keys and values, yes
// words, sizes, and its 8-bit code page. Standard library only;
// every function is pure and re-entrant. The window opens, reads and writes
// the file; these functions only turn its bytes into settings and back.
//
// Example: for the line u"  Idioma = English  ", LeeEtiqueta gives u"Idioma"
// and LeeContenido gives u"English"; Minusculas(LeeEtiqueta(...)) == u"idioma".

#include <string>
#include <string_view>

namespace Configuracion {

// Blanks are space characters (U+0020) only; tabs are never trimmed.

// The key of a line: the line without blanks at either end, then the text before
// its first '=', without blanks at either end. Empty when the trimmed line has
// fewer than two characters or no '='. Case is kept.
std::u16string LeeEtiqueta(std::u16string linea);

// The value of a line: everything after the first '=' of the trimmed line, without
// blanks at either end; it may contain '='. Empty in the same cases as the key.
std::u16string LeeContenido(std::u16string linea);

// The key (parte 0) or the value (parte 1) of a line, as LeeEtiqueta and
// LeeContenido give them, as a view into the line. Windows-1252 has one byte
// per character, so a line of the file's bytes splits exactly as its text:
// the reader of whole files works on bytes, without a copy per line.
template <class Caracter>
std::basic_string_view<Caracter> ParteDeLinea(std::basic_string_view<Caracter> linea, int parte)
{
    const auto quitaBlancos = [](std::basic_string_view<Caracter> texto) {
        const auto inicio = texto.find_first_not_of(Caracter(' '));
        return inicio == texto.npos ? texto.substr(0, 0)
                                    : texto.substr(inicio, texto.find_last_not_of(Caracter(' ')) - inicio + 1);
    };
    const auto recortada = quitaBlancos(linea);
    const auto igual = recortada.find(Caracter('='));
    if (recortada.size() < 2 || igual == recortada.npos)
        return {};
    return quitaBlancos(parte == 0 ? recortada.substr(0, igual) : recortada.substr(igual + 1));
}

// Whether Minusculas of the text (or of the Windows-1252 bytes) equals
// `minusculas`, without making it.
bool IgualEnMinusculas(std::u16string_view texto, std::u16string_view minusculas);
bool IgualEnMinusculas(std::string_view bytes, std::u16string_view minusculas);

// True when the lower-cased value is exactly "si", "sí", "yes" or "on".
// No trimming: u" si" and u"si\t" are false.
bool LeeSiNo(std::u16string valor);
// The same without a copy, on text or on Windows-1252 bytes.
template <class Texto>
bool EsSi(Texto valor);

// u"Si" for true, u"No" for false.
std::u16string EscribeSiNo(bool valor);

// Lower-cases A-Z, the Latin-1 capitals U+00C0-U+00DE except U+00D7, and the
// Windows-1252 capitals U+0160, U+0152, U+017D, U+0178; every other unit is kept.
std::u16string Minusculas(std::u16string texto);
char16_t Minuscula(char16_t c);

// The leading number of a size value, floored: optional sign, digits, optional
// '.' and digits, optional 'E'/'e' with optional sign and digits. Spaces, tabs
// and LFs anywhere in it are skipped; '.' is the decimal point in every locale;
// reading stops at the first unit that cannot continue the number. No number
// reads 0. Ordinary values are correctly rounded to double; values beyond the
// range of double read +/-infinity (so 400 digits give +infinity), values too
// small for it read 0 or -1. Linear in the length of the text.
// Example: u"9 000.9abc" gives 9000, u"-0.5" gives -1, u"1e999999999999" +infinity.
double LeeMedida(std::u16string_view valor);

// Windows-1252 bytes to UTF-16. Never fails: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the code points of the same value.
std::u16string DesdeWindows1252(std::string_view bytes);
// The same into destino, which has room for bytes.size() units; returns the end.
char16_t *DesdeWindows1252(std::string_view bytes, char16_t *destino);
char16_t CaracterWindows1252(char byte);

// UTF-16 to Windows-1252, the inverse of DesdeWindows1252 (so every byte makes
// the round trip). A character the code page cannot hold becomes one '?'; a
// surrogate pair counts as one character, a lone surrogate as one.
std::string AWindows1252(std::u16string_view texto);

// One written line of the file: the Windows-1252 bytes of etiqueta, '=', valor,
// CR, LF. Example: EscribeLinea(u"Idioma", u"Catalán") == "Idioma=Catal\xE1n\r\n".
std::string EscribeLinea(std::u16string_view etiqueta, std::u16string_view valor);

}  // namespace Configuracion
