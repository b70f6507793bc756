// SPDX-License-Identifier: GPL-3.0-or-later
// Text to HTML in pure ASCII (see ConversionesHTML5.h).
//
// Every character maps on its own, so a piece can end anywhere but inside a
// character. The units below 256 take their form from a table built once from
// the option word, with the same entries and steps as ConvierteTextoHTML;
// everything above is a numeric reference.

#include "Comun.h"
#include "ConversionesHTML5.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace ConversionesTextoHTML {
namespace {

constexpr bool EsImposible(char32_t c) { return (c >= 0x80 && c <= 0x9F) || (c >= 0xD800 && c <= 0xDFFF); }

template <typename Unidad>
Unidad *PonNumero(char32_t c, Unidad *w)
{
    char digitos[7];
    int n = 0;
    do {
        digitos[n++] = char('0' + c % 10);
        c /= 10;
    } while (c != 0);
    *w++ = Unidad(u'&');
    *w++ = Unidad(u'#');
    while (n > 0)
        *w++ = Unidad(digitos[--n]);
    *w++ = Unidad(u';');
    return w;
}

// The character at p and its length in units: 0 when the units up to fin are
// only its start, -1 when they begin none (c is then U+FFFD).
int LeeCaracter(const char16_t *p, const char16_t *fin, char32_t &c)
{
    c = p[0];
    if (!Utf16::EsAlto(p[0]))
        return 1;
    if (fin - p < 2)
        return 0;
    if (!Utf16::EsBajo(p[1]))
        return 1;  // a lone surrogate: the caller refuses it
    c = Utf16::Combina(p[0], p[1]);
    return 2;
}

// UTF-8 as the text boxes write it: encoded surrogates are characters too,
// which the caller refuses; overlong forms begin no character.
int LeeCaracter(const char *p, const char *fin, char32_t &c)
{
    const unsigned b = static_cast<unsigned char>(p[0]);
    c = 0xFFFD;
    if (b < 0x80) {
        c = b;
        return 1;
    }
    const int largo = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : -1;
    if (largo < 0)
        return -1;
    char32_t valor = b & (0x7F >> largo);
    for (int i = 1; i < largo; ++i) {
        if (p + i == fin)
            return 0;
        const unsigned siguiente = static_cast<unsigned char>(p[i]);
        if ((siguiente & 0xC0) != 0x80)
            return -1;
        valor = valor << 6 | (siguiente & 0x3F);
    }
    static constexpr char32_t Minimo[] = {0, 0, 0x80, 0x800, 0x10000};
    if (valor < Minimo[largo] || valor > 0x10FFFF)
        return -1;
    c = valor;
    return largo;
}

}  // namespace

template <typename Unidad>
CodificadorASCII<Unidad>::CodificadorASCII(int opciones)
{
    opciones |= OpcionEntidadesHtml;
    const auto pon = [this](char32_t c, std::u16string_view texto) {
        Forma &f = formas_[c];
        f.Largo = std::uint8_t(texto.size());
        std::copy(texto.begin(), texto.end(), f.Texto.begin());
    };
    for (char32_t c = 0; c < 256; ++c)
        pon(c, std::u16string(1, char16_t(c)));
    for (std::size_t i = 0; i < Entidades.size(); ++i)
        pon(char32_t(Entidades[i].Codigo), (opciones & OpcionUnicode) ? Numericos[i].Vista() : Entidades[i].Texto);
    pon(0xA0, u"&#160;");
    if (opciones & OpcionSaltos) {
        pon(LF, u"");
        const bool salto = opciones & OpcionCRtrasBR;
        pon(CR, salto ? ((opciones & OpcionSoloCR) ? u"<BR>\r" : u"<BR>\r\n") : u"<BR>");
    }
    if (opciones & OpcionEspacios)
        pon(u' ', u"&nbsp;");
}

template <typename Unidad>
auto CodificadorASCII<Unidad>::Convierte(std::basic_string_view<Unidad> trozo, Unidad *w, bool ultimo) -> Escrito
{
    const Unidad *p = trozo.data();
    const Unidad *const fin = p + trozo.size();
    if (retenidas_ > 0) {
        // The start of a character held back from the last piece, completed from this one.
        std::array<Unidad, 2 * Retenidas> junto{};
        const std::size_t antes = retenidas_, tomadas = std::min(trozo.size(), Retenidas);
        std::copy_n(cola_.begin(), antes, junto.begin());
        std::copy_n(p, tomadas, junto.begin() + std::ptrdiff_t(antes));
        retenidas_ = 0;
        const Unidad *q = junto.data();
        if (const char32_t c = Codifica(q, q + antes + tomadas, w, ultimo && tomadas == trozo.size()))
            return {w, c};
        const std::size_t hechas = std::size_t(q - junto.data());
        if (hechas < antes) {
            // Still not whole: the piece was shorter than the rest of the character.
            retenidas_ = antes + tomadas - hechas;
            std::copy_n(q, retenidas_, cola_.begin());
            return {w};
        }
        p += hechas - antes;
    }
    if (const char32_t c = Codifica(p, fin, w, ultimo))
        return {w, c};
    retenidas_ = std::size_t(fin - p);
    std::copy(p, fin, cola_.begin());
    return {w};
}

// Writes the characters from p on; stops at the start of one that the units up
// to fin do not complete, unless `ultimo`, and at one it cannot write, which
// it returns (0 when there is none).
template <typename Unidad>
char32_t CodificadorASCII<Unidad>::Codifica(const Unidad *&p, const Unidad *fin, Unidad *&w, bool ultimo) const
{
    // Every form is written whole, eight units, and w moves on by its length:
    // no unit writes more than eight, which Cota allows for.
    const auto pon = [&w](const Forma &f) {
        std::memcpy(w, f.Texto.data(), sizeof f.Texto);
        w += f.Largo;
    };
    while (p != fin) {
        if (const auto u = std::make_unsigned_t<Unidad>(*p); u < 0x80) {
            pon(formas_[u]);
            ++p;
            continue;
        }
        char32_t c;
        const int largo = LeeCaracter(p, fin, c);
        if (largo == 0 && !ultimo)
            return 0;
        if (largo <= 0 || EsImposible(c))
            return c;
        if (c < 256)
            pon(formas_[c]);
        else
            w = PonNumero(c, w);
        p += largo;
    }
    return 0;
}

template <typename Unidad>
std::basic_string<Unidad> CodificaASCII(std::basic_string_view<Unidad> origen, int opciones, char32_t *imposible)
{
    std::basic_string<Unidad> texto(CodificadorASCII<Unidad>::Cota(origen.size()), Unidad());
    CodificadorASCII<Unidad> codificador(opciones);
    const auto escrito = codificador.Convierte(origen, texto.data(), true);
    texto.resize(std::size_t(escrito.Fin - texto.data()));
    *imposible = escrito.Imposible;
    return texto;
}

template class CodificadorASCII<char16_t>;
template class CodificadorASCII<char>;
template std::u16string CodificaASCII(std::u16string_view, int, char32_t *);
template std::string CodificaASCII(std::string_view, int, char32_t *);

}  // namespace ConversionesTextoHTML
