#pragma once

// Vector helpers for the engine's hot loops: one set per instruction set, with
// the same names, and one dispatch point at the bottom. SSE2 where the
// compiler offers it; elsewhere 64-bit words, four UTF-16 units at a time, so
// that no machine copies unchanged text one unit at a time. The engine's
// scalar loops stay the reference.
//
//   Paso              units handled per step
//   Bloque            a step's units as Carga loads them
//   Marcas            one flag per unit of a step; Indice gives the first,
//                     m &= m - 1 clears it, Bits packs them one bit per unit
//   Copia(p, w)       Paso units from p to w
//   Iguales(b, c)     the units equal to c, a code from 2 to 255
//   Latin1(b)         the units from 161 to 255
//   HayAltos(b)       whether any unit may be 256 or above (true for 0 and 1 too)
//   Clave(p, largo)   the low bytes of units p[0, largo), largo 1 to 7, and largo
//                     in the top byte; a unit above 255 gives a byte no ASCII
//                     body holds; reads p[0, 8)
//   Clases<N>         marks the units from 161 to 255 and N single codes below 64
//   Cuenta<G, R>(...) counts three classes of units, for the size of a result

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// MSVC says SSE2 only through _M_X64; GCC and Clang (MinGW too, which also
// defines _M_X64) through __SSE2__, which a portable build turns off.
#if defined(__SSE2__) || (defined(_M_X64) && !defined(__GNUC__))
#include <emmintrin.h>
#define VELMORA_SSE2 1
#endif

namespace ConversionesTextoHTML::Vectores {

// What Cuenta finds in a stretch of text.
struct Conteo {
    std::size_t Latin1 = 0;   // units from 161 to 255
    std::size_t Grandes = 0;  // units equal to one of the given codes
    std::size_t Rango = 0;    // units within the given range
};

// The single codes the engine looks for below 161 are all ASCII controls and
// signs below 64 (CR, LF, blank, '"', '&', '<', '>'); the word version keeps
// them in one 64-bit map.
inline constexpr char16_t TopeSueltos = 64;

// ---- Four units in a 64-bit word -------------------------------------------

struct Palabras {

    static_assert(std::endian::native == std::endian::little, "unit i of a word is its lane i");

    static constexpr std::size_t Paso = 4;
    using Bloque = std::uint64_t;
    using Marcas = std::uint64_t;  // bit 15 of each marked unit's lane

    static constexpr std::uint64_t Unos = 0x0001000100010001u;
    static constexpr std::uint64_t Signos = 0x8000800080008000u;
    static constexpr std::uint64_t Quince = 0x7FFF7FFF7FFF7FFFu;

    static Bloque Carga(const char16_t *p)
    {
        Bloque x;
        std::memcpy(&x, p, sizeof x);
        return x;
    }

    static void Copia(const char16_t *p, char16_t *w) { std::memcpy(w, p, 8); }

    // The units that are n (1 to 0x8000) or more. The low fifteen bits plus
    // 0x8000 - n reach bit 15 exactly when they are n or more, and never carry
    // into the next lane.
    static constexpr Marcas AlMenos(Bloque x, unsigned n)
    {
        return (((x & Quince) + Unos * (0x8000u - n)) | x) & Signos;
    }

    static constexpr Marcas Iguales(Bloque x, char16_t c)
    {
        const std::uint64_t z = x ^ (Unos * c);
        return ~(((z & Quince) + Quince) | z) & Signos;
    }

    static constexpr Marcas Latin1(Bloque x) { return AlMenos(x, 161) & ~AlMenos(x, 256); }
    static constexpr bool HayAltos(Bloque x) { return (x & 0xFF00FF00FF00FF00u) != 0; }
    static constexpr std::size_t Indice(Marcas m) { return std::size_t(std::countr_zero(m)) / 16; }

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
        assert(largo >= 1 && largo <= 7);
        const std::uint64_t bytes = Bytes(Carga(p)) | Bytes(Carga(p + 4)) << 32;
        return (bytes & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    // Each unit below 64 is looked up in the map of single codes; there are few
    // of them in a step, and none in most.
    static Marcas EnMapa(Bloque x, std::uint64_t mapa)
    {
        Marcas m = 0;
        for (Marcas bajos = mapa ? ~AlMenos(x, TopeSueltos) & Signos : 0; bajos; bajos &= bajos - 1) {
            const int lane = std::countr_zero(bajos) - 15;
            m |= (mapa >> (x >> lane & (TopeSueltos - 1)) & 1) << (lane + 15);
        }
        return m;
    }

    static std::uint64_t Mapa(std::u16string_view codigos)
    {
        std::uint64_t mapa = 0;
        for (char16_t c : codigos) {
            assert(c < TopeSueltos);
            mapa |= std::uint64_t(1) << c;
        }
        return mapa;
    }

    template <int N>
    class Clases {
    public:
        explicit Clases(std::u16string_view sueltos) : mapa_(Mapa(sueltos))
        {
            assert(sueltos.size() == std::size_t(N));
        }
        Marcas Marca(Bloque x) const { return Latin1(x) | EnMapa(x, mapa_); }

    private:
        std::uint64_t mapa_;
    };

    // Counts the classes in whole steps from p on, and advances p past them.
    // The range [desde, hasta] lies below 64, or is empty (desde > hasta).
    template <int Grandes, bool ConRango>
    static Conteo Cuenta(
        const char16_t *&p, const char16_t *fin, std::u16string_view grandes, char16_t desde, char16_t hasta)
    {
        const std::uint64_t mapaGrandes = Mapa(grandes);
        std::uint64_t mapaRango = 0;
        for (char16_t c = desde; c <= hasta; ++c)
            mapaRango |= Mapa(std::u16string_view(&c, 1));
        Conteo n;
        for (; fin - p >= std::ptrdiff_t(Paso); p += Paso) {
            const Bloque x = Carga(p);
            n.Latin1 += std::size_t(std::popcount(Latin1(x)));
            if (Grandes > 0)
                n.Grandes += std::size_t(std::popcount(EnMapa(x, mapaGrandes)));
            if (ConRango)
                n.Rango += std::size_t(std::popcount(EnMapa(x, mapaRango)));
        }
        return n;
    }
};

// ---- Sixteen units in two SSE2 registers -----------------------------------

#ifdef VELMORA_SSE2
struct SSE2 {

    static constexpr std::size_t Paso = 16;
    using Bloque = __m128i;  // the sixteen units narrowed to signed bytes, see Carga
    using Marcas = unsigned;

    static __m128i Carga8(const char16_t *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }

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
        _mm_storeu_si128(reinterpret_cast<__m128i *>(w), Carga8(p));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(w + 8), Carga8(p + 8));
    }

    static __m128i Byte(char16_t c)
    {
        assert(c >= 2 && c <= 255);
        return _mm_set1_epi8(char(c - 129));
    }

    // 0xFF in each byte of b that is a code from 161 to 255.
    static __m128i BytesLatin1(Bloque b)
    {
        return _mm_andnot_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8(127)), _mm_cmpgt_epi8(b, _mm_set1_epi8(31)));
    }

    static Marcas Mascara(__m128i m) { return Marcas(_mm_movemask_epi8(m)); }
    static Marcas Iguales(Bloque b, char16_t c) { return Mascara(_mm_cmpeq_epi8(b, Byte(c))); }
    static Marcas Latin1(Bloque b) { return Mascara(BytesLatin1(b)); }

    static bool HayAltos(Bloque b)
    {
        const __m128i m = _mm_or_si128(_mm_cmpeq_epi8(b, _mm_set1_epi8(127)), _mm_cmpeq_epi8(b, _mm_set1_epi8(-128)));
        return Mascara(m) != 0;
    }

    static constexpr std::size_t Indice(Marcas m) { return std::size_t(std::countr_zero(m)); }
    static constexpr std::uint64_t Bits(Marcas m) { return m; }

    // Unsigned saturation: units above 255 become 0 or 255, bytes no body holds.
    static std::uint64_t Clave(const char16_t *p, std::size_t largo)
    {
        assert(largo >= 1 && largo <= 7);
        const __m128i v = Carga8(p);
        std::uint64_t clave;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(&clave), _mm_packus_epi16(v, v));
        return (clave & ((std::uint64_t(1) << (8 * largo)) - 1)) | std::uint64_t(largo) << 56;
    }

    template <int N>
    class Clases {
    public:
        explicit Clases(std::u16string_view sueltos)
        {
            assert(sueltos.size() == std::size_t(N));
            for (int i = 0; i < N; ++i)
                sueltos_[i] = Byte(sueltos[std::size_t(i)]);
        }

        Marcas Marca(Bloque b) const
        {
            __m128i m = BytesLatin1(b);
            for (int i = 0; i < N; ++i)
                m = _mm_or_si128(m, _mm_cmpeq_epi8(b, sueltos_[i]));
            return Mascara(m);
        }

    private:
        __m128i sueltos_[N > 0 ? N : 1]{};  // a plain array: std::array would drop the vector type's attributes
    };

    // The sum of the sixteen unsigned bytes of v.
    static std::size_t SumaBytes(__m128i v)
    {
        const __m128i sumas = _mm_sad_epu8(v, _mm_setzero_si128());
        return std::size_t(_mm_cvtsi128_si32(sumas) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sumas, sumas)));
    }

    // Counts in byte counters, one per unit position, emptied every 255 steps.
    // Grandes is grandes.size() rounded up to even: the last code is repeated,
    // which adds nothing to an "or".
    template <int Grandes, bool ConRango>
    static Conteo Cuenta(
        const char16_t *&p, const char16_t *fin, std::u16string_view grandes, char16_t desde, char16_t hasta)
    {
        assert(grandes.size() <= std::size_t(Grandes) && (Grandes == 0 || !grandes.empty()));
        __m128i g[Grandes > 0 ? Grandes : 1];
        for (int i = 0; i < Grandes; ++i)
            g[i] = Byte(grandes[std::min<std::size_t>(std::size_t(i), grandes.size() - 1)]);
        // An empty range is the one from 1 to 0; its bytes fold onto -128, which
        // the strict comparisons leave out.
        const __m128i bajo = _mm_set1_epi8(char(desde - 130));
        const __m128i alto = _mm_set1_epi8(char(hasta - 128));
        Conteo n;
        while (fin - p >= 16) {
            __m128i cl = _mm_setzero_si128(), cg = _mm_setzero_si128(), cr = _mm_setzero_si128();
            for (int pasos = 0; pasos < 255 && fin - p >= 16; ++pasos, p += 16) {
                const __m128i b = Carga(p);
                cl = _mm_sub_epi8(cl, BytesLatin1(b));
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
};
#endif

// ---- The one dispatch point ------------------------------------------------

#ifdef VELMORA_SSE2
using Juego = SSE2;
#else
using Juego = Palabras;
#endif

}  // namespace ConversionesTextoHTML::Vectores
