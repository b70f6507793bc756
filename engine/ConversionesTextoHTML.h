// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain text <-> HTML character references, with the exact results of a fixed
// sequence of replace-all operations. Standard library only; re-entrant.
//
// Contract of ConvierteTextoHTML(Origen, Modo, Opciones):
//
// A replace-all A -> B scans the text once, left to right; every occurrence of A
// (exact, case-sensitive, code unit by code unit) becomes B, occurrences do not
// overlap, and what B introduces is never rescanned by the same operation. The
// result is what the following replace-alls give when run one after another:
//
// Modo 0, text to HTML
//   1. For each entry of Entidades from index 98 down to 0 (so '&' first),
//      skipping the four special entries unless Opciones has 8:
//      the character -> "&#" code ";" if Opciones has 1, else -> Texto.
//   2. If Opciones has 2: LF -> "", then CR -> "<BR>" CR (32 and 4),
//      "<BR>" CR LF (32 without 4) or "<BR>" (no 32).
//   3. If Opciones has 16: " " -> "&nbsp;".
//
// Modo 1, HTML to text
//   1. For each entry from index 98 down to 0, whatever the options:
//      Texto -> the character, then "&#" code ";" -> the character.
//      Decoding "&amp;" first can make new references, which later entries
//      decode: "&amp;lt;" gives "<", while "&amp;amp;" gives "&amp;".
//   2. If Opciones has 2, with T = CR if Opciones has 4, else CR LF:
//      "<BR>" LF CR -> T, "<BR>" CR LF -> T, "<BR>" CR -> T, "<BR>" -> T.
//      A T made by an earlier operation can complete a later match.
//   3. If Opciones has 16: "&nbsp;" -> " ".
//
// Any other Modo returns Origen unchanged. Bits of Opciones other than
// 1, 2, 4, 8, 16 and 32 are ignored. Characters outside the table (NUL, 128-160,
// everything above 255, lone surrogates) pass through untouched.
//
// Example: ConvierteTextoHTML(u"a<b & \u00e9", 0, 8) == u"a&lt;b &amp; &eacute;".
//
// Cost: time and heap linear in the text; the result is allocated once (twice
// for some texts over 128 K characters) and input plus live result storage
// stay below three times input plus output. A call puts about 71 KB on the
// stack to HTML (64 KB for a block of the result, 4 KB for the table of the
// option word) and about 34 KB to text (a block of the result); any thread's
// default stack holds that.
//
// UTF-8. The same conversion runs on UTF-8 text, without a UTF-16 copy: for a
// text that is the UTF-8 of a UTF-16 text T, in the generalised form the text
// boxes hold (a lone surrogate in three bytes, as Codificaciones.h writes it),
// the result is byte for byte the UTF-8 of the result for T, in the same form.
// Bytes that are not part of a character pass through unchanged. Half the
// stack of the UTF-16 call.
//
// Example: ConvierteTextoHTML("\xc3\xa9 <", 0, 24) == "&eacute;&nbsp;&lt;".
//
// Into a string kept by the caller: Destino is replaced by the result and its
// storage reused when it is large enough, so converting again and again
// allocates nothing new. Origen must not lie inside Destino.
//
// A text in pieces: see Flujo below.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ConversionesTextoHTML {

enum : std::int16_t {
    TextoAHTML = 0,
    HTMLATexto = 1,
};

enum : std::int16_t {
    OpcionUnicode = 1,        // numeric references instead of named ones
    OpcionSaltos = 2,         // line breaks
    OpcionSoloCR = 4,         // CR without LF
    OpcionEntidadesHtml = 8,  // also the four reserved characters
    OpcionEspacios = 16,      // blanks
    OpcionCRtrasBR = 32,      // keep the line break after "<BR>"
};

std::u16string ConvierteTextoHTML(std::u16string_view Origen, std::int16_t Modo, std::int16_t Opciones);
std::string ConvierteTextoHTML(std::string_view Origen, std::int16_t Modo, std::int16_t Opciones);
void ConvierteTextoHTML(std::u16string_view Origen, std::int16_t Modo, std::int16_t Opciones,
                        std::u16string &Destino);
void ConvierteTextoHTML(std::string_view Origen, std::int16_t Modo, std::int16_t Opciones, std::string &Destino);

template <typename Unidad>
class Etapa;

// The same conversion of a text that arrives in pieces of any size, cut
// anywhere: inside a reference, a "<BR>" and its line break, a CR LF, a UTF-8
// character or a surrogate pair. Anade appends to Destino the part of the
// result that no later piece can change, as soon as it is so; Termina, after
// the last piece, appends the rest. All of it together is exactly
// ConvierteTextoHTML of the whole text, in UTF-16 (char16_t) or UTF-8 (char).
//
// Between calls it holds back at most MaximoRetenidas units, so memory stays
// bounded whatever the shape of the text: to text, a partial match of each
// replace-all that can cascade and one reference's body; to HTML, nothing in
// UTF-16, and in UTF-8 a character cut by the piece's end and an encoded lone
// high surrogate that LF removal may still join to a low one (three bytes
// each). Retenidas says how many are held now.
//
// Example: with Flujo<char16_t> f(1, 0), f.Anade(u"&am", r) appends nothing,
// f.Anade(u"p;lt;", r) appends u"<", and f.Termina(r) nothing more.
template <typename Unidad>
class Flujo {
public:
    static constexpr std::size_t MaximoRetenidas = 32;

    // The most that a piece of n units can append to Destino. When Destino has
    // that much room to spare, Anade neither grows it nor measures the piece.
    static constexpr std::size_t Cota(std::size_t n) { return 8 * (n + MaximoRetenidas) + 16; }

    Flujo(std::int16_t Modo, std::int16_t Opciones);
    ~Flujo();
    Flujo(Flujo &&) noexcept;
    Flujo &operator=(Flujo &&) noexcept;

    void Anade(std::basic_string_view<Unidad> Trozo, std::basic_string<Unidad> &Destino);
    void Termina(std::basic_string<Unidad> &Destino);
    std::size_t Retenidas() const;

private:
    std::unique_ptr<Etapa<Unidad>> etapa_;  // none for a mode that returns the text unchanged
};

extern template class Flujo<char16_t>;
extern template class Flujo<char>;

// ---- The entity table -----------------------------------------------------

struct Entidad {
    std::u16string_view Texto;  // named reference, '&' and ';' included
    std::int16_t Codigo;        // the character's code point
    std::int16_t Especial;      // 1 for the four characters HTML reserves
};

// Indices 0-94 are the codes 161-255; 95-98 the reserved characters.
// Conversion handles the entries from index 98 down to 0.
inline constexpr std::array<Entidad, 99> Entidades{{
    {u"&iexcl;", 161, 0},     // 0
    {u"&cent;", 162, 0},      // 1
    {u"&pound;", 163, 0},     // 2
    {u"&curren;", 164, 0},    // 3
    {u"&yen;", 165, 0},       // 4
    {u"&brvbar;", 166, 0},    // 5
    {u"&sect;", 167, 0},      // 6
    {u"&uml;", 168, 0},       // 7
    {u"&copy;", 169, 0},      // 8
    {u"&ordf;", 170, 0},      // 9
    {u"&laquo;", 171, 0},     // 10
    {u"&not;", 172, 0},       // 11
    {u"&shy;", 173, 0},       // 12
    {u"&reg;", 174, 0},       // 13
    {u"&macr;", 175, 0},      // 14
    {u"&deg;", 176, 0},       // 15
    {u"&plusmn;", 177, 0},    // 16
    {u"&sup2;", 178, 0},      // 17
    {u"&sup3;", 179, 0},      // 18
    {u"&acute;", 180, 0},     // 19
    {u"&micro;", 181, 0},     // 20
    {u"&para;", 182, 0},      // 21
    {u"&middot;", 183, 0},    // 22
    {u"&cedil;", 184, 0},     // 23
    {u"&sup1;", 185, 0},      // 24
    {u"&ordm;", 186, 0},      // 25
    {u"&raquo;", 187, 0},     // 26
    {u"&frac14;", 188, 0},    // 27
    {u"&frac12;", 189, 0},    // 28
    {u"&frac34;", 190, 0},    // 29
    {u"&iquest;", 191, 0},    // 30
    {u"&Agrave;", 192, 0},    // 31
    {u"&Aacute;", 193, 0},    // 32
    {u"&Acirc;", 194, 0},     // 33
    {u"&Atilde;", 195, 0},    // 34
    {u"&Auml;", 196, 0},      // 35
    {u"&Aring;", 197, 0},     // 36
    {u"&AElig;", 198, 0},     // 37
    {u"&Ccedil;", 199, 0},    // 38
    {u"&Egrave;", 200, 0},    // 39
    {u"&Eacute;", 201, 0},    // 40
    {u"&Ecirc;", 202, 0},     // 41
    {u"&Euml;", 203, 0},      // 42
    {u"&Igrave;", 204, 0},    // 43
    {u"&Iacute;", 205, 0},    // 44
    {u"&Icirc;", 206, 0},     // 45
    {u"&Iuml;", 207, 0},      // 46
    {u"&ETH;", 208, 0},       // 47
    {u"&Ntilde;", 209, 0},    // 48
    {u"&Ograve;", 210, 0},    // 49
    {u"&Oacute;", 211, 0},    // 50
    {u"&Ocirc;", 212, 0},     // 51
    {u"&Otilde;", 213, 0},    // 52
    {u"&Ouml;", 214, 0},      // 53
    {u"&times;", 215, 0},     // 54
    {u"&Oslash;", 216, 0},    // 55
    {u"&Ugrave;", 217, 0},    // 56
    {u"&Uacute;", 218, 0},    // 57
    {u"&Ucirc;", 219, 0},     // 58
    {u"&Uuml;", 220, 0},      // 59
    {u"&Yacute;", 221, 0},    // 60
    {u"&THORN;", 222, 0},     // 61
    {u"&szlig;", 223, 0},     // 62
    {u"&agrave;", 224, 0},    // 63
    {u"&aacute;", 225, 0},    // 64
    {u"&acirc;", 226, 0},     // 65
    {u"&atilde;", 227, 0},    // 66
    {u"&auml;", 228, 0},      // 67
    {u"&aring;", 229, 0},     // 68
    {u"&aelig;", 230, 0},     // 69
    {u"&ccedil;", 231, 0},    // 70
    {u"&egrave;", 232, 0},    // 71
    {u"&eacute;", 233, 0},    // 72
    {u"&ecirc;", 234, 0},     // 73
    {u"&euml;", 235, 0},      // 74
    {u"&igrave;", 236, 0},    // 75
    {u"&iacute;", 237, 0},    // 76
    {u"&icirc;", 238, 0},     // 77
    {u"&iuml;", 239, 0},      // 78
    {u"&eth;", 240, 0},       // 79
    {u"&ntilde;", 241, 0},    // 80
    {u"&ograve;", 242, 0},    // 81
    {u"&oacute;", 243, 0},    // 82
    {u"&ocirc;", 244, 0},     // 83
    {u"&otilde;", 245, 0},    // 84
    {u"&ouml;", 246, 0},      // 85
    {u"&divide;", 247, 0},    // 86
    {u"&oslash;", 248, 0},    // 87
    {u"&ugrave;", 249, 0},    // 88
    {u"&uacute;", 250, 0},    // 89
    {u"&ucirc;", 251, 0},     // 90
    {u"&uuml;", 252, 0},      // 91
    {u"&yacute;", 253, 0},    // 92
    {u"&thorn;", 254, 0},     // 93
    {u"&yuml;", 255, 0},      // 94
    {u"&quot;", 34, 1},       // 95
    {u"&lt;", 60, 1},         // 96
    {u"&gt;", 62, 1},         // 97
    {u"&amp;", 38, 1},        // 98
}};

}  // namespace ConversionesTextoHTML
