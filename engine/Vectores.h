// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Vector helpers for the engine's hot loops: one set per instruction set and
// code unit, with the same names, and one dispatch point at the bottom. SSE2
// where the compiler offers it, NEON on aarch64; elsewhere 64-bit words (four
// UTF-16 units or eight bytes at a time), so that no machine copies unchanged
// text one unit at a time. The engine's scalar loops stay the reference.
//
// Each set is Set<Unidad>, for UTF-16 (char16_t) and UTF-8 (char) text:
//
//   Paso              units handled per step
//   Bloque            a step's units as Carga loads them
//   Marcas            one flag per unit of a step; Indice gives the first,
//                     m &= m - 1 clears it, Bits packs them one bit per unit
//   Copia(p, w)       Paso units from p to w
//   Iguales(b, c)     the units equal to c, a code from 2 to 255 (UTF-8: 2 to 127)
//   Latin1(b)         UTF-16: the units from 161 to 255; UTF-8: the bytes that
//                     begin a character from 128 to 255 (0xC2 and 0xC3)
//   HayAltos(b)       UTF-16: whether any unit may be 256 or above (true for 0
//                     and 1 too); UTF-8: whether any byte is 0x80 or above
//   Clave(p, largo)   the low bytes of units p[0, largo), largo 1 to 7, and largo
//                     in the top byte; a unit above 255 gives a byte no ASCII
//                     body holds; reads p[0, 8)
//   Ocho(p)           UTF-16 only: the eight units at p as eight bytes, each
//                     unit's own when it is below 256, one above 0x7F or 0 when not
//   Clases<N>         marks what Latin1 marks and N single codes below 64
//   Cuenta<G, R>(...) counts three classes of units, for the size of a result
//   Menores(p, n, t)  the index of the first of the n units at p that is t or
//                     more (t 0x80 or, in UTF-16, 0x100), or n
//   Codigos(p, c, lf) UTF-8 only: the code of each of the Paso bytes at p for
//                     the text-to-HTML table (see CodigosUtf8 below); returns
//                     how many bytes it took, Paso or Paso + 1
//   Pares(p)          UTF-8 only: whether the Paso bytes at p are ASCII and
//                     whole characters of two bytes (see ParesUtf8 below)

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

// MSVC says SSE2 only through _M_X64; GCC and Clang (MinGW too, which also
// defines _M_X64) through __SSE2__, which a portable build turns off. NEON is
// part of every aarch64 machine.
#if defined(__SSE2__) || (defined(_M_X64) && !defined(__GNUC__))
#include <emmintrin.h>
#define VELMORA_SSE2 1
#elif defined(__aarch64__) && defined(__ARM_NEON)
#include <arm_neon.h>
#define VELMORA_NEON 1
#endif

namespace ConversionesTextoHTML::Vectores {

// What Cuenta finds in a stretch of text.
struct Conteo {
    std::size_t Latin1 = 0;   // what Latin1 marks
    std::size_t Grandes = 0;  // units equal to one of the given codes
    std::size_t Rango = 0;    // units within the given range
};

// The single codes the engine looks for below 161 are all ASCII controls and
// signs below 64 (CR, LF, blank, '"', '&', '<', '>'), where every set can
// compare them exactly and the word versions can count a range of them.
inline constexpr char16_t TopeSueltos = 64;

// ---- 64-bit words ------------------------------------------------------------

// What the word versions share: lanes of Ancho bits, and the lane arithmetic on them.
template <typename U>
struct Carriles {
    using Unidad = U;
    static_assert(std::endian::native == std::endian::little, "unit i of a word is its lane i");

    static constexpr int Ancho = 8 * int(sizeof(Unidad));
    static constexpr std::size_t Paso = 64 / Ancho;
    using Bloque = std::uint64_t;
    using Marcas = std::uint64_t;  // the top bit of each marked unit's lane

    static constexpr std::uint64_t Unos = ~std::uint64_t(0) / ((std::uint64_t(1) << Ancho) - 1);
    static constexpr std::uint64_t Signos = Unos << (Ancho - 1);
    static constexpr std::uint64_t Resto = ~Signos;  // all bits but the top one of each lane

    static Bloque Carga(const Unidad *p)
    {
        Bloque x;
        std::memcpy(&x, p, sizeof x);
        return x;
    }

    static void Copia(const Unidad *p, Unidad *w) { std::memcpy(w, p, 8); }

    // The lanes that are n (1 to the top bit's value) or more. The low bits
    // plus top - n reach the top bit exactly when they are n or more, and never
    // carry into the next lane.
    static constexpr Marcas AlMenos(Bloque x, unsigned n)
    {
        return (((x & Resto) + Unos * ((std::uint64_t(1) << (Ancho - 1)) - n)) | x) & Signos;
    }

    static constexpr Marcas Iguales(Bloque x, unsigned c)
    {
        const std::uint64_t z = x ^ (Unos * c);
        return ~(((z & Resto) + Resto) | z) & Signos;
    }

    static constexpr std::size_t Indice(Marcas m) { return std::size_t(std::countr_zero(m)) / Ancho; }

    // The first largo of eight bytes, and largo in the top byte.
    static std::uint64_t Recorta(std::uint64_t bytes, std::size_t largo)
    {
        assert(largo >= 1 && largo <= 7);
        return (bytes & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    // The units equal to any of n codes.
    static Marcas EnCodigos(Bloque x, const char16_t *codigos, std::size_t n)
    {
        Marcas m = 0;
        for (std::size_t i = 0; i < n; ++i)
            m |= Iguales(x, codigos[i]);
        return m;
    }

    // Counters in lanes: each step adds one to the lane of each marked unit,
    // and PasosPorSuma steps leave the lanes' total within one lane, where
    // multiplying by Unos gathers it without a carry.
    static constexpr std::uint64_t Uno(Marcas m) { return m >> (Ancho - 1); }
    static constexpr std::size_t PasosPorSuma = ((std::uint64_t(1) << Ancho) - 1) / Paso;
    static constexpr std::size_t Suma(std::uint64_t carriles) { return std::size_t((carriles * Unos) >> (64 - Ancho)); }

    // Counts the classes in whole steps from p on, and advances p past them.
    // The range [desde, hasta] lies within 1 to 63, or is the empty one from 1 to 0.
    template <typename J, int Grandes, bool ConRango>
    static Conteo CuentaEn(const Unidad *&p, const Unidad *fin, std::u16string_view grandes, char16_t desde,
                           char16_t hasta)
    {
        assert(desde >= 1 && hasta < TopeSueltos);
        Conteo n;
        while (fin - p >= std::ptrdiff_t(Paso)) {
            std::uint64_t latin1 = 0, unos = 0, rango = 0;
            for (std::size_t k = 0; k < PasosPorSuma && fin - p >= std::ptrdiff_t(Paso); ++k, p += Paso) {
                const Bloque x = Carga(p);
                latin1 += Uno(J::Latin1(x));
                if (Grandes > 0)
                    unos += Uno(EnCodigos(x, grandes.data(), grandes.size()));
                if (ConRango)
                    rango += Uno(AlMenos(x, desde) & ~AlMenos(x, hasta + 1u));
            }
            n.Latin1 += Suma(latin1);
            n.Grandes += Suma(unos);
            n.Rango += Suma(rango);
        }
        return n;
    }

    static std::size_t Menores(const Unidad *p, std::size_t n, unsigned tope)
    {
        const std::uint64_t bits = Unos * ((std::uint64_t(1) << Ancho) - tope);  // tope is a power of two
        std::size_t i = 0;
        for (; i + Paso <= n; i += Paso) {
            if (const std::uint64_t m = Carga(p + i) & bits)
                return i + Indice(m);
        }
        while (i < n && (std::uint64_t(std::make_unsigned_t<Unidad>(p[i])) & bits) == 0)
            ++i;
        return i;
    }
};

// The code of each byte of UTF-8 text for the text-to-HTML table, so that a
// character from 128 to 255 is looked up whole like any other: an ASCII byte
// is its own code; 0xC2 or 0xC3 followed by a continuation byte, the code of
// their character, and that continuation byte 512 (nothing); any other byte
// b, 256 + b (itself). Reads p[0, n] (one byte beyond the n) and writes n
// codes; returns n, or n + 1 when the last of them begins a character whose
// continuation byte it also took. Sets lf when an LF stands right before a
// byte 0xED. The plain version, which the vector sets must match.
inline std::size_t CodigosUtf8(const char *p, std::size_t n, std::uint16_t *codigos, bool &lf)
{
    const auto b = [p](std::size_t i) { return unsigned(static_cast<unsigned char>(p[i])); };
    bool resto = false;  // this byte ends a character begun by the one before
    for (std::size_t i = 0; i < n; ++i) {
        const bool par = (b(i) & 0xFE) == 0xC2 && (b(i + 1) & 0xC0) == 0x80;
        codigos[i] = std::uint16_t(resto ? 512 : par ? (b(i) & 1) << 6 | 0x80 | (b(i + 1) & 0x3F)
                                         : b(i) < 0x80 ? b(i) : 256 + b(i));
        lf |= b(i) == 10 && b(i + 1) == 0xED;
        resto = par;
    }
    return n + (resto ? 1 : 0);
}

// How many bytes from p on are ASCII and valid characters of two bytes (0xC2
// to 0xDF and a continuation byte), if all of the n at p are, the last
// perhaps with its continuation byte beyond them: n or n + 1. Otherwise 0.
// The plain version, which the vector sets must match.
inline std::size_t ParesUtf8(const char *p, std::size_t n)
{
    const auto b = [p](std::size_t i) { return unsigned(static_cast<unsigned char>(p[i])); };
    std::size_t i = 0;
    while (i < n) {
        if (b(i) >= 0x80 && !(b(i) >= 0xC2 && b(i) <= 0xDF && (b(i + 1) & 0xC0) == 0x80))
            return 0;
        i += b(i) < 0x80 ? 1 : 2;
    }
    return i;
}

template <typename Unidad>
struct Palabras;

// Four UTF-16 units in a word.
template <>
struct Palabras<char16_t> : Carriles<char16_t> {
    static constexpr Marcas Latin1(Bloque x) { return AlMenos(x, 161) & ~AlMenos(x, 256); }
    static constexpr bool HayAltos(Bloque x) { return (x & 0xFF00FF00FF00FF00u) != 0; }

    // Lane bits 15, 31, 47 and 63 to bits 0-3: the shifted lane bits times the
    // constant land on bits 48-51, and no two partial products share a bit.
    static constexpr std::uint64_t Bits(Marcas m) { return ((m >> 15) * 0x0001000200040008u) >> 48; }

    // Four units to four bytes: the low byte, or 0xFF for a unit above 255.
    static constexpr std::uint64_t Bytes(Bloque x)
    {
        std::uint64_t v = (x & 0x00FF00FF00FF00FFu) | (AlMenos(x, 256) >> 15) * 0xFF;
        v = (v | v >> 8) & 0x0000FFFF0000FFFFu;
        return (v | v >> 16) & 0xFFFFFFFFu;
    }

    static std::uint64_t Clave(const char16_t *p, std::size_t largo)
    {
        return Recorta(Bytes(Carga(p)) | Bytes(Carga(p + 4)) << 32, largo);
    }

    static std::uint64_t Ocho(const char16_t *p) { return Bytes(Carga(p)) | Bytes(Carga(p + 4)) << 32; }

    template <int N>
    class Clases {
    public:
        explicit Clases(std::u16string_view sueltos)
        {
            assert(sueltos.size() == std::size_t(N));
            std::copy(sueltos.begin(), sueltos.end(), codigos_);
        }
        Marcas Marca(Bloque x) const { return Latin1(x) | EnCodigos(x, codigos_, N); }

    private:
        char16_t codigos_[N > 0 ? N : 1]{};
    };

    template <int Grandes, bool ConRango>
    static Conteo Cuenta(const char16_t *&p, const char16_t *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        return CuentaEn<Palabras, Grandes, ConRango>(p, fin, grandes, desde, hasta);
    }
};

// Eight UTF-8 bytes in a word.
template <>
struct Palabras<char> : Carriles<char> {
    // 0xC2 and 0xC3 are the bytes 0xC2 with the low bit cleared.
    static constexpr Marcas Latin1(Bloque x) { return Iguales(x & (Unos * 0xFE), 0xC2); }
    static constexpr bool HayAltos(Bloque x) { return (x & Signos) != 0; }

    // Lane bits 7, 15, ... 63 to bits 0-7, as for UTF-16: no two partial
    // products share a bit of the top byte, nor carry into it.
    static constexpr std::uint64_t Bits(Marcas m) { return ((m >> 7) * 0x0102040810204080u) >> 56; }

    static std::uint64_t Clave(const char *p, std::size_t largo) { return Recorta(Carga(p), largo); }

    // CodigosUtf8 for eight bytes: each code's low byte and high byte (0, 1
    // for a byte as it is, 2 for nothing) computed in all lanes, then spread
    // to sixteen bits a lane.
    static std::size_t Codigos(const char *p, std::uint16_t *codigos, bool &lf)
    {
        const Bloque x = Carga(p), siguiente = Carga(p + 1);
        const Marcas par = Iguales(x & (Unos * 0xFE), 0xC2) & Iguales(siguiente & (Unos * 0xC0), 0x80);
        const std::uint64_t enPar = (par >> 7) * 0xFF, enResto = enPar << 8, propio = ~(enPar | enResto);
        const std::uint64_t caracter = Unos * 0x80 | (x & Unos) << 6 | (siguiente & (Unos * 0x3F));
        const std::uint64_t bajo = (enPar & caracter) | (propio & x);
        const std::uint64_t alto = (enResto & (Unos * 2)) | (propio & (x & Signos) >> 7);
        const auto abre = [](std::uint64_t v) {  // four bytes to four 16-bit lanes
            v = (v | v << 16) & 0x0000FFFF0000FFFFu;
            return (v | v << 8) & 0x00FF00FF00FF00FFu;
        };
        const std::uint64_t mitades[2] = {abre(bajo & 0xFFFFFFFFu) | abre(alto & 0xFFFFFFFFu) << 8,
                                          abre(bajo >> 32) | abre(alto >> 32) << 8};
        std::memcpy(codigos, mitades, sizeof mitades);
        lf |= (Iguales(x, 10) & Iguales(siguiente, 0xED)) != 0;
        return Paso + (par >> 63);
    }

    static std::size_t Pares(const char *p)
    {
        const Bloque x = Carga(p), siguiente = Carga(p + 1);
        const Marcas primero = Iguales(x & (Unos * 0xE0), 0xC0) & ~(Iguales(x, 0xC0) | Iguales(x, 0xC1));
        const Marcas par = primero & Iguales(siguiente & (Unos * 0xC0), 0x80);
        return (x & Signos) == (par | par << 8) ? Paso + (par >> 63) : 0;
    }

    template <int N>
    class Clases {
    public:
        explicit Clases(std::u16string_view sueltos)
        {
            assert(sueltos.size() == std::size_t(N));
            std::copy(sueltos.begin(), sueltos.end(), codigos_);
        }
        Marcas Marca(Bloque x) const { return Latin1(x) | EnCodigos(x, codigos_, N); }

    private:
        char16_t codigos_[N > 0 ? N : 1]{};
    };

    template <int Grandes, bool ConRango>
    static Conteo Cuenta(const char *&p, const char *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        return CuentaEn<Palabras, Grandes, ConRango>(p, fin, grandes, desde, hasta);
    }
};

// ---- SSE2 ------------------------------------------------------------------

#ifdef VELMORA_SSE2
template <typename Unidad>
struct SSE2;

// What both SSE2 sets share: sixteen units a step, one flag bit per unit.
struct SSE2Comun {
    static constexpr std::size_t Paso = 16;
    using Marcas = unsigned;

    static __m128i Carga8(const void *p) { return _mm_loadu_si128(static_cast<const __m128i *>(p)); }
    static void Guarda16(void *w, __m128i v) { _mm_storeu_si128(static_cast<__m128i *>(w), v); }
    static Marcas Mascara(__m128i m) { return Marcas(_mm_movemask_epi8(m)); }
    static constexpr std::size_t Indice(Marcas m) { return std::size_t(std::countr_zero(m)); }
    static constexpr std::uint64_t Bits(Marcas m) { return m; }

    // The sum of the sixteen unsigned bytes of v.
    static std::size_t SumaBytes(__m128i v)
    {
        const __m128i sumas = _mm_sad_epu8(v, _mm_setzero_si128());
        return std::size_t(_mm_cvtsi128_si32(sumas) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sumas, sumas)));
    }

    // Counts in byte counters, one per unit position, emptied every 255 steps,
    // on blocks J::Carga gives as sixteen signed bytes in which a code c below
    // 128 is the byte c - J::Sesgo. The range [desde, hasta] lies below 64, or
    // is the empty one from 1 to 0, whose bounds leave out every byte.
    // Grandes is grandes.size() rounded up to even: the last code is repeated,
    // which adds nothing to an "or".
    template <typename J, int Grandes, bool ConRango, typename Unidad>
    static Conteo Cuenta(const Unidad *&p, const Unidad *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        assert(grandes.size() <= std::size_t(Grandes) && (Grandes == 0 || !grandes.empty()));
        __m128i g[Grandes > 0 ? Grandes : 1];
        for (int i = 0; i < Grandes; ++i)
            g[i] = J::Byte(grandes[std::min<std::size_t>(std::size_t(i), grandes.size() - 1)]);
        const __m128i bajo = _mm_set1_epi8(char(desde - 1 - J::Sesgo));
        const __m128i alto = _mm_set1_epi8(char(hasta + 1 - J::Sesgo));
        Conteo n;
        while (fin - p >= 16) {
            __m128i cl = _mm_setzero_si128(), cg = _mm_setzero_si128(), cr = _mm_setzero_si128();
            for (int pasos = 0; pasos < 255 && fin - p >= 16; ++pasos, p += 16) {
                const __m128i b = J::Carga(p);
                cl = _mm_sub_epi8(cl, J::BytesLatin1(b));
                if (Grandes > 0) {
                    __m128i m = _mm_cmpeq_epi8(b, g[0]);
                    for (int i = 1; i < Grandes; ++i)
                        m = _mm_or_si128(m, _mm_cmpeq_epi8(b, g[i]));
                    cg = _mm_sub_epi8(cg, m);
                }
                if (ConRango)
                    cr = _mm_sub_epi8(cr, _mm_and_si128(_mm_cmpgt_epi8(b, bajo), _mm_cmpgt_epi8(alto, b)));
            }
            n.Latin1 += SumaBytes(cl);
            n.Grandes += SumaBytes(cg);
            n.Rango += SumaBytes(cr);
        }
        return n;
    }

    // Marks the bytes equal to those of the N single codes, or to what Latin1 marks.
    template <typename J, int N>
    class Clases {
    public:
        explicit Clases(std::u16string_view sueltos)
        {
            assert(sueltos.size() == std::size_t(N));
            for (int i = 0; i < N; ++i)
                sueltos_[i] = J::Byte(sueltos[std::size_t(i)]);
        }

        Marcas Marca(__m128i b) const
        {
            __m128i m = J::BytesLatin1(b);
            for (int i = 0; i < N; ++i)
                m = _mm_or_si128(m, _mm_cmpeq_epi8(b, sueltos_[i]));
            return Mascara(m);
        }

    private:
        __m128i sueltos_[N > 0 ? N : 1]{};  // a plain array: std::array would drop the vector type's attributes
    };
};

// Sixteen UTF-16 units in two registers, narrowed to one of bytes.
template <>
struct SSE2<char16_t> : SSE2Comun {
    using Unidad = char16_t;
    using Bloque = __m128i;  // the sixteen units narrowed to signed bytes, see Carga
    static constexpr int Sesgo = 129;

    // The units narrowed to the signed bytes c - 129 with saturation. That keeps
    // every code from 2 to 255 apart; 0, 1 and 0x8081 up fold onto -128, and 256
    // to 0x8080 onto 127, values no code from 2 to 255 gives. So a comparison
    // with any such code is exact.
    static Bloque Carga(const char16_t *p)
    {
        const __m128i sesgo = _mm_set1_epi16(129);
        return _mm_packs_epi16(_mm_sub_epi16(Carga8(p), sesgo), _mm_sub_epi16(Carga8(p + 8), sesgo));
    }

    static void Copia(const char16_t *p, char16_t *w)
    {
        Guarda16(w, Carga8(p));
        Guarda16(w + 8, Carga8(p + 8));
    }

    static __m128i Byte(char16_t c)
    {
        assert(c >= 2 && c <= 255);
        return _mm_set1_epi8(char(c - Sesgo));
    }

    // 0xFF in each byte of b that is a code from 161 to 255.
    static __m128i BytesLatin1(Bloque b)
    {
        return _mm_andnot_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8(127)), _mm_cmpgt_epi8(b, _mm_set1_epi8(31)));
    }

    static Marcas Iguales(Bloque b, char16_t c) { return Mascara(_mm_cmpeq_epi8(b, Byte(c))); }
    static Marcas Latin1(Bloque b) { return Mascara(BytesLatin1(b)); }

    static bool HayAltos(Bloque b)
    {
        const __m128i m = _mm_or_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8(127)), _mm_cmpeq_epi8(b, _mm_set1_epi8(-128)));
        return Mascara(m) != 0;
    }

    // Unsigned saturation: units above 255 become 0 or 255, bytes no body holds.
    static std::uint64_t Clave(const char16_t *p, std::size_t largo)
    {
        assert(largo >= 1 && largo <= 7);
        const __m128i v = Carga8(p);
        std::uint64_t clave;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(&clave), _mm_packus_epi16(v, v));
        return (clave & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    static std::uint64_t Ocho(const char16_t *p)
    {
        const __m128i v = Carga8(p);
        return std::uint64_t(_mm_cvtsi128_si64(_mm_packus_epi16(v, v)));
    }

    template <int N>
    using Clases = SSE2Comun::Clases<SSE2, N>;

    template <int Grandes, bool ConRango>
    static Conteo Cuenta(const char16_t *&p, const char16_t *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        return SSE2Comun::Cuenta<SSE2, Grandes, ConRango>(p, fin, grandes, desde, hasta);
    }

    static std::size_t Menores(const char16_t *p, std::size_t n, unsigned tope)
    {
        const __m128i bits = _mm_set1_epi16(short(0x10000 - tope)), cero = _mm_setzero_si128();
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            const __m128i v = _mm_and_si128(Carga8(p + i), bits);
            if (const Marcas m = Mascara(_mm_cmpeq_epi16(v, cero)); m != 0xFFFF)
                return i + unsigned(std::countr_one(m)) / 2;
        }
        while (i < n && p[i] < tope)
            ++i;
        return i;
    }
};

// Sixteen UTF-8 bytes in one register, as they are.
template <>
struct SSE2<char> : SSE2Comun {
    using Unidad = char;
    using Bloque = __m128i;
    static constexpr int Sesgo = 0;

    static Bloque Carga(const char *p) { return Carga8(p); }
    static void Copia(const char *p, char *w) { Guarda16(w, Carga8(p)); }

    static __m128i Byte(char16_t c)
    {
        assert(c >= 2 && c <= 127);
        return _mm_set1_epi8(char(c));
    }

    static __m128i BytesLatin1(Bloque b)
    {
        return _mm_cmpeq_epi8(_mm_and_si128(b, _mm_set1_epi8(char(0xFE))), _mm_set1_epi8(char(0xC2)));
    }

    static Marcas Iguales(Bloque b, char16_t c) { return Mascara(_mm_cmpeq_epi8(b, Byte(c))); }
    static Marcas Latin1(Bloque b) { return Mascara(BytesLatin1(b)); }
    static bool HayAltos(Bloque b) { return Mascara(b) != 0; }

    static std::uint64_t Clave(const char *p, std::size_t largo)
    {
        assert(largo >= 1 && largo <= 7);
        std::uint64_t clave;
        std::memcpy(&clave, p, sizeof clave);
        return (clave & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    // CodigosUtf8 for sixteen bytes: each code's low byte and high byte (0, 1
    // for a byte as it is, 2 for nothing) computed for all lanes, then interleaved.
    static std::size_t Codigos(const char *p, std::uint16_t *codigos, bool &lf)
    {
        const __m128i b = Carga8(p), siguiente = Carga8(p + 1);
        const auto iguales = [](__m128i x, int c) { return _mm_cmpeq_epi8(x, _mm_set1_epi8(char(c))); };
        const __m128i par = _mm_and_si128(iguales(_mm_and_si128(b, _mm_set1_epi8(char(0xFE))), 0xC2),
                                          iguales(_mm_and_si128(siguiente, _mm_set1_epi8(char(0xC0))), 0x80));
        const __m128i resto = _mm_slli_si128(par, 1);
        const __m128i propio = _mm_andnot_si128(_mm_or_si128(par, resto), _mm_set1_epi8(-1));
        const __m128i caracter =
            _mm_or_si128(_mm_and_si128(iguales(_mm_and_si128(b, _mm_set1_epi8(1)), 1), _mm_set1_epi8(0x40)),
                         _mm_or_si128(_mm_set1_epi8(char(0x80)), _mm_and_si128(siguiente, _mm_set1_epi8(0x3F))));
        const __m128i bajo = _mm_or_si128(_mm_and_si128(par, caracter), _mm_and_si128(propio, b));
        const __m128i alto =
            _mm_or_si128(_mm_and_si128(resto, _mm_set1_epi8(2)),
                         _mm_and_si128(_mm_and_si128(propio, _mm_cmplt_epi8(b, _mm_setzero_si128())), _mm_set1_epi8(1)));
        Guarda16(codigos, _mm_unpacklo_epi8(bajo, alto));
        Guarda16(codigos + 8, _mm_unpackhi_epi8(bajo, alto));
        lf |= Mascara(_mm_and_si128(iguales(b, 10), iguales(siguiente, 0xED))) != 0;
        return 16 + (Mascara(par) >> 15);
    }

    // 0xC2 to 0xDF are -62 to -33 as signed bytes.
    static std::size_t Pares(const char *p)
    {
        const __m128i b = Carga8(p), siguiente = Carga8(p + 1);
        const __m128i primero = _mm_and_si128(_mm_cmpgt_epi8(b, _mm_set1_epi8(-63)), _mm_cmplt_epi8(b, _mm_set1_epi8(-32)));
        const Marcas par = Mascara(_mm_and_si128(
            primero, _mm_cmpeq_epi8(_mm_and_si128(siguiente, _mm_set1_epi8(char(0xC0))), _mm_set1_epi8(char(0x80)))));
        return Mascara(b) == ((par | par << 1) & 0xFFFF) ? 16 + (par >> 15) : 0;
    }

    template <int N>
    using Clases = SSE2Comun::Clases<SSE2, N>;

    template <int Grandes, bool ConRango>
    static Conteo Cuenta(const char *&p, const char *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        return SSE2Comun::Cuenta<SSE2, Grandes, ConRango>(p, fin, grandes, desde, hasta);
    }

    static std::size_t Menores(const char *p, std::size_t n, unsigned tope)
    {
        assert(tope == 0x80);
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) {
            if (const Marcas m = Mascara(Carga8(p + i)))
                return i + Indice(m);
        }
        while (i < n && static_cast<unsigned char>(p[i]) < tope)
            ++i;
        return i;
    }
};
#endif

// ---- NEON ------------------------------------------------------------------

#ifdef VELMORA_NEON
template <typename Unidad>
struct NEON;

// What both NEON sets share: sixteen units a step in one register of bytes,
// marked as SSE2 marks them. NEON has no byte mask, so a step's marks are a
// word with a nibble per unit, narrowed from the vector, of which only the
// top bit is kept: one bit per unit, at 4 i + 3.
struct NEONComun {
    static constexpr std::size_t Paso = 16;
    using Marcas = std::uint64_t;

    static Marcas Mascara(uint8x16_t m)
    {
        const uint8x8_t nibbles = vshrn_n_u16(vreinterpretq_u16_u8(m), 4);
        return vget_lane_u64(vreinterpret_u64_u8(nibbles), 0) & 0x8888888888888888u;
    }
    static constexpr std::size_t Indice(Marcas m) { return std::size_t(std::countr_zero(m)) / 4; }

    // Bits 4 i + 3 to bits i: times 0x1248 each group of four lands on bits
    // 12-15 of its sixteen, with no other partial product there.
    static constexpr std::uint64_t Bits(Marcas m)
    {
        std::uint64_t x = (((m >> 3) * 0x1248u) >> 12) & 0x000F000F000F000Fu;
        x = (x | x >> 12) & 0x000000FF000000FFu;
        return (x | x >> 24) & 0xFFFFu;
    }

    // Counts in byte counters, as the SSE2 versions do.
    template <typename J, int Grandes, bool ConRango, typename Unidad>
    static Conteo Cuenta(const Unidad *&p, const Unidad *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        assert(grandes.size() <= std::size_t(Grandes) && (Grandes == 0 || !grandes.empty()));
        uint8x16_t g[Grandes > 0 ? Grandes : 1];
        for (int i = 0; i < Grandes; ++i)
            g[i] = J::Byte(grandes[std::min<std::size_t>(std::size_t(i), grandes.size() - 1)]);
        const int8x16_t bajo = vdupq_n_s8(std::int8_t(desde - 1 - J::Sesgo));
        const int8x16_t alto = vdupq_n_s8(std::int8_t(hasta + 1 - J::Sesgo));
        Conteo n;
        while (fin - p >= 16) {
            uint8x16_t cl = vdupq_n_u8(0), cg = vdupq_n_u8(0), cr = vdupq_n_u8(0);
            for (int pasos = 0; pasos < 255 && fin - p >= 16; ++pasos, p += 16) {
                const uint8x16_t b = J::Carga(p);
                cl = vsubq_u8(cl, J::BytesLatin1(b));
                if (Grandes > 0) {
                    uint8x16_t m = vceqq_u8(b, g[0]);
                    for (int i = 1; i < Grandes; ++i)
                        m = vorrq_u8(m, vceqq_u8(b, g[i]));
                    cg = vsubq_u8(cg, m);
                }
                if (ConRango) {
                    const int8x16_t c = vreinterpretq_s8_u8(b);
                    cr = vsubq_u8(cr, vandq_u8(vcgtq_s8(c, bajo), vcltq_s8(c, alto)));
                }
            }
            n.Latin1 += vaddlvq_u8(cl);
            n.Grandes += vaddlvq_u8(cg);
            n.Rango += vaddlvq_u8(cr);
        }
        return n;
    }

    template <typename J, int N>
    class Clases {
    public:
        explicit Clases(std::u16string_view sueltos)
        {
            assert(sueltos.size() == std::size_t(N));
            for (int i = 0; i < N; ++i)
                sueltos_[i] = J::Byte(sueltos[std::size_t(i)]);
        }

        Marcas Marca(uint8x16_t b) const
        {
            uint8x16_t m = J::BytesLatin1(b);
            for (int i = 0; i < N; ++i)
                m = vorrq_u8(m, vceqq_u8(b, sueltos_[i]));
            return Mascara(m);
        }

    private:
        uint8x16_t sueltos_[N > 0 ? N : 1]{};
    };

    // The index of the first marked unit of the n at p, or n.
    template <typename Unidad, typename F>
    static std::size_t Primero(const Unidad *p, std::size_t n, F marca, unsigned tope)
    {
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) {
            if (const Marcas m = Mascara(marca(p + i)))
                return i + Indice(m);
        }
        while (i < n && std::make_unsigned_t<Unidad>(p[i]) < tope)
            ++i;
        return i;
    }
};

// Sixteen UTF-16 units narrowed to one register of bytes, exactly as SSE2
// narrows them: c - 129 with signed saturation.
template <>
struct NEON<char16_t> : NEONComun {
    using Unidad = char16_t;
    using Bloque = uint8x16_t;
    static constexpr int Sesgo = 129;

    static Bloque Carga(const char16_t *p)
    {
        const int16x8_t sesgo = vdupq_n_s16(129);
        const int16x8_t a = vsubq_s16(vreinterpretq_s16_u16(vld1q_u16(reinterpret_cast<const std::uint16_t *>(p))), sesgo);
        const int16x8_t b =
            vsubq_s16(vreinterpretq_s16_u16(vld1q_u16(reinterpret_cast<const std::uint16_t *>(p + 8))), sesgo);
        return vreinterpretq_u8_s8(vcombine_s8(vqmovn_s16(a), vqmovn_s16(b)));
    }

    static void Copia(const char16_t *p, char16_t *w)
    {
        const auto *q = reinterpret_cast<const std::uint16_t *>(p);
        auto *d = reinterpret_cast<std::uint16_t *>(w);
        vst1q_u16(d, vld1q_u16(q));
        vst1q_u16(d + 8, vld1q_u16(q + 8));
    }

    static uint8x16_t Byte(char16_t c)
    {
        assert(c >= 2 && c <= 255);
        return vdupq_n_u8(std::uint8_t(c - Sesgo));
    }

    // The bytes of codes from 161 to 255: above 31 and not 127, as signed bytes.
    static uint8x16_t BytesLatin1(Bloque b)
    {
        const int8x16_t c = vreinterpretq_s8_u8(b);
        return vbicq_u8(vcgtq_s8(c, vdupq_n_s8(31)), vceqq_s8(c, vdupq_n_s8(127)));
    }

    static Marcas Iguales(Bloque b, char16_t c) { return Mascara(vceqq_u8(b, Byte(c))); }
    static Marcas Latin1(Bloque b) { return Mascara(BytesLatin1(b)); }

    static bool HayAltos(Bloque b)
    {
        return vmaxvq_u8(vorrq_u8(vceqq_u8(b, vdupq_n_u8(127)), vceqq_u8(b, vdupq_n_u8(0x80)))) != 0;
    }

    // Unsigned saturation: units above 255 become 255, a byte no body holds.
    static std::uint64_t Clave(const char16_t *p, std::size_t largo)
    {
        assert(largo >= 1 && largo <= 7);
        return (Ocho(p) & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    static std::uint64_t Ocho(const char16_t *p)
    {
        const uint8x8_t v = vqmovn_u16(vld1q_u16(reinterpret_cast<const std::uint16_t *>(p)));
        return vget_lane_u64(vreinterpret_u64_u8(v), 0);
    }

    template <int N>
    using Clases = NEONComun::Clases<NEON, N>;

    template <int Grandes, bool ConRango>
    static Conteo Cuenta(const char16_t *&p, const char16_t *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        return NEONComun::Cuenta<NEON, Grandes, ConRango>(p, fin, grandes, desde, hasta);
    }

    static std::size_t Menores(const char16_t *p, std::size_t n, unsigned tope)
    {
        const uint16x8_t t = vdupq_n_u16(std::uint16_t(tope));
        const auto marca = [t](const char16_t *q) {
            const auto *u = reinterpret_cast<const std::uint16_t *>(q);
            return vcombine_u8(vmovn_u16(vcgeq_u16(vld1q_u16(u), t)), vmovn_u16(vcgeq_u16(vld1q_u16(u + 8), t)));
        };
        return Primero(p, n, marca, tope);
    }
};

// Sixteen UTF-8 bytes in one register, as they are.
template <>
struct NEON<char> : NEONComun {
    using Unidad = char;
    using Bloque = uint8x16_t;
    static constexpr int Sesgo = 0;

    static Bloque Carga(const char *p) { return vld1q_u8(reinterpret_cast<const std::uint8_t *>(p)); }
    static void Copia(const char *p, char *w) { vst1q_u8(reinterpret_cast<std::uint8_t *>(w), Carga(p)); }

    static uint8x16_t Byte(char16_t c)
    {
        assert(c >= 2 && c <= 127);
        return vdupq_n_u8(std::uint8_t(c));
    }

    static uint8x16_t BytesLatin1(Bloque b) { return vceqq_u8(vandq_u8(b, vdupq_n_u8(0xFE)), vdupq_n_u8(0xC2)); }

    static Marcas Iguales(Bloque b, char16_t c) { return Mascara(vceqq_u8(b, Byte(c))); }
    static Marcas Latin1(Bloque b) { return Mascara(BytesLatin1(b)); }
    static bool HayAltos(Bloque b) { return vmaxvq_u8(b) >= 0x80; }

    static std::uint64_t Clave(const char *p, std::size_t largo)
    {
        assert(largo >= 1 && largo <= 7);
        std::uint64_t clave;
        std::memcpy(&clave, p, sizeof clave);
        return (clave & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    // CodigosUtf8 for sixteen bytes, as SSE2 computes them.
    static std::size_t Codigos(const char *p, std::uint16_t *codigos, bool &lf)
    {
        const uint8x16_t b = Carga(p), siguiente = Carga(p + 1);
        const uint8x16_t par = vandq_u8(vceqq_u8(vandq_u8(b, vdupq_n_u8(0xFE)), vdupq_n_u8(0xC2)),
                                        vceqq_u8(vandq_u8(siguiente, vdupq_n_u8(0xC0)), vdupq_n_u8(0x80)));
        const uint8x16_t resto = vextq_u8(vdupq_n_u8(0), par, 15);
        const uint8x16_t propio = vmvnq_u8(vorrq_u8(par, resto));
        const uint8x16_t caracter = vorrq_u8(vshlq_n_u8(vandq_u8(b, vdupq_n_u8(1)), 6),
                                             vorrq_u8(vdupq_n_u8(0x80), vandq_u8(siguiente, vdupq_n_u8(0x3F))));
        uint8x16x2_t mitades;
        mitades.val[0] = vorrq_u8(vandq_u8(par, caracter), vandq_u8(propio, b));
        mitades.val[1] = vorrq_u8(vandq_u8(resto, vdupq_n_u8(2)),
                                  vandq_u8(vandq_u8(propio, vshrq_n_u8(b, 7)), vdupq_n_u8(1)));
        vst2q_u8(reinterpret_cast<std::uint8_t *>(codigos), mitades);
        lf |= vmaxvq_u8(vandq_u8(vceqq_u8(b, vdupq_n_u8(10)), vceqq_u8(siguiente, vdupq_n_u8(0xED)))) != 0;
        return 16 + (vgetq_lane_u8(par, 15) & 1);
    }

    static std::size_t Pares(const char *p)
    {
        const uint8x16_t b = Carga(p), siguiente = Carga(p + 1);
        const uint8x16_t par = vandq_u8(vandq_u8(vcgeq_u8(b, vdupq_n_u8(0xC2)), vcleq_u8(b, vdupq_n_u8(0xDF))),
                                        vceqq_u8(vandq_u8(siguiente, vdupq_n_u8(0xC0)), vdupq_n_u8(0x80)));
        const uint8x16_t resto = vextq_u8(vdupq_n_u8(0), par, 15);
        return Mascara(vcgeq_u8(b, vdupq_n_u8(0x80))) == Mascara(vorrq_u8(par, resto))
                   ? 16 + (vgetq_lane_u8(par, 15) & 1)
                   : 0;
    }

    template <int N>
    using Clases = NEONComun::Clases<NEON, N>;

    template <int Grandes, bool ConRango>
    static Conteo Cuenta(const char *&p, const char *fin, std::u16string_view grandes, char16_t desde,
                         char16_t hasta)
    {
        return NEONComun::Cuenta<NEON, Grandes, ConRango>(p, fin, grandes, desde, hasta);
    }

    static std::size_t Menores(const char *p, std::size_t n, unsigned tope)
    {
        assert(tope == 0x80);
        return Primero(p, n, [](const char *q) { return vcgeq_u8(Carga(q), vdupq_n_u8(0x80)); }, tope);
    }
};
#endif

// ---- The one dispatch point ------------------------------------------------

#ifdef VELMORA_SSE2
template <typename Unidad>
using Juego = SSE2<Unidad>;
#elif defined(VELMORA_NEON)
template <typename Unidad>
using Juego = NEON<Unidad>;
#else
template <typename Unidad>
using Juego = Palabras<Unidad>;
#endif

// ---- Line breaks, on any set ------------------------------------------------

// Index of the first CR or LF among the n units at p, or n.
template <typename Unidad, typename J = Juego<Unidad>>
std::size_t BuscaSalto(const Unidad *p, std::size_t n)
{
    std::size_t i = 0;
    for (; i + J::Paso <= n; i += J::Paso) {
        const typename J::Bloque b = J::Carga(p + i);
        if (const typename J::Marcas m = J::Iguales(b, 13) | J::Iguales(b, 10))
            return i + J::Indice(m);
    }
    while (i < n && p[i] != Unidad(13) && p[i] != Unidad(10))
        ++i;
    return i;
}

// Whether every CR among the n units at p is followed by LF, and every LF
// preceded by CR, all within those n units.
template <typename Unidad, typename J = Juego<Unidad>>
bool SoloParesCRLF(const Unidad *p, std::size_t n)
{
    static_assert(J::Paso < 64);
    constexpr std::uint64_t Paso = (std::uint64_t(1) << J::Paso) - 1;
    std::size_t i = 0;
    std::uint64_t trasCR = 0;
    for (; i + J::Paso <= n; i += J::Paso) {
        const typename J::Bloque b = J::Carga(p + i);
        const std::uint64_t crs = J::Bits(J::Iguales(b, 13)), lfs = J::Bits(J::Iguales(b, 10));
        // Each LF one unit after a CR, the first after the last step's last CR.
        if (((crs << 1 | trasCR) & Paso) != lfs)
            return false;
        trasCR = crs >> (J::Paso - 1);
    }
    for (; i < n; ++i) {
        if ((p[i] == Unidad(10)) != (trasCR != 0))
            return false;
        trasCR = p[i] == Unidad(13);
    }
    return trasCR == 0;
}

}  // namespace ConversionesTextoHTML::Vectores
