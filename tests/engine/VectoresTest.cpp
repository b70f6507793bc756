// SPDX-License-Identifier: GPL-3.0-or-later
// Every set of vector helpers against the plain definition of what it marks,
// on the same units: the codes the engine looks for, the edges where
// narrowing or lane arithmetic could confuse one code with another, and
// random mixes of both. UTF-16 sets and UTF-8 sets each on their own units.

#include "Vectores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace ConversionesTextoHTML::Vectores;

#if !defined(__SSE2__) && !defined(__aarch64__)
static_assert(std::is_same_v<Juego<char16_t>, Palabras<char16_t>>, "a build without SSE2 runs the word version");
#endif
#ifdef __aarch64__
static_assert(std::is_same_v<Juego<char16_t>, NEON<char16_t>>, "aarch64 runs the NEON version");
#endif

template <typename Unidad>
constexpr unsigned Codigo(Unidad u)
{
    return std::make_unsigned_t<Unidad>(u);
}

// Codes the engine compares with, and their neighbours across every edge.
const std::vector<char16_t> Interesantes16 = {
    0, 1, 2, 9, 10, 11, 13, 32, 34, 38, 59, 60, 62, 63, 64, 65, 127, 128, 129, 159, 160, 161, 162, 254, 255,
    256, 257, 0x010A, 0x0126, 0x013C, 0x01A1, 0x01FF, 0x0A26, 0x2026, 0x7F7F, 0x7FFF, 0x8000, 0x8080, 0x8081,
    0xD800, 0xDC00, 0xFF26, 0xFFFF, u'a', u'z', u'#', u';', u'&', u'<',
};
const std::vector<char16_t> Interesantes8 = {
    0, 1, 2, 9, 10, 11, 13, 32, 34, 38, 59, 60, 62, 63, 64, 65, 127, 0x80, 0x81, 0xA0, 0xA1, 0xBF,
    0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xE2, 0xED, 0xFE, 0xFF, u'a', u'z', u'#', u';', u'&', u'<',
};

template <typename Unidad>
struct Fila {
    const char *nombre;
    std::basic_string<Unidad> unidades;  // 16 or more
};

template <typename Unidad>
std::basic_string<Unidad> De(std::u16string_view codigos)
{
    return std::basic_string<Unidad>(codigos.begin(), codigos.end());
}

template <typename Unidad>
std::vector<Fila<Unidad>> Filas()
{
    constexpr bool Utf8 = sizeof(Unidad) == 1;
    std::vector<Fila<Unidad>> filas;
    if constexpr (Utf8) {
        filas = {
            {"plain letters", De<char>(u"abcdefghijklmnopqrstuvwx")},
            {"every code the engine looks for", De<char>(u"\r\n \"&<>;\xC2\xA1\xC3\xBF\xC2\xA0#a1\xC3")},
            {"edges of the bytes", De<char>(std::u16string(u"\0\1\2\x7F\x80\x81\xA0\xBF\xC0\xC1\xC2\xC3\xC4\xED\xFE\xFF", 16))},
            {"lone surrogates and markup", De<char>(u"&amp;\xED\xA0\x80<BR>\xED\xB0\x80;&#38;")},
            {"characters of two bytes at every place", De<char>(u"\xC3\xA9\xC2\xA0\xC3\xC3\xA9a\xC2\xC3\xBFbc\xC3\xA9\n\xED\xC2\x80")},
            {"valid characters of two bytes", De<char>(u"ab\xC2\x80\xDF\xBF\xC3\xA9xyz\xC3\xB1\xD0\x96\xC2\xA0\xC2\xBF\xC3\x80" u"1234\xCE\xB1")},
        };
    } else {
        filas = {
            {"plain letters", u"abcdefghijklmnopqrstuvwx"},
            {"every code the engine looks for", u"\r\n \"&<>;\u00a1\u00ff\u00a0\u0080#a1\u00e9"},
            {"edges of the narrowing", std::u16string(u"\0\1\2\x7F\x80\x81\xA0\xA1\xFF\u0100\u0101\u7FFF\u8000\u8080\u8081\uFFFF", 16)},
            {"units whose low byte is a code looked for", u"\u010A\u010D\u0120\u0122\u0126\u013C\u013E\u013B"
                                                          u"\u01A1\u01FF\u0A26\u2026\uFF26\u2620\u263C\u3B26"},
            {"lone surrogates and markup", u"&amp;\xD800<BR>\xDC00;&#38;"},
        };
    }
    const std::vector<char16_t> &interesantes = Utf8 ? Interesantes8 : Interesantes16;
    std::mt19937 azar(20261208u);
    for (int i = 0; i < 300; ++i) {
        std::basic_string<Unidad> u;
        for (int k = 0; k < 24; ++k)
            u += Unidad(interesantes[azar() % interesantes.size()]);
        filas.push_back({"random mix of interesting codes", u});
    }
    return filas;
}

template <typename J>
class Juegos : public testing::Test {};

#if defined(VELMORA_SSE2)
using Todos = testing::Types<Palabras<char16_t>, SSE2<char16_t>, Palabras<char>, SSE2<char>>;
#elif defined(VELMORA_NEON)
using Todos = testing::Types<Palabras<char16_t>, NEON<char16_t>, Palabras<char>, NEON<char>>;
#else
using Todos = testing::Types<Palabras<char16_t>, Palabras<char>>;
#endif
TYPED_TEST_SUITE(Juegos, Todos);

// Flags as one bool per unit of the step at p.
template <typename J>
std::vector<bool> Unidades(typename J::Marcas m)
{
    std::vector<bool> v(J::Paso);
    const std::uint64_t bits = J::Bits(m);
    for (std::size_t i = 0; i < J::Paso; ++i)
        v[i] = bits >> i & 1;
    EXPECT_EQ(bits >> J::Paso, 0u) << "no flag beyond the step";
    if (bits) {
        EXPECT_EQ(J::Indice(m), std::size_t(std::countr_zero(bits)));
    }
    return v;
}

template <typename J, typename F>
std::vector<bool> Esperado(const typename J::Unidad *p, F cumple)
{
    std::vector<bool> v(J::Paso);
    for (std::size_t i = 0; i < J::Paso; ++i)
        v[i] = cumple(Codigo(p[i]));
    return v;
}

// What Latin1 marks: the codes 161-255, or the UTF-8 bytes that begin 128-255.
template <typename J>
bool EsLatin1(unsigned u)
{
    return sizeof(typename J::Unidad) == 1 ? (u & 0xFE) == 0xC2 : u >= 161 && u <= 255;
}

TYPED_TEST(Juegos, MarksAreExactForEveryCodeTheEngineLooksFor)
{
    using J = TypeParam;
    using Unidad = typename J::Unidad;
    constexpr bool Utf8 = sizeof(Unidad) == 1;
    const std::u16string sueltos = u"\n\r \"&<>";
    const typename J::template Clases<7> clases(sueltos);
    for (const Fila<Unidad> &fila : Filas<Unidad>()) {
        SCOPED_TRACE(fila.nombre);
        for (std::size_t k = 0; k + J::Paso <= fila.unidades.size(); k += J::Paso) {
            const Unidad *p = fila.unidades.data() + k;
            const auto b = J::Carga(p);
            for (char16_t c : {u'\2', u'\n', u'\r', u' ', u'"', u'&', u';', u'<', u'>', u'?', u'\x7F', u'\xA0', u'\xA1', u'\xFF'}) {
                if (Utf8 && c > 0x7F)
                    continue;
                EXPECT_EQ(Unidades<J>(J::Iguales(b, c)), Esperado<J>(p, [c](unsigned u) { return u == c; })) << int(c);
            }
            EXPECT_EQ(Unidades<J>(J::Latin1(b)), Esperado<J>(p, EsLatin1<J>));
            EXPECT_EQ(Unidades<J>(clases.Marca(b)), Esperado<J>(p, [&](unsigned u) {
                          return EsLatin1<J>(u) || (u < 128 && sueltos.find(char16_t(u)) != sueltos.npos);
                      }));
            bool altos = false, dudosos = false;
            for (std::size_t i = 0; i < J::Paso; ++i) {
                altos |= Codigo(p[i]) >= (Utf8 ? 0x80u : 256u);
                dudosos |= !Utf8 && Codigo(p[i]) < 2;
            }
            if (altos || !dudosos) {
                EXPECT_EQ(J::HayAltos(b), altos);
            }
        }
    }
}

TYPED_TEST(Juegos, CopyMovesOneWholeStep)
{
    using J = TypeParam;
    using Unidad = typename J::Unidad;
    for (const Fila<Unidad> &fila : Filas<Unidad>()) {
        std::vector<Unidad> copia(J::Paso + 2, Unidad('.'));
        J::Copia(fila.unidades.data(), copia.data() + 1);
        std::vector<Unidad> esperado(J::Paso + 2, Unidad('.'));
        std::copy_n(fila.unidades.data(), J::Paso, esperado.data() + 1);
        EXPECT_EQ(copia, esperado) << fila.nombre;
    }
}

TYPED_TEST(Juegos, KeyHoldsTheLowBytesAndNoBodyByteForHighUnits)
{
    using J = TypeParam;
    using Unidad = typename J::Unidad;
    for (const Fila<Unidad> &fila : Filas<Unidad>()) {
        SCOPED_TRACE(fila.nombre);
        for (std::size_t largo = 1; largo <= 7; ++largo) {
            const std::uint64_t clave = J::Clave(fila.unidades.data(), largo);
            EXPECT_EQ(clave >> 56, largo);
            for (std::size_t i = 0; i < 7; ++i) {
                const unsigned byte = unsigned(clave >> (8 * i) & 0xFF), u = Codigo(fila.unidades[i]);
                if (i >= largo)
                    EXPECT_EQ(byte, 0u) << i;
                else if (u < 256)
                    EXPECT_EQ(byte, u) << i;
                else
                    EXPECT_TRUE(byte == 0 || byte == 0xFF) << i;
            }
        }
        if constexpr (sizeof(Unidad) == 2) {
            const std::uint64_t ocho = J::Ocho(fila.unidades.data());
            for (std::size_t i = 0; i < 8; ++i) {
                const unsigned byte = unsigned(ocho >> (8 * i) & 0xFF), u = Codigo(fila.unidades[i]);
                EXPECT_TRUE(u < 256 ? byte == u : byte == 0 || byte > 0x7F) << "eight bytes, " << i;
            }
        }
    }
}

// The first unit at or above each bound, from every start, so that the tail
// after the last whole step is crossed too.
TYPED_TEST(Juegos, FirstUnitAtOrAboveABound)
{
    using J = TypeParam;
    using Unidad = typename J::Unidad;
    for (const Fila<Unidad> &fila : Filas<Unidad>()) {
        for (const unsigned tope : {0x80u, 0x100u}) {
            if (sizeof(Unidad) == 1 && tope > 0x80)
                continue;
            for (std::size_t desde = 0; desde < fila.unidades.size(); ++desde) {
                const Unidad *p = fila.unidades.data() + desde;
                const std::size_t n = fila.unidades.size() - desde;
                const std::size_t esperado = std::size_t(
                    std::find_if(p, p + n, [tope](Unidad u) { return Codigo(u) >= tope; }) - p);
                EXPECT_EQ(J::Menores(p, n, tope), esperado) << fila.nombre << ", bound " << tope;
            }
        }
    }
}

// The UTF-8 codes and the test for two-byte characters of every set against
// the plain definitions, from every start.
TYPED_TEST(Juegos, Utf8CodesMatchThePlainOnes)
{
    using J = TypeParam;
    using Unidad = typename J::Unidad;
    if constexpr (sizeof(Unidad) == 1) {
        for (const Fila<Unidad> &fila : Filas<Unidad>()) {
            for (std::size_t k = 0; k + J::Paso < fila.unidades.size(); ++k) {
                std::uint16_t obtenidos[J::Paso], esperados[J::Paso];
                bool lf = false, lfEsperado = false;
                const std::size_t leidos = J::Codigos(fila.unidades.data() + k, obtenidos, lf);
                EXPECT_EQ(leidos, CodigosUtf8(fila.unidades.data() + k, J::Paso, esperados, lfEsperado));
                EXPECT_TRUE(std::equal(obtenidos, obtenidos + J::Paso, esperados)) << fila.nombre << " from " << k;
                EXPECT_EQ(lf, lfEsperado);
                EXPECT_EQ(J::Pares(fila.unidades.data() + k), ParesUtf8(fila.unidades.data() + k, J::Paso))
                    << fila.nombre << " from " << k;
            }
        }
    }
}

// The grouping the engine uses for the size of a result, on runs long enough
// to empty the byte counters of the SSE2 version.
TYPED_TEST(Juegos, CountsMatchAPlainCount)
{
    using J = TypeParam;
    using Unidad = typename J::Unidad;
    const std::vector<char16_t> &interesantes = sizeof(Unidad) == 1 ? Interesantes8 : Interesantes16;
    const std::u16string grandes = u" \"&";
    const char16_t desde = 13, hasta = 62;
    std::mt19937 azar(7);
    for (std::size_t largo : {0u, 3u, 16u, 100u, 4101u, 70000u}) {
        std::basic_string<Unidad> texto;
        for (std::size_t i = 0; i < largo; ++i)
            texto += Unidad(interesantes[azar() % interesantes.size()]);
        const Unidad *p = texto.data();
        const Conteo n = J::template Cuenta<4, true>(p, texto.data() + texto.size(), grandes, desde, hasta);
        EXPECT_LT(std::size_t(texto.data() + texto.size() - p), J::Paso) << "only a partial step is left";
        Conteo esperado;
        for (const Unidad *q = texto.data(); q != p; ++q) {
            esperado.Latin1 += EsLatin1<J>(Codigo(*q));
            esperado.Grandes += grandes.find(char16_t(Codigo(*q))) != grandes.npos;
            esperado.Rango += Codigo(*q) >= desde && Codigo(*q) <= hasta;
        }
        EXPECT_EQ(n.Latin1, esperado.Latin1) << largo;
        EXPECT_EQ(n.Grandes, esperado.Grandes) << largo;
        EXPECT_EQ(n.Rango, esperado.Rango) << largo;
    }
}

}  // namespace
