// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Character references as today's HTML reads them: the conversions behind
// velmora-convert --html5. Standard library only; every object is independent
// of the others.
//
// DecodificadorHTML5, HTML to text, reads each character reference the way
// the HTML standard's tokenizer reads one in text content:
//   - '&' and a name: the longest name of the standard's table (2,231 names)
//     found there. Names end in ';', except 106 legacy ones that also match
//     without it, so "&notit;" gives "¬it;" and "&amp" gives "&".
//   - "&#" and decimal digits, or "&#x" / "&#X" and hexadecimal digits, ';'
//     optional: 0, surrogates and numbers above 0x10FFFF give U+FFFD; 0x80 to
//     0x9F give the standard's characters for them (Windows-1252's: "&#128;"
//     gives "€"); every other number gives its own character.
//   - Anything else stays as it is, unit for unit.
// It is one pass: what a reference produces is never read again, so
// "&amp;lt;" gives "&lt;" and "&lt;BR&gt;" gives "<BR>".
//   OpcionEspacios: "&nbsp;", written exactly so, gives a blank, not U+00A0.
//   OpcionSaltos: each "<BR>" of the input, with the line break right after
//     it (LF CR, CR LF or CR) if there is one, gives CR LF, or CR with
//     OpcionSoloCR. "<BR><BR>" CR LF gives two line breaks.
//   The other options do nothing in this direction.
//
// CodificadorASCII, text to HTML, writes nothing but ASCII:
//   - the four reserved characters always become references (OpcionEntidadesHtml
//     is implied: a bare '&' could not come back), and the Latin-1 characters
//     161-255, line breaks and blanks follow the options as ConvierteTextoHTML
//     has them, named or numeric;
//   - U+00A0 and every character above 255 become "&#" decimal code ";", one
//     for a whole surrogate pair;
//   - a lone surrogate and U+0080-U+009F cannot be written: no reference reads
//     back as them. The conversion stops there and says where.
// Whatever it writes, DecodificadorHTML5 with the same options reads back as
// the input, if OpcionSaltos is off or every line break of the input is CR LF
// (CR alone with OpcionSoloCR).
//
// Example: "caf\u00e9 &amp; \u20ac" to HTML gives "caf&eacute; &amp;amp; &#8364;",
// and back.
//
// Both take their input in pieces cut anywhere, even inside a reference or a
// character, and write what is final at once: the pieces together give what
// the whole text gives. Unidad is char16_t for UTF-16 or char for UTF-8.
// The decoder passes malformed sequences through as they are; the encoder
// cannot write them and reports U+FFFD.

#include "ConversionesTextoHTML.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ConversionesTextoHTML {

template <typename Unidad>
class DecodificadorHTML5 {
public:
    // A reference is at most 32 units after its '&'; a run of digits of any
    // length is held as its value, not as units.
    static constexpr std::size_t Retenidas = 33;

    // Room the caller gives Convierte for n units: no reference writes more
    // than six fifths of its length ("&nGt;" gives six bytes of UTF-8), and a
    // copy may write a vector step past what it keeps.
    static constexpr std::size_t Cota(std::size_t n) { return 2 * (n + Retenidas) + 8; }

    explicit DecodificadorHTML5(int opciones);

    // Decodes the held-back units and `trozo`, writes at w what is final and
    // returns the end of what it wrote; `ultimo` flushes everything.
    Unidad *Convierte(std::basic_string_view<Unidad> trozo, Unidad *w, bool ultimo = false);

private:
    struct Numero {
        bool Activo = false;
        bool Hexadecimal = false;
        std::uint32_t Valor = 0;
    };

    Unidad *Decodifica(const Unidad *&p, const Unidad *fin, Unidad *w, bool ultimo);
    std::size_t DecodificaReferencia(const Unidad *p, const Unidad *fin, Unidad *&w, bool ultimo);
    std::size_t SigueNumero(const Unidad *p, const Unidad *fin, Unidad *&w, bool ultimo);
    std::size_t DecodificaEtiqueta(const Unidad *p, const Unidad *fin, Unidad *&w, bool ultimo) const;

    const bool espacios_;
    const bool saltos_;
    const bool soloCR_;
    Numero numero_;
    std::array<Unidad, Retenidas + 64> cola_{};  // held-back units, then the start of the next piece
    std::size_t retenidas_ = 0;
};

template <typename Unidad>
class CodificadorASCII {
public:
    // Units held back: the start of a character cut by the end of a piece.
    static constexpr std::size_t Retenidas = sizeof(Unidad) == 1 ? 3 : 1;

    // Room the caller gives Convierte for n units: a unit never takes more
    // than eight ("&#65535;", "&frac34;").
    static constexpr std::size_t Cota(std::size_t n) { return 8 * (n + Retenidas); }

    // What Convierte wrote; when Imposible is not 0, the character it could not
    // write, which would stand right after Fin. The conversion ends there.
    struct Escrito {
        Unidad *Fin;
        char32_t Imposible = 0;
    };

    explicit CodificadorASCII(int opciones);

    Escrito Convierte(std::basic_string_view<Unidad> trozo, Unidad *w, bool ultimo = false);

private:
    struct Forma {
        std::array<Unidad, 8> Texto{};
        std::uint8_t Largo = 0;
    };

    char32_t Codifica(const Unidad *&p, const Unidad *fin, Unidad *&w, bool ultimo) const;

    std::array<Forma, 256> formas_{};
    std::array<Unidad, Retenidas> cola_{};
    std::size_t retenidas_ = 0;
};

// The whole text at once: for the tests and for short texts.
template <typename Unidad>
std::basic_string<Unidad> DecodificaHTML5(std::basic_string_view<Unidad> origen, int opciones);

// The text, or, when a character cannot be written, the ASCII written before it
// and that character in Imposible.
template <typename Unidad>
std::basic_string<Unidad> CodificaASCII(std::basic_string_view<Unidad> origen, int opciones, char32_t *imposible);

}  // namespace ConversionesTextoHTML
