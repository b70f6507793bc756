// SPDX-License-Identifier: GPL-3.0-or-later
// HTML to text, reading references as the HTML standard does (see
// ConversionesHTML5.h).
//
// Most of the text is copied in runs up to the next '&' (or '<' with line
// breaks). At '&' the reference is settled at once when the units it needs
// are there; otherwise the decoder stops and holds back from the '&', so the
// next piece begins with it. A name is at most 31 letters and digits, so 33
// units always settle one. A number can be longer than any piece: once its
// first digit is seen it is a reference whatever follows, and its value is
// carried instead.

#include "ConversionesHTML5.h"
#include "ReferenciasHTML5.h"
#include "UnidadesUtf16.h"
#include "Vectores.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>
#include <string_view>

namespace ConversionesTextoHTML {
namespace {

namespace R = ReferenciasHTML5;
using Utf16::CR;
using Utf16::LF;

static_assert(std::endian::native == std::endian::little, "names are compared as little-endian words");

constexpr bool EsAlfanumerico(char32_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The value of a digit, or -1.
constexpr int ValorDigito(char32_t c, bool hexadecimal)
{
    if (c >= u'0' && c <= u'9')
        return int(c - u'0');
    const char32_t minuscula = c | 0x20;
    if (hexadecimal && minuscula >= u'a' && minuscula <= u'f')
        return int(minuscula - u'a' + 10);
    return -1;
}

// A number past this is above 0x10FFFF whatever digits follow, so it stops growing there.
constexpr std::uint32_t Tope = 0x110000;

constexpr char32_t CaracterDeNumero(std::uint32_t n)
{
    if (n == 0 || n >= Tope || (n >= 0xD800 && n <= 0xDFFF))
        return 0xFFFD;
    if (n >= 0x80 && n <= 0x9F)
        return R::DeC1[n - 0x80];
    return n;
}

char16_t *PonCaracter(char32_t c, char16_t *w)
{
    if (c < 0x10000) {
        *w++ = char16_t(c);
        return w;
    }
    *w++ = char16_t(0xD800 + ((c - 0x10000) >> 10));
    *w++ = char16_t(0xDC00 + (c & 0x3FF));
    return w;
}

char *PonCaracter(char32_t c, char *w)
{
    if (c < 0x80) {
        *w++ = char(c);
        return w;
    }
    const int largo = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char Primero[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (int k = largo - 1; k > 0; --k, c >>= 6)
        w[k] = char(0x80 | (c & 0x3F));
    w[0] = char(Primero[largo] | c);
    return w + largo;
}

// A name's letters as bytes, eight to a little-endian word, the last word
// padded with zeros: what referencias_html5.py hashes.
using Palabras = std::array<std::uint64_t, (R::LargoMaximo + 7) / 8>;

std::uint64_t Dispersion(const std::uint64_t *palabras, std::size_t largo)
{
    std::uint64_t h = R::Semilla ^ largo;
    for (std::size_t i = 0; i < (largo + 7) / 8; ++i)
        h = (h ^ palabras[i]) * R::Multiplicador;
    h ^= h >> 32;
    return h * R::Multiplicador;
}

// The index in Tabla of the name, or -1.
int BuscaNombre(const std::uint64_t *palabras, std::size_t largo)
{
    const std::uint64_t h = Dispersion(palabras, largo);
    const std::size_t ranura =
        ((h >> 16) ^ R::Desplazamientos[h >> (64 - R::BitsCubos)]) & ((1u << R::BitsRanuras) - 1);
    const std::uint16_t i = R::Ranuras[ranura];
    if (i == 0xFFFF || R::Tabla[i].Largo != largo)
        return -1;
    for (std::size_t k = 0; 8 * k < largo; ++k) {
        std::uint64_t palabra;
        std::memcpy(&palabra, R::Nombres + R::Tabla[i].Inicio + 8 * k, 8);  // Nombres ends in 8 spare zeros
        if (largo - 8 * k < 8)
            palabra &= (std::uint64_t(1) << (8 * (largo - 8 * k))) - 1;
        if (palabra != palabras[k])
            return -1;
    }
    return i;
}

// Eight units from p as eight bytes: a unit's own value when it is ASCII, and a
// byte that is no letter or digit when it is not.
std::uint64_t OchoBytes(const char *p)
{
    std::uint64_t x;
    std::memcpy(&x, p, 8);
    return x;
}

std::uint64_t OchoBytes(const char16_t *p) { return Vectores::Juego<char16_t>::Ocho(p); }

// 0x80 in each of the eight bytes that is a letter or a digit. Each test adds
// to the low seven bits of every byte, which cannot carry into the next one.
constexpr std::uint64_t Alfanumericos(std::uint64_t x)
{
    constexpr std::uint64_t Unos = 0x0101010101010101u, Altos = Unos * 0x80;
    const auto desde = [](std::uint64_t v, unsigned n) { return (v + Unos * (0x80 - n)) & Altos; };
    const std::uint64_t siete = x & ~Altos, plegado = siete | Unos * 0x20;  // 'A'-'Z' folded onto 'a'-'z'
    const std::uint64_t digitos = desde(siete, '0') & ~desde(siete, '9' + 1);
    const std::uint64_t letras = desde(plegado, 'a') & ~desde(plegado, 'z' + 1);
    return (digitos | letras) & ~x & Altos;
}

constexpr int IndiceDe(std::string_view nombre)
{
    for (std::size_t i = 0; i < R::Tabla.size(); ++i) {
        if (std::string_view(R::Nombres + R::Tabla[i].Inicio, R::Tabla[i].Largo) == nombre)
            return int(i);
    }
    return -1;
}
constexpr int Nbsp = IndiceDe("nbsp");
static_assert(Nbsp >= 0);

// Copies the units from p up to the first '&', or '<' too with line breaks,
// and returns where it stopped. May write up to a step past w.
template <typename Unidad>
const Unidad *CopiaTexto(const Unidad *p, const Unidad *fin, Unidad *&w, bool saltos)
{
    using V = Vectores::Juego<Unidad>;
    const char16_t otro = saltos ? u'<' : u'&';
    for (; std::size_t(fin - p) >= V::Paso; p += V::Paso, w += V::Paso) {
        const typename V::Bloque b = V::Carga(p);
        V::Copia(p, w);
        if (const typename V::Marcas m = V::Iguales(b, u'&') | V::Iguales(b, otro)) {
            const std::size_t i = V::Indice(m);
            w += i;
            return p + i;
        }
    }
    while (p != fin && *p != u'&' && *p != otro)
        *w++ = *p++;
    return p;
}

}  // namespace

template <typename Unidad>
DecodificadorHTML5<Unidad>::DecodificadorHTML5(int opciones)
    : espacios_(opciones & OpcionEspacios), saltos_(opciones & OpcionSaltos), soloCR_(opciones & OpcionSoloCR)
{
}

template <typename Unidad>
Unidad *DecodificadorHTML5<Unidad>::Convierte(std::basic_string_view<Unidad> trozo, Unidad *w, bool ultimo)
{
    const Unidad *p = trozo.data();
    const Unidad *const fin = p + trozo.size();
    if (retenidas_ > 0) {
        // The held-back units first, with enough of this piece to settle them.
        const std::size_t antes = retenidas_, tomadas = std::min(trozo.size(), cola_.size() - antes);
        std::copy_n(p, tomadas, cola_.begin() + std::ptrdiff_t(antes));
        const Unidad *q = cola_.data();
        w = Decodifica(q, cola_.data() + antes + tomadas, w, ultimo && tomadas == trozo.size());
        const std::size_t hechas = std::size_t(q - cola_.data());
        if (hechas < antes) {
            // Still not settled, which only a piece shorter than the room left can leave.
            assert(tomadas == trozo.size());
            retenidas_ = antes + tomadas - hechas;
            std::memmove(cola_.data(), q, retenidas_ * sizeof(Unidad));
            return w;
        }
        p += hechas - antes;
    }
    w = Decodifica(p, fin, w, ultimo);
    retenidas_ = std::size_t(fin - p);
    assert(retenidas_ <= Retenidas && (retenidas_ == 0 || !numero_.Activo));
    std::copy(p, fin, cola_.begin());
    return w;
}

// Decodes from p; leaves p at the first unit held back.
template <typename Unidad>
Unidad *DecodificadorHTML5<Unidad>::Decodifica(const Unidad *&p, const Unidad *fin, Unidad *w, bool ultimo)
{
    if (numero_.Activo)
        p += SigueNumero(p, fin, w, ultimo);
    while (p != fin) {
        if ((p = CopiaTexto(p, fin, w, saltos_)) == fin)
            break;
        const std::size_t hechas =
            *p == u'&' ? DecodificaReferencia(p, fin, w, ultimo) : DecodificaEtiqueta(p, fin, w, ultimo);
        if (hechas == 0)
            break;
        p += hechas;
    }
    return w;
}

// The reference that may start at p ('&'): writes what it gives and returns
// the units it took, or 0 when the units up to fin do not settle it.
template <typename Unidad>
std::size_t DecodificadorHTML5<Unidad>::DecodificaReferencia(
    const Unidad *p, const Unidad *fin, Unidad *&w, bool ultimo)
{
    const std::size_t n = std::size_t(fin - p);
    if (n >= 2 && p[1] == u'#') {
        std::size_t i = 2;
        const bool hexadecimal = i < n && (p[i] == u'x' || p[i] == u'X');
        i += hexadecimal;
        if (i == n && !ultimo)
            return 0;
        if (i == n || ValorDigito(p[i], hexadecimal) < 0) {
            w = std::copy(p, p + i, w);  // no digit: not a reference
            return i;
        }
        numero_ = {true, hexadecimal, 0};
        return i + SigueNumero(p + i, fin, w, ultimo);
    }

    if (n >= 2 && !EsAlfanumerico(p[1])) {
        *w++ = u'&';
        return 1;
    }

    // The letters and digits after '&', as far as a name can reach: eight at
    // a time where the units are there, one at a time near the end.
    Palabras palabras{};
    std::size_t largo = 0;
    if (n > Palabras().size() * 8) {
        for (std::size_t j = 0; j < palabras.size(); ++j) {
            const std::uint64_t x = OchoBytes(p + 1 + 8 * j);
            const std::size_t k = std::size_t(std::countr_zero(~Alfanumericos(x) & 0x8080808080808080u)) / 8;
            palabras[j] = k == 8 ? x : x & ((std::uint64_t(1) << (8 * k)) - 1);
            largo += k;
            if (k < 8)
                break;
        }
    } else {
        for (const std::size_t tope = n - 1; largo < tope && EsAlfanumerico(p[1 + largo]); ++largo)
            palabras[largo / 8] |= std::uint64_t(p[1 + largo]) << (8 * (largo % 8));
    }
    if (1 + largo == n && largo <= R::LargoMaximo && !ultimo)
        return 0;

    // The longest name is the whole run and its ';', or else a legacy name at its start.
    int i = -1;
    std::size_t hechas = 0;
    if (largo <= R::LargoMaximo && 1 + largo < n && p[1 + largo] == u';' &&
        (i = BuscaNombre(palabras.data(), largo)) >= 0) {
        hechas = largo + 2;
        if (i == Nbsp && espacios_) {
            *w++ = u' ';
            return hechas;
        }
    }
    for (std::size_t k = std::min(largo, R::LargoSinPuntoYComa); i < 0 && k >= 2; --k) {
        const std::uint64_t prefijo = palabras[0] & ((std::uint64_t(1) << (8 * k)) - 1);
        if ((i = BuscaNombre(&prefijo, k)) >= 0 && (R::Tabla[std::size_t(i)].Forma & 1) == 0)
            i = -1;
        hechas = k + 1;
    }
    if (i < 0) {
        *w++ = u'&';  // and the run is text, which the next copy takes
        return 1;
    }
    const R::Referencia &r = R::Tabla[std::size_t(i)];
    w = PonCaracter(r.Caracter, w);
    if (r.Forma > 1)
        w = PonCaracter(R::Segundos[r.Forma / 2 - 1], w);
    return hechas;
}

// Carries the number in numero_ on through the digits at p; writes its
// character once they end. Returns the units it took.
template <typename Unidad>
std::size_t DecodificadorHTML5<Unidad>::SigueNumero(const Unidad *p, const Unidad *fin, Unidad *&w, bool ultimo)
{
    const Unidad *q = p;
    const std::uint32_t base = numero_.Hexadecimal ? 16 : 10;
    std::uint32_t valor = numero_.Valor;
    for (int d; q != fin && (d = ValorDigito(*q, numero_.Hexadecimal)) >= 0; ++q)
        valor = std::min(valor * base + std::uint32_t(d), Tope);
    numero_.Valor = valor;
    if (q == fin && !ultimo)
        return std::size_t(q - p);  // more digits may follow
    if (q != fin && *q == u';')
        ++q;
    numero_.Activo = false;
    w = PonCaracter(CaracterDeNumero(valor), w);
    return std::size_t(q - p);
}

// "<BR>" at p, with the line break after it; 0 when the units up to fin do not settle it.
template <typename Unidad>
std::size_t DecodificadorHTML5<Unidad>::DecodificaEtiqueta(
    const Unidad *p, const Unidad *fin, Unidad *&w, bool ultimo) const
{
    const std::size_t n = std::size_t(fin - p);
    static constexpr std::u16string_view BR = u"<BR>";
    std::size_t i = 1;
    while (i < BR.size() && i < n && p[i] == BR[i])
        ++i;
    if (i < BR.size()) {
        if (i == n && !ultimo)
            return 0;
        *w++ = u'<';
        return 1;
    }
    if (n >= 5 && (p[4] == CR || p[4] == LF)) {
        if (n == 5 && !ultimo)
            return 0;
        if (n > 5 && p[5] == (p[4] == CR ? LF : CR))
            i = 6;
        else if (p[4] == CR)
            i = 5;
    } else if (n == 4 && !ultimo) {
        return 0;
    }
    *w++ = CR;
    if (!soloCR_)
        *w++ = LF;
    return i;
}

template <typename Unidad>
std::basic_string<Unidad> DecodificaHTML5(std::basic_string_view<Unidad> origen, int opciones)
{
    std::basic_string<Unidad> texto(DecodificadorHTML5<Unidad>::Cota(origen.size()), Unidad());
    DecodificadorHTML5<Unidad> decodificador(opciones);
    texto.resize(std::size_t(decodificador.Convierte(origen, texto.data(), true) - texto.data()));
    return texto;
}

template class DecodificadorHTML5<char16_t>;
template class DecodificadorHTML5<char>;
template std::u16string DecodificaHTML5(std::u16string_view, int);
template std::string DecodificaHTML5(std::string_view, int);

}  // namespace ConversionesTextoHTML
